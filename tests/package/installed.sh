#!/usr/bin/env bash
# What `cmake --install` puts in place, checked as a desktop reads it: the
# desktop entry, the AppStream metainfo, and the program and icons they name.
# Usage: installed.sh BUILD_DIR ID
set -euo pipefail
build=$1 id=$2 root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share entry=$root/usr/share/applications/$id.desktop
desktop-file-validate "$entry"
appstreamcli validate-tree --no-net "$root"
program=$(sed -n 's/^Exec=//p' "$entry") icon=$(sed -n 's/^Icon=//p' "$entry")
[ -x "$root/usr/bin/$program" ] || { echo "Exec=$program: no such program (or it takes arguments)"; exit 1; }
for size in 16 32 48 64 128 256; do file=${size}x$size/apps/$icon.png
    [ -f "$share/icons/hicolor/$file" ] || { echo "missing icon $file"; exit 1; }
done
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || { echo "missing icon $icon.svg"; exit 1; }
