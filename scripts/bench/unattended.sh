#!/usr/bin/env bash
# Benchmark of the unattended installation: setup.exe unattended installs a
# sample distribution of 490 pieces under Wine, against a floor measured side
# by side in the same run: a Wine start of a trivial Windows program (a
# stand-in), the two speech installers' stand-ins started in parallel (the
# installation starts them too), and copying the distribution's bytes and
# joining the pieces' bytes on the host with cp and cat. Prints the median
# (and the least) of RUNS runs of each part, the floor, the ratio of the
# medians (goal: at most 1.5), the ratio to the wizard's tick floor of
# (490 + 30) x 200 ms, and the time of the unattended uninstaller.
#   bench-unattended.sh [BUILD_DIR] [RUNS]   (defaults: build/, 7)
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/../lib/common.sh"
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-7}
# shellcheck source=scripts/lib/bench-sample.sh
source "$root/scripts/lib/bench-sample.sh"
dist=$work/dist
printf '[Unattended]\r\nLicence=Accept\r\nConnection=LAN\r\nFolder=c:\\KQBENCH\r\n' \
  >"$dist/answers.ini"
installed=$WINEPREFIX/drive_c/KQBENCH
mkdir -p "$work/trivial"
cp "$windows/tools/standins/kq.exe" "$windows/tools/standins/spchapi.exe" \
  "$windows/tools/standins/msttsm22l.exe" "$work/trivial/"

now() { date +%s.%N; }
elapsed() { awk -v s="$1" -v e="$2" 'BEGIN { printf "%.3f", e - s }'; }
least() { tr ' ' '\n' | sort -g | head -1; }
median() { tr ' ' '\n' | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

wine_start=() speech=() host_copy=() install=() uninstall=()
for _ in $(seq "$runs"); do
  start=$(now)
  (cd "$work/trivial" && wine kq.exe </dev/null >/dev/null 2>&1)
  wine_start+=("$(elapsed "$start" "$(now)")")

  start=$(now)
  (cd "$work/trivial" && { wine spchapi.exe /Q & wine msttsm22l.exe /Q & wait; } </dev/null >/dev/null 2>&1)
  speech+=("$(elapsed "$start" "$(now)")")

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

part() { echo "$(echo "$1" | median) $(echo "$1" | least)"; }
read -r w wl <<<"$(part "${wine_start[*]}")"
read -r s sl <<<"$(part "${speech[*]}")"
read -r h hl <<<"$(part "${host_copy[*]}")"
read -r i il <<<"$(part "${install[*]}")"
read -r u ul <<<"$(part "${uninstall[*]}")"
awk -v w="$w" -v s="$s" -v h="$h" -v i="$i" -v u="$u" -v wl="$wl" -v sl="$sl" -v hl="$hl" \
  -v il="$il" -v ul="$ul" -v n="$pieces" -v r="$runs" 'BEGIN {
  floor = w + s + h; ticks = (n + 30) * 0.2;
  printf "pieces               %d (median and least of %d runs)\n", n, r;
  printf "wine start           %.3f s  (least %.3f s; a trivial Windows program)\n", w, wl;
  printf "speech stand-ins     %.3f s  (least %.3f s; both started in parallel)\n", s, sl;
  printf "host cp + cat        %.3f s  (least %.3f s; the same bytes copied and joined)\n", h, hl;
  printf "floor                %.3f s  (the sum of the three)\n", floor;
  printf "unattended install   %.3f s  (least %.3f s)\n", i, il;
  printf "ratio to floor       %.2f   (goal <= 1.50)\n", i / floor;
  printf "ratio to tick floor  %.4f (tick floor %.0f s = (%d + 30) x 200 ms)\n", i / ticks, ticks, n;
  printf "unattended uninstall %.3f s  (least %.3f s)\n", u, ul;
}'
