#!/usr/bin/env bash
# The layer check itself: quiet on a tree whose includes point down, and on
# each include that points up it fails and names that one alone.
# Usage: check-layers-test.sh CHECK_SCRIPT WORK_FOLDER
set -euo pipefail
check=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
cd "$work"
mkdir resources platform core package wizard install app uninst tools bench
echo '#define IDD_SETUP 102' >resources/resource.h
echo '#include "platform/Win32.h"' >platform/Wnd.h
printf '#include "platform/Wnd.h"\n#include "resources/resource.h"\n' >core/State.h
echo '#include "core/State.h"' >package/Join.h
echo '#include "package/Join.h"' >wizard/Page.h
printf '#include "wizard/Page.h"\n#include "package/Join.h"\n' >install/Steps.h
printf '#include "install/Steps.h"\n#include "app/Dlg.h"\n' >app/App.cpp
echo '#include "install/Steps.h"' >uninst/Uninstall.cpp
echo '#include "package/Join.h"' >tools/kqpack.cpp
echo '#include "core/State.h"' >bench/Bench.cpp

fail() { echo "FAIL: $*" >&2; exit 1; }
"$check" "$work" >out.txt || fail "a tree without upward includes is refused: $(cat out.txt)"

# Each upward include on its own: named, and the check fails.
for planted in 'platform/Seam.h:#include "core/State.h"' \
  'core/Config.h:#include "package/Join.h"' \
  'package/Check.h:#include "wizard/Page.h"' \
  'wizard/Rules.h:#include "install/Steps.h"' \
  'install/Dlg.cpp:#include "app/Dlg.h"' \
  'app/Dlg.cpp:#include "uninst/Uninstall.h"' \
  'tools/kqpack.h:#include "bench/Bench.h"' \
  'resources/dlg.h:#include "platform/Wnd.h"' \
  'package/Fuzz.h:#include "tests/host/PieceBuilder.h"'; do
  file=${planted%%:*}
  echo "${planted#*:}" >"$file"
  if "$check" "$work" >out.txt; then fail "$planted passed the check"; fi
  [ "$(cat out.txt)" = "$planted" ] || fail "$planted reported as: $(cat out.txt)"
  rm "$file"
done
echo "check-layers: every upward include caught"
