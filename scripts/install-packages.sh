#!/usr/bin/env bash
# Installs whichever Debian packages of the given lists are missing (as root, or via sudo),
# without the packages they merely recommend.
# Usage: install-packages.sh LIST...
set -euo pipefail

if (($# == 0)); then
    echo "usage: $0 LIST... (files of Debian package names, one a line)" >&2
    exit 2
fi
mapfile -t wanted < <(cat "$@" | grep -v '^\s*#' | sed '/^\s*$/d')
missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
