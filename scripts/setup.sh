#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests, the benchmarks, the window and the
# source checks of CI (clang-format, clang-tidy) need. Does nothing when they are all present.
# Extra package names may be given as arguments.
set -euo pipefail
packages=(g++ cmake make libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-svg-dev xvfb xauth
    time locales clang-format clang-tidy "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
