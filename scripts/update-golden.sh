#!/usr/bin/env bash
# Regenerates the expected reports tests/report/golden/ from examples/*.in with tarnex-batch (all
# four output options): NAME.out from the design as loaded, NAME.calc.out after the calculation
# buttons (section, beff for a composite design, losses, transfer, pjack) at 70 % relative
# humidity; tests/report/golden/NAME.options holds further options of an example's runs (the
# load rating). Then vets every expected report against the independent computation of its figures
# (tools/golden_vet). Builds tarnex-batch and the vetting program in BUILD first.
# Usage: scripts/update-golden.sh [BUILD]   (default build/dev, configured)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/dev}"
if [[ ! -f "$build/CMakeCache.txt" ]]; then
    echo "no configured build in $build" >&2
    exit 1
fi
cmake --build "$build" -j2 --target tarnex-batch golden_vet
batch="$build/tarnex-batch"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Keeps an expected report whose only change is the date of the run.
keep_or_replace() {
    local new="$work/$1" old="tests/report/golden/$1"
    if [[ -f "$old" ]] && cmp -s <(sed '/^     (Version /d' "$new") <(sed '/^     (Version /d' "$old")
    then
        cp "$old" "$work/kept-$1"
    else
        cp "$new" "$work/kept-$1"
    fi
}
for input in examples/*.in; do
    name="$(basename "$input" .in)"
    steps=section,beff,losses,transfer,pjack
    grep -q '"non-composite"' "$input" && steps=section,losses,transfer,pjack
    # Further options of the example (the load rating's vehicles and limits), word-split.
    extra=()
    [[ -f "tests/report/golden/$name.options" ]] && read -r -a extra <"tests/report/golden/$name.options"
    # The report heading names the output file without its folder.
    "$batch" --all "${extra[@]}" -o "$work/$name.out" "$input" 2>/dev/null || {
        echo "tarnex-batch failed on $input" >&2
        exit 1
    }
    "$batch" --calc "$steps" --rh 70 --all "${extra[@]}" -o "$work/$name.calc.out" "$input" \
        2>/dev/null || {
        echo "tarnex-batch failed on $input after --calc $steps" >&2
        exit 1
    }
    keep_or_replace "$name.out"
    keep_or_replace "$name.calc.out"
done
mkdir -p tests/report/golden
rm -f tests/report/golden/*.out
for kept in "$work"/kept-*.out; do
    cp "$kept" "tests/report/golden/${kept#"$work"/kept-}"
done
echo "wrote $(ls "$work"/kept-*.out | wc -l) expected reports into tests/report/golden"
"$build/tools/golden_vet/golden_vet" --gtest_brief=1 || {
    echo "the expected reports disagree with the independent computation of their figures" >&2
    exit 1
}
