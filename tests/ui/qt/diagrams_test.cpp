#include <QAction>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "report/results_csv.h"
#include "scripted_shell.h"
#include "support/scripted_dialogs.h"
#include "ui/qt/diagram_view.h"
#include "ui/qt/diagrams_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/results_commands.h"

using tarnex::ui::Diagram;
using tarnex::ui::MainWindow;

namespace {

/// Every example design that ships.
QStringList Examples() {
    QStringList names;
    for (const QString& file : QDir(TARNEX_SOURCE_DIR "/examples").entryList({"*.in"}, QDir::Files))
        names << file.chopped(3);
    return names;
}

QString ExamplePath(const QString& name) {
    return QString(TARNEX_SOURCE_DIR "/examples/%1.in").arg(name);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The cells of a CSV column by its header, one per location.
QStringList CsvColumn(const std::string& csv, const QString& header) {
    QStringList lines = QString::fromStdString(csv).split("\r\n", Qt::SkipEmptyParts);
    const int column = static_cast<int>(lines.takeFirst().split(',').indexOf(header));
    QStringList cells;
    for (const QString& line : lines)
        cells << (column < 0 ? QString() : line.split(',').value(column));
    return cells;
}

/// True when some pixel of the picture has this colour: the curve was drawn.
bool HasColour(const QImage& image, QColor colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) return true;
        }
    }
    return false;
}

}  // namespace

/// The diagrams window draws the results of each example design and exports them; the CSV of
/// the Save menu holds the same figures and never replaces the design.
class DiagramsTest : public QObject {
    Q_OBJECT

  private:
    tarnex::ProgramState state;
    tarnex::testing::ScriptedDialogs dialogs;
    tarnex::ui::testing::ScriptedShell shell;
    std::unique_ptr<MainWindow> window;

    void Load(const QString& example) {
        window->LoadInputFile(ExamplePath(example).toStdString());
        dialogs.messages.clear();
    }
    const Diagram& DiagramOf(const char* key) {
        tarnex::ui::DiagramsWindow* diagrams = window->diagramsWindow();
        for (int i = 0; i < diagrams->count(); ++i) {
            if (diagrams->view(i)->diagram().key == key) return diagrams->view(i)->diagram();
        }
        qFatal("no diagram %s", key);
    }

  private slots:
    void init() {
        state = {};
        dialogs = {};
        shell.files.clear();
        window = std::make_unique<MainWindow>(state, dialogs, &shell);
        window->StartUp();
    }
    void cleanup() { window.reset(); }

    void everyExampleOpensAndExports() {
        const QStringList examples = Examples();
        QVERIFY(examples.size() >= 4);
        for (const QString& example : examples) {
            cleanup();
            init();
            Load(example);
            window->findChild<QAction*>("mnuViewDiagrams")->trigger();
            tarnex::ui::DiagramsWindow* diagrams = window->diagramsWindow();
            QVERIFY2(diagrams != nullptr && diagrams->isVisible(), qPrintable(example));
            QCOMPARE(diagrams->count(), 5);
            QTemporaryDir folder;
            QVERIFY2(diagrams->ExportAll(folder.path()), qPrintable(example));
            for (const char* key :
                 {"stress-transfer", "stress-service", "moment", "shear", "prestress-force"}) {
                const QString stem = folder.filePath(key);
                const QImage png(stem + ".png");
                QCOMPARE(png.size(), QSize(1200, 750));
                const QByteArray svg = ReadAll(stem + ".svg");
                QVERIFY2(svg.contains("<svg") && svg.contains("<path") && svg.size() > 5000,
                         qPrintable(stem));
                // The first curve of every diagram but a refused one is drawn.
                if (DiagramOf(key).note.isEmpty())
                    QVERIFY2(HasColour(png, QColor(31, 119, 180)), qPrintable(stem));
            }
            QVERIFY(dialogs.messages.empty() ||
                    dialogs.messages.front().find("not available") != std::string::npos);
        }
    }

    void serviceStressesMarkTheFailuresOfTheReport() {
        // The report of this design: FINAL COMPRESSION 2160. against 2000. * NG *, every other
        // check OK; allowables 2700. / -201. at transfer, 2000. / -424. in service.
        Load("pretensioned-i-girder");
        window->ShowDiagrams();
        const Diagram& service = DiagramOf("stress-service");
        QVERIFY(!service.failures.isEmpty());
        double worst = 0;
        for (const QPointF& p : service.failures) {
            QVERIFY(p.y() > 2000);
            worst = std::max(worst, p.y());
        }
        QCOMPARE(std::round(worst), 2160.0);
        QCOMPARE(service.limits.size(), std::size_t{3});
        QCOMPARE(service.limits[0].value, 2000.0);
        QCOMPARE(std::round(service.limits[1].value), -201.0);
        QCOMPARE(std::round(service.limits[2].value), -424.0);
        const Diagram& transfer = DiagramOf("stress-transfer");
        QVERIFY(transfer.failures.isEmpty());
        QCOMPARE(transfer.limits.size(), std::size_t{2});
        QCOMPARE(transfer.limits[0].value, 2700.0);
        QVERIFY(DiagramOf("moment").failures.isEmpty());
    }

    void diagramsAgreeWithTheCsvInFeetKipsAndKipFeet() {
        const QStringList examples = Examples();
        QVERIFY(examples.size() >= 4);
        for (const QString& example : examples) {
            cleanup();
            init();
            Load(example);
            window->ShowDiagrams();
            const auto results = tarnex::ui::CalculateAllResults(state, dialogs);
            QVERIFY(results.has_value());
            const std::string csv = tarnex::FormatResultsCsv(state.data, *results);
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
            check("prestress-force", 0, "FORCE AT TRANSFER [kips]", 0.06);
            check("prestress-force", 1, "FINAL FORCE [kips]", 0.06);
            check("stress-transfer", 0, "INIT P/S + BEAM DL TOP FIBER [psi]", 0.6);
            check("stress-service", 1, "P/S + ALL LOADS BOTTOM FIBER [psi]", 0.6);
            check("moment", 0, "Mult [kip-ft]", 0.6);
            check("moment", 1, "phiMn [kip-ft]", 0.6);
            check("moment", 2, "1.2Mcr [kip-ft]", 0.6);
            check("shear", 0, "Vult [kips]", 0.06);
            check("shear", 1, "phiVn [kips]", 0.06);
        }
    }

    void refusedSectionIsNamedInItsDiagram() {
        Load("post-tensioned-box-girder");
        window->ShowDiagrams();
        const Diagram& moment = DiagramOf("moment");
        QCOMPARE(moment.note,
                 QString("Positive moment capacity of box girder spaced apart not available"));
        QVERIFY(moment.series.at(0).points.isEmpty());
        QCOMPARE(DiagramOf("shear").note, QString());
        QCOMPARE(DiagramOf("moment").loadLocations.size(),
                 static_cast<std::size_t>(state.data.nll));
    }

    void incompleteDesignOpensNoDiagrams() {
        window->findChild<QAction*>("mnuViewDiagrams")->trigger();
        QVERIFY(window->diagramsWindow() == nullptr);
        QVERIFY(!dialogs.messages.empty());
    }

    void exportNeverReplacesTheDesign() {
        QTemporaryDir folder;
        const QString input = folder.filePath("beam.in");
        QVERIFY(QFile::copy(ExamplePath("solid-slab"), input));
        window->LoadInputFile(input.toStdString());
        dialogs.messages.clear();
        window->ShowDiagrams();
        shell.files.push_back(input.toStdString());
        window->diagramsWindow()->ExportShown(true);
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
        QCOMPARE(dialogs.messages[0], "Error writing diagram file\rthe file " +
                                          input.toStdString() + " is the input file");
        QCOMPARE(ReadAll(input), ReadAll(ExamplePath("solid-slab")));
        // A name without an extension gets the format's.
        shell.files.push_back(folder.filePath("shear").toStdString());
        window->diagramsWindow()->ExportShown(false);
        QVERIFY(!QImage(folder.filePath("shear.png")).isNull());
    }

    void csvIsWrittenAndNeverOntoTheInput() {
        QTemporaryDir folder;
        const QString input = folder.filePath("beam.in");
        QVERIFY(QFile::copy(ExamplePath("pretensioned-i-girder"), input));
        window->LoadInputFile(input.toStdString());
        dialogs.messages.clear();
        // The input file under another spelling of its path is still the input file.
        const std::string other = folder.path().toStdString() + "/./beam.in";
        shell.files.push_back(other);
        window->findChild<QAction*>("mnuSaveCSV")->trigger();
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
        QCOMPARE(dialogs.messages[0], "Error writing results file\rthe CSV file " + other +
                                          " is the input file " + input.toStdString());
        QCOMPARE(ReadAll(input), ReadAll(ExamplePath("pretensioned-i-girder")));

        dialogs.messages.clear();
        const QString csv = folder.filePath("beam.csv");
        shell.files.push_back(csv.toStdString());
        window->findChild<QAction*>("mnuSaveCSV")->trigger();
        QVERIFY(dialogs.messages.empty());
        const auto results = tarnex::ui::CalculateAllResults(state, dialogs);
        QVERIFY(results.has_value());
        QCOMPARE(ReadAll(csv).toStdString(), tarnex::FormatResultsCsv(state.data, *results));
        // Every section is in it, whatever the output options say.
        QVERIFY(!state.output.UltimateShear);
        QVERIFY(ReadAll(csv).contains("Vult [kips]") && ReadAll(csv).contains("Mult [kip-ft]"));

        // Cancelled: nothing written, nothing said.
        window->findChild<QAction*>("mnuSaveCSV")->trigger();
        QVERIFY(dialogs.messages.empty());
    }
};

QTEST_MAIN(DiagramsTest)
#include "diagrams_test.moc"
