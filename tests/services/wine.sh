#!/usr/bin/env bash
# How Windows finds and starts its system information tool, cross-compiled
# with mingw-w64 and run under Wine in a fresh prefix, on the real registry
# and program start.
# Usage: wine.sh SOURCE_DIR. Exit status 77: skipped, the tools are missing.
set -euo pipefail
src=$1 cxx=x86_64-w64-mingw32-g++-posix
for tool in "$cxx" wine wineserver; do command -v "$tool" >/dev/null || exit 77; done
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
"$cxx" -std=c++20 -O1 -static -I"$src" -o "$work/probe.exe" "$(dirname "$0")/probe.cpp" \
    "$src/services/system_windows.cpp" &
build=$!
wine wineboot -i >/dev/null 2>&1
wait $build
c=$WINEPREFIX/drive_c key='SOFTWARE\Microsoft\Shared Tools\MSINFO'
tool='C:\Program Files\Quiz Werkzeug\MSINFO32.EXE'
mkdir -p "$c/Program Files/Quiz Werkzeug"
cp "$work/probe.exe" "$c/Program Files/Quiz Werkzeug/MSINFO32.EXE"
cp "$work/probe.exe" "$c/Program.exe" # where an unquoted command line would lead
add() { wine reg add "HKLM\\$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1; }
failed=0
# check EXPECTED: what the probe says; for "started", what the tool noted.
check() {
    local expected=$1 actual
    rm -f "$c/started.txt"
    actual=$(cd "$c" && wine "$work/probe.exe" | tr -d '\r')
    if [ "$actual" = started ]; then
        for _ in $(seq 100); do [ -s "$c/started.txt" ] && break; sleep 0.1; done
        actual="started $(tr -d '\r' <"$c/started.txt")"
    fi
    [ "$actual" = "$expected" ] || { echo "FAIL: '$actual', expected '$expected'"; failed=1; }
}
add 'SOFTWARE\Microsoft\Shared Tools Location' MSINFO REG_SZ 'C:\Program Files\Quiz Werkzeug'
check "started $tool, 0 arguments" # found in the folder
add "$key" PATH REG_SZ "$(printf 'x%.0s' $(seq 1024))"
check "started $tool, 0 arguments" # a path of its own too long to read: the folder is asked
add "$key" PATH REG_BINARY "$(printf '41%.0s' $(seq 1024))"
check unavailable # fills the buffer without a zero: no path, the folder is not asked
add "$key" PATH REG_SZ "$tool"
add 'SOFTWARE\Microsoft\Shared Tools Location' MSINFO REG_SZ 'C:\Fehlt'
wine "$work/probe.exe" lock "$key"
check "started $tool, 0 arguments" # from a read-only key, through a path with blanks
exit $failed
