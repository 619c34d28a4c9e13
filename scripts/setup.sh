#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/ (or $PARSIVA_BUILD_DIR).
# Sourced by scripts/run, which sets parsiva_for=run: the packages for running only, and the
# program alone; and by scripts/test: the test packages too, and everything.
# Extra arguments go to CMake.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PARSIVA_BUILD_DIR:-$repo/build}"

if [ "${parsiva_for:-test}" = run ]; then
    "$repo/scripts/install-packages.sh" "$repo/scripts/packages-run.txt"
    cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARSIVA_TESTS=OFF "$@" >/dev/null
    cmake --build "$build" -j "$(nproc)" --target parsiva
else
    "$repo/scripts/install-packages.sh" "$repo/scripts/packages-run.txt" "$repo/scripts/packages.txt"
    cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARSIVA_TESTS=ON "$@" >/dev/null
    cmake --build "$build" -j "$(nproc)"
fi
