#!/usr/bin/env bash
# Installs the dependencies, builds and starts the desktop program.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"
"$top/tools/build.sh"
exec "${TALVERO_BUILD_DIR:-$top/build}/talvero" "$@"
