#!/usr/bin/env bash
# Lists every include that points up the layers and fails if there is one.
# Layers, bottom up: resources (a leaf that everyone may include), platform,
# core, package, wizard, install, and at the top app, uninst, tools and bench,
# which include nothing of each other. A folder includes itself and the
# layers below it; a folder outside the order (tests/) is never included.
# Usage: check-layers.sh [SOURCE_ROOT]
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}"
# grep finding nothing (status 1) is a clean tree; a missing folder is an error.
{ grep -rE '^#include "[^"/]+/' resources platform core package wizard install app uninst tools bench ||
  [ $? = 1 ]; } |
  awk -F: 'BEGIN { n = split("resources platform core package wizard install app", o, " ");
                   for (i = 1; i <= n; i++) r[o[i]] = i; r["uninst"] = r["tools"] = r["bench"] = n }
           { split($1, f, "/"); split($2, t, "[\"/]");
             if (t[2] != f[1] && !(r[t[2]] && r[t[2]] < r[f[1]])) { print; bad = 1 } }
           END { exit bad }'
