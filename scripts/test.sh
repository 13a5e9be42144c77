#!/usr/bin/env bash
# Builds everything and runs every test: the host unit tests natively, then
# the Windows tests under a headless Wine session of their own, on the 64-bit
# build everywhere and on the 32-bit build (the one that ships) wherever this
# machine can start it (scripts/wine-flavour.sh says which, and why).
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
session=
trap '[ -z "$session" ] || "$root/scripts/wine-session.sh" down "$build" "$session"' EXIT
for flavour in "${wine_flavours[@]}"; do
  echo "test: Windows tests on $(flavour_build "$flavour") under Wine ($flavour)"
  session=$flavour
  env_file=$("$root/scripts/wine-session.sh" up "$build" "$flavour")
  # A subshell each, so that one flavour's wine does not stay first on PATH.
  (
    set -a
    # shellcheck disable=SC1090
    source "$env_file"
    set +a
    ctest --test-dir "$(flavour_build "$flavour")" --output-on-failure
  )
  "$root/scripts/wine-session.sh" down "$build" "$flavour"
  session=
done
