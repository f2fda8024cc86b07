#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package without touching the machine's installed programs: its
# dependencies, a dry-run install, its files unpacked into a scratch root, Debian's own
# package checker lintian, and a start of the unpacked program that must reach its main menu.
#   scripts/check-deb.sh <package.deb | build folder>
set -euo pipefail

# Set-up: lintian is needed only here, not to build, run or test the program.
if ! command -v lintian >/dev/null; then
    echo "Installing lintian"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends lintian
fi

app_id=io.github.zelmorio.Zelmorio
deb=${1:?usage: check-deb.sh <package.deb | build folder>}
if [ -d "$deb" ]; then
    deb=$(ls -t "$deb"/zelmorio_*.deb 2>/dev/null | head -n 1)
    [ -n "$deb" ] || { echo "check-deb: no zelmorio_*.deb in $1 (run make package)"; exit 1; }
fi

failures=0
ok() { echo "  ok   $*"; }
bad() { echo "  FAIL $*"; failures=$((failures + 1)); }

echo "Checking $deb"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 libqt6svg6 libcups2 \
              qt6-translations-l10n fonts-comic-neue fonts-liberation2; do
    if grep -Eq "(^|, )$needed( |,|$)" <<<"$depends"; then ok "depends on $needed"; else bad "no dependency on $needed"; fi
done

# A dry run asks dpkg whether the package would install here, dependencies included.
if [ "$(id -u)" -eq 0 ]; then
    if dpkg --dry-run -i "$deb" >/dev/null; then ok "dpkg --dry-run -i"; else bad "dpkg --dry-run -i"; fi
else
    echo "  skip dpkg --dry-run (needs root)"
fi

scratch=$(mktemp -d)
server_pid=
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
root=$scratch/root
dpkg -x "$deb" "$root"

for f in usr/bin/zelmorio \
         usr/share/applications/$app_id.desktop \
         usr/share/metainfo/$app_id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$app_id.svg \
         usr/share/icons/hicolor/48x48/apps/$app_id.png \
         usr/share/icons/hicolor/256x256/apps/$app_id.png \
         usr/share/doc/zelmorio/copyright \
         usr/share/doc/zelmorio/changelog.gz \
         usr/share/man/man1/zelmorio.1.gz \
         usr/share/man/it/man1/zelmorio.1.gz; do
    if [ -s "$root/$f" ]; then ok "/$f"; else bad "/$f missing"; fi
done
[ -x "$root/usr/bin/zelmorio" ] || bad "/usr/bin/zelmorio is not executable"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop" && ok "desktop entry validates" \
    || bad "desktop entry does not validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null \
    && ok "metainfo validates" || bad "metainfo does not validate"

# The manual pages read without a warning from man.
for page in usr/share/man/man1/zelmorio.1.gz usr/share/man/it/man1/zelmorio.1.gz; do
    if [ -s "$root/$page" ] && [ -z "$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$root/$page" 2>&1 >/dev/null)" ]; then
        ok "man -l /$page"
    else
        bad "man -l /$page warns or fails"
    fi
done

# The package's version is the newest entry of its changelog and of the metainfo's releases.
version=$(dpkg-deb -f "$deb" Version)
if zcat "$root/usr/share/doc/zelmorio/changelog.gz" 2>/dev/null | head -n 1 | grep -qF "zelmorio ($version) "; then
    ok "changelog starts with $version"
else
    bad "changelog does not start with $version"
fi
if grep -m 1 '<release ' "$root/usr/share/metainfo/$app_id.metainfo.xml" | grep -qF "version=\"$version\""; then
    ok "metainfo's newest release is $version"
else
    bad "metainfo's newest release is not $version"
fi

# lintian as Debian runs it; any error or warning fails. Overrides, each with the reason it is
# right for this package, would be in /usr/share/lintian/overrides/zelmorio.
if lintian --tag-display-limit 0 --fail-on error,warning "$deb" 2>"$scratch/lintian.err" >"$scratch/lintian.out"; then
    ok "lintian reports no error and no warning"
else
    bad "lintian:"
    sed 's/^/         /' "$scratch/lintian.out"
    grep -v 'running with root privileges' "$scratch/lintian.err" | sed 's/^/         /' || true
fi

# Start the unpacked program on a private X server, take a picture of the screen and look
# for the main menu's background colour in it.
runtime=$scratch/runtime
mkdir -m 700 "$runtime"
if command -v Xvfb >/dev/null && command -v import >/dev/null; then
    display=:$((90 + RANDOM % 400))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
    server_pid=$!
    for _ in $(seq 50); do
        DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
        [ -e "/tmp/.X11-unix/X${display#:}" ] && break
        sleep 0.1
    done
    DISPLAY=$display XDG_RUNTIME_DIR=$runtime "$root/usr/bin/zelmorio" >"$scratch/run.log" 2>&1 &
    program_pid=$!
    sleep 3
    if kill -0 "$program_pid" 2>/dev/null; then
        ok "the program is running after 3 s"
        DISPLAY=$display import -window root "$scratch/screen.png"
        # Read the whole histogram first: grep -q stopping early would break convert's pipe,
        # and with pipefail that fails the check even though the colour is there.
        histogram=$(convert "$scratch/screen.png" -format %c histogram:info:-)
        if grep -qi '#FFC0C0' <<<"$histogram"; then
            ok "the main menu is on the screen"
        else
            bad "the main menu's colour is not on the screen"
        fi
        kill "$program_pid"
        wait "$program_pid" 2>/dev/null || true
    else
        wait "$program_pid" && rc=0 || rc=$?
        bad "the program ended with status $rc"
        cat "$scratch/run.log"
    fi
else
    # Without an X server: still running after some seconds, with no crash, is the test.
    rc=0
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime timeout 3 "$root/usr/bin/zelmorio" || rc=$?
    if [ "$rc" -eq 124 ]; then ok "the program is running after 3 s (offscreen)"; else bad "the program ended with status $rc"; fi
fi

if [ "$failures" -ne 0 ]; then
    echo "check-deb: $failures check(s) failed"
    exit 1
fi
echo "check-deb: the package installs and starts"
