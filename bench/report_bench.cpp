// Times the calculation alone (the results of all four output sections, as the window and the
// CSV take them) and a full report (all four output sections, its calculation included) for a
// generated design with N load locations, against a baseline that writes the same number of
// bytes to a file in lines of the same length. Run: tarnex_report_bench --benchmark_repetitions=5
// --benchmark_report_aggregates_only=true; report the best time and the machine.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "checks/design_calculation.h"
#include "generated_design.h"
#include "model/design_data.h"
#include "report/report_writer.h"
#include "silent_dialogs.h"

namespace {

namespace fs = std::filesystem;
using namespace tarnex;
using tarnex::bench::MakeGeneratedDesign;
using tarnex::bench::SilentDialogs;

std::string BenchFile(const char* name) { return (fs::temp_directory_path() / name).string(); }

void BM_CalculateDesign(benchmark::State& bench) {
    const int count = static_cast<int>(bench.range(0));
    const ProgramState design = MakeGeneratedDesign(count, BenchFile("tarnex_bench_results.out"));
    int failures = 0;
    for (auto _ : bench) {
        const DesignResults results = CalculateDesign(design, design.output);
        if (!results.Complete() || !results.messages.empty()) ++failures;
        benchmark::DoNotOptimize(results.shear.rows.data());
    }
    // 0 means every section was computed whole, without a refusal.
    bench.counters["failures"] = failures;
}

void BM_WriteReport(benchmark::State& bench) {
    const int count = static_cast<int>(bench.range(0));
    const std::string path = BenchFile("tarnex_bench_report.out");
    const ProgramState design = MakeGeneratedDesign(count, path);
    int failures = 0;
    int messages = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        ProgramState state = design;
        SilentDialogs dialogs;
        bench.ResumeTiming();
        if (!WriteReport(state, dialogs)) ++failures;
        messages = dialogs.messages;
    }
    bench.counters["bytes"] = static_cast<double>(fs::file_size(path));
    bench.counters["failures"] = failures;
    // A section that refuses the design shows a message: 0 means all four sections are whole.
    bench.counters["messages"] = messages;
    fs::remove(path);
}

/// Writes `bytes` bytes as lines of 60 characters with CR LF, as a report of that size.
void BM_WriteSameBytes(benchmark::State& bench) {
    const int count = static_cast<int>(bench.range(0));
    const std::string reportPath = BenchFile("tarnex_bench_size.out");
    {
        ProgramState state = MakeGeneratedDesign(count, reportPath);
        SilentDialogs dialogs;
        WriteReport(state, dialogs);
    }
    const auto bytes = static_cast<std::size_t>(fs::file_size(reportPath));
    fs::remove(reportPath);
    const std::string path = BenchFile("tarnex_bench_baseline.out");
    const std::string line = std::string(60, 'x') + "\r\n";
    for (auto _ : bench) {
        std::ofstream out(path, std::ios::out | std::ios::trunc | std::ios::binary);
        std::size_t written = 0;
        while (written + line.size() <= bytes) {
            out << line;
            written += line.size();
        }
        out << std::string(bytes - written, 'x');
    }
    bench.counters["bytes"] = static_cast<double>(bytes);
    fs::remove(path);
}

}  // namespace

BENCHMARK(BM_CalculateDesign)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteReport)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteSameBytes)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
