#!/usr/bin/env bash
# The .deb as a user gets it: installed with apt-get, its desktop entry and
# AppStream metainfo checked as a desktop reads them, with the icons they name;
# started by the entry's command on Xvfb under a window manager and closed
# through it (WM_DELETE_WINDOW). It must end with status 0, its position
# stored. Usage: smoke.sh PACKAGE.deb   (as root, or through sudo)
set -euo pipefail
[ -n "${SMOKE_ON_XVFB:-}" ] || SMOKE_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fail() { echo "FAIL: $*" >&2; exit 1; }
deb=$(realpath "$1") as_root=""
[ "$(id -u)" -eq 0 ] || as_root=sudo
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
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
program=$(command -v "$(sed -n 's/^Exec=//p' "$entry")") || fail "the entry's program is not on the PATH"
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
mkdir -m 700 "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
openbox --sm-disable >/dev/null 2>&1 &
timeout 10 sh -c 'until wmctrl -m >/dev/null 2>&1; do sleep 0.1; done' || fail "no window manager"
timeout 60 "$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --class "^$class\$" | head -n 1) || fail "no window of class $class"
wmctrl -i -c "$window"
wait $pid || fail "the program ended with status $?"
[ -s "$XDG_CONFIG_HOME/Wertungsbrett.conf" ] || fail "no position stored"
echo "PASS: $deb installs, starts from $entry and ends cleanly"
