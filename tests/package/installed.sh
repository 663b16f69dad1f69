#!/usr/bin/env bash
# What `cmake --install` puts in place, checked as a desktop reads it: the
# desktop entry with desktop-file-validate, the AppStream metainfo with
# appstreamcli, alone and together with the entry it names, and the program
# and icon the entry names.
# Usage: installed.sh BUILD_DIR ID
set -euo pipefail

build=$1 id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share
entry=$share/applications/$id.desktop

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}
field() { sed -n "s/^$1=//p" "$entry"; }

desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate $id.metainfo.xml"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

# The program takes no arguments, so the entry passes none (no %f, %u, ...).
program=$(field Exec)
case $program in
*[[:space:]%]*) fail "Exec=$program passes arguments" ;;
esac
[ -x "$root/usr/bin/$program" ] || fail "Exec=$program is no installed program"

icon=$(field Icon)
for size in 16 32 48 64 128 256; do
    [ -f "$share/icons/hicolor/${size}x$size/apps/$icon.png" ] ||
        fail "Icon=$icon is missing in ${size}x$size"
done
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon is missing as SVG"
exit $failed
