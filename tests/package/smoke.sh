#!/usr/bin/env bash
# The .deb as a user gets it: installed with apt-get, its desktop entry and
# AppStream metainfo checked as a desktop reads them, with the icons they name
# and the program they start. Usage: smoke.sh PACKAGE.deb   (as root, or
# through sudo)
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
deb=$(realpath "$1") as_root=""
[ "$(id -u)" -eq 0 ] || as_root=sudo
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DEBIAN_FRONTEND=noninteractive $as_root apt-get install --reinstall -y -qq "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt-get install $deb"; }
files=$(dpkg -L "$(dpkg-deb -f "$deb" Package)")
entry=$(grep '^/usr/share/applications/.*\.desktop$' <<<"$files")
desktop-file-validate "$entry"
appstreamcli validate --no-net $(grep '^/usr/share/metainfo/' <<<"$files")
icon=$(sed -n 's/^Icon=//p' "$entry")
for file in {16x16,32x32,48x48,64x64,128x128,256x256}/apps/$icon.png scalable/apps/$icon.svg; do
    [ -f "/usr/share/icons/hicolor/$file" ] || fail "no icon $file"
done
command -v "$(sed -n 's/^Exec=//p' "$entry")" >/dev/null || fail "the entry's program is not on the PATH"
echo "PASS: $deb installs, with its desktop entry, metainfo and icons"
