#!/usr/bin/env bash
# Builds the release programs, setup.exe and the uninstaller, of one Windows
# flavour with the release's flags and the win32 thread model:
#   build-release.sh win32|win64 FOLDER
# win32 is what ships; win64 is the same release for 64-bit Windows, which
# the Wine tests install from where 32-bit programs cannot start. FOLDER
# (made when missing, built again where it is) receives the build; its
# uninstaller.txt names the uninstaller's target and file.
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/../lib/common.sh"
case ${1:-} in
  win32) triplet=i686 ;;
  win64) triplet=x86_64 ;;
  *) echo "usage: $0 win32|win64 FOLDER" >&2; exit 2 ;;
esac
[ $# -eq 2 ] || { echo "usage: $0 win32|win64 FOLDER" >&2; exit 2; }
folder=$2

# A folder configured with the other thread model's compilers starts afresh.
fresh=()
if [ -f "$folder/CMakeCache.txt" ] && ! grep -q '^CMAKE_CXX_COMPILER_AR:.*-win32$' "$folder/CMakeCache.txt"
then
  fresh=(--fresh)
fi
cmake "${fresh[@]}" -S "$root" -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DSETUP_THREAD_MODEL=win32 \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$triplet.cmake" >/dev/null
{ read -r uninst_target; read -r _; } <"$folder/uninstaller.txt"
cmake --build "$folder" --target setup "$uninst_target" >/dev/null
