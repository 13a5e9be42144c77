#!/usr/bin/env bash
# Builds everything and runs every test: the host unit tests natively, then
# the Windows tests under a headless Wine session of their own, on the 64-bit
# build everywhere and on the 32-bit build (the one that ships) wherever it
# runs, natively or under the emulator (scripts/lib/wine-flavour.sh says which
# road each takes, and why).
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/lib/common.sh"
# shellcheck source=scripts/lib/wine-flavour.sh
source "$root/scripts/lib/wine-flavour.sh"

"$root/scripts/build.sh"

# The host tests and each flavour's Windows tests run side by side, each in
# its own Wine session: the Windows tests spend their time waiting (for
# windows, timers, the installation's ticks), not computing. Each one's
# output is shown whole once it ends, in this order.
mkdir -p "$build/screenshots" "$build/test-logs"
ctest --test-dir "$build/host" --output-on-failure >"$build/test-logs/host.log" 2>&1 &
names=(host)
pids=($!)
for flavour in "${wine_flavours[@]}"; do
  # The shipped flavour's screenshots are the ones in build/screenshots.
  folder=
  [ "$flavour" = "$wine_flavour" ] || folder=/$flavour
  mkdir -p "$build/screenshots$folder"
  SETUP_SCREENSHOTS=$(windows_path "$build/screenshots$folder") flavour_run "$flavour" \
    "$root/scripts/wine-tests.sh" "$build" "$flavour" >"$build/test-logs/$flavour.log" 2>&1 &
  names+=("$flavour")
  pids+=($!)
done
failed=()
for i in "${!pids[@]}"; do
  status=0
  wait "${pids[$i]}" || status=$?
  if [ "${names[$i]}" = host ]; then
    echo "test: host tests ($build/host)"
  else
    echo "test: Windows tests on $(flavour_build "${names[$i]}") under Wine (${names[$i]})"
  fi
  cat "$build/test-logs/${names[$i]}.log"
  [ "$status" = 0 ] || failed+=("${names[$i]}")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "test: FAILED: ${failed[*]}" >&2
  exit 1
fi
