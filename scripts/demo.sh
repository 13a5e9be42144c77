#!/usr/bin/env bash
# The demo: builds the release programs that ship, makes a sample
# distribution with the project's packer and installs it with the release
# setup.exe under Wine (scripts/steps/demo-install.sh), then shows what landed
# where. It builds only what it needs: the host packer and the release
# programs of the flavour it runs, with their libjpeg, the stand-ins and the
# walker. It runs the 32-bit release, the one that ships, wherever it runs
# (natively or under the emulator, scripts/lib/wine-flavour.sh), else the 64-bit
# one. Each phase's time is printed, the package installation's apart.
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/lib/common.sh"
SECONDS=0
# shellcheck source=scripts/lib/wine-flavour.sh
source "$root/scripts/lib/wine-flavour.sh"
packages_time=$SECONDS

SECONDS=0
release="$build/release/$(basename "$(flavour_build "$wine_flavour")")"
cmake -S "$root" -B "$build/host" -G Ninja >/dev/null
cmake --build "$build/host" --target kqpack >/dev/null
"$root/scripts/steps/build-release.sh" "$wine_flavour" "$release"
cmake --build "$release" --target standin_kq standin_spchapi standin_msttsm22l DemoWalk >/dev/null
dist="$build/demo/dist"
"$root/scripts/make-distribution.sh" "$dist" "$release" "$build/host"
build_time=$SECONDS
echo "demo: sample distribution in $dist, the release programs of $release ($wine_flavour):"
for program in setup.exe uninst.exe; do
  echo "demo:   $program $(stat -c %s "$dist/$program") bytes"
done

SECONDS=0
flavour_run "$wine_flavour" "$root/scripts/steps/demo-install.sh" "$release" "$dist"
echo
echo "demo: packages ${packages_time} s, builds ${build_time} s, installation and listing ${SECONDS} s"
