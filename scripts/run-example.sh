#!/usr/bin/env bash
# Sets up the machine, builds the program and runs its main job on a bundled example:
# the report of examples/pretensioned-i-girder.in, written to build/pretensioned-i-girder.out.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release
cmake --build --preset release
example=examples/pretensioned-i-girder.in
out=build/pretensioned-i-girder.out
build/release/tarnex-batch --all -o "$out" "$example"
echo "Report written to $out"
