#!/usr/bin/env bash
# The Windows resource compiled as a Windows build does, here with
# mingw-w64's windres, then read back: the file version is the project's and
# the icon holds the program icon's three pictures.
# Usage: windows-resource.sh RC VERSION
# Exit status 77 means skipped (windres missing).
set -euo pipefail

rc=$1 version=$2
windres=x86_64-w64-mingw32-windres
if ! command -v $windres >/dev/null; then
    echo "skipped: $windres is missing (make test installs gcc-mingw-w64-x86-64-posix)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

$windres -i "$rc" -O res -o "$work/program.res"
$windres -i "$work/program.res" -O rc >"$work/program.rc"

failed=0
expect() {
    if ! grep -q -- "$1" "$work/program.rc"; then
        echo "FAIL: no \"$1\" in the resource"
        failed=1
    fi
}
expect "^ *FILEVERSION ${version//./, }\$"
expect "^ *PRODUCTVERSION ${version//./, }\$"
expect "VALUE \"FileVersion\", \"$version\""
expect "RT_GROUP_ICON"
expect "Has 3 elements"
[ $failed -eq 0 ] || sed -n '/VERSIONINFO/,$p' "$work/program.rc"
exit $failed
