#include "ui/qt/report_viewer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>

#include "ui/qt/report_text_view.h"
#include "window_fixture.h"

using tarnex::ui::ReportViewer;

namespace {
const QString kReport = TARNEX_SOURCE_DIR "/tests/report/golden/pretensioned-i-girder.out";
}  // namespace

/// The report viewer shows the report file as it is and finds, moves, saves, prints and hands
/// it to the text editor by its keys and buttons.
class ReportViewerTest : public QObject, tarnex::ui::testing::WindowFixture {
    Q_OBJECT

  private:
    std::unique_ptr<ReportViewer> viewer;
    QTemporaryDir folder;

    tarnex::ui::ReportTextView* text() { return viewer->text(); }
    QString Status() { return Find<QLabel>("lblFindStatus", viewer.get())->text(); }
    QLineEdit* FindBox() { return Find<QLineEdit>("txtFind", viewer.get()); }

  private slots:
    void init() {
        Open();
        viewer = std::make_unique<ReportViewer>(state, dialogs, shell);
        QVERIFY(viewer->Open(kReport));
        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
    }
    void cleanup() { viewer.reset(); }

    void findByKeysWrapsAroundAndIgnoresCaseCtrlHomeAndEndMove() {
        QList<int> expected;  // the line of each "final", any case
        const QStringList lines = QString::fromLatin1(ReadAll(kReport)).split("\r\n");
        for (int i = 0; i < lines.size(); ++i) {
            for (qsizetype n = lines[i].count("final", Qt::CaseInsensitive); n > 0; --n)
                expected << i;
        }
        QVERIFY(expected.size() >= 2);
        QTest::keyClick(text(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(FindBox()->hasFocus());
        QTest::keyClicks(FindBox(), "final");
        QTest::keyClick(FindBox(), Qt::Key_Return);
        QCOMPARE(text()->matchLine(), expected[0]);
        QCOMPARE(text()->selectedText(), QString("Final"));
        QCOMPARE(Status(), QString("Line %1").arg(expected[0] + 1));
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(text(), Qt::Key_F3);
            QCOMPARE(text()->matchLine(), expected[i]);
        }
        QTest::keyClick(text(), Qt::Key_F3);  // past the last: from the start again
        QCOMPARE(text()->matchLine(), expected[0]);
        QTest::keyClick(text(), Qt::Key_F3, Qt::ShiftModifier);  // back past the first
        QCOMPARE(text()->matchLine(), expected.last());
        // The match is on screen.
        QVERIFY(text()->firstVisibleLine() <= expected.last());
        QVERIFY(text()->firstVisibleLine() + text()->verticalScrollBar()->pageStep() >
                expected.last());

        // Missing text: "Not found", a beep, the place kept.
        FindBox()->setText("no such words");
        QVERIFY(!viewer->FindNext());
        QCOMPARE(Status(), QString("Not found"));
        QCOMPARE(dialogs.beeps, 1);
        QCOMPARE(text()->matchLine(), expected.last());
        // Ctrl+End and Ctrl+Home go to the ends of the report.
        QScrollBar* bar = text()->verticalScrollBar();
        QTest::keyClick(text(), Qt::Key_End, Qt::ControlModifier);
        QVERIFY(bar->value() > 0 && bar->value() == bar->maximum());
        QTest::keyClick(text(), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(bar->value(), 0);
    }

    void copiesAreWrittenButNeverOntoTheInputOrTheReport() {
        const QString input = folder.filePath("beam.in");
        QVERIFY(QFile::copy(ExamplePath("solid-slab.in"), input));
        state.data.InputFileName = input.toStdString();
        QVERIFY(!viewer->SaveAs(input.toStdString()));
        QCOMPARE(dialogs.messages,
                 std::vector<std::string>{"Error saving output file\rthe file " +
                                          input.toStdString() + " is the input file"});
        QCOMPARE(ReadAll(input), ReadAll(ExamplePath("solid-slab.in")));
        QVERIFY(!viewer->ExportPdf(kReport.toStdString()));
        shell.files = {folder.filePath("copy.out").toStdString(),
                       folder.filePath("report").toStdString()};
        QTest::mouseClick(Find<QWidget>("cmdSaveAs", viewer.get()), Qt::LeftButton);
        QTest::mouseClick(Find<QWidget>("cmdPdf", viewer.get()), Qt::LeftButton);
        QCOMPARE(ReadAll(folder.filePath("copy.out")), ReadAll(kReport));
        QVERIFY(ReadAll(folder.filePath("report.pdf")).startsWith("%PDF"));  // extension added
        QCOMPARE(dialogs.messages.size(), std::size_t{2});
    }

    // Every file the window writes goes through the one safe writer: a FIFO is refused at
    // once (a hang here ends the test by the alarm), a file without a write bit is refused
    // even for the superuser, each with the file and the cause.
    void fifosAndReadOnlyFilesAreRefusedAtOnceByEveryWriter() {
        const QTemporaryDir own;
        const std::string fifo = own.filePath("pipe.out").toStdString();
        const std::string pictureFifo = own.filePath("pipe.png").toStdString();
        QCOMPARE(::mkfifo(fifo.c_str(), 0644), 0);
        QCOMPARE(::mkfifo(pictureFifo.c_str(), 0644), 0);
        const std::string fixed = own.filePath("fixed.pdf").toStdString();
        QVERIFY(QFile::copy(kReport, QString::fromStdString(fixed)));
        QCOMPARE(::chmod(fixed.c_str(), 0444), 0);
        ::alarm(60);
        Load("pretensioned-i-girder.in");
        shell.files = {fifo};
        Trigger("mnuCalcs");
        QTest::mouseClick(Find<QWidget>("cmdCalc"), Qt::LeftButton);
        window->ShowDiagrams();
        shell.files = {pictureFifo};
        window->diagramsWindow()->ExportShown(false);
        QVERIFY(!viewer->ExportPdf(fixed));
        QVERIFY(!viewer->Open(QString::fromStdString(fifo)));
        ::alarm(0);
        const std::string notRegular = fifo + " is not a regular file";
        QCOMPARE(dialogs.messages,
                 (std::vector<std::string>{
                     "Error in calculations\rthe report file \"" + fifo +
                         "\" cannot be created: " + notRegular,
                     "Error writing diagram file\rthe file " + pictureFifo +
                         " cannot be written: " + pictureFifo + " is not a regular file",
                     "Error writing PDF file\rthe file " + fixed + " cannot be written: the file " +
                         fixed + " is read-only",
                     "Unable to view output file\r" + fifo + ": not a regular file"}));
        QCOMPARE(ReadAll(QString::fromStdString(fixed)), ReadAll(kReport));
        QCOMPARE(
            QDir(own.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            (QStringList{"fixed.pdf", "pipe.out", "pipe.png"}));
    }

    void showsTheFileAsItIsAndReportsWhatCannotBeReadOrStarted() {
        const QStringList lines = QString::fromLatin1(ReadAll(kReport)).split("\r\n");
        // The file ends with a line break: no empty line after it.
        QCOMPARE(text()->lineCount(), lines.size() - 1);
        QCOMPARE(text()->lineText(text()->lineCount() - 1), lines[lines.size() - 2]);
        QVERIFY(!viewer->Open(folder.filePath("missing.out")));
        QVERIFY(dialogs.messages.at(0).rfind("Unable to view output file\r", 0) == 0);
        QCOMPARE(viewer->path(), kReport);
        QCOMPARE(text()->bytes(), ReadAll(kReport));
        viewer->setEditorProgram("/nonexistent/tarnex-text-editor");
        QTest::mouseClick(Find<QWidget>("cmdOpenEditor", viewer.get()), Qt::LeftButton);
        QTRY_COMPARE(dialogs.messages.size(), std::size_t{2});
        QCOMPARE(dialogs.messages[1],
                 "Unable to view output file\rno text editor could be started for " +
                     kReport.toStdString());
    }
};

QTEST_MAIN(ReportViewerTest)
#include "report_viewer_test.moc"
