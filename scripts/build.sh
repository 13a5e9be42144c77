#!/usr/bin/env bash
# Builds everything: the Windows product and its Wine tests for 32-bit
# Windows in build/windows (the flavour that ships) and for 64-bit Windows in
# build/windows64 (the same sources; the Wine tests run on it everywhere), the
# host code, tools and unit tests in build/host.
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/lib/common.sh"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build/host" -G Ninja >/dev/null
for flavour in i686:windows x86_64:windows64; do
  cmake -S "$root" -B "$build/${flavour#*:}" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-${flavour%%:*}.cmake" \
    -DSETUP_HOST_BUILD="$build/host" >/dev/null
done
cmake --build "$build/host"
cmake --build "$build/windows"
cmake --build "$build/windows64"
