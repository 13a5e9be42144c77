#!/usr/bin/env bash
# A headless Wine session for the tests and the demo: Xvfb, a prefix in the
# build tree (fonts linked in, virtual desktop on) and a persistent
# wineserver detached from any caller's pipes, and where the user may mount,
# a small tmpfs as drive S: for full-disk tests.
#   wine-session.sh up BUILD_DIR [FLAVOUR]    start it; prints the environment
#                                            file (WINE_SESSION_DISPLAY=:N uses
#                                            that display)
#   wine-session.sh down BUILD_DIR [FLAVOUR]  end it
# FLAVOUR is win32 (BUILD_DIR/wine) or win64 (BUILD_DIR/wine64); without it,
# the one scripts/lib/wine-flavour.sh picks for this machine. Source the printed
# file to use the session.
# win64 runs Wine's 64-bit loader on a 64-bit prefix of its own, with small
# wine, wine64, wine-stable and wineboot scripts first on PATH: Debian's
# wrapper would pick the 32-bit loader whenever wine32 is installed, even on a
# kernel that cannot start it.
set -euo pipefail
usage="usage: wine-session.sh up|down BUILD_DIR [win32|win64]"
cmd=${1:?$usage}
build=$(realpath -m "${2:?$usage}")
flavour=${3:-}
if [ -z "$flavour" ]; then
  # shellcheck source=scripts/lib/wine-flavour.sh
  source "$(dirname "$0")/lib/wine-flavour.sh"
  flavour=$wine_flavour
fi
case $flavour in
  win32) dir="$build/wine" ;;
  win64) dir="$build/wine64" ;;
  *) echo "$usage" >&2; exit 2 ;;
esac
env_file="$dir/session.env"
mkdir -p "$dir"

session_env() {
  # shellcheck disable=SC1090
  source "$env_file"
  export DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES PATH
  [ -z "${WINELOADER:-}" ] || export WINELOADER WINEARCH
}

# The 64-bit loader behind the names that scripts and CTest call.
write_wine64_commands() {
  local bin="$dir/bin" loader=/usr/lib/wine/wine64
  mkdir -p "$bin"
  for name in wine wine64 wine-stable; do
    printf '#!/bin/sh\nWINELOADER=%s exec %s "$@"\n' "$loader" "$loader" >"$bin/$name"
  done
  printf '#!/bin/sh\nexec "%s" wineboot.exe "$@"\n' "$bin/wine" >"$bin/wineboot"
  chmod +x "$bin"/*
}

# Runs a set-up command; when it fails, shows what it said and what to do.
run_or_explain() {
  local what=$1 hint=$2 log="$dir/$1.log" status=0
  shift 2
  "$@" >"$log" 2>&1 </dev/null || status=$?
  if [ "$status" != 0 ]; then
    echo "wine-session: $what failed (exit $status): $*" >&2
    sed 's/^/  | /' "$log" >&2
    echo "wine-session: $hint" >&2
    exit 1
  fi
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

# Starts Xvfb on a display it picks itself and prints that display once it
# accepts connections, so that sessions started side by side never share one.
start_xvfb() {
  local named="$dir/xvfb.display" number=
  : >"$named"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$named" >"$dir/xvfb.log" 2>&1 &
  echo $! >"$dir/xvfb.pid"
  for _ in $(seq 100); do
    read -r number <"$named" && [ -n "$number" ] && break
    sleep 0.1
  done
  if [ -z "$number" ]; then
    echo "wine-session: Xvfb named no display within 10 s" >&2
    [ ! -s "$dir/xvfb.log" ] || sed 's/^/  | /' "$dir/xvfb.log" >&2
    echo "wine-session: is xvfb installed (scripts/install-deps.sh)?" >&2
    exit 1
  fi
  echo ":$number"
}

up() {
  down
  # WINE_SESSION_DISPLAY runs the session on an existing display instead of
  # an Xvfb of its own.
  local display=${WINE_SESSION_DISPLAY:-}
  [ -n "$display" ] || display=$(start_xvfb)
  cat >"$env_file" <<ENV
DISPLAY=$display
WINEPREFIX=$dir/prefix
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
ENV
  if [ "$flavour" = win64 ]; then
    write_wine64_commands
    cat >>"$env_file" <<ENV
PATH="$dir/bin:$PATH"
WINELOADER=/usr/lib/wine/wine64
WINEARCH=win64
ENV
  fi
  session_env

  for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
  if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
    echo "wine-session: the X display $display did not answer within 10 s" >&2
    [ ! -s "$dir/xvfb.log" ] || sed 's/^/  | /' "$dir/xvfb.log" >&2
    exit 1
  fi

  if [ ! -f "$WINEPREFIX/.ready-v2" ]; then
    local hint="run scripts/install-deps.sh; if the loader cannot start, force the 64-bit road with SETUP_WINE64_ONLY=1"
    run_or_explain wineboot "$hint" wineboot -i
    wineserver -w
    run_or_explain desktop "$hint" wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
    run_or_explain desktop-size "$hint" \
      wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
    # Arial is not shipped with Wine; its metric twin stands in for it.
    run_or_explain fonts "$hint" \
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f
    wineserver -w
    touch "$WINEPREFIX/.ready-v2"
  fi
  # Debian's Wine does not load its own fonts; MS Sans Serif and Marlett
  # must be there for the dialogs to have their classic metrics.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [ -d /usr/share/wine/fonts ] || { echo "wine-session: fonts-wine is missing" >&2; exit 1; }
  for font in /usr/share/wine/fonts/*; do ln -sf "$font" "$fonts/"; done
  # Drive S: is a small disk of its own that tests can fill; only where this
  # user may mount (as root), else the drive is left out. SETUP_SMALL_DISK
  # tells the tests which: where it names S:, a missing drive is a fault.
  mkdir -p "$dir/small-disk"
  rm -f "$WINEPREFIX/dosdevices/s:"
  if [ "$(id -u)" = 0 ]; then
    echo "SETUP_SMALL_DISK=S:" >>"$env_file"
    if mount -t tmpfs -o size=256k tmpfs "$dir/small-disk" >"$dir/small-disk.log" 2>&1; then
      ln -s "$dir/small-disk" "$WINEPREFIX/dosdevices/s:"
    else
      echo "wine-session: as root, but the small disk would not mount; its tests will fail:" >&2
      sed 's/^/  | /' "$dir/small-disk.log" >&2
    fi
  else
    echo "SETUP_SMALL_DISK=" >>"$env_file"
  fi
  # Background processes must not inherit a test runner's pipes.
  (wineserver -p >/dev/null 2>&1 </dev/null &)
  run_or_explain first-start "run scripts/install-deps.sh" wine cmd /c exit 0
  echo "$env_file"
}

case "$cmd" in
  up) up ;;
  down) down ;;
  *) echo "$usage" >&2; exit 2 ;;
esac
