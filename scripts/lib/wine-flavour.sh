# Sourced by the scripts that run Windows programs under Wine. Installs the
# dependencies first (Wine's loaders and the emulator come with them: a probe
# before that would answer for a machine that lacks them), then finds out
# once how this machine runs the 32-bit build, the one that ships, and sets
#   wine_flavours  the Windows builds to run under Wine: win64, then win32
#                  wherever it runs by either road
#   wine_flavour   the one a single run (demo, benchmarks) uses: win32
#                  wherever it runs
#   wine32_road    how win32 runs: native, or qemu (scripts/emulated-i386.sh:
#                  for kernels without IA-32 emulation, where the 32-bit
#                  loader ends with "Exec format error"); empty where it
#                  does not run
# and prints one line on standard error that says which road each flavour
# takes and why.
#   flavour_build FLAVOUR          prints that flavour's build folder under $build
#   flavour_run FLAVOUR CMD [ARG...]  runs CMD on that flavour's road
#   flavour_road FLAVOUR "$0" "$@"    from here on runs the calling script on
#                                  that flavour's road: where that is the
#                                  emulator, the script starts again inside it
#   SETUP_WINE64_ONLY=1    takes the 64-bit road alone, for a quick run
#   SETUP_WINE32_QEMU=1    takes the emulator road for win32 even where the
#                          kernel would start it, to check that road
# The answer is exported in SETUP_WINE_FLAVOURS and SETUP_WINE32_ROAD, so that
# the scripts that this one starts do not probe again. Stand-ins for the
# probe's own test: SETUP_INSTALL_DEPS, SETUP_WINE32_LOADER and
# SETUP_WINE32_EMULATOR (a command that runs its arguments on the emulator
# road, scripts/emulated-i386.sh by default).

wine_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
wine32_emulator=${SETUP_WINE32_EMULATOR:-$wine_scripts/emulated-i386.sh}

flavour_build() {
  case $1 in
    win32) echo "$build/windows" ;;
    win64) echo "$build/windows64" ;;
    *) echo "wine-flavour: unknown flavour '$1'" >&2; return 1 ;;
  esac
}

flavour_on_emulator() {
  [ "$1" = win32 ] && [ "${SETUP_WINE32_ROAD:-}" = qemu ] && [ "${SETUP_I386_EMULATED:-}" != 1 ]
}

flavour_run() {
  local flavour=$1
  shift
  if flavour_on_emulator "$flavour"; then
    "$wine32_emulator" "$@"
  else
    "$@"
  fi
}

flavour_road() {
  local flavour=$1
  shift
  if flavour_on_emulator "$flavour"; then
    exec "$wine32_emulator" "$@"
  fi
}

# What a command said last, without the shell's prefix naming the script.
last_words() {
  local words
  words=$(tail -n 1 <<<"$2")
  echo "${words##*"$1": }"
}

if [ "${SETUP_I386_EMULATED:-}" = 1 ]; then
  # Inside the emulator's namespace: both flavours run here, as they do on
  # the road that led in, and apt-get could not install anything.
  export SETUP_WINE_FLAVOURS="win64 win32" SETUP_WINE32_ROAD=qemu
elif [ -z "${SETUP_WINE_FLAVOURS:-}" ]; then
  wine32_loader=${SETUP_WINE32_LOADER:-/usr/lib/wine/wine}
  SETUP_WINE_FLAVOURS="win64"
  SETUP_WINE32_ROAD=
  "${SETUP_INSTALL_DEPS:-$wine_scripts/install-deps.sh}" >&2
  if [ "${SETUP_WINE64_ONLY:-}" = 1 ]; then
    wine_reason="SETUP_WINE64_ONLY=1 asks for the 64-bit road alone"
  else
    if [ "${SETUP_WINE32_QEMU:-}" != 1 ] &&
      probe_output=$("$wine32_loader" --version 2>&1 </dev/null); then
      SETUP_WINE_FLAVOURS="win64 win32"
      SETUP_WINE32_ROAD=native
      wine_reason="the kernel starts Wine's 32-bit loader (${probe_output%%$'\n'*})"
    else
      probe_status=$?
      if [ "${SETUP_WINE32_QEMU:-}" = 1 ]; then
        wine_reason="SETUP_WINE32_QEMU=1 asks for the emulator road"
      else
        probe_output=$(last_words "$wine32_loader" "$probe_output")
        wine_reason="the kernel cannot start Wine's 32-bit loader: $wine32_loader ended with $probe_status${probe_output:+ ($probe_output)}"
      fi
      if probe_output=$("$wine32_emulator" "$wine32_loader" --version 2>&1 </dev/null); then
        SETUP_WINE_FLAVOURS="win64 win32"
        SETUP_WINE32_ROAD=qemu
      else
        probe_status=$?
        wine_reason+=", nor qemu-i386 in a namespace of its own: it ended with $probe_status ($(last_words "$wine32_loader" "$probe_output"))"
      fi
    fi
  fi
  export SETUP_WINE_FLAVOURS SETUP_WINE32_ROAD
  case $SETUP_WINE32_ROAD in
    native) echo "wine: the 64-bit and the 32-bit build run natively, single runs on the 32-bit one: $wine_reason" >&2 ;;
    qemu) echo "wine: the 64-bit build runs natively, the 32-bit one under qemu-i386 in a namespace of its own, single runs on the 32-bit one: $wine_reason" >&2 ;;
    *) echo "wine: the 64-bit build alone: $wine_reason" >&2 ;;
  esac
fi
read -r -a wine_flavours <<<"$SETUP_WINE_FLAVOURS"
wine_flavour=${wine_flavours[${#wine_flavours[@]} - 1]}
wine32_road=${SETUP_WINE32_ROAD:-}
