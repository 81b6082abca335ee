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

/// "Generate Loads..." of the Loads tab and the Define menu, driven with real key events.
class LoadGenerationDialogTest : public QObject {
    Q_OBJECT

  private:
    tarnex::ProgramState state;
    tarnex::testing::ScriptedDialogs dialogs;
    tarnex::ui::testing::ScriptedShell shell;
    std::unique_ptr<MainWindow> window;

    template <typename W>
    W* Find(QObject* parent, const char* name) {
        return tarnex::ui::testing::FindWidget<W>(parent, name);
    }
    QDialog* Dialog() {
        QDialog* dialog = window->loadGenerationDialog();
        if (dialog == nullptr) qFatal("no load generation dialog");
        return dialog;
    }
    QString Text(const char* box) { return Find<QLineEdit>(Dialog(), box)->text(); }
    void Type(const char* box, const QString& text) {
        auto* edit = Find<QLineEdit>(Dialog(), box);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void PressOK() { QTest::mouseClick(Find<QPushButton>(Dialog(), "cmdGenOK"), Qt::LeftButton); }

  private slots:
    void init() {
        state = {};
        dialogs = {};
        window = std::make_unique<MainWindow>(state, dialogs, &shell);
        window->StartUp();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->LoadInputFile(TARNEX_SOURCE_DIR "/examples/pretensioned-i-girder.in");
        dialogs.messages.clear();
    }
    void cleanup() { window.reset(); }

    void defaultsFollowTheDesignAndTheRuleOfTheLiveLoad() {
        QTest::mouseClick(Find<QPushButton>(window.get(), "cmdGenLoads"), Qt::LeftButton);
        QVERIFY(Dialog()->isVisible());
        QCOMPARE(Dialog()->windowTitle(), QString("Generate Loads"));
        QCOMPARE(Text("txtGenSpan"), QString(" 1200"));
        auto* live = Find<QComboBox>(Dialog(), "cboGenLive");
        QCOMPARE(live->currentText(), QString("AASHTO HS20-44"));
        QVERIFY(Find<QLineEdit>(Dialog(), "txtGenLiveValue")->isHidden());
        QCOMPARE(Text("txtGenDF"), QString(" 1.454545"));       // 8 ft / 5.5
        QCOMPARE(Text("txtGenImpact"), QString(" 0.2222222"));  // 50 / (100 + 125)
        QVERIFY(Find<QLabel>(Dialog(), "lblGenImpactRule")->text().contains("loaded length"));
        QCOMPARE(Text("txtGenComp"), QString(" 0"));
        QVERIFY(Find<QRadioButton>(Dialog(), "optGenNew")->isChecked());
        // Cooper E-n: half a track and the AREMA impact (8 ft: 12.5 + 16 + 600/70 percent).
        live->setFocus();
        for (int i = 0; i < 4; ++i) QTest::keyClick(live, Qt::Key_Down);
        QCOMPARE(live->currentText(), QString("AREMA Cooper E-n"));
        QVERIFY(!Find<QLineEdit>(Dialog(), "txtGenLiveValue")->isHidden());
        QCOMPARE(Text("txtGenLiveValue"), QString(" 80"));
        QCOMPARE(Text("txtGenDF"), QString(" 0.5"));
        QCOMPARE(Text("txtGenImpact"), QString(" 0.3707143"));
        // A shorter span moves the impact that still follows the rule: 12.5 + 40 - 6.75.
        Type("txtGenSpan", "720");
        QCOMPARE(Text("txtGenImpact"), QString(" 0.4575"));
        QTest::mouseClick(Find<QPushButton>(Dialog(), "cmdGenCancel"), Qt::LeftButton);
        QVERIFY(!Dialog()->isVisible());
        QCOMPARE(state.data.nll, 5);
    }

    void okAsksBeforeReplacingAndShowsLocationOne() {
        window->findChild<QAction*>("mnuGenLoads")->trigger();
        Type("txtGenComp", "0.3");
        PressOK();  // the example holds loads: No keeps them and the dialog open
        QCOMPARE(dialogs.questions.size(), std::size_t{1});
        QCOMPARE(dialogs.questions[0].title, std::string("Generate Loads"));
        QCOMPARE(state.data.nll, 5);
        QVERIFY(Dialog()->isVisible());

        dialogs.yesNoAnswers = {true};
        PressOK();
        QVERIFY(!Dialog()->isVisible());
        QCOMPARE(state.data.nll, 15);
        QCOMPARE(state.data.CurrentLocation, 1);
        QCOMPARE(Find<QTabWidget>(window.get(), "SSTab1")->currentIndex(), 3);
        QCOMPARE(Find<QGroupBox>(window.get(), "fraLocation")->title(), QString("LOCATION NO  1"));
        QCOMPARE(Find<QLineEdit>(window.get(), "txtnll")->text(), QString(" 15"));
        QCOMPARE(Find<QLineEdit>(window.get(), "txtLF")->text(), QString(" 2.17"));
        // 0.3 kip/ft = 25 lb/in: w L^2 / 8 at midspan, shown in kip-ft.
        const tarnex::LoadLocation& mid = state.data.locations(8);
        QCOMPARE(mid.x, 600.0F);
        QCOMPARE(mid.ADM, 4500000.0F);
    }

    void presentLocationsWithATypedImpact() {
        window->ShowLoadGenerationDialog();
        QTest::mouseClick(Find<QRadioButton>(Dialog(), "optGenPresent"), Qt::LeftButton, {},
                          QPoint(8, 8));
        Type("txtGenDF", "2");
        Type("txtGenImpact", "0");
        dialogs.yesNoAnswers = {true};
        PressOK();
        QCOMPARE(state.data.nll, 5);
        // HS20-44 per lane at midspan of 100 ft: 1,520 kip-ft; the file's factor is kept.
        QCOMPARE(state.data.locations(5).LM, 1520.0F * 12000);
        QCOMPARE(state.data.locations(5).PSF, 1.0F);
    }

    void refusedOptionsKeepTheDialogOpen() {
        window->ShowLoadGenerationDialog();
        Type("txtGenSpan", "0");
        PressOK();
        QCOMPARE(dialogs.messages, std::vector<std::string>{"Enter a span greater than 0"});
        QVERIFY(dialogs.questions.empty());
        QVERIFY(Dialog()->isVisible());
    }
};

QTEST_MAIN(LoadGenerationDialogTest)
#include "load_generation_dialog_test.moc"
