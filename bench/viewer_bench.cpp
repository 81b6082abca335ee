// Times opening the report of the generated design (default 10000 locations, some 23 MB) in
// the report viewer, offscreen, up to its first paint, against reading the same file into
// memory, and reports the viewer's peak memory beside the file size. Run:
//   QT_QPA_PLATFORM=offscreen tarnex_viewer_bench --benchmark_repetitions=5
// TARNEX_VIEWER_BENCH_LOCATIONS sets the number of locations.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <filesystem>
#include <fstream>
#include <string>

#include "generated_design.h"
#include "report/report_writer.h"
#include "silent_dialogs.h"
#include "ui/input_presenter.h"
#include "ui/qt/report_viewer.h"

namespace {

namespace fs = std::filesystem;
using namespace tarnex;
using tarnex::bench::SilentDialogs;

class NoShell : public ui::ShellPort {
  public:
    std::optional<std::string> ChooseOpenFile(const std::string&, int) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const std::string&, int) override { return {}; }
    void SetBusy(bool) override {}
    void ShowReport(const std::string&) override {}
    void HideOutputDialog() override {}
};

/// A field of /proc/self/status in kB ("VmRSS", "VmHWM"); 0 when unknown.
double StatusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1));
    }
    return 0;
}

/// Resets the peak resident size to the present one (Linux 4.0 and later); false when not
/// allowed.
bool ResetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return clear.good();
}

const std::string& ReportPath() {
    static const std::string path = [] {
        const char* env = std::getenv("TARNEX_VIEWER_BENCH_LOCATIONS");
        const int count = env != nullptr ? std::atoi(env) : 10000;
        const std::string file = (fs::temp_directory_path() / "tarnex_viewer_bench.out").string();
        ProgramState state = bench::MakeGeneratedDesign(count, file);
        SilentDialogs dialogs;
        WriteReport(state, dialogs);
        return file;
    }();
    return path;
}

void BM_OpenReportInViewer(benchmark::State& bench) {
    const QString path = QString::fromStdString(ReportPath());
    const double fileMb = static_cast<double>(fs::file_size(ReportPath())) / 1e6;
    ProgramState state;
    SilentDialogs dialogs;
    NoShell shell;
    double peakMb = 0;
    bool peakKnown = true;
    for (auto _ : bench) {
        bench.PauseTiming();
        QApplication::processEvents();
        const double before = StatusKb("VmRSS");
        peakKnown = ResetPeak() && peakKnown;
        bench.ResumeTiming();
        {
            ui::ReportViewer viewer(state, dialogs, shell);
            if (!viewer.Open(path)) bench.SkipWithError("the report did not open");
            viewer.show();
            viewer.repaint();  // the first screen of text, laid out and painted
            QApplication::processEvents();
            bench.PauseTiming();
            peakMb = std::max(peakMb, (StatusKb(peakKnown ? "VmHWM" : "VmRSS") - before) / 1e3);
        }
        QApplication::processEvents();
        bench.ResumeTiming();
    }
    bench.counters["file_MB"] = fileMb;
    bench.counters["peak_MB"] = peakMb;
    bench.counters["peak_per_file"] = peakMb / fileMb;
    bench.counters["messages"] = dialogs.messages;
}

void BM_ReadReportFile(benchmark::State& bench) {
    const QString path = QString::fromStdString(ReportPath());
    qint64 bytes = 0;
    for (auto _ : bench) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) bench.SkipWithError("the report cannot be read");
        const QByteArray text = file.readAll();
        bytes = text.size();
        benchmark::DoNotOptimize(text.constData());
    }
    bench.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}

BENCHMARK(BM_ReadReportFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenReportInViewer)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    ReportPath();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove(ReportPath());
    return 0;
}
