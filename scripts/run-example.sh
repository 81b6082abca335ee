#!/usr/bin/env bash
# Sets up the machine, builds the program and runs its main job on a bundled example:
# with a display, the window opens with examples/pretensioned-i-girder.in loaded; without one,
# the report of that example is written to build/pretensioned-i-girder.out.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release
cmake --build --preset release
example=examples/pretensioned-i-girder.in
out=build/pretensioned-i-girder.out
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/release/src/ui/tarnex ]; then
  exec build/release/src/ui/tarnex "$example"
fi
build/release/tarnex-batch --all -o "$out" "$example"
echo "Report written to $out"
