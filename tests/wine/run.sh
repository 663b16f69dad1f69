#!/usr/bin/env bash
# Runs the system information launcher on Windows' own registry, file search
# and program start: the launcher and its Windows services, cross-compiled
# with mingw-w64, run by probe.exe under Wine in a fresh prefix, with the
# registry values written by `wine reg add`.
# Usage: run.sh ABOUT_SOURCE_DIR. Exit status 77 means skipped (tools missing).
set -euo pipefail
trap 'echo "run.sh: line $LINENO failed" >&2' ERR

about=$1
here=$(cd "$(dirname "$0")" && pwd)
cxx=x86_64-w64-mingw32-g++-posix
for tool in "$cxx" wine wineserver; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is missing (make test installs wine, wine64 and g++-mingw-w64-x86-64-posix)"
        exit 77
    fi
done

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY # nothing here needs a screen
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

# Compile while Wine sets up its prefix; its server stays up between the many
# short runs.
mkdir "$WINEPREFIX"
wineserver -p
flags=(-std=c++20 -O1 -Wall -Wextra -static)
"$cxx" "${flags[@]}" -I"$about" -o "$work/probe.exe" "$here/probe.cpp" \
    "$about/sysinfo.cpp" "$about/sysinfo_windows.cpp" &
probe_build=$!
"$cxx" "${flags[@]}" -o "$work/tool.exe" "$here/tool.cpp" &
tool_build=$!
wine wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log"; exit 1; }
wait $probe_build
wait $tool_build

drive="$WINEPREFIX/drive_c"
tool_key='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
folder_key='HKLM\SOFTWARE\Microsoft\Shared Tools Location'
tool_dir='C:\Program Files\Wertungsbrett Test'
tool="$tool_dir\\MSINFO32.EXE"
unavailable='message "System Information Is Unavailable At This Time"'

# The tool in a folder with a blank, and a decoy where an unquoted command
# line would lead Windows: C:\Program.exe.
mkdir -p "$drive/Program Files/Wertungsbrett Test" "$drive/Program Files/Leer"
cp "$work/tool.exe" "$drive/Program Files/Wertungsbrett Test/MSINFO32.EXE"
cp "$work/tool.exe" "$drive/Program.exe"

fresh() {
    wine reg delete "$tool_key" /f >/dev/null 2>&1 || true
    wine reg delete "$folder_key" /f >/dev/null 2>&1 || true
    rm -f "$drive/started.txt" "$drive/MSINFO32.EXE"
}
# value KEY NAME TYPE DATA
value() {
    wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >"$work/reg.log" 2>&1 ||
        { echo "cannot write $1\\$2:"; cat "$work/reg.log"; return 1; }
}
repeat() { printf "%${2}s" '' | tr ' ' "$1"; }

failures=0
# expect NAME [STARTED]: runs the probe and compares its output with stdin;
# STARTED is the file the tool must have been started from.
expect() {
    local name=$1 started=${2:-} wanted actual proof=""
    wanted=$(cat)
    actual=$(cd "$drive" && wine "$work/probe.exe" | tr -d '\r')
    if [ -n "$started" ]; then
        for _ in $(seq 100); do
            [ -s "$drive/started.txt" ] && break
            sleep 0.1
        done
        proof=$(tr -d '\r' 2>/dev/null <"$drive/started.txt" || true)
        if [ "$proof" != "$started, 0 arguments" ]; then
            echo "FAIL $name: the tool wrote '$proof', expected '$started, 0 arguments'"
            failures=$((failures + 1))
        fi
    fi
    if [ "$actual" != "$wanted" ]; then
        echo "FAIL $name"
        diff <(echo "$wanted") <(echo "$actual") || true
        failures=$((failures + 1))
    elif [ -z "$started" ] || [ "$proof" = "$started, 0 arguments" ]; then
        echo "PASS $name"
    fi
}

fresh
value "$tool_key" PATH REG_SZ "$tool"
expect "found PATH with blanks starts exactly that file" "$tool" <<END
PATH: found "$tool"
MSINFO: missing
start "$tool": started
END

fresh
value "$folder_key" MSINFO REG_SZ "$tool_dir"
expect "no PATH, folder in MSINFO holds the file" "$tool" <<END
PATH: missing
MSINFO: found "$tool_dir"
search "$tool": found
start "$tool": started
END

fresh
value "$folder_key" MSINFO REG_SZ "$tool_dir\\"
expect "folder ending in a backslash" "$tool" <<END
PATH: missing
MSINFO: found "$tool_dir\\"
search "$tool_dir\\\\MSINFO32.EXE": found
start "$tool_dir\\\\MSINFO32.EXE": started
END

fresh
value "$folder_key" MSINFO REG_SZ 'C:\Program Files\Leer'
expect "file missing in the folder" <<END
PATH: missing
MSINFO: found "C:\Program Files\Leer"
search "C:\Program Files\Leer\MSINFO32.EXE": none
$unavailable
END

fresh
value "$tool_key" PATH REG_SZ 'C:\Fehlt\MSINFO32.EXE'
value "$folder_key" MSINFO REG_SZ "$tool_dir"
expect "PATH naming a missing file skips the folder" <<END
PATH: found "C:\Fehlt\MSINFO32.EXE"
MSINFO: found "$tool_dir"
start "C:\Fehlt\MSINFO32.EXE": failed
$unavailable
END

fresh
value "$tool_key" PATH REG_DWORD 42
expect "PATH as REG_DWORD" <<END
PATH: found "42"
MSINFO: missing
start "42": failed
$unavailable
END

fresh
value "$tool_key" PATH REG_EXPAND_SZ "$tool"
expect "PATH as REG_EXPAND_SZ" <<END
PATH: found ""
MSINFO: missing
start "": failed
$unavailable
END

fresh
value "$folder_key" MSINFO REG_EXPAND_SZ "$tool_dir"
cp "$work/tool.exe" "$drive/MSINFO32.EXE"
expect "folder as REG_EXPAND_SZ finds the file at the drive's root" 'C:\MSINFO32.EXE' <<END
PATH: missing
MSINFO: found ""
search "\MSINFO32.EXE": found
start "\MSINFO32.EXE": started
END

fresh
value "$tool_key" PATH REG_SZ "$(repeat x 1023)"
expect "PATH of 1023 characters and its zero fills the buffer" <<END
PATH: found 1023 bytes
MSINFO: missing
start "$(repeat x 1023)": failed
$unavailable
END

fresh
value "$tool_key" PATH REG_SZ "$(repeat x 1024)"
value "$folder_key" MSINFO REG_SZ "$tool_dir"
expect "PATH longer than 1024 bytes counts as missing" "$tool" <<END
PATH: missing
MSINFO: found "$tool_dir"
search "$tool": found
start "$tool": started
END

fresh
value "$tool_key" PATH REG_BINARY "$(repeat 4 2048)"
value "$folder_key" MSINFO REG_SZ "$tool_dir"
expect "PATH of exactly 1024 bytes without a zero" <<END
PATH: error
MSINFO: found "$tool_dir"
$unavailable
END

fresh
expect "neither value" <<END
PATH: missing
MSINFO: missing
$unavailable
END

# Last, as the locked key can no longer be deleted.
fresh
value "$tool_key" PATH REG_SZ "$tool"
(cd "$drive" && wine "$work/probe.exe" lock 'SOFTWARE\Microsoft\Shared Tools\MSINFO')
expect "key that ordinary users may only read" "$tool" <<END
PATH: found "$tool"
MSINFO: missing
start "$tool": started
END

if [ "$failures" -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
