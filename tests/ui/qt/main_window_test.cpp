#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <algorithm>

#include "model/input_fields.h"
#include "support/scratch_folder.h"
#include "window_fixture.h"

using tarnex::SaveChoice;

/// The window driven with real key and mouse events: its widgets reach the presenter, what the
/// engineer typed survives moving around, and nothing is lost unasked.
class MainWindowTest : public QObject, tarnex::ui::testing::WindowFixture {
    Q_OBJECT

  private:
    tarnex::testing::ScratchFolder scratch{"tarnex-ui-main-window"};

    QTabWidget* Tabs() { return Find<QTabWidget>("SSTab1"); }
    void Press(const char* button) { QTest::mouseClick(Find<QWidget>(button), Qt::LeftButton); }
    /// Clicks the indicator of an option button or check box (its centre may be blank space).
    void Tick(const char* button) {
        auto* box = Find<QWidget>(button);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    /// A copy of an example in the scratch folder, so that saving to the design's own file
    /// leaves the examples alone.
    std::string CopyExample(const char* example, const char* name) {
        const std::string copy = scratch.PathOf(name);
        QFile::remove(QString::fromStdString(copy));
        QFile::copy(ExamplePath(example), QString::fromStdString(copy));
        return copy;
    }
    /// Saves through "Save As" and returns the bytes written.
    QByteArray Save(const char* name) {
        shell.files.push_back(scratch.PathOf(name));
        Trigger("mnuSaveIF");
        return ReadAll(QString::fromStdString(scratch.PathOf(name)));
    }
    /// Tabs through every control of the current tab page, pressing the navigation keys of a
    /// text box in each box met on the way.
    void TabThroughPage() {
        QWidget* page = Tabs()->currentWidget();
        const QList<QWidget*> all = page->findChildren<QWidget*>();
        const auto first = std::find_if(all.begin(), all.end(), [&](QWidget* w) {
            return qobject_cast<QLineEdit*>(w) != nullptr && w->isVisibleTo(page) && w->isEnabled();
        });
        if (first == all.end()) return;
        (*first)->setFocus();
        for (int i = 0; i < all.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus != nullptr);
            for (Qt::Key key : {Qt::Key_End, Qt::Key_Home, Qt::Key_Right, Qt::Key_Left})
                if (qobject_cast<QLineEdit*>(focus) != nullptr) QTest::keyClick(focus, key);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
    }

  private slots:
    void init() { Open(); }
    void cleanup() { window.reset(); }

    void everyFieldBoxIsInTheWindowWithItsLabel() {
        QStringList labels;
        for (const QLabel* label : window->findChildren<QLabel*>()) labels << label->text();
        for (const tarnex::InputField& field : tarnex::InputFields()) {
            if (field.box == nullptr) continue;
            QVERIFY2(window->findChild<QLineEdit*>(field.box) != nullptr, field.box);
            if (field.label != nullptr) QVERIFY2(labels.contains(field.label), field.label);
        }
    }

    void tabbingThroughEveryBoxLeavesEachExampleAsItWas() {
        QVERIFY(Examples().size() >= 4);
        for (const QString& example : Examples()) {
            Open();
            Load(example);
            QVERIFY(!window->isWindowModified());
            // A force from the button keeps its full precision while the box shows kips.
            Tabs()->setCurrentIndex(3);
            Press("cmdCalcPSF");
            const QByteArray before = Save("before.in");
            QVERIFY(!before.isEmpty());
            for (int tab = 0; tab < Tabs()->count(); ++tab) {
                Tabs()->setCurrentIndex(tab);
                TabThroughPage();
                for (int i = 1; tab == 3 && i < state.data.nll; ++i) {
                    Press("cmdNext");
                    TabThroughPage();
                }
            }
            QVERIFY2(!window->isWindowModified(), qPrintable(example));
            QCOMPARE(Save("after.in"), before);
        }
    }

    void typedEntriesAreKeptOrMarkedNeverSilentlyReplaced() {
        Load("pretensioned-i-girder.in");
        Tabs()->setCurrentIndex(4);
        Type("txtATS2", "2500");
        Tabs()->setCurrentIndex(1);
        TabThroughPage();
        QCOMPARE(state.data.ATS2, 2500.0F);
        // An edit of the source does derive it again; the typed box keeps the user's text.
        Type("txtCS28", "5000");
        QCOMPARE(Find<QLineEdit>("txtATS2")->text(), QString(" 424"));
        QCOMPARE(Find<QLineEdit>("txtM28")->text(), QString(" 4286414"));
        QCOMPARE(Find<QLineEdit>("txtCS28")->text(), QString("5000"));

        Tabs()->setCurrentIndex(3);
        Type("txtDM", "0");
        QCOMPARE(state.data.locations(1).DM, 0.0F);
        QVERIFY(window->isWindowModified());
        // Typed key by key, the text reads 2, 2., 2.5, then stops being a number: 2.5 kips
        // is in use, and the box says so in its own unit.
        auto* box = Find<QLineEdit>("txtPjack");
        Type(box, "2.5O");
        QCOMPARE(state.data.Pjack, 2500.0F);
        QVERIFY(box->styleSheet().contains("border"));
        QCOMPARE(box->toolTip(), QString("Enter initial prestressing force in kips\nNot a number: "
                                         "\"2.5O\"; not stored, the value in use is 2.5 kips"));
        QCOMPARE(box->text(), QString("2.5O"));
        Type(box, "650");
        QCOMPARE(state.data.Pjack, 650000.0F);
        QCOMPARE(box->toolTip(), QString("Enter initial prestressing force in kips"));
        // Marked text is never calculated or saved: the command names the box, its place and
        // its text, gives it the focus and does nothing else.
        Type(box, "6x");
        Find<QLineEdit>("txtBlength")->setFocus();
        const std::string refusal =
            "Loads tab, Initial Prestress Force holds \"6x\"\rNot a number: \"6x\"; not "
            "stored, the value in use is 6 kips.\rCorrect the entry or undo it; nothing was done.";
        dialogs.messages.clear();
        Press("cmdCalcPSF");
        shell.files.push_back(scratch.PathOf("marked.in"));
        Trigger("mnuSaveIF");
        Trigger("mnuSaveInput");
        QCOMPARE(dialogs.messages.size(), std::size_t{3});
        QCOMPARE(dialogs.messages.at(0), refusal);
        QCOMPARE(dialogs.messages.at(2), refusal);
        QCOMPARE(shell.files.size(), std::size_t{1});
        QCOMPARE(state.data.Pjack, 6000.0F);
        QVERIFY(box->hasFocus());
        // A force from the button clears the mark once the box holds a number again.
        Type(box, "6");
        Press("cmdCalcPSF");
        QVERIFY(box->styleSheet().isEmpty());
    }

    void typedCountIsAppliedByTheArrowButtonAndLoweringAsks() {
        Load("pretensioned-i-girder.in");
        Tabs()->setCurrentIndex(3);
        const int count = state.data.nll + 2;
        Type("txtnll", QString::number(count));
        QCOMPARE(state.data.nll, count - 2);  // not while typing
        Press("cmdNext");
        QCOMPARE(state.data.nll, count);
        QCOMPARE(Find<QGroupBox>("fraLocation")->title(), QString("LOCATION NO  2"));

        // Lowering below locations that hold loads asks; No keeps everything.
        const tarnex::LoadLocation second = state.data.locations(2);
        Type("txtnll", "1");
        QTest::keyClick(Find<QLineEdit>("txtnll"), Qt::Key_Return);
        QCOMPARE(dialogs.questions.at(0).text,
                 "Locations 2 to " + std::to_string(count) +
                     " hold entries that will be deleted.\rLower the number of locations to 1?");
        QCOMPARE(state.data.locations(2), second);
        QCOMPARE(Find<QLineEdit>("txtnll")->text(), QString(" %1").arg(count));

        // An invalid count: one message naming the range, Enter and leaving the box alike.
        Type("txtnll", "0");
        QTest::keyClick(Find<QLineEdit>("txtnll"), Qt::Key_Return);
        Find<QLineEdit>("txtPjack")->setFocus();
        QCOMPARE(dialogs.messages,
                 std::vector<std::string>{"The number of locations must be a number from 1 to "
                                          "100,000"});
    }

    void replacingOrClosingAChangedDesignAsksToSaveItFirst() {
        Load("solid-slab.in");
        QCOMPARE(window->windowTitle(), QString("solid-slab.in[*] - Prestressed Concrete Beam"));
        QVERIFY(window->close());
        QVERIFY(dialogs.saveQuestions.empty());

        Open();
        const std::string copy = CopyExample("solid-slab.in", "slab.in");
        window->LoadInputFile(copy);
        const float length = state.data.Blength;
        Type("txtBlength", "612");
        // Cancel: the command stops before its file dialog and the design stays.
        dialogs.saveAnswers = std::deque<SaveChoice>(4, SaveChoice::Cancel);
        shell.files.push_back(ExamplePath("solid-slab.in").toStdString());
        Trigger("mnuLoadIF");
        Trigger("mnuResetAll");
        QVERIFY(!window->close());
        Trigger("mnuExit");
        QVERIFY(window->isVisible());
        QCOMPARE(shell.files.size(), std::size_t{1});
        QCOMPARE(state.data.Blength, 612.0F);
        QCOMPARE(dialogs.saveQuestions, std::vector<std::string>(4,
                                                                 "The design has changed since "
                                                                 "it was last saved.\rSave the "
                                                                 "changes to slab.in?"));
        // Save: the design goes to its own file without a dialog, then the command goes on.
        shell.files.clear();
        dialogs.saveAnswers = {SaveChoice::Save};
        Trigger("mnuResetConfig");
        QCOMPARE(state.data.Blength, 0.0F);
        QVERIFY(ReadAll(QString::fromStdString(copy)).contains("612,"));
        QVERIFY(shell.filterLists.empty());
        // A design without a file: Save asks for a name; a cancelled dialog stops the command.
        dialogs.saveAnswers = {SaveChoice::Discard, SaveChoice::Save, SaveChoice::Save};
        Trigger("mnuNew");
        QVERIFY(state.data.InputFileName.empty());
        Type("txtBlength", "612");
        const std::string saved = scratch.PathOf("changed.in");
        shell.files = {std::nullopt, saved};
        Trigger("mnuResetConfig");
        QCOMPARE(state.data.Blength, 612.0F);
        Trigger("mnuResetConfig");
        QCOMPARE(state.data.Blength, 0.0F);
        QVERIFY(ReadAll(QString::fromStdString(saved)).contains("612"));
        // Discard: the command goes on without writing; unchanged, closing asks nothing.
        dialogs.saveAnswers = {SaveChoice::Discard};
        shell.files = {ExamplePath("solid-slab.in").toStdString()};
        Trigger("mnuLoadIF");
        QCOMPARE(state.data.Blength, length);
        QVERIFY(window->close());
        QCOMPARE(dialogs.saveQuestions.size(), std::size_t{9});
    }

    void optionsListsAndHelpShowWhatTheDesignAndTabHold() {
        Tick("optMetric");
        QCOMPARE(dialogs.messages,
                 std::vector<std::string>{"The metric units option is not yet available"});
        QVERIFY(Find<QRadioButton>("optEnglish")->isChecked());

        QVERIFY(!Find<QGroupBox>("fraSlabConcrete")->isEnabled());
        Tick("chkComp");
        QVERIFY(Find<QGroupBox>("fraSlabConcrete")->isEnabled());

        QVERIFY(Find<QLineEdit>("txtD")->isHidden());  // General section: no dimensions
        emit Find<QComboBox>("cboBeam")->activated(3);
        QVERIFY(!Find<QLineEdit>("txtBweb")->isHidden());
        QCOMPARE(Find<QLabel>("lblBweb")->text(), QString("VDia"));
        Tabs()->setCurrentIndex(4);
        QTest::keyClick(window.get(), Qt::Key_F1);
        QVERIFY(window->helpWindow()->isVisible());
        QCOMPARE(Find<QTextBrowser>("helpBrowser", window->helpWindow())->source().fileName(),
                 QString("AllowStressAndLoss.htm"));
    }

    void reportAndInputFilesAreAskedForAndReported() {
        Trigger("mnuViewOutput");
        QCOMPARE(dialogs.beeps, 1);
        QCOMPARE(dialogs.messages, std::vector<std::string>{"Please save output file"});
        Trigger("mnuCalcs");
        Tick("chkUMom");
        Press("cmdCalc");
        QCOMPARE(shell.filterLists, std::vector<std::string>{tarnex::ui::kOutputFilters});
        QCOMPARE(dialogs.messages.size(), std::size_t{1});  // cancelled: nothing said
        QCOMPARE(shell.hides, 1);
        window->ShowOutputDialog();
        QVERIFY(Find<QCheckBox>("chkUMom")->isChecked());
        shell.files.push_back(std::string("/tmp/a folder/beam1.out"));
        Trigger("mnuSaveOF");
        QCOMPARE(Find<QLabel>("SBFiles2")->text(), QString("Output file = beam1.out"));
        // A file that cannot be read is reported, named in the status bar, and the form shown
        // again from the design.
        const std::string path = TARNEX_SOURCE_DIR "/tests/ui/no such file.in";
        shell.files.push_back(path);
        Type("txtBUW", "0.09");
        Trigger("mnuLoadIF");
        QCOMPARE(dialogs.messages.back(),
                 "Error reading input file\rthe file " + path + " does not exist");
        QCOMPARE(Find<QLabel>("SBFiles1")->text(), QString("Input file = no such file.in"));
        QCOMPARE(Find<QLineEdit>("txtBUW")->text(), QString(" 0.09"));
    }

    // "Generate Loads..." of the Loads tab and the Define menu.
    void loadGenerationDefaultsFollowTheRuleOfTheLiveLoadAZeroSpanIsRefused() {
        Load("pretensioned-i-girder.in");
        Press("cmdGenLoads");
        auto* live = Find<QComboBox>("cboGenLive");
        QCOMPARE(live->currentText(), QString("AASHTO HS20-44"));
        QVERIFY(Find<QLineEdit>("txtGenLiveValue")->isHidden());
        // Cooper E-n: half a track and the AREMA impact (8 ft: 12.5 + 16 + 600/70 percent).
        live->setFocus();
        for (int i = 0; i < 4; ++i) QTest::keyClick(live, Qt::Key_Down);
        QCOMPARE(live->currentText(), QString("AREMA Cooper E-n"));
        QVERIFY(!Find<QLineEdit>("txtGenLiveValue")->isHidden());
        QCOMPARE(Find<QLineEdit>("txtGenLiveValue")->text(), QString(" 80"));
        QCOMPARE(Find<QLineEdit>("txtGenDF")->text(), QString(" 0.5"));
        QCOMPARE(Find<QLineEdit>("txtGenImpact")->text(), QString(" 0.3707143"));
        // A shorter span moves the impact that still follows the rule: 12.5 + 40 - 6.75.
        Type("txtGenSpan", "720");
        QCOMPARE(Find<QLineEdit>("txtGenImpact")->text(), QString(" 0.4575"));
        // A zero span is refused before anything is asked.
        Type("txtGenSpan", "0");
        Press("cmdGenOK");
        QCOMPARE(dialogs.messages, std::vector<std::string>{"Enter a span greater than 0"});
        QVERIFY(dialogs.questions.empty());
        QVERIFY(window->loadGenerationDialog()->isVisible());
        Press("cmdGenCancel");
        QVERIFY(!window->loadGenerationDialog()->isVisible());
        QCOMPARE(state.data.nll, 5);
    }

    void loadGenerationRefusesMarkedBoxesAndAnAciDesignWithoutItsLiveLoad() {
        Load("voided-slab-aci.in");
        Trigger("mnuGenLoads");
        auto* live = Find<QLineEdit>("txtGenLiveValue");
        QCOMPARE(live->text(), QString());  // ACI: the engineer gives the live load
        Press("cmdGenOK");
        QVERIFY(window->loadGenerationDialog()->isVisible());
        QCOMPARE(Find<QLabel>("lblGenProblem")->text(), QString("Live load: enter the live load"));
        Type("txtGenLiveValue", "0.5");
        Type("txtGenSpan", "12a");
        Press("cmdGenOK");
        QVERIFY(window->loadGenerationDialog()->isVisible());
        QVERIFY(Find<QLabel>("lblGenProblem")->text().startsWith("Span: "));
        QVERIFY(dialogs.questions.empty());
        Press("cmdGenCancel");
    }

    void loadGenerationAsksBeforeReplacingAllOrFillsThePresentLocations() {
        Load("pretensioned-i-girder.in");
        Trigger("mnuGenLoads");
        Type("txtGenComp", "0.3");
        Press("cmdGenOK");  // the example holds loads: No keeps them and the dialog open
        QCOMPARE(dialogs.questions.size(), std::size_t{1});
        QCOMPARE(state.data.nll, 5);
        QVERIFY(window->loadGenerationDialog()->isVisible());
        dialogs.yesNoAnswers = {true};
        Press("cmdGenOK");
        QVERIFY(!window->loadGenerationDialog()->isVisible());
        QCOMPARE(state.data.nll, 17);  // with the sections of the truck's largest moment
        QCOMPARE(Tabs()->currentIndex(), 3);
        QCOMPARE(Find<QGroupBox>("fraLocation")->title(), QString("LOCATION NO  1"));
        QCOMPARE(Find<QLineEdit>("txtLF")->text(), QString(" 2.17"));
        // 0.3 kip/ft = 25 lb/in: w L^2 / 8 at midspan.
        QCOMPARE(state.data.locations(8).x, 572.0F);
        QCOMPARE(state.data.locations(9).x, 600.0F);
        QCOMPARE(state.data.locations(9).ADM, 4500000.0F);
        // Filling the present locations: HS20-44 per lane at midspan of 100 ft, 1,520 kip-ft.
        window->ShowLoadGenerationDialog();
        Tick("optGenPresent");
        Type("txtGenDF", "2");
        Type("txtGenImpact", "0");
        dialogs.yesNoAnswers = {true};
        Press("cmdGenOK");
        QCOMPARE(state.data.nll, 17);
        QCOMPARE(state.data.locations(9).LM, 1520.0F * 12000);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
