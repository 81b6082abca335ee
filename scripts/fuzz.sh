#!/usr/bin/env bash
# Builds the libFuzzer target of the input file reader with clang (AddressSanitizer and UBSan)
# and runs it for SECONDS (default 60), starting from the shipped examples. New inputs collect
# in build/fuzz/corpus; an input that crashes the reader is written to build/fuzz/crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang
cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p build/fuzz/corpus
build/fuzz/fuzz/input_file_fuzz -max_total_time="${1:-60}" -artifact_prefix=build/fuzz/ \
  build/fuzz/corpus examples
