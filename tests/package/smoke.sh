#!/usr/bin/env bash
# Usage: smoke.sh PACKAGE.deb (as root, or through sudo): installs it, checks what it installed.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
deb=$(realpath "$1") as_root=""
[ "$(id -u)" -eq 0 ] || as_root=sudo
said=$(DEBIAN_FRONTEND=noninteractive $as_root apt-get install --reinstall -y -qq "$deb" 2>&1) ||
    { echo "$said"; fail "apt-get install $deb"; }
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
