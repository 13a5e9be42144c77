#!/usr/bin/env bash
# Benchmark of the unattended installation: setup.exe unattended installs a
# sample distribution of 490 pieces under Wine, against a floor measured in
# the same run: a Wine start of a trivial Windows program (a stand-in) plus
# copying the distribution's bytes and joining the pieces' bytes on the host
# with cp and cat. Prints the best of RUNS runs of each, the ratio to the
# floor (goal: at most 1.5) and to the wizard's tick floor of
# (490 + 30) x 200 ms, and the time of the unattended uninstaller.
#   bench-unattended.sh [BUILD_DIR] [RUNS]   (defaults: build/, 3)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-3}
# shellcheck source=scripts/bench-sample.sh
source "$root/scripts/bench-sample.sh"
dist=$work/dist
printf '[Unattended]\r\nLicence=Accept\r\nConnection=LAN\r\nFolder=c:\\KQBENCH\r\n' \
  >"$dist/answers.ini"
installed=$WINEPREFIX/drive_c/KQBENCH
mkdir -p "$work/trivial"
cp "$windows/tools/standins/kq.exe" "$work/trivial/"

now() { date +%s.%N; }
elapsed() { awk -v s="$1" -v e="$2" 'BEGIN { printf "%.3f", e - s }'; }
best() { tr ' ' '\n' | sort -g | head -1; }

wine_start=() host_copy=() install=() uninstall=()
for _ in $(seq "$runs"); do
  start=$(now)
  (cd "$work/trivial" && wine kq.exe </dev/null >/dev/null 2>&1)
  wine_start+=("$(elapsed "$start" "$(now)")")

  # The same bytes as the installation: every file of the distribution
  # copied, then each package's pieces joined in order.
  rm -rf "$work/host"
  mkdir -p "$work/host"
  start=$(now)
  cp "$dist"/* "$work/host/"
  for prefix in kq ch; do
    count=$(ls "$work/host/$prefix"*.cab | wc -l)
    names=()
    for ((n = 0; n < count; n++)); do names+=("$work/host/$prefix$n.cab"); done
    cat "${names[@]}" >"$work/host/$prefix.joined"
  done
  host_copy+=("$(elapsed "$start" "$(now)")")

  rm -rf "$installed"
  start=$(now)
  (cd "$dist" && wine setup.exe unattended answers.ini </dev/null >/dev/null 2>&1) ||
    { echo "bench: setup.exe unattended ended with $?" >&2; exit 1; }
  install+=("$(elapsed "$start" "$(now)")")

  start=$(now)
  (cd "$installed" && wine uninst.exe unattended </dev/null >/dev/null 2>&1) ||
    { echo "bench: uninst.exe unattended ended with $?" >&2; exit 1; }
  uninstall+=("$(elapsed "$start" "$(now)")")
done

w=$(echo "${wine_start[*]}" | best)
h=$(echo "${host_copy[*]}" | best)
i=$(echo "${install[*]}" | best)
u=$(echo "${uninstall[*]}" | best)
awk -v w="$w" -v h="$h" -v i="$i" -v u="$u" -v n="$pieces" -v r="$runs" 'BEGIN {
  floor = w + h; ticks = (n + 30) * 0.2;
  printf "pieces               %d (best of %d runs)\n", n, r;
  printf "wine start           %.3f s  (a trivial Windows program)\n", w;
  printf "host cp + cat        %.3f s  (the same bytes copied and joined)\n", h;
  printf "floor                %.3f s\n", floor;
  printf "unattended install   %.3f s\n", i;
  printf "ratio to floor       %.2f   (goal <= 1.50)\n", i / floor;
  printf "ratio to tick floor  %.4f (tick floor %.0f s = (%d + 30) x 200 ms)\n", i / ticks, ticks, n;
  printf "unattended uninstall %.3f s\n", u;
}'
