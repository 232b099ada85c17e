#!/usr/bin/env bash
# Installs the given Debian packages that are not installed yet; does nothing otherwise.
# Usage: install-packages.sh [--no-install-recommends] PACKAGE...
set -euo pipefail
options=()
if [ "${1:-}" = --no-install-recommends ]; then
    options+=("$1")
    shift
fi
missing=()
for package in "$@"; do
    if [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]; then
        missing+=("$package")
    fi
done
((${#missing[@]})) || exit 0
sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${options[@]}" "${missing[@]}"
