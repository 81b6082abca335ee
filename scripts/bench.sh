#!/usr/bin/env bash
# Sets up, builds the release configuration and times the report of a generated design with
# N load locations (default 10000) and all four output sections:
#  1. the Google Benchmark of the report writer against writing the same bytes to a file;
#  2. a whole tarnex-batch run on the design as an input file: wall time and peak memory;
#  3. opening that report in the window's viewer (offscreen) against reading the file, with
#     the viewer's peak memory beside the file size.
set -euo pipefail
cd "$(dirname "$0")/.."
count="${1:-10000}"
scripts/setup.sh
cmake --preset release
cmake --build --preset release
build/release/bench/tarnex_report_bench --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
build/release/bench/tarnex_write_design "$count" "$work/generated.in"
for run in 1 2 3 4 5; do
  /usr/bin/time -f "tarnex-batch run $run: %e s wall, %M KB peak memory" \
    build/release/tarnex-batch --all -o "$work/generated.out" "$work/generated.in"
done
for run in 1 2 3 4 5; do
  /usr/bin/time -f "tarnex-batch --csv run $run: %e s wall, %M KB peak memory" \
    build/release/tarnex-batch --all --csv "$work/generated.csv" "$work/generated.in"
done
echo "report: $(stat -c %s "$work/generated.out") bytes for $count locations"
if [[ -x build/release/bench/tarnex_viewer_bench ]]; then
  TARNEX_VIEWER_BENCH_LOCATIONS="$count" QT_QPA_PLATFORM=offscreen \
    build/release/bench/tarnex_viewer_bench --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>&1 | grep -v propagateSizeHints
fi
if [[ -x build/release/bench/tarnex_live_results_bench ]]; then
  TARNEX_LIVE_BENCH_LOCATIONS="$count" QT_QPA_PLATFORM=offscreen \
    build/release/bench/tarnex_live_results_bench --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>&1 | grep -v propagateSizeHints
fi
