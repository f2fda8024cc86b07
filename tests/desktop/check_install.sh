#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built program into a scratch prefix and checks that the desktop finds it: the
# entry starts an installed program, names an installed icon, and the metainfo names the entry.
#   check_install.sh <build folder> <application id>
set -euo pipefail

build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$desktop" ] || { echo "FAIL: no $desktop"; exit 1; }
[ -f "$metainfo" ] || { echo "FAIL: no $metainfo"; exit 1; }
desktop-file-validate "$desktop" || fail "the installed desktop entry does not validate"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Name)" = "Zelmorio di operazioni" ] || fail "Name is '$(key Name)'"
[ "$(key Categories)" = "Education;Math;Qt;" ] || fail "Categories is '$(key Categories)'"
exec_name=$(key Exec | cut -d' ' -f1)
[ -x "$prefix/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
[ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)', not the application id"

grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not launch $id.desktop"

icons=$prefix/share/icons/hicolor
[ -s "$icons/scalable/apps/$id.svg" ] || fail "no scalable icon"
# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }
for size in 16 24 32 48 64 128 256; do
    png=$icons/${size}x${size}/apps/$id.png
    if [ ! -s "$png" ]; then
        fail "no ${size}x${size} icon"
    elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
        fail "the ${size}x${size} icon is $(png_size "$png")"
    fi
done

# The manual pages, English and Italian, compressed and readable by man.
for page in man/man1/zelmorio.1.gz man/it/man1/zelmorio.1.gz; do
    if [ ! -s "$prefix/share/$page" ]; then
        fail "no $page"
    elif ! man -l "$prefix/share/$page" 2>/dev/null | grep -q "zelmorio --righe"; then
        fail "man -l does not show $page"
    fi
done

[ "$failures" -eq 0 ] || exit 1
echo "installed tree is complete"
