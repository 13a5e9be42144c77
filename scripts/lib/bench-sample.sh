# Sourced by the Wine benchmarks with $root and $build set: picks the Windows
# build this machine runs ($windows: the 32-bit one where it can start, else
# the 64-bit one), makes the sample distribution of 490 pieces from it in
# $work/dist (the sample's own pieces, then filler in whole 10000-byte chunks)
# and starts a Wine session of its own, both removed when the benchmark ends.
# shellcheck source=scripts/lib/wine-flavour.sh
source "$root/scripts/lib/wine-flavour.sh"
# On the emulator road the whole benchmark runs in its namespace.
flavour_road "$wine_flavour" "$0" "$@"
windows=$(flavour_build "$wine_flavour")
pieces=490
work=$(mktemp -d)
trap '"$root/scripts/wine-session.sh" down "$work" "$wine_flavour" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

"$root/scripts/make-distribution.sh" "$work/dist" "$windows" "$build/host" >/dev/null
own=$(ls "$work/dist"/*.cab | wc -l)
"$root/scripts/make-distribution.sh" "$work/dist" "$windows" "$build/host" \
  $(((pieces - own) * 10000)) >/dev/null
found=$(ls "$work/dist"/*.cab | wc -l)
[ "$found" -eq "$pieces" ] || { echo "bench: $found pieces, not $pieces" >&2; exit 1; }

env_file=$("$root/scripts/wine-session.sh" up "$work" "$wine_flavour" </dev/null)
set -a
# shellcheck disable=SC1090
source "$env_file"
set +a
