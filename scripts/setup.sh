#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/ (or $PARSIVA_BUILD_DIR).
# Sourced by scripts/run and scripts/test; extra arguments go to CMake.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PARSIVA_BUILD_DIR:-$repo/build}"

"$repo/scripts/install-packages.sh"
cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
