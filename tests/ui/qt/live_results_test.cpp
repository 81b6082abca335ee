#include <QDockWidget>
#include <QGroupBox>
#include <QTabWidget>
#include <QTableWidget>
#include <cmath>

#include "checks/check_summary.h"
#include "ui/qt/checks_dock.h"
#include "window_fixture.h"

using tarnex::ui::Diagram;

/// Every edit recalculates the design off the interface thread: the open diagrams draw the
/// new design and the checks dock lists its verdicts, without a message box.
class LiveResultsTest : public QObject, tarnex::ui::testing::WindowFixture {
    Q_OBJECT

  private:
    bool LiveResultsIn() { return window->presenter().liveResults().CurrentFor(state) != nullptr; }
    QTableWidget* Table() { return window->checksDock()->table(); }
    QString Cell(int row, int column) {
        const QTableWidgetItem* item = Table()->item(row, column);
        return item != nullptr ? item->text() : QString();
    }

  private slots:
    void init() { Open(); }
    void cleanup() { window.reset(); }

    void openDiagramsFollowTheTypedPrestressForce() {
        Load("pretensioned-i-girder.in");
        Trigger("mnuViewDiagrams");
        QVERIFY(window->diagramsWindow()->isVisible());
        const QVector<QPointF> before = DiagramOf("prestress-force").series.at(1).points;
        const float pjack = state.data.Pjack;

        const double shown = Find<QLineEdit>("txtPjack")->text().toDouble();
        Type("txtPjack", QString::number(std::round(shown * 0.9)));
        QVERIFY(state.data.Pjack < pjack * 0.95F);
        QTRY_VERIFY_WITH_TIMEOUT(LiveResultsIn(), 30000);
        QVERIFY(dialogs.messages.empty());
        QVERIFY(DiagramOf("prestress-force").series.at(1).points != before);

        // Each curve against the CSV of the new design.
        const std::string csv = Csv();
        const auto check = [&](const char* key, int series, const QString& header,
                               double tolerance) {
            const QStringList cells = CsvColumn(csv, header);
            const QVector<QPointF>& points = DiagramOf(key).series.at(series).points;
            QCOMPARE(points.size(), cells.size());
            for (int i = 0; i < cells.size(); ++i)
                QVERIFY2(std::fabs(points[i].y() - cells[i].toDouble()) <= tolerance,
                         qPrintable(QString("%1 row %2").arg(header).arg(i)));
        };
        check("prestress-force", 1, "FINAL FORCE [kips]", 0.06);
        check("stress-transfer", 0, "INIT P/S + BEAM DL TOP FIBER [psi]", 0.6);
        check("stress-service", 1, "P/S + ALL LOADS BOTTOM FIBER [psi]", 0.6);
        check("moment", 2, "1.2Mcr [kip-ft]", 0.6);

        // No prestress force: the diagrams say why instead of keeping the old curves.
        Type("txtPjack", "0");
        QTRY_VERIFY_WITH_TIMEOUT(LiveResultsIn(), 30000);
        QCOMPARE(window->diagramsWindow()->count(), 0);
        QVERIFY(window->diagramsWindow()->unavailable().contains(
            "Please enter initial prestress force"));
        QVERIFY(dialogs.messages.empty());
    }

    void checksDockListsVerdictsRefusalsAndShowsALocation() {
        QVERIFY(!window->checksDock()->isHidden());
        Trigger("mnuViewChecks");
        QVERIFY(window->checksDock()->isHidden());
        Trigger("mnuViewChecks");
        QVERIFY(!window->checksDock()->isHidden());

        // A new design cannot be calculated: the dock lists what is missing.
        QTRY_VERIFY_WITH_TIMEOUT(LiveResultsIn(), 30000);
        const std::vector<std::string> missing = Calculate(tarnex::AllOutputSections()).refusals;
        QVERIFY(!missing.empty());
        QCOMPARE(Table()->rowCount(), static_cast<int>(missing.size()));
        for (std::size_t i = 0; i < missing.size(); ++i)
            QCOMPARE(Cell(static_cast<int>(i), 0).toStdString(), missing[i]);

        // The example: FINAL COMPRESSION 2160. against 2000. * NG *, every other check OK.
        Load("pretensioned-i-girder.in");
        QTRY_VERIFY_WITH_TIMEOUT(LiveResultsIn(), 30000);
        const auto lines =
            tarnex::SummarizeChecks(state.data, Calculate(tarnex::AllOutputSections()));
        QCOMPARE(Table()->rowCount(), static_cast<int>(lines.size()));
        int failing = -1;
        for (int row = 0; row < Table()->rowCount(); ++row) {
            const auto& line = lines[static_cast<std::size_t>(row)];
            QCOMPARE(Cell(row, 0).toStdString(), line.family);
            QCOMPARE(Cell(row, 2), line.location > 0 ? QString::number(line.location) : "");
            if (line.family == "Final compression") failing = row;
            if (line.family != "Final compression" && line.family != "Deflections")
                QCOMPARE(Cell(row, 1), QString("< OK >"));
        }
        QVERIFY(failing >= 0);
        QCOMPARE(Cell(failing, 1), QString("* NG *"));
        QCOMPARE(Cell(failing, 4), QString("-160 psi"));

        // A click on the failing row shows its location on the Loads tab and in the diagrams.
        window->ShowDiagrams();
        const int location = Cell(failing, 2).toInt();
        QVERIFY(location > 1);
        QTableWidget* table = Table();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualItemRect(table->item(failing, 0)).center());
        QCOMPARE(state.data.CurrentLocation, location);
        QCOMPARE(Find<QTabWidget>("SSTab1")->currentIndex(), 3);
        QCOMPARE(Find<QGroupBox>("fraLocation")->title().simplified(),
                 QString("LOCATION NO %1").arg(location));
        QCOMPARE(*DiagramOf("moment").marked, lines[static_cast<std::size_t>(failing)].x / 12);
        // The location shown enters no calculation: the results stay.
        QVERIFY(LiveResultsIn());
    }
};

QTEST_MAIN(LiveResultsTest)
#include "live_results_test.moc"
