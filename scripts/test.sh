#!/usr/bin/env bash
# Builds everything and runs every test: the host unit tests natively, then
# the Windows tests under a headless Wine session of their own, on the 64-bit
# build everywhere and on the 32-bit build (the one that ships) wherever it
# runs, natively or under the emulator (scripts/wine-flavour.sh says which
# road each takes, and why).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SETUP_BUILD_DIR:-$root/build}
export SETUP_BUILD_DIR=$build
# shellcheck source=scripts/wine-flavour.sh
source "$root/scripts/wine-flavour.sh"

"$root/scripts/build.sh"
ctest --test-dir "$build/host" --output-on-failure

# The 32-bit flavour runs last, so the screenshots left are the shipped one's.
mkdir -p "$build/screenshots"
SETUP_SCREENSHOTS="Z:$(tr / '\\' <<<"$build/screenshots")"
export SETUP_SCREENSHOTS
for flavour in "${wine_flavours[@]}"; do
  echo "test: Windows tests on $(flavour_build "$flavour") under Wine ($flavour)"
  flavour_run "$flavour" "$root/scripts/wine-tests.sh" "$build" "$flavour"
done
