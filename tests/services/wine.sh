#!/usr/bin/env bash
# The launcher with its Windows services, cross-compiled with mingw-w64 and run
# under Wine in a fresh prefix, on the real registry and program start.
# Usage: wine.sh SOURCE_DIR. Exit status 77: skipped, the tools are missing.
set -euo pipefail
src=$1 here=$(dirname "$0") cxx=x86_64-w64-mingw32-g++-posix
for tool in "$cxx" wine wineserver; do command -v "$tool" >/dev/null || exit 77; done
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
"$cxx" -std=c++20 -O1 -static -I"$src" -o "$work/probe.exe" "$here/probe.cpp" \
    "$src/about/sysinfo.cpp" "$src/services/system_windows.cpp" &
"$cxx" -O1 -static -o "$work/tool.exe" "$here/tool.cpp" &
wine wineboot -i >/dev/null 2>&1
wait %1 %2
c=$WINEPREFIX/drive_c key='SOFTWARE\Microsoft\Shared Tools\MSINFO'
tool='C:\Program Files\Quiz Werkzeug\MSINFO32.EXE'
mkdir -p "$c/Program Files/Quiz Werkzeug"
cp "$work/tool.exe" "$c/Program Files/Quiz Werkzeug/MSINFO32.EXE"
cp "$work/tool.exe" "$c/Program.exe" # where an unquoted command line would lead
add() { wine reg add "HKLM\\$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1; }
passed=0 failed=0
# check NAME EXPECTED [get VALUE]: the probe's answer, and the file the started
# tool says it was started as.
check() {
    local name=$1 expected=$2 actual
    shift 2
    rm -f "$c/started.txt"
    actual=$(cd "$c" && wine "$work/probe.exe" "$@" | tr -d '\r')
    if [ "$actual" = started ]; then
        for _ in $(seq 100); do [ -s "$c/started.txt" ] && break; sleep 0.1; done
        actual="started $(tr -d '\r' <"$c/started.txt")"
    fi
    if [ "$actual" = "$expected" ]; then passed=$((passed + 1)); else
        echo "FAIL $name: '$actual', expected '$expected'"; failed=$((failed + 1)); fi
}
x1023=$(printf 'x%.0s' $(seq 1023))
check "nothing registered" unavailable
add 'SOFTWARE\Microsoft\Shared Tools Location' MSINFO REG_SZ 'C:\Program Files\Quiz Werkzeug'
check "the folder holds the tool" "started $tool, 0 arguments"
add "$key" PATH REG_SZ 'C:\Fehlt\MSINFO32.EXE'
check "a missing path is not looked up again" unavailable
add "$key" Zahl REG_DWORD 305419896
check "DWORD" "found 305419896" get "$key" Zahl
add "$key" Lang REG_SZ "$x1023"
check "1023 characters fit" "found $x1023" get "$key" Lang
add "$key" Lang REG_SZ "${x1023}x"
check "1024 characters do not" "missing " get "$key" Lang
add "$key" PATH REG_SZ "$tool"
wine "$work/probe.exe" lock "$key"
check "read-only key, a path with blanks" "started $tool, 0 arguments"
echo "wine: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
