// Times a key typed into a load box of the window, offscreen, up to the live results of every
// section in the checks dock and the open diagrams redrawn, on the generated design (default
// 10000 locations). Run:
//   QT_QPA_PLATFORM=offscreen tarnex_live_results_bench --benchmark_repetitions=5
// TARNEX_LIVE_BENCH_LOCATIONS sets the number of locations.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "generated_design.h"
#include "model/input_file.h"
#include "silent_dialogs.h"
#include "ui/qt/diagram_view.h"
#include "ui/qt/diagrams_window.h"
#include "ui/qt/main_window.h"

namespace {

namespace fs = std::filesystem;
using namespace tarnex;

const std::string& InputPath() {
    static const std::string path = [] {
        const char* env = std::getenv("TARNEX_LIVE_BENCH_LOCATIONS");
        const int count = env != nullptr ? std::atoi(env) : 10000;
        const std::string file = (fs::temp_directory_path() / "tarnex_live_bench.in").string();
        ProgramState state = bench::MakeGeneratedDesign(count, "generated.out");
        state.data.InputFileName = file;
        bench::SilentDialogs dialogs;
        WriteInputFile(state, dialogs);
        return file;
    }();
    return path;
}

void BM_KeyToLiveResultsAndDiagrams(benchmark::State& bench) {
    ProgramState state;
    bench::SilentDialogs dialogs;
    ui::MainWindow window(state, dialogs);
    window.StartUp();
    window.show();
    window.LoadInputFile(InputPath());
    window.ShowDiagrams();
    window.findChild<QTabWidget*>("SSTab1")->setCurrentIndex(3);
    auto* box = window.findChild<QLineEdit*>("txtLM");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    window.WaitForLiveResults();
    bool grow = true;
    for (auto _ : bench) {
        // A digit typed at the end of the live load moment, then taken away again.
        QTest::keyClick(box, grow ? Qt::Key_1 : Qt::Key_Backspace);
        grow = !grow;
        window.WaitForLiveResults();
        ui::DiagramsWindow* diagrams = window.diagramsWindow();
        diagrams->view(diagrams->tabs()->currentIndex())->repaint();
    }
    bench.counters["locations"] = state.data.nll;
}

}  // namespace

BENCHMARK(BM_KeyToLiveResultsAndDiagrams)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
