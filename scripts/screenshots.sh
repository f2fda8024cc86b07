#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the README's screenshots in docs/screenshots/ from the windows of the current build.
#   scripts/screenshots.sh [build folder]
set -euo pipefail
shopt -s extglob

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out=$root/docs/screenshots

cmake --build "$build" --target zelmorio_screenshots
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 700 "$work"

# Headless and in a private runtime folder; the program's texts do not depend on the locale.
# The offscreen platform's notices about raising windows are noise: show them only on failure.
if ! QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work \
        "$build/tools/zelmorio_screenshots" "$work" >"$work/log" 2>&1; then
    cat "$work/log"
    exit 1
fi

mkdir -p "$out"
for shot in menu integer decimal case printdialog; do
    cp "$work/$shot.png" "$out/$shot.png"
done
# The first page of the key: the first sheet whose heading starts with "Soluzioni".
key_page() {
    local pages page first
    pages=$(pdfinfo "$1" | sed -n 's/^Pages:[[:space:]]*//p')
    for ((page = 1; page <= pages; ++page)); do
        first=$(pdftotext -f "$page" -l "$page" "$1" - | awk 'NF && !done { print; done = 1 }')
        if [[ $first == *([[:space:]])Soluzioni* ]]; then
            echo "$page"
            return
        fi
    done
    echo "screenshots: no answer key in $1" >&2
    exit 1
}

# The first page of each printed worksheet and of its key, at a size that reads on a web page.
page() { # pdf page picture
    pdftoppm -png -r 60 -f "$2" -l "$2" -singlefile "$1" "$out/$3"
}
for sheet in worksheet:key columns:columns-key; do
    pdf=$work/${sheet%%:*}.pdf
    key=$(key_page "$pdf")
    page "$pdf" 1 "${sheet%%:*}"
    page "$pdf" "$key" "${sheet#*:}"
done
ls -1 "$out"
