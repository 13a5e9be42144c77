#!/usr/bin/env bash
# Builds everything and runs every test: the host unit tests natively, then
# the Windows tests under a headless Wine session of their own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SETUP_BUILD_DIR:-$root/build}
export SETUP_BUILD_DIR=$build

"$root/scripts/build.sh"
ctest --test-dir "$build/host" --output-on-failure

env_file=$("$root/scripts/wine-session.sh" up "$build")
trap '"$root/scripts/wine-session.sh" down "$build"' EXIT
set -a
# shellcheck disable=SC1090
source "$env_file"
set +a
mkdir -p "$build/screenshots"
SETUP_SCREENSHOTS="Z:$(tr / '\\' <<<"$build/screenshots")"
export SETUP_SCREENSHOTS
ctest --test-dir "$build/windows" --output-on-failure
