#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the README's screenshots in docs/screenshots/ from the windows of the current build.
#   scripts/screenshots.sh [build folder]
set -euo pipefail

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
# The first page of the printed worksheet, at a size that reads on a web page.
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$work/worksheet.pdf" "$out/worksheet"
# The answer key is the job's last sheet.
pages=$(pdfinfo "$work/worksheet.pdf" | sed -n 's/^Pages:[[:space:]]*//p')
pdftoppm -png -r 60 -f "$pages" -l "$pages" -singlefile "$work/worksheet.pdf" "$out/key"
ls -1 "$out"
