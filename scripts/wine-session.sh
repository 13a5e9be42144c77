#!/usr/bin/env bash
# A headless Wine session for the tests and the demo: Xvfb, a prefix in the
# build tree (fonts linked in, virtual desktop on) and a persistent
# wineserver detached from any caller's pipes, and where the user may mount,
# a small tmpfs as drive S: for full-disk tests.
#   wine-session.sh up BUILD_DIR     start it; prints the environment file
#                                    (WINE_SESSION_DISPLAY=:N uses that display)
#   wine-session.sh down BUILD_DIR   end it
# Source BUILD_DIR/wine/session.env to use the session.
set -euo pipefail
cmd=${1:?usage: wine-session.sh up|down BUILD_DIR}
build=$(realpath -m "${2:?usage: wine-session.sh up|down BUILD_DIR}")
dir="$build/wine"
env_file="$dir/session.env"
mkdir -p "$dir"

session_env() {
  # shellcheck disable=SC1090
  source "$env_file"
  export DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
}

down() {
  [ -f "$env_file" ] || return 0
  session_env
  wineserver -k >/dev/null 2>&1 || true
  if mountpoint -q "$dir/small-disk" 2>/dev/null; then umount "$dir/small-disk" || true; fi
  if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid"
  fi
}

free_display() {
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { echo "$n"; return; }
  done
  echo "wine-session: no free X display" >&2
  exit 1
}

up() {
  down
  # WINE_SESSION_DISPLAY runs the session on an existing display instead of
  # an Xvfb of its own.
  local display=${WINE_SESSION_DISPLAY:-}
  [ -n "$display" ] || display=":$(free_display)"
  cat >"$env_file" <<ENV
DISPLAY=$display
WINEPREFIX=$dir/prefix
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
ENV
  session_env

  if [ -z "${WINE_SESSION_DISPLAY:-}" ]; then
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! >"$dir/xvfb.pid"
  fi
  for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
  xdpyinfo -display "$display" >/dev/null 2>&1 || { echo "wine-session: Xvfb did not start" >&2; exit 1; }

  if [ ! -f "$WINEPREFIX/.ready-v2" ]; then
    wineboot -i >/dev/null 2>&1 </dev/null
    wineserver -w
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 </dev/null
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 </dev/null
    # Arial is not shipped with Wine; its metric twin stands in for it.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f \
      >/dev/null 2>&1 </dev/null
    wineserver -w
    touch "$WINEPREFIX/.ready-v2"
  fi
  # Debian's Wine does not load its own fonts; MS Sans Serif and Marlett
  # must be there for the dialogs to have their classic metrics.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [ -d /usr/share/wine/fonts ] || { echo "wine-session: fonts-wine is missing" >&2; exit 1; }
  for font in /usr/share/wine/fonts/*; do ln -sf "$font" "$fonts/"; done
  # Drive S: is a small disk of its own that tests can fill; only where this
  # user may mount (as root), else the drive is left out.
  mkdir -p "$dir/small-disk"
  rm -f "$WINEPREFIX/dosdevices/s:"
  if mount -t tmpfs -o size=256k tmpfs "$dir/small-disk" >/dev/null 2>&1; then
    ln -s "$dir/small-disk" "$WINEPREFIX/dosdevices/s:"
  fi
  # Background processes must not inherit a test runner's pipes.
  (wineserver -p >/dev/null 2>&1 </dev/null &)
  wine cmd /c exit 0 >/dev/null 2>&1 </dev/null
  echo "$env_file"
}

case "$cmd" in
  up) up ;;
  down) down ;;
  *) echo "usage: wine-session.sh up|down BUILD_DIR" >&2; exit 2 ;;
esac
