# Sourced first by the project's scripts: stops at the first failure, and sets
#   root   the repository
#   build  the build tree: SETUP_BUILD_DIR, else build/ (exported, so that
#          the scripts started from here use the same one)
#   windows_path PATH  prints PATH as Wine shows it (the Linux root is Z:)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${SETUP_BUILD_DIR:-$root/build}
export SETUP_BUILD_DIR=$build
windows_path() { echo "Z:$(tr / '\\' <<<"$1")"; }
