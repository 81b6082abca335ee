#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "window_fixture.h"

/// The window's widgets reach the presenter and show what it holds.
class WindowWiringTest : public QObject, tarnex::ui::testing::WindowFixture {
    Q_OBJECT

  private:
    /// Clicks the indicator of an option button or check box (its centre may be blank space).
    static void Click(QWidget* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

  private slots:
    void init() { Open(); }
    void cleanup() { window.reset(); }

    void metricClickIsRefused() {
        Click(Find<QRadioButton>("optMetric"));
        QCOMPARE(dialogs.messages,
                 std::vector<std::string>{"The metric units option is not yet available"});
        QVERIFY(Find<QRadioButton>("optEnglish")->isChecked());
        QVERIFY(!Find<QRadioButton>("optMetric")->isChecked());
    }

    void compositeEnablesTheSlabFrames() {
        QVERIFY(!Find<QGroupBox>("fraSlabConcrete")->isEnabled());
        QVERIFY(!Find<QGroupBox>("fraDucts")->isEnabled());
        Click(Find<QCheckBox>("chkComp"));
        QVERIFY(state.data.Composite);
        QVERIFY(Find<QGroupBox>("fraSlabConcrete")->isEnabled());
        QVERIFY(Find<QGroupBox>("fraSlabConfig")->isEnabled());
        QCOMPARE(Find<QLineEdit>("txtSM28")->text(), QString(" 3833886"));
    }

    void shapeListShowsItsFields() {
        auto* beam = Find<QComboBox>("cboBeam");
        QVERIFY(Find<QLineEdit>("txtD")->isHidden());  // General section: no dimensions
        beam->setCurrentIndex(3);
        emit beam->activated(3);
        QVERIFY(!Find<QLineEdit>("txtBweb")->isHidden());
        QVERIFY(Find<QLineEdit>("txtBbot")->isHidden());
        QCOMPARE(Find<QLabel>("lblBweb")->text(), QString("VDia"));
        QCOMPARE(Find<QLineEdit>("txtBweb")->toolTip(), QString("Enter void diameter in inches"));
        QCOMPARE(Find<QComboBox>("cboSection")->count(), 13);
    }

    void reportFileMenus() {
        Trigger("mnuViewOutput");
        QCOMPARE(dialogs.beeps, 1);
        QCOMPARE(dialogs.messages, std::vector<std::string>{"Please save output file"});
        shell.files.push_back(std::string("/tmp/a folder/beam1.out"));
        Trigger("mnuSaveOF");
        QCOMPARE(shell.filterLists.at(0), std::string(tarnex::ui::kOutputFilters));
        QCOMPARE(Find<QLabel>("SBFiles2")->text(), QString("Output file = beam1.out"));
        Trigger("mnuViewOutput");
        QCOMPARE(dialogs.beeps, 1);
    }

    void calculateHidesTheDialogAndKeepsItsBoxes() {
        Trigger("mnuCalcs");
        QDialog* dialog = window->outputDialog();
        QVERIFY(dialog->isVisible());
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
        Trigger("mnuLoadIF");
        QCOMPARE(dialogs.messages, std::vector<std::string>{"Error reading input file\rthe file " +
                                                            path + " does not exist"});
        QCOMPARE(Find<QLabel>("SBFiles1")->text(), QString("Input file = no such file.in"));
        QCOMPARE(state.data.BUW, 0.09F);
        QCOMPARE(Find<QLineEdit>("txtBUW")->text(), QString(" 0.09"));  // shown from the design
    }
};

QTEST_MAIN(WindowWiringTest)
#include "window_wiring_test.moc"
