#!/usr/bin/env bash
# Builds everything: the Windows product and its Wine tests in build/windows,
# the host code, tools and unit tests in build/host.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SETUP_BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build/windows" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake -S "$root" -B "$build/host" -G Ninja >/dev/null
cmake --build "$build/windows"
cmake --build "$build/host"
