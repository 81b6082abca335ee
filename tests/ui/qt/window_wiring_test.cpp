#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "scripted_shell.h"
#include "support/scripted_dialogs.h"
#include "ui/qt/main_window.h"
#include "widget_lookup.h"

using tarnex::ui::MainWindow;

/// The window's widgets reach the presenter and show what it holds.
class WindowWiringTest : public QObject {
    Q_OBJECT

  private:
    tarnex::ProgramState state;
    tarnex::testing::ScriptedDialogs dialogs;
    tarnex::ui::testing::ScriptedShell shell;
    std::unique_ptr<MainWindow> window;

    template <typename W>
    W* Find(const char* name) {
        return tarnex::ui::testing::FindWidget<W>(window.get(), name);
    }
    QString Text(const char* box) { return Find<QLineEdit>(box)->text(); }
    /// Clicks the indicator of an option button or check box (its centre may be blank space).
    static void Click(QWidget* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    void Type(const char* box, const QString& text) {
        auto* edit = Find<QLineEdit>(box);
        edit->clear();
        QTest::keyClicks(edit, text);
    }

  private slots:
    void init() {
        state = {};
        dialogs = {};
        shell = {};
        window = std::make_unique<MainWindow>(state, dialogs, &shell);
        window->StartUp();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        dialogs.messages.clear();
    }
    void cleanup() { window.reset(); }

    void titleAndStatusBar() {
        QCOMPARE(window->objectName(), QString("frminput"));
        QCOMPARE(window->windowTitle(), QString("Prestressed Concrete Beam[*]"));
        QVERIFY(!window->isWindowModified());
        QCOMPARE(Find<QLabel>("SBFiles1")->text(), QString("No input file specified"));
        QCOMPARE(Find<QLabel>("SBFiles2")->text(), QString("No output file specified"));
        QCOMPARE(Find<QLineEdit>("txtM28")->toolTip(),
                 QString("Enter modulus of elasticity in lbs/in^2"));
    }

    void typingStrengthUpdatesDerivedBoxes() {
        Type("txtCS28", "5000");
        QCOMPARE(state.data.CS28, 5000.0F);
        QCOMPARE(Text("txtM28"), QString(" 4286414"));
        QCOMPARE(Text("txtATS2"), QString(" 424"));
        QCOMPARE(Text("txtCS28"), QString("5000"));  // the typed box keeps the user's text
    }

    void metricClickIsRefused() {
        Click(Find<QRadioButton>("optMetric"));
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
        QCOMPARE(dialogs.messages[0], std::string("The metric units option is not yet available"));
        QVERIFY(Find<QRadioButton>("optEnglish")->isChecked());
        QVERIFY(!Find<QRadioButton>("optMetric")->isChecked());
    }

    void compositeEnablesTheSlabFrames() {
        QVERIFY(!Find<QGroupBox>("fraSlabConcrete")->isEnabled());
        QVERIFY(!Find<QGroupBox>("fraSlabConfig")->isEnabled());
        QVERIFY(!Find<QGroupBox>("fraDucts")->isEnabled());
        Click(Find<QCheckBox>("chkComp"));
        QVERIFY(state.data.Composite);
        QVERIFY(Find<QGroupBox>("fraSlabConcrete")->isEnabled());
        QCOMPARE(Text("txtSM28"), QString(" 3833886"));
    }

    void shapeListShowsItsFields() {
        auto* beam = Find<QComboBox>("cboBeam");
        QCOMPARE(beam->count(), 6);
        QVERIFY(Find<QLineEdit>("txtD")->isHidden());
        beam->setCurrentIndex(3);
        emit beam->activated(3);
        QVERIFY(!Find<QLineEdit>("txtBweb")->isHidden());
        QVERIFY(Find<QLineEdit>("txtBbot")->isHidden());
        QCOMPARE(Find<QLabel>("lblBweb")->text(), QString("VDia"));
        QCOMPARE(Find<QComboBox>("cboSection")->count(), 13);
    }

    void locationCountAppliesOnEnter() {
        Find<QTabWidget>("SSTab1")->setCurrentIndex(3);
        auto* count = Find<QLineEdit>("txtnll");
        count->clear();
        QTest::keyClicks(count, "12");
        QCOMPARE(state.data.nll, 1);
        QTest::keyClick(count, Qt::Key_Return);
        QCOMPARE(state.data.nll, 12);
        QTest::mouseClick(Find<QWidget>("cmdNext"), Qt::LeftButton);
        QCOMPARE(Find<QGroupBox>("fraLocation")->title(), QString("LOCATION NO  2"));
    }

    void reportFileMenus() {
        window->findChild<QAction*>("mnuViewOutput")->trigger();
        QCOMPARE(dialogs.beeps, 1);
        QCOMPARE(dialogs.messages.at(0), std::string("Please save output file"));
        shell.files.push_back(std::string("/tmp/a folder/beam1.out"));
        window->findChild<QAction*>("mnuSaveOF")->trigger();
        QCOMPARE(Find<QLabel>("SBFiles2")->text(), QString("Output file = beam1.out"));
    }

    void calculateHidesTheDialogAndKeepsItsBoxes() {
        window->findChild<QAction*>("mnuCalcs")->trigger();
        QDialog* dialog = window->outputDialog();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QString("Define Calcs"));
        Click(Find<QCheckBox>("chkUMom"));
        QVERIFY(state.output.UltimateMoment);
        QTest::mouseClick(Find<QPushButton>("cmdCalc"), Qt::LeftButton);
        QCOMPARE(shell.filterLists.size(), std::size_t{1});  // the report file was asked for
        QVERIFY(dialogs.messages.empty());                   // and cancelled: nothing said
        QCOMPARE(shell.hides, 1);
        window->ShowOutputDialog();
        QVERIFY(Find<QCheckBox>("chkUMom")->isChecked());
        QVERIFY(Find<QCheckBox>("chkStress")->isChecked());
    }

    void resultLinesLineUpTheirValues() {
        const std::string text =
            "The initial prestress (jacking) force                   = 1202.6\r"
            "The effective prestress force after all losses = 994.7\r"
            "The required prestressing steel area               = 5.94";
        QCOMPARE(tarnex::ui::AlignedValues(text).value_or("none"),
                 QString("The initial prestress (jacking) force          = 1202.6\n"
                         "The effective prestress force after all losses =  994.7\n"
                         "The required prestressing steel area           =   5.94"));
        QVERIFY(!tarnex::ui::AlignedValues("Enter loads").has_value());
        QVERIFY(!tarnex::ui::AlignedValues("The solution will not converge\rdue to x").has_value());
    }

    void badInputFileIsReportedAndRefreshed() {
        const std::string path = TARNEX_SOURCE_DIR "/tests/ui/no such file.in";
        shell.files.push_back(path);
        Type("txtBUW", "0.09");
        window->findChild<QAction*>("mnuLoadIF")->trigger();
        QCOMPARE(dialogs.messages, std::vector<std::string>{"Error reading input file\rthe file " +
                                                            path + " does not exist"});
        QCOMPARE(Find<QLabel>("SBFiles1")->text(), QString("Input file = no such file.in"));
        QCOMPARE(Text("txtBUW"), QString(" 0.09"));  // refreshed from the unchanged design
    }
};

QTEST_MAIN(WindowWiringTest)
#include "window_wiring_test.moc"
