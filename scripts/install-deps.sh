#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing need.
# Does nothing when every package is already present.
set -euo pipefail

packages=(
    cmake ninja-build g++ make
    qt6-base-dev qt6-svg-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-comic-neue fonts-liberation2
    poppler-utils cups cups-client printer-driver-cups-pdf
    clang libclang-rt-14-dev
    xvfb xauth imagemagick librsvg2-bin
    desktop-file-utils appstream
    emscripten chromium
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
# The browser build's tests run under Node.js with npm. A machine that has them from
# elsewhere (NodeSource's package bundles npm) keeps its own; Debian's come otherwise.
for tool in node npm; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        case "$tool" in
            node) missing+=(nodejs) ;;
            npm) missing+=(npm) ;;
        esac
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
