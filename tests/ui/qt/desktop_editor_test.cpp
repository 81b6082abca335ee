#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include "model/input_file.h"
#include "support/scratch_folder.h"
#include "ui/qt/autosave.h"
#include "ui/qt/load_table_model.h"
#include "ui/qt/qt_dialogs.h"
#include "window_fixture.h"

using tarnex::SaveChoice;
using tarnex::ui::Autosave;
using tarnex::ui::MainWindow;

namespace {

/// Answers the next message box the window opens (a real one, in its own event loop) with
/// `button`, and remembers its text.
class BoxAnswerer : public QObject {
  public:
    explicit BoxAnswerer(QMessageBox::StandardButton button) : button_(button) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || box->button(button_) == nullptr) return;
            texts << box->text();
            timer_.stop();
            box->button(button_)->click();
        });
        timer_.start(20);
    }
    QStringList texts;

  private:
    QMessageBox::StandardButton button_;
    QTimer timer_;
};

}  // namespace

/// The window as engineers use desktop editors: no crash from a question asked while a menu
/// opens, Save and Open, undo of every change, a load table that takes a spreadsheet's rows,
/// a recovery file after a crash.
class DesktopEditorTest : public QObject, tarnex::ui::testing::WindowFixture {
    Q_OBJECT

  private:
    tarnex::testing::ScratchFolder scratch{"tarnex-ui-desktop-editor"};

    QTabWidget* Tabs() { return Find<QTabWidget>("SSTab1"); }
    std::string CopyExample(const char* example, const char* name) {
        const std::string copy = scratch.PathOf(name);
        QFile::remove(QString::fromStdString(copy));
        QFile::copy(ExamplePath(example), QString::fromStdString(copy));
        QFile(QString::fromStdString(copy))
            .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return copy;
    }
    void Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(widget, key, modifiers);
        Settle();
    }
    /// The design as its input file would hold it.
    std::string FileText() { return tarnex::FormatInputFileText(state.data); }

  private slots:
    void init() { Open(); }
    void cleanup() { window.reset(); }

    // The count typed into Number of Locations and left by a menu's access key: the question
    // comes once the menu is open, a real message box answered with the mouse, and the
    // window lives on with the answer applied. The same for a count out of range.
    void aCountLeftForAMenuIsAskedAboutAfterwardsAndTheWindowLivesOn() {
        for (const Qt::Key menu : {Qt::Key_F, Qt::Key_D, Qt::Key_R, Qt::Key_V, Qt::Key_H}) {
            tarnex::ProgramState desk;
            tarnex::ui::QtDialogs desktop;
            tarnex::ui::testing::ScriptedShell files;
            auto real = std::make_unique<MainWindow>(desk, desktop, &files);
            desktop.setParent(real.get());
            real->StartUp();
            real->show();
            real->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(real.get()));
            real->LoadInputFile(ExamplePath("pretensioned-i-girder.in").toStdString());
            QTest::keyClick(real.get(), Qt::Key_L, Qt::AltModifier);
            QCOMPARE(real->findChild<QTabWidget*>("SSTab1")->currentIndex(), 3);
            auto* count = real->findChild<QLineEdit*>("txtnll");
            Type(count, "2");
            {
                BoxAnswerer yes(QMessageBox::Yes);
                QTest::keyClick(count, menu, Qt::AltModifier);
                QTRY_COMPARE(desk.data.nll, 2);
                QCOMPARE(yes.texts, QStringList{"Locations 3 to 5 hold entries that will be "
                                                "deleted.\nLower the number of locations to 2?"});
            }
            // The message box gone, the window is the active one again (the window manager's
            // part, which the test platform leaves out).
            real->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(real.get()));
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            Type(count, "0");
            {
                BoxAnswerer ok(QMessageBox::Ok);
                QTest::keyClick(count, menu, Qt::AltModifier);
                QTRY_COMPARE(ok.texts.size(), 1);
                QCOMPARE(ok.texts.front(),
                         QString("The number of locations must be a number from 1 to 100,000"));
            }
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            QCOMPARE(desk.data.nll, 2);
            QCOMPARE(count->text(), QString(" 2"));
            QVERIFY(real->isVisible());
            // Closing asks about the changed design; Discard ends the window.
            BoxAnswerer discard(QMessageBox::Discard);
            QVERIFY(real->close());
        }
    }

    // Ctrl+S writes the design's own file without a dialog; the dialogs of Save As and of the
    // report file start at the design's file; Open Recent lists it and drops a file gone.
    void saveWritesTheDesignsOwnFileAndRecentFilesFollow() {
        const std::string copy = CopyExample("solid-slab.in", "slab.in");
        window->LoadInputFile(copy);
        Type("txtBlength", "600");
        QVERIFY(window->isWindowModified());
        Key(Find<QLineEdit>("txtBlength"), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(shell.filterLists.empty());
        QVERIFY(!window->isWindowModified());
        QCOMPARE(ReadAll(QString::fromStdString(copy)).toStdString(), FileText());
        QVERIFY(ReadAll(QString::fromStdString(copy)).contains("\r\n600,"));
        // Save As with a name: the new file becomes the design's and heads the recent files.
        const std::string other = scratch.PathOf("other.in");
        shell.files.push_back(other);
        Key(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window->windowTitle(), QString("other.in[*] - Prestressed Concrete Beam"));
        auto* recent = Find<QMenu>("mnuRecent");
        QCOMPARE(recent->actions().size(), 2);
        QVERIFY(recent->actions().at(0)->text().endsWith("other.in"));
        QVERIFY(recent->actions().at(1)->text().endsWith("slab.in"));
        // A recent file that is gone is said so and leaves the list.
        QFile::remove(QString::fromStdString(copy));
        recent->actions().at(1)->trigger();
        Settle();
        QCOMPARE(dialogs.messages.back(),
                 "The file " + copy + " no longer exists; it is removed from the recent files.");
        QCOMPARE(recent->actions().size(), 1);
        // A file that fails to read is named in the window but Save never writes over it
        // unasked: it asks for a name.
        const std::string broken = scratch.PathOf("broken.in");
        QFile(QString::fromStdString(broken)).open(QIODevice::WriteOnly);
        window->LoadInputFile(broken);
        QCOMPARE(state.data.InputFileName, broken);
        Key(window.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(shell.filterLists.size(), std::size_t{2});
        QVERIFY(ReadAll(QString::fromStdString(broken)).isEmpty());
        // A design file dropped on the window opens (after the question about changes).
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(ExamplePath("voided-slab-aci.in"))});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &drop);
        Settle();
        QCOMPARE(window->windowTitle(),
                 QString("voided-slab-aci.in[*] - Prestressed Concrete Beam"));
        QCOMPARE(recent->actions().size(), 2);
        // New: the start-up design, without a file; Ctrl+S then asks for a name.
        Key(window.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(state.data.InputFileName.empty());
        QCOMPARE(state.data.nll, 1);
        Key(window.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(shell.filterLists.size(), std::size_t{3});
        // The recent files are the user's: a new window lists them.
        window.reset();
        state = {};
        window = std::make_unique<MainWindow>(state, dialogs, &shell);
        window->StartUp();
        QCOMPARE(Find<QMenu>("mnuRecent")->actions().size(), 2);
        Find<QMenu>("mnuRecent")->actions().at(1)->trigger();
        Settle();
        QCOMPARE(state.data.InputFileName, other);
    }

    // Every kind of change undone gives the file's bytes back and clears the modified mark;
    // redo gives the change again.
    void undoGivesTheSavedBytesBackForEveryKindOfChange() {
        const std::string copy = CopyExample("pretensioned-i-girder.in", "girder.in");
        window->LoadInputFile(copy);
        const std::string saved = ReadAll(QString::fromStdString(copy)).toStdString();
        QCOMPARE(FileText(), saved);
        dialogs.yesNoAnswers = {true, true, true};
        dialogs.inputReplies = {"70"};
        const std::vector<std::pair<const char*, std::function<void()>>> changes = {
            {"box", [&] { Type("txtBUW", "0.09"); }},
            {"list",
             [&] {
                 const int other = 1 - static_cast<int>(state.data.PStype);
                 emit Find<QComboBox>("cboPStype")->activated(other);
             }},
            {"option",
             [&] {
                 auto* check = Find<QWidget>("chkComp");
                 QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
             }},
            {"count",
             [&] {
                 Type("txtnll", "7");
                 Key(Find<QLineEdit>("txtnll"), Qt::Key_Return);
             }},
            {"reset", [&] { Trigger("mnuResetLoads"); }},
            {"button", [&] { QTest::mouseClick(Find<QWidget>("cmdcalcloss"), Qt::LeftButton); }},
            {"paste", [&] { window->loadTable()->Paste(1, 0, "240\t5\t6\t7\t1.5\n"); }},
        };
        for (const auto& [kind, change] : changes) {
            change();
            Settle();
            QVERIFY2(window->isWindowModified(), kind);
            const std::string changed = FileText();
            // Ctrl+Z from a widget without edits of its own: the tabs.
            Key(Tabs(), Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(FileText() == saved, kind);
            QVERIFY2(!window->isWindowModified(), kind);
            Key(Tabs(), Qt::Key_Y, Qt::ControlModifier);
            QVERIFY2(FileText() == changed, kind);
            Key(Tabs(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // nothing to redo
            Trigger("mnuUndo");
            QVERIFY2(FileText() == saved, kind);
        }
        // Keys typed into one box are one step; in the box itself Ctrl+Z undoes its own edits
        // first, then passes on to the design's undo.
        const float length = state.data.Blength;
        Type("txtBUW", "0.09");
        Type("txtBlength", "600");
        Type("txtBlength", "610");
        auto* box = Find<QLineEdit>("txtBlength");
        for (int i = 0; i < 12 && box->isUndoAvailable(); ++i)
            Key(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(state.data.Blength, length);
        QCOMPARE(state.data.BUW, 0.09F);
        Key(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(FileText(), saved);
        QVERIFY(!Find<QAction>("mnuUndo")->isEnabled());
        // Generate Loads is one step too.
        Trigger("mnuGenLoads");
        dialogs.yesNoAnswers = {true};
        QTest::mouseClick(Find<QWidget>("cmdGenOK"), Qt::LeftButton);
        QCOMPARE(state.data.nll, 17);
        Trigger("mnuUndo");
        QCOMPARE(FileText(), saved);
    }

    // Choosing the steel type already selected changes nothing (the losses on another tab
    // stay as the file gave them) and is no step to undo.
    void pickingTheSelectedSteelTypeChangesNothing() {
        Load("general-section-end-span.in");
        const std::string before = FileText();
        Tabs()->setCurrentIndex(1);
        auto* list = Find<QComboBox>("cboPStype");
        list->setFocus();
        list->showPopup();
        QTRY_VERIFY(list->view()->isVisible());
        Key(list->view(), Qt::Key_Return);
        QCOMPARE(FileText(), before);
        QCOMPARE(state.data.PSi, 202500.0F);
        QCOMPARE(state.data.PSloss, 24000.0F);
        QCOMPARE(state.data.PStrans, 16200.0F);
        QVERIFY(!window->isWindowModified());
        QVERIFY(!Find<QAction>("mnuUndo")->isEnabled());
    }

    // 40 rows of 29 columns from a spreadsheet: more rows than locations asks to add them;
    // kips and kip-ft as typed; the saved file holds them and copying gives them back.
    void aBlockPastedFromASpreadsheetIsWhatTheFileSaves() {
        Load("pretensioned-i-girder.in");
        QString block = "x\tD axial\n";  // a header row is skipped
        for (int r = 0; r < 40; ++r) {
            QStringList cells{QString::number(30 * r)};
            for (int c = 1; c < 29; ++c) cells << QString::number(r + c * 0.1, 'f', 1);
            block += cells.join('\t') + "\r\n";
        }
        QApplication::clipboard()->setText(block);
        Tabs()->setCurrentIndex(3);
        auto* table = Find<QTableView>("tblLoads");
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, 0));
        dialogs.yesNoAnswers = {true};
        Key(table, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(dialogs.questions.back().text,
                 std::string("The pasted rows reach location 40; the design has 5.\rAdd 35 "
                             "locations?"));
        QCOMPARE(state.data.nll, 40);
        QCOMPARE(table->model()->rowCount(), 40);
        // Row 40: x 1170 in, axial 39.1 kips, moment 39.3 kip-ft, factor 39.4.
        const tarnex::LoadLocation& last = state.data.locations(40);
        QCOMPARE(last.x, 1170.0F);
        QCOMPARE(last.DP, 39100.0F);
        QCOMPARE(last.DM, 471600.0F);
        QCOMPARE(last.DF, 39.4F);
        QCOMPARE(Find<QLineEdit>("txtnll")->text(), QString(" 40"));
        QCOMPARE(Find<QLineEdit>("txtDM")->text(), QString("0.3"));  // location 1
        const std::string path = scratch.PathOf("pasted.in");
        shell.files.push_back(path);
        Trigger("mnuSaveIF");
        const QByteArray file = ReadAll(QString::fromStdString(path));
        QVERIFY(file.contains("\r\n1170\r\n39100,39200,471600,39.4\r\n"));
        // Copying the block gives the pasted text back, without the header row.
        table->selectAll();
        Key(table, Qt::Key_C, Qt::ControlModifier);
        QString expected = block.mid(block.indexOf('\n') + 1);
        expected.replace("\r\n", "\n").replace(".0\t", "\t").replace(".0\n", "\n");
        QCOMPARE(QApplication::clipboard()->text(), expected);
        // A cell typed in place: stored by the typed-number rule, one step to undo; a text
        // that is not a number is refused with a message and the cell keeps its value.
        table->setCurrentIndex(table->model()->index(0, 1));
        QTest::keyClick(table, Qt::Key_2);  // starts the cell's editor
        QTest::keyClicks(QApplication::focusWidget(), ".5");
        Key(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(state.data.locations(1).DP, 2500.0F);
        QCOMPARE(Find<QLineEdit>("txtDP")->text(), QString("2.5"));
        table->setFocus();
        QTest::keyClick(table, Qt::Key_1);
        QTest::keyClicks(QApplication::focusWidget(), "2a");
        Key(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialogs.messages.back(),
                 std::string("Location 1, Beam Dead Axial (kips): Not a number: \"12a\"; not "
                             "stored."));
        QCOMPARE(state.data.locations(1).DP, 2500.0F);
        Trigger("mnuUndo");
        QCOMPARE(state.data.locations(1).DP, 100.0F);  // as pasted
        // A cell that is not a number refuses the whole paste and names it.
        table->setCurrentIndex(table->model()->index(0, 0));
        QApplication::clipboard()->setText("1\t2\n3\t4x\n");
        Key(table, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(dialogs.messages.back(),
                 std::string("Nothing was pasted.\rRow 2, Beam Dead Axial (kips): Not a number: "
                             "\"4x\"."));
        QCOMPARE(state.data.locations(1).x, 0.0F);
    }

    // The recovery file follows the changes in the user's data folder and goes with a clean
    // end; one left by a session that did not end is offered at the next start and recovered
    // as a changed design.
    void aSessionThatDidNotEndIsOfferedForRecovery() {
        const QString folder = Autosave::DefaultFolder();
        QDir(folder).removeRecursively();
        const std::string copy = CopyExample("solid-slab.in", "slab.in");
        window->EnableAutosave(50);
        window->LoadInputFile(copy);
        Autosave* autosave = window->autosave();
        QVERIFY(!QFile::exists(autosave->recoveryFile()));
        Type("txtBlength", "600");
        QTRY_VERIFY(QFile::exists(autosave->recoveryFile()));
        QVERIFY(QFileInfo(autosave->recoveryFile()).absolutePath() !=
                QFileInfo(QString::fromStdString(copy)).absolutePath());
        QCOMPARE(ReadAll(autosave->recoveryFile()).toStdString(), FileText());
        const std::string changed = FileText();
        // The session ends without closing: its files stay under a session no longer running.
        const QDir dir(folder);
        QFile::copy(autosave->recoveryFile(), dir.filePath("recovery-999999999.in"));
        const QString note = QString(autosave->recoveryFile()).replace(".in", ".txt");
        QFile::copy(note, dir.filePath("recovery-999999999.txt"));
        // Saving removes this session's file.
        Key(window.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!QFile::exists(autosave->recoveryFile()));
        const QString time =
            QDateTime::fromString(
                QString(ReadAll(dir.filePath("recovery-999999999.txt"))).split('\n').value(1),
                Qt::ISODate)
                .toString("HH:mm");
        QVERIFY(!time.isEmpty());
        Open();
        dialogs.yesNoAnswers = {true};
        QVERIFY(window->OfferRecovery());
        QCOMPARE(QString::fromStdString(dialogs.questions.at(0).text),
                 "Recover the unsaved changes to slab.in made at " + time + "?\r" +
                     QString::fromStdString(copy) + " as it was then, from the recovery file " +
                     dir.filePath("recovery-999999999.in"));
        QCOMPARE(FileText(), changed);
        QCOMPARE(state.data.InputFileName, copy);
        QVERIFY(window->isWindowModified());
        QVERIFY(!QFile::exists(dir.filePath("recovery-999999999.in")));
        // Nothing is left to offer.
        QVERIFY(!window->OfferRecovery());
    }
};

QTEST_MAIN(DesktopEditorTest)
#include "desktop_editor_test.moc"
