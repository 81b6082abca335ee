#!/usr/bin/env bash
# Regenerates the expected reports tests/report/golden/*.out from examples/*.in with a built
# tarnex-batch (all four output options). Builds nothing.
# Usage: scripts/update-golden.sh [path/to/tarnex-batch]   (default build/dev/tarnex-batch)
set -euo pipefail
cd "$(dirname "$0")/.."
batch="${1:-build/dev/tarnex-batch}"
if [[ ! -x "$batch" ]]; then
    echo "tarnex-batch not found at $batch" >&2
    exit 1
fi
mkdir -p tests/report/golden
rm -f tests/report/golden/*.out
for input in examples/*.in; do
    name="$(basename "$input" .in)"
    # The report heading names the output file without its folder.
    "$batch" --all -o "tests/report/golden/$name.out" "$input" 2>/dev/null || {
        echo "tarnex-batch failed on $input" >&2
        exit 1
    }
    echo "wrote tests/report/golden/$name.out"
done
