#!/usr/bin/env bash
# Runs one flavour's Windows tests under a headless Wine session of its own:
#   wine-tests.sh BUILD_DIR win32|win64 [CTEST_ARG...]
# Started by scripts/test.sh on that flavour's road (scripts/lib/wine-flavour.sh),
# so that on the emulator road the session lives in the emulator's namespace.
# SETUP_SCREENSHOTS names the folder where the tests leave their screenshots.
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/lib/common.sh"
build=${1:?usage: wine-tests.sh BUILD_DIR win32|win64 [CTEST_ARG...]}
flavour=${2:?usage: wine-tests.sh BUILD_DIR win32|win64 [CTEST_ARG...]}
shift 2
# shellcheck source=scripts/lib/wine-flavour.sh
source "$root/scripts/lib/wine-flavour.sh"

env_file=$("$root/scripts/wine-session.sh" up "$build" "$flavour")
trap '"$root/scripts/wine-session.sh" down "$build" "$flavour"' EXIT
set -a
# shellcheck disable=SC1090
source "$env_file"
set +a
ctest --test-dir "$(flavour_build "$flavour")" --output-on-failure "$@"
