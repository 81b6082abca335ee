#include <QApplication>
#include <QInputDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <cmath>

#include "checks/design_calculation.h"
#include "checks/feasibility.h"
#include "model/input_file.h"
#include "ui/qt/checks_dock.h"
#include "window_fixture.h"

using tarnex::ui::Diagram;

/// The Design command as an engineer runs it: the humidity asked once and kept, the summary
/// with the offer of whole strands, and the feasibility tab of the diagrams.
class DesignCommandTest : public QObject, tarnex::ui::testing::WindowFixture {
    Q_OBJECT

    /// Answers the humidity dialog once it is open (looking for it for 2 s): `rh` accepted, or
    /// Cancel; `shown` gets the value it opened with.
    static void AnswerHumidity(std::optional<double> rh, double* shown, int tries = 200) {
        QTimer::singleShot(10, [rh, shown, tries] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                if (tries > 0) AnswerHumidity(rh, shown, tries - 1);
                return;  // never opened: `shown` says so
            }
            *shown = box->doubleValue();
            if (!rh) {
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            box->setDoubleValue(*rh);
            QTest::keyClick(box, Qt::Key_Return);
        });
    }

  private slots:
    void init() { Open(); }
    void cleanup() { window.reset(); }

    void designButtonAsksTheHumidityOnceAndOffersWholeStrands() {
        Load("pretensioned-i-girder.in");
        const std::string loaded = tarnex::FormatInputFileText(state.data);
        double shown = 0;
        AnswerHumidity(65, &shown);
        dialogs.yesNoAnswers = {true};
        window->findChild<QTabWidget*>("SSTab1")->setCurrentIndex(3);
        auto* button = Find<QPushButton>("cmdDesign");
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(shown, 70.0);
        QCOMPARE(state.RH, 65.0F);
        QCOMPARE(dialogs.questions.size(), std::size_t{1});
        const std::string& offer = dialogs.questions.front().text;
        QVERIFY2(offer.rfind("Design converged after ", 0) == 0, offer.c_str());
        const std::size_t use = offer.find("Use ");
        QVERIFY(use != std::string::npos);
        const int strands = std::stoi(offer.substr(use + 4));
        QCOMPARE(state.data.Pjack,
                 static_cast<float>(strands * 0.153 * static_cast<double>(state.data.PSi)));
        QVERIFY(dialogs.messages.back().rfind("With " + std::to_string(strands) + " strands", 0) ==
                0);
        QVERIFY(std::fabs(Find<QLineEdit>("txtPjack")->text().toDouble() -
                          state.data.Pjack / 1000.0) < 0.05);
        QVERIFY(window->checksDock()->isVisible());

        // The menu opens the dialog with the humidity kept; Cancel changes nothing.
        const float pjack = state.data.Pjack;
        AnswerHumidity(std::nullopt, &shown);
        Trigger("mnuDesign");
        QCOMPARE(shown, 65.0);
        QCOMPARE(state.data.Pjack, pjack);

        // The design and its strands are one step of undo: the file's text comes back.
        Trigger("mnuUndo");
        QCOMPARE(tarnex::FormatInputFileText(state.data), loaded);

        // Text that is no number is named, and nothing is designed from it.
        Type("txtPjack", "6x");
        shown = -1;
        AnswerHumidity(std::nullopt, &shown, 20);
        QTest::mouseClick(Find<QPushButton>("cmdDesign"), Qt::LeftButton);
        QTest::qWait(300);
        QCOMPARE(shown, -1.0);
        QVERIFY(!dialogs.messages.empty());
        QVERIFY2(dialogs.messages.back().find("\"6x\"") != std::string::npos,
                 dialogs.messages.back().c_str());
    }

    void feasibilityTabFollowsThePickedLocation() {
        Load("pretensioned-i-girder.in");
        Trigger("mnuViewDiagrams");
        const Diagram& worst = DiagramOf("feasibility");
        QVERIFY2(worst.title.contains("x = 600 in"), qPrintable(worst.title));
        QCOMPARE(worst.series.size(), std::size_t{5});  // four limits and the beam
        QCOMPARE(worst.failures.size(), 1);
        // The design's point: e and 10^6 / Pi of the location.
        const tarnex::DesignResults r =
            tarnex::CalculateDesign(state, tarnex::ShownOutputSections());
        const tarnex::Feasibility f = tarnex::AnalyzeFeasibility(state.data, r, 5);
        QCOMPARE(worst.failures.front(), QPointF(f.ecc, f.q * 1e6));
        window->ShowLocation(2, r.x.at(1));
        const QString second = QString("x = %1 in (location 2)").arg(r.x.at(1));
        QVERIFY2(DiagramOf("feasibility").title.contains(second),
                 qPrintable(DiagramOf("feasibility").title));
        QVERIFY(!DiagramOf("feasibility").region.isEmpty());
    }
};

QTEST_MAIN(DesignCommandTest)
#include "design_command_test.moc"
