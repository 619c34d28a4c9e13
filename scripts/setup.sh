#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/ through a CMake preset
# (CMakePresets.json). Sourced by scripts/run, which sets parsiva_for=run: the packages for
# running only, the `run` preset, and the program alone; and by scripts/test: the test packages
# too, the `normal` preset, and everything.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$repo/build"
jobs="$(nproc)"
cd "$repo"

if [ "${parsiva_for:-test}" = run ]; then
    "$repo/scripts/install-packages.sh" "$repo/scripts/packages-run.txt"
    "$repo/scripts/configure" run "$build"
    cmake --build --preset run -j "$jobs"
else
    "$repo/scripts/install-packages.sh" "$repo/scripts/packages-run.txt" "$repo/scripts/packages.txt"
    "$repo/scripts/configure" normal "$build"
    cmake --build --preset normal -j "$jobs"
fi
