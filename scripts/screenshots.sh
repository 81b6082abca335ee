#!/usr/bin/env bash
# Builds the window and, under a virtual X display, loads a bundled example, writes its
# report and saves pictures of each tab, the output options dialog, the load rating dialog,
# the report viewer, each diagram (with the load rating on), the help window and the about
# box into docs/screenshots/; then the diagrams of the post-tensioned example (friction and
# anchor set in the prestress force) with the suffix "-post-tensioned".
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TARNEX_BUILD_DIR:-build/screenshots}
example=${1:-examples/pretensioned-i-girder.in}
# An existing build directory (TARNEX_BUILD_DIR) is used as configured.
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTARNEX_BUILD_BENCH=OFF \
    -DTARNEX_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target tarnex -j1
mkdir -p docs/screenshots
xvfb-run -a -s "-screen 0 1280x900x24" "$build/src/ui/tarnex" --screenshots docs/screenshots \
  "$example"
rm -f docs/screenshots/example.out
post="$(mktemp -d)"
trap 'rm -rf "$post"' EXIT
xvfb-run -a -s "-screen 0 1280x900x24" "$build/src/ui/tarnex" --screenshots "$post" \
  examples/post-tensioned-box-girder.in
for picture in "$post"/diagram-*.png; do
  name=$(basename "$picture" .png)
  cp "$picture" "docs/screenshots/$name-post-tensioned.png"
done
ls docs/screenshots
