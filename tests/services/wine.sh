#!/usr/bin/env bash
# The launcher with its Windows services, cross-compiled with mingw-w64 and run
# under Wine in a fresh prefix against the real registry and program start.
# Usage: wine.sh SOURCE_DIR. Exit status 77: skipped, the tools are missing.
set -euo pipefail
src=$1 here=$(cd "$(dirname "$0")" && pwd) cxx=x86_64-w64-mingw32-g++-posix
for tool in "$cxx" wine wineserver; do
    command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }
done
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
flags=(-std=c++20 -O1 -static -I"$src")
"$cxx" "${flags[@]}" -o "$work/probe.exe" "$here/probe.cpp" "$src/about/sysinfo.cpp" \
    "$src/services/system_windows.cpp" &
"$cxx" "${flags[@]}" -o "$work/tool.exe" "$here/tool.cpp" &
wine wineboot -i >/dev/null 2>&1
wait %1 %2

c=$WINEPREFIX/drive_c tool_key='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
folder_key='HKLM\SOFTWARE\Microsoft\Shared Tools Location'
mkdir -p "$c/Program Files/Quiz Werkzeug"
cp "$work/tool.exe" "$c/Program Files/Quiz Werkzeug/MSINFO32.EXE"
cp "$work/tool.exe" "$c/Program.exe" # where an unquoted command line would lead
failures=0
# check NAME EXPECTED COMMAND...: compares the probe's output, and which file
# the started tool says it was, with EXPECTED.
check() {
    local name=$1 expected=$2 actual
    shift 2
    rm -f "$c/started.txt"
    actual=$(cd "$c" && wine "$work/probe.exe" "$@" | tr -d '\r')
    if [ "$actual" = started ]; then
        for _ in $(seq 100); do [ -s "$c/started.txt" ] && break; sleep 0.1; done
        actual="$actual $(tr -d '\r' <"$c/started.txt")"
    fi
    if [ "$actual" = "$expected" ]; then echo "PASS $name"; else
        echo "FAIL $name: got '$actual', expected '$expected'"; failures=$((failures + 1)); fi
}
add() { wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1; }
tool='C:\Program Files\Quiz Werkzeug\MSINFO32.EXE'

check "nothing registered" unavailable
add "$folder_key" MSINFO REG_SZ 'C:\Program Files\Quiz Werkzeug'
check "the folder holds the tool" "started $tool, 0 arguments"
add "$tool_key" PATH REG_SZ 'C:\Fehlt\MSINFO32.EXE'
check "a missing path is not looked up again" unavailable
add "$tool_key" Zahl REG_DWORD 305419896
check "DWORD" "found 9 305419896" get 'SOFTWARE\Microsoft\Shared Tools\MSINFO' Zahl
add "$tool_key" Lang REG_SZ "$(printf 'x%.0s' $(seq 1023))"
check "1023 characters" "found 1023 $(printf 'x%.0s' $(seq 60))" get 'SOFTWARE\Microsoft\Shared Tools\MSINFO' Lang
add "$tool_key" Lang REG_SZ "$(printf 'x%.0s' $(seq 1024))"
check "1024 characters do not fit" "missing 0 " get 'SOFTWARE\Microsoft\Shared Tools\MSINFO' Lang
add "$tool_key" PATH REG_SZ "$tool"
wine "$work/probe.exe" lock 'SOFTWARE\Microsoft\Shared Tools\MSINFO'
check "read-only key, path with blanks" "started $tool, 0 arguments"
echo "$((7 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
