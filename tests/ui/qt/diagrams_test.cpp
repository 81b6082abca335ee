#include <QCheckBox>
#include <QColor>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "window_fixture.h"

using tarnex::ui::Diagram;

namespace {

/// True when some pixel of the picture has this colour: the curve was drawn.
bool HasColour(const QImage& image, QColor colour) {
    for (int i = 0; i < image.width() * image.height(); ++i)
        if (image.pixelColor(i % image.width(), i / image.width()) == colour) return true;
    return false;
}

}  // namespace

/// The diagrams window draws the results of each example design and exports them; the CSV of
/// the Save menu holds the same figures and never replaces the design.
class DiagramsTest : public QObject, tarnex::ui::testing::WindowFixture {
    Q_OBJECT

  private slots:
    void init() { Open(); }
    void cleanup() { window.reset(); }

    void everyExampleDrawsExportsAndAgreesWithTheCsv() {
        QVERIFY(Examples().size() >= 4);
        for (const QString& example : Examples()) {
            Open();
            Load(example);
            Trigger("mnuViewDiagrams");
            tarnex::ui::DiagramsWindow* diagrams = window->diagramsWindow();
            QVERIFY2(diagrams != nullptr && diagrams->isVisible(), qPrintable(example));
            QTemporaryDir folder;
            QVERIFY2(diagrams->ExportAll(folder.path()), qPrintable(example));
            for (const char* key :
                 {"stress-transfer", "stress-service", "moment", "shear", "prestress-force"}) {
                const QString stem = folder.filePath(key);
                const QImage png(stem + ".png");
                QCOMPARE(png.size(), QSize(1200, 750));
                QVERIFY2(ReadAll(stem + ".svg").contains("<path"), qPrintable(stem));
                // The first curve of every diagram but a refused one is drawn.
                if (DiagramOf(key).note.isEmpty())
                    QVERIFY2(HasColour(png, QColor(31, 119, 180)), qPrintable(stem));
            }
            QVERIFY(dialogs.messages.empty() ||
                    dialogs.messages.front().find("not available") != std::string::npos);

            // Each curve against its CSV column: feet against inches, kips, kip-ft, psi.
            const std::string csv = Csv();
            const QStringList x = CsvColumn(csv, "x [in]");
            const auto check = [&](const char* key, int series, const QString& header,
                                   double tolerance) {
                const QStringList cells = CsvColumn(csv, header);
                const QVector<QPointF>& points = DiagramOf(key).series.at(series).points;
                int compared = 0;
                for (int i = 0; i < cells.size() && i < points.size(); ++i) {
                    if (cells[i].isEmpty()) continue;
                    QVERIFY2(std::fabs(points[i].x() * 12 - x[i].toDouble()) < 0.01, key);
                    QVERIFY2(std::fabs(points[i].y() - cells[i].toDouble()) <= tolerance,
                             qPrintable(QString("%1 %2 row %3").arg(example, header).arg(i)));
                    ++compared;
                }
                QCOMPARE(compared, static_cast<int>(points.size()));
            };
            check("prestress-force", 1, "FINAL FORCE [kips]", 0.06);
            check("stress-transfer", 0, "INIT P/S + BEAM DL TOP FIBER [psi]", 0.6);
            check("stress-service", 1, "P/S + ALL LOADS BOTTOM FIBER [psi]", 0.6);
            check("moment", 2, "1.2Mcr [kip-ft]", 0.6);
            check("shear", 1, "phiVn [kips]", 0.06);
        }
    }

    void incompleteDesignOpensNoneRefusalsAndFailuresAreMarked() {
        Trigger("mnuViewDiagrams");
        QVERIFY(window->diagramsWindow() == nullptr);
        QVERIFY(!dialogs.messages.empty());
        Load("post-tensioned-box-girder.in");
        window->ShowDiagrams();
        const Diagram& moment = DiagramOf("moment");
        QCOMPARE(moment.note,
                 QString("Positive moment capacity of box girder spaced apart not available"));
        QVERIFY(moment.series.at(0).points.isEmpty());
        QCOMPARE(moment.loadLocations.size(), static_cast<std::size_t>(state.data.nll));

        // The report of this design: FINAL COMPRESSION 2160. against 2000. * NG *, every other
        // check OK; allowables 2700. / -201. at transfer, 2000. / -424. in service.
        Load("pretensioned-i-girder.in");
        window->ShowDiagrams();
        const Diagram& service = DiagramOf("stress-service");
        double worst = 0;
        for (const QPointF& p : service.failures) worst = std::max(worst, p.y());
        QCOMPARE(std::round(worst), 2160.0);
        QVERIFY(std::all_of(service.failures.begin(), service.failures.end(),
                            [](QPointF p) { return p.y() > 2000; }));
        QCOMPARE(std::round(service.limits.at(2).value), -424.0);
        QVERIFY(DiagramOf("stress-transfer").failures.isEmpty());
        QCOMPARE(DiagramOf("stress-transfer").limits.at(0).value, 2700.0);
    }

    void loadRatingFollowsItsOptionAndDialogAndCirclesFactorsBelowOne() {
        Load("rated-type-iii-girder.in");
        window->ShowDiagrams();
        // Five along the beam and the feasibility; no rating without its option.
        QCOMPARE(window->diagramsWindow()->count(), 6);
        window->ShowOutputDialog();
        QTest::mouseClick(Find<QCheckBox>("chkRating"), Qt::LeftButton);
        QVERIFY(state.output.LoadRating);
        // The owner's compression limit 0.3 f'c = 1500 psi: at midspan the dead state alone
        // (1465 psi at the top) leaves 35 psi for the HS20-44's 291 psi, RF = 0.12.
        Trigger("mnuRating");
        Type("txtRateCompression", "0.3");
        QTest::mouseClick(Find<QPushButton>("cmdRateOK"), Qt::LeftButton);
        QVERIFY(dialogs.messages.empty());
        QCOMPARE(state.output.rating.limits.compression, 0.3);
        window->WaitForLiveResults();
        window->ShowDiagrams();
        const Diagram& rating = DiagramOf("rating");
        QCOMPARE(rating.limits.at(0).value, 1.0);
        QCOMPARE(rating.series.size(), 2 * state.output.rating.vehicles.size());
        QVERIFY(!rating.failures.isEmpty());
        QVERIFY(std::all_of(rating.failures.begin(), rating.failures.end(),
                            [](QPointF p) { return p.y() < 1; }));
        const QPointF worst = *std::min_element(rating.failures.begin(), rating.failures.end(),
                                                [](QPointF a, QPointF b) { return a.y() < b.y(); });
        QCOMPARE(worst.x(), 40.0);
        QVERIFY(std::fabs(worst.y() - 35.0 / 291) < 0.01);
        // A limit the core refuses keeps the dialog open with its message.
        Trigger("mnuRating");
        Type("txtRateSteelOpr", "1.5");
        QTest::mouseClick(Find<QPushButton>("cmdRateOK"), Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), static_cast<std::size_t>(1));
        QCOMPARE(QString::fromStdString(dialogs.messages.front()),
                 QString("Enter steel limits above 0 and at most 1"));
        QCOMPARE(state.output.rating.limits.steelOperating, 0.9);
    }

    void exportsNeverReplaceTheDesign() {
        QTemporaryDir folder;
        const QString input = folder.filePath("beam.in");
        QVERIFY(QFile::copy(ExamplePath("pretensioned-i-girder.in"), input));
        window->LoadInputFile(input.toStdString());
        window->ShowDiagrams();
        dialogs.messages.clear();
        shell.files.push_back(input.toStdString());
        window->diagramsWindow()->ExportShown(true);
        QCOMPARE(dialogs.messages,
                 std::vector<std::string>{"Error writing diagram file\rthe file " +
                                          input.toStdString() + " is the input file"});
        // The input file under another spelling of its path is still the input file.
        const std::string other = folder.path().toStdString() + "/./beam.in";
        shell.files.push_back(other);
        Trigger("mnuSaveCSV");
        QCOMPARE(dialogs.messages.at(1), "Error writing results file\rthe CSV file " + other +
                                             " is the input file " + input.toStdString());
        QCOMPARE(ReadAll(input), ReadAll(ExamplePath("pretensioned-i-girder.in")));

        // Written elsewhere, the CSV holds every section whatever the output options say.
        const QString csv = folder.filePath("beam.csv");
        shell.files.push_back(csv.toStdString());
        Trigger("mnuSaveCSV");
        QCOMPARE(dialogs.messages.size(), std::size_t{2});
        QCOMPARE(ReadAll(csv).toStdString(), Csv());
    }
};

QTEST_MAIN(DiagramsTest)
#include "diagrams_test.moc"
