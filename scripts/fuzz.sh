#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UBSan) and runs each TARGET
# given (default: both, at once, one process each) for SECONDS (default 60), with inputs up to
# 1 MB:
#   input_file          the input file reader and writer
#   design_calculation  every design the reader takes through the whole calculation
# Each starts from fuzz/corpus/TARGET and the shipped examples; new inputs collect in
# build/fuzz/corpus-TARGET, its output in build/fuzz/TARGET.log, a failing input is written to
# build/fuzz/TARGET-crash-*. The exit status is 1 when a target found a failure.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(input_file design_calculation)
for target in "${targets[@]}"; do
  case "$target" in
    input_file | design_calculation) ;;
    *) echo "fuzz.sh: unknown target $target (input_file or design_calculation)" >&2; exit 2 ;;
  esac
done
scripts/setup.sh clang
cmake --preset fuzz
cmake --build --preset fuzz
pids=()
for target in "${targets[@]}"; do
  mkdir -p "build/fuzz/corpus-$target"
  "build/fuzz/fuzz/${target}_fuzz" -max_len=1048576 -timeout=120 -max_total_time="$seconds" \
    -artifact_prefix="build/fuzz/$target-" "build/fuzz/corpus-$target" "fuzz/corpus/$target" \
    examples >"build/fuzz/$target.log" 2>&1 &
  pids+=($!)
done
status=0
for i in "${!pids[@]}"; do
  if wait "${pids[$i]}"; then
    echo "${targets[$i]}: no failure in $seconds s ($(grep -o "Done [0-9]* runs" "build/fuzz/${targets[$i]}.log" || true); build/fuzz/${targets[$i]}.log)"
  else
    echo "${targets[$i]}: FAILED, see build/fuzz/${targets[$i]}.log" >&2
    status=1
  fi
done
exit $status
