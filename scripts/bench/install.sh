#!/usr/bin/env bash
# Benchmark of an installation run: setup.exe under Wine installs a sample
# distribution of 490 pieces (the number that fills the progress bar), walked
# through the wizard by tests/demo/DemoWalk. Prints the time from the
# "Installing" dialog's appearance to the end of setup.exe against the tick
# floor of (pieces + 30) x 200 ms, and their ratio (goal: at most 1.05).
#   bench-install.sh [BUILD_DIR]   (default: build/, as scripts/build.sh makes it)
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/../lib/common.sh"
build=$(cd "${1:-$root/build}" && pwd)
# shellcheck source=scripts/lib/bench-sample.sh
source "$root/scripts/lib/bench-sample.sh"
folder='c:\KQBENCH'
rm -rf "$WINEPREFIX/drive_c/KQBENCH"
mkdir -p "$work/shots"

start= end=
while IFS= read -r line; do
  now=$(date +%s.%N)
  line=${line%$'\r'}
  case $line in
    "demo: installing") start=$now ;;
    "demo: setup.exe ended"*) end=$now ;;
  esac
done < <(SETUP_SCREENSHOTS=$(windows_path "$work/shots") \
  wine "$windows/tests/demo/DemoWalk.exe" "$(windows_path "$work/dist")" "$folder" \
  2>"$work/walk.log")
if [ -z "$start" ] || [ -z "$end" ]; then
  echo "bench: the installation did not run through" >&2
  cat "$work/walk.log" >&2
  exit 1
fi

awk -v s="$start" -v e="$end" -v n="$pieces" 'BEGIN {
  floor = (n + 30) * 0.2; took = e - s;
  printf "pieces        %d\n", n;
  printf "tick floor    %.2f s  ((%d + 30) x 200 ms)\n", floor, n;
  printf "installation  %.2f s  (Installing shown to setup.exe ended)\n", took;
  printf "ratio         %.3f   (goal <= 1.050)\n", took / floor;
}'
