#!/usr/bin/env bash
# Runs the demo's walk through setup.exe with the screen set to 96, 144 and
# 192 DPI (Wine's LogPixels, a desktop of the same size in inches each time)
# and saves the password page and the progress dialog of each run as
# docs/screenshots/dpi-N-password.png and dpi-N-installing.png.
# Needs a build (scripts/build.sh); takes about a minute.
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/../lib/common.sh"
# shellcheck source=scripts/lib/wine-flavour.sh
source "$root/scripts/lib/wine-flavour.sh"
# On the emulator road the whole run goes on in its namespace.
flavour_road "$wine_flavour" "$0" "$@"
windows=$(flavour_build "$wine_flavour")

dist="$build/dpi/dist"
"$root/scripts/make-distribution.sh" "$dist" "$windows" "$build/host" >/dev/null
mkdir -p "$root/docs/screenshots"

xvfb_pid=
session=
finish() {
  [ -z "$session" ] || "$root/scripts/wine-session.sh" down "$session" "$wine_flavour"
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap finish EXIT

for dpi in 96 144 192; do
  width=$((1024 * dpi / 96))
  height=$((768 * dpi / 96))
  display=:$((150 + dpi / 48))
  Xvfb "$display" -screen 0 "${width}x${height}x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  session="$build/dpi/session-$dpi"
  env_file=$(WINE_SESSION_DISPLAY=$display "$root/scripts/wine-session.sh" up "$session" "$wine_flavour")
  set -a
  # shellcheck disable=SC1090
  source "$env_file"
  set +a
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${width}x${height}" /f \
    >/dev/null 2>&1 </dev/null
  # The desktop and the fonts take the new size when the session starts anew.
  wineserver -k && wineserver -w
  (wineserver -p >/dev/null 2>&1 </dev/null &)
  shots="$build/dpi/shots-$dpi"
  rm -rf "$shots" "$WINEPREFIX/drive_c/KQ DPI"
  mkdir -p "$shots"
  SETUP_SCREENSHOTS=$(windows_path "$shots") \
    wine "$windows/tests/demo/DemoWalk.exe" "$(windows_path "$dist")" 'c:\KQ DPI' >/dev/null
  convert "$shots/02-password.bmp" "$root/docs/screenshots/dpi-$dpi-password.png"
  convert "$shots/07-installing.bmp" "$root/docs/screenshots/dpi-$dpi-installing.png"
  echo "dpi-screenshots: $dpi DPI on a ${width}x${height} screen"
  "$root/scripts/wine-session.sh" down "$session" "$wine_flavour"
  session=
  kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
done
