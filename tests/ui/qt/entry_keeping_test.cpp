#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <algorithm>

#include "support/scratch_folder.h"
#include "window_fixture.h"

using tarnex::SaveChoice;

/// What the engineer typed survives moving around the window, and nothing is lost unasked:
/// driven with real key and mouse events.
class EntryKeepingTest : public QObject, tarnex::ui::testing::WindowFixture {
    Q_OBJECT

  private:
    tarnex::testing::ScratchFolder scratch{"tarnex-ui-entry-keeping"};

    QTabWidget* Tabs() { return Find<QTabWidget>("SSTab1"); }
    /// Saves through "&Input As" and returns the bytes written.
    QByteArray Save(const char* name) {
        const std::string path = scratch.PathOf(name);
        shell.files.push_back(path);
        Trigger("mnuSaveIF");
        return ReadAll(QString::fromStdString(path));
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
            if (qobject_cast<QLineEdit*>(focus) != nullptr) {
                for (Qt::Key key : {Qt::Key_End, Qt::Key_Home, Qt::Key_Right, Qt::Key_Left})
                    QTest::keyClick(focus, key);
            }
            QTest::keyClick(focus, Qt::Key_Tab);
        }
    }

  private slots:
    void init() { Open(); }
    void cleanup() { window.reset(); }

    void tabbingThroughEveryBoxLeavesEachExampleAsItWas() {
        QVERIFY(Examples().size() >= 4);
        for (const QString& example : Examples()) {
            Open();
            Load(example);
            QVERIFY(!window->isWindowModified());
            // A force from the button keeps its full precision while the box shows kips.
            Tabs()->setCurrentIndex(3);
            QTest::mouseClick(Find<QWidget>("cmdCalcPSF"), Qt::LeftButton);
            const QByteArray before = Save("before.in");
            QVERIFY(!before.isEmpty());
            for (int tab = 0; tab < Tabs()->count(); ++tab) {
                Tabs()->setCurrentIndex(tab);
                TabThroughPage();
                for (int i = 1; tab == 3 && i < state.data.nll; ++i) {
                    QTest::mouseClick(Find<QWidget>("cmdNext"), Qt::LeftButton);
                    TabThroughPage();
                }
            }
            QVERIFY2(!window->isWindowModified(), qPrintable(example));
            QCOMPARE(Save("after.in"), before);
        }
    }

    void typedAllowableSurvivesTabbingThroughItsSource() {
        Load("pretensioned-i-girder.in");
        Tabs()->setCurrentIndex(4);
        Type("txtATS2", "2500");
        QCOMPARE(state.data.ATS2, 2500.0F);
        Tabs()->setCurrentIndex(1);
        TabThroughPage();
        QCOMPARE(state.data.ATS2, 2500.0F);
        // An edit of the source does derive it again; the typed box keeps the user's text.
        Type("txtCS28", "5000");
        QCOMPARE(Find<QLineEdit>("txtATS2")->text(), QString(" 424"));
        QCOMPARE(Find<QLineEdit>("txtM28")->text(), QString(" 4286414"));
        QCOMPARE(Find<QLineEdit>("txtCS28")->text(), QString("5000"));
    }

    void typedCountIsAppliedByTheArrowButtonAndLoweringAsks() {
        Load("pretensioned-i-girder.in");
        Tabs()->setCurrentIndex(3);
        const int count = state.data.nll;
        Type("txtnll", QString::number(count + 2));
        QCOMPARE(state.data.nll, count);  // not while typing
        QTest::mouseClick(Find<QToolButton>("cmdNext"), Qt::LeftButton);
        QCOMPARE(state.data.nll, count + 2);
        QCOMPARE(Find<QGroupBox>("fraLocation")->title(), QString("LOCATION NO  2"));

        // Lowering below locations that hold loads asks; No keeps everything.
        const tarnex::LoadLocation second = state.data.locations(2);
        Type("txtnll", "1");
        QTest::keyClick(Find<QLineEdit>("txtnll"), Qt::Key_Return);
        QCOMPARE(dialogs.questions.size(), std::size_t{1});
        QCOMPARE(state.data.nll, count + 2);
        QCOMPARE(state.data.locations(2), second);
        QCOMPARE(Find<QLineEdit>("txtnll")->text(), QString(" %1").arg(count + 2));

        // An invalid count: one message naming the range, Enter and leaving the box alike.
        Type("txtnll", "0");
        QTest::keyClick(Find<QLineEdit>("txtnll"), Qt::Key_Return);
        Find<QLineEdit>("txtPjack")->setFocus();
        QCOMPARE(dialogs.messages,
                 std::vector<std::string>{"The number of locations must be a number from 1 to "
                                          "100,000"});
    }

    void zeroIsStoredAndBadTextIsMarkedNotStored() {
        Load("pretensioned-i-girder.in");
        Tabs()->setCurrentIndex(3);
        QVERIFY(state.data.locations(1).DM != 0.0F);
        Type("txtDM", "0");
        QCOMPARE(state.data.locations(1).DM, 0.0F);
        QVERIFY(window->isWindowModified());

        Tabs()->setCurrentIndex(5);
        const float length = state.data.Blength;
        auto* box = Find<QLineEdit>("txtBlength");
        // Typed key by key, the text reads 1, 12, then stops being a number: 12 is in use,
        // and the box says so.
        Type(box, "12O0");
        QCOMPARE(state.data.Blength, 12.0F);
        QVERIFY(box->styleSheet().contains("border"));
        QCOMPARE(box->toolTip(), QString("Enter beam length in inches\nNot a number: \"12O0\"; "
                                         "not stored, the value in use is 12 in"));
        QCOMPARE(box->text(), QString("12O0"));
        // Pasted at once, a number beyond a float leaves the length as it was.
        box->selectAll();
        QApplication::clipboard()->setText("1e39");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QString("1e39"));
        QCOMPARE(state.data.Blength, 12.0F);
        QVERIFY(box->toolTip().contains("Too large"));
        Type(box, QString::number(length + 50));
        QCOMPARE(state.data.Blength, length + 50);
        QVERIFY(box->styleSheet().isEmpty());
        QCOMPARE(box->toolTip(), QString("Enter beam length in inches"));
    }

    void closingAsksOnlyAboutAChangedDesignAndCancelKeepsIt() {
        Load("solid-slab.in");
        QCOMPARE(window->windowTitle(), QString("solid-slab.in[*] - Prestressed Concrete Beam"));
        QVERIFY(window->close());
        QVERIFY(dialogs.saveQuestions.empty());

        Open();
        Load("solid-slab.in");
        Tabs()->setCurrentIndex(5);
        Type("txtBspace", "77");
        QVERIFY(window->isWindowModified());
        dialogs.saveAnswers = {SaveChoice::Cancel, SaveChoice::Cancel, SaveChoice::Cancel};
        QVERIFY(!window->close());
        Trigger("mnuExit");
        QVERIFY(window->isVisible());
        Trigger("mnuResetAll");
        QCOMPARE(dialogs.saveQuestions.size(), std::size_t{3});
        QCOMPARE(state.data.Bspace, 77.0F);
        QCOMPARE(Find<QLineEdit>("txtBspace")->text(), QString("77"));

        // Save writes the design and lets the window close.
        dialogs.saveAnswers = {SaveChoice::Save};
        const std::string path = scratch.PathOf("closing.in");
        shell.files.push_back(path);
        QVERIFY(window->close());
        QVERIFY(ReadAll(QString::fromStdString(path)).contains(",77"));
    }

    void helpKeyOpensThePageOfTheCurrentTab() {
        Tabs()->setCurrentIndex(4);
        QTest::keyClick(window.get(), Qt::Key_F1);
        auto* browser = window->helpWindow()->findChild<QTextBrowser*>("helpBrowser");
        QVERIFY(window->helpWindow()->isVisible());
        QCOMPARE(browser->source().fileName(), QString("AllowStressAndLoss.htm"));
        QTest::keyClick(window.get(), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(Tabs()->currentIndex(), 3);
    }
};

QTEST_MAIN(EntryKeepingTest)
#include "entry_keeping_test.moc"
