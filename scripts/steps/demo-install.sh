#!/usr/bin/env bash
# The demo's installation, on the road of its flavour (scripts/demo.sh starts
# it there): installs the distribution DIST with its setup.exe under Wine,
# then shows what landed where.
#   demo-install.sh WINDOWS_BUILD DIST
# WINDOWS_BUILD holds the walker (tests/demo/DemoWalk.exe). With a display
# (DISPLAY set) setup.exe opens there for you to click through; without one
# it runs on a headless Xvfb, walked through every page by the walker, and
# the screenshots go to build/screenshots/.
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/../lib/common.sh"
windows=${1:?usage: demo-install.sh WINDOWS_BUILD DIST}
dist=${2:?usage: demo-install.sh WINDOWS_BUILD DIST}
# shellcheck source=scripts/lib/wine-flavour.sh
source "$root/scripts/lib/wine-flavour.sh"


interactive=
if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
  interactive=1
  export WINE_SESSION_DISPLAY=$DISPLAY
fi
env_file=$("$root/scripts/wine-session.sh" up "$build" "$wine_flavour")
trap '"$root/scripts/wine-session.sh" down "$build" "$wine_flavour"' EXIT
set -a
# shellcheck disable=SC1090
source "$env_file"
set +a

drive_c="$WINEPREFIX/drive_c"
if [ -n "$interactive" ]; then
  folder_linux="$drive_c/KQ"
  echo "demo: setup.exe opens on $DISPLAY; install into the default folder c:\\kq"
  (cd "$dist" && wine setup.exe)
else
  folder='c:\Quelmar\Ovistra Demo'
  folder_linux="$drive_c/QUELMAR/OVISTRA DEMO"
  rm -rf "$folder_linux" "$build/screenshots"
  mkdir -p "$build/screenshots"
  SETUP_SCREENSHOTS=$(windows_path "$build/screenshots") \
    wine "$windows/tests/demo/DemoWalk.exe" "$(windows_path "$dist")" "$folder"
  for shot in "$build"/screenshots/*.bmp; do convert "$shot" "${shot%.bmp}.png" && rm "$shot"; done
  echo "demo: screenshots in $build/screenshots/"
fi

echo
echo "== working folder ($folder_linux)"
ls -la "$folder_linux" 2>/dev/null || echo "(not created)"
echo
echo "== kq.ini"
cat "$folder_linux/kq.ini" 2>/dev/null || echo "(not written)"
echo
echo "== program group"
find "$drive_c/users" -path '*Start Menu/Programs/*' -iname '*Quelmar Ovistra*' 2>/dev/null \
  -exec ls -la {} \; || true
echo
echo "== speech installers started"
cat "$folder_linux"/*.log 2>/dev/null || echo "(none)"
