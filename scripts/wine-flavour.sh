# Sourced by the scripts that run Windows programs under Wine. Finds out once
# whether this machine can start a 32-bit program, by starting Wine's 32-bit
# loader, and sets
#   wine_flavours  the Windows builds to run under Wine: win64 everywhere,
#                  then win32 (the flavour that ships) where it can start
#   wine_flavour   the one a single run uses: win32 where it can start
# and prints one line on standard error that says which and why.
# flavour_build FLAVOUR prints that flavour's build folder under $build.
# Some kernels have no 32-bit emulation: there Wine's 32-bit loader fails with
# "Exec format error" although wine32 is installed, and only win64 runs.
#   SETUP_WINE64_ONLY=1    takes the 64-bit road alone, as on such a machine
#   SETUP_WINE32_LOADER    the loader to probe (default /usr/lib/wine/wine)
# The answer is exported in SETUP_WINE_FLAVOURS, so that the scripts that this
# one starts do not probe again.

flavour_build() {
  case $1 in
    win32) echo "$build/windows" ;;
    win64) echo "$build/windows64" ;;
    *) echo "wine-flavour: unknown flavour '$1'" >&2; return 1 ;;
  esac
}

if [ -z "${SETUP_WINE_FLAVOURS:-}" ]; then
  wine32_loader=${SETUP_WINE32_LOADER:-/usr/lib/wine/wine}
  if [ "${SETUP_WINE64_ONLY:-}" = 1 ]; then
    SETUP_WINE_FLAVOURS="win64"
    wine_reason="SETUP_WINE64_ONLY=1 asks for the 64-bit road alone"
  elif probe_output=$("$wine32_loader" --version 2>&1 </dev/null); then
    SETUP_WINE_FLAVOURS="win64 win32"
    wine_reason="Wine's 32-bit loader starts here (${probe_output%%$'\n'*})"
  else
    probe_status=$?
    SETUP_WINE_FLAVOURS="win64"
    # The shell's own complaint names this script; what it says of the loader is enough.
    probe_output=$(tail -n 1 <<<"$probe_output")
    probe_output=${probe_output##*"$wine32_loader": }
    wine_reason="Wine's 32-bit loader cannot start here: $wine32_loader ended with $probe_status${probe_output:+ ($probe_output)}"
  fi
  export SETUP_WINE_FLAVOURS
  if [ "$SETUP_WINE_FLAVOURS" = win64 ]; then
    echo "wine: Windows tests and the demo on the 64-bit build only: $wine_reason" >&2
  else
    echo "wine: Windows tests on the 64-bit and 32-bit builds, the demo on the 32-bit one: $wine_reason" >&2
  fi
fi
read -r -a wine_flavours <<<"$SETUP_WINE_FLAVOURS"
wine_flavour=${wine_flavours[${#wine_flavours[@]} - 1]}
