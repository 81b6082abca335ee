#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "window_fixture.h"

/// "Generate Loads..." of the Loads tab and the Define menu, driven with real key events.
class LoadGenerationDialogTest : public QObject, tarnex::ui::testing::WindowFixture {
    Q_OBJECT

  private:
    QDialog* Dialog() {
        QDialog* dialog = window->loadGenerationDialog();
        if (dialog == nullptr) qFatal("no load generation dialog");
        return dialog;
    }
    QString Text(const char* box) { return Find<QLineEdit>(box, Dialog())->text(); }
    void TypeIn(const char* box, const QString& text) {
        Type(Find<QLineEdit>(box, Dialog()), text);
    }
    void Press(const char* button) {
        QTest::mouseClick(Find<QPushButton>(button, Dialog()), Qt::LeftButton);
    }

  private slots:
    void init() {
        Open();
        Load("pretensioned-i-girder.in");
    }
    void cleanup() { window.reset(); }

    void defaultsFollowTheDesignAndTheRuleOfTheLiveLoad() {
        QTest::mouseClick(Find<QPushButton>("cmdGenLoads"), Qt::LeftButton);
        QCOMPARE(Text("txtGenSpan"), QString(" 1200"));
        auto* live = Find<QComboBox>("cboGenLive", Dialog());
        QCOMPARE(live->currentText(), QString("AASHTO HS20-44"));
        QVERIFY(Find<QLineEdit>("txtGenLiveValue", Dialog())->isHidden());
        QCOMPARE(Text("txtGenDF"), QString(" 1.454545"));       // 8 ft / 5.5
        QCOMPARE(Text("txtGenImpact"), QString(" 0.2222222"));  // 50 / (100 + 125)
        // Cooper E-n: half a track and the AREMA impact (8 ft: 12.5 + 16 + 600/70 percent).
        live->setFocus();
        for (int i = 0; i < 4; ++i) QTest::keyClick(live, Qt::Key_Down);
        QCOMPARE(live->currentText(), QString("AREMA Cooper E-n"));
        QVERIFY(!Find<QLineEdit>("txtGenLiveValue", Dialog())->isHidden());
        QCOMPARE(Text("txtGenLiveValue"), QString(" 80"));
        QCOMPARE(Text("txtGenDF"), QString(" 0.5"));
        QCOMPARE(Text("txtGenImpact"), QString(" 0.3707143"));
        // A shorter span moves the impact that still follows the rule: 12.5 + 40 - 6.75.
        TypeIn("txtGenSpan", "720");
        QCOMPARE(Text("txtGenImpact"), QString(" 0.4575"));
        Press("cmdGenCancel");
        QVERIFY(!Dialog()->isVisible());
        QCOMPARE(state.data.nll, 5);
    }

    void okAsksBeforeReplacingAndShowsLocationOne() {
        Trigger("mnuGenLoads");
        TypeIn("txtGenComp", "0.3");
        Press("cmdGenOK");  // the example holds loads: No keeps them and the dialog open
        QCOMPARE(dialogs.questions.size(), std::size_t{1});
        QCOMPARE(state.data.nll, 5);
        QVERIFY(Dialog()->isVisible());

        dialogs.yesNoAnswers = {true};
        Press("cmdGenOK");
        QVERIFY(!Dialog()->isVisible());
        QCOMPARE(state.data.nll, 15);
        QCOMPARE(Find<QTabWidget>("SSTab1")->currentIndex(), 3);
        QCOMPARE(Find<QGroupBox>("fraLocation")->title(), QString("LOCATION NO  1"));
        QCOMPARE(Find<QLineEdit>("txtLF")->text(), QString(" 2.17"));
        // 0.3 kip/ft = 25 lb/in: w L^2 / 8 at midspan.
        QCOMPARE(state.data.locations(8).x, 600.0F);
        QCOMPARE(state.data.locations(8).ADM, 4500000.0F);
    }

    void presentLocationsWithATypedImpact() {
        window->ShowLoadGenerationDialog();
        QTest::mouseClick(Find<QRadioButton>("optGenPresent", Dialog()), Qt::LeftButton, {},
                          QPoint(8, 8));
        TypeIn("txtGenDF", "2");
        TypeIn("txtGenImpact", "0");
        dialogs.yesNoAnswers = {true};
        Press("cmdGenOK");
        QCOMPARE(state.data.nll, 5);
        // HS20-44 per lane at midspan of 100 ft: 1,520 kip-ft; the file's factor is kept.
        QCOMPARE(state.data.locations(5).LM, 1520.0F * 12000);
        QCOMPARE(state.data.locations(5).PSF, 1.0F);
    }

    void refusedOptionsKeepTheDialogOpen() {
        window->ShowLoadGenerationDialog();
        TypeIn("txtGenSpan", "0");
        Press("cmdGenOK");
        QCOMPARE(dialogs.messages, std::vector<std::string>{"Enter a span greater than 0"});
        QVERIFY(dialogs.questions.empty());
        QVERIFY(Dialog()->isVisible());
    }
};

QTEST_MAIN(LoadGenerationDialogTest)
#include "load_generation_dialog_test.moc"
