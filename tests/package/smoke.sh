#!/usr/bin/env bash
# The .deb as a user gets it: installed with apt-get, which brings what it
# depends on, started by its desktop entry's command on Xvfb with a window
# manager, and closed through the window manager as by the title bar's close
# button (WM_DELETE_WINDOW). It must end by itself, with status 0, having
# stored its window position as it does on every proper close.
# Usage: smoke.sh PACKAGE.deb   (as root, or through sudo)
set -euo pipefail

if [ -z "${SMOKE_ON_XVFB:-}" ]; then
    SMOKE_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

deb=$(realpath "$1")
package=$(dpkg-deb -f "$deb" Package)
as_root=""
[ "$(id -u)" -eq 0 ] || as_root=sudo

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# waitFor SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds.
waitFor() {
    local tries=$(($1 * 10))
    shift
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || return 1
        sleep 0.1
    done
}

echo "Installing $deb"
DEBIAN_FRONTEND=noninteractive $as_root apt-get install --reinstall -y -qq "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt-get install $deb"; }

entry=$(dpkg -L "$package" | grep '^/usr/share/applications/.*\.desktop$') ||
    fail "$package installs no desktop entry"
command=$(sed -n 's/^Exec=//p' "$entry")
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
program=$(command -v "$command") || fail "Exec=$command is not on the PATH"
dpkg -S "$program" >/dev/null 2>&1 || fail "$program does not come from $package"

# The program's settings go to a folder of the test's own.
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
waitFor 10 wmctrl -m || { cat "$work/openbox.log"; fail "the window manager did not start"; }

# Given a minute from start to end; a program still running then is stopped.
timeout 60 "$program" &
program_pid=$!
pids+=("$program_pid")
window=$(timeout 20 xdotool search --sync --onlyvisible --class "^$class\$" | head -n 1) || true
[ -n "$window" ] || fail "no window of class $class appeared"
echo "Window $window is up; closing it through the window manager"

wmctrl -i -c "$window"
status=0
wait "$program_pid" || status=$?
[ "$status" -ne 124 ] || fail "the program was still running a minute after its start"
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ -s "$XDG_CONFIG_HOME/Wertungsbrett.conf" ] || fail "the program ended without storing its settings"
echo "PASS: $package installs, starts from $entry and ends cleanly when its window is closed"
