#!/bin/sh
# One start and close of the program under a checker, on the X server that
# xvfb-run provides: waits for the main window, ends the program by
# File > "Beenden" and passes on the checker's exit status. The settings go to
# a temporary folder. Usage: program.sh PROGRAM CHECKER [CHECKER-ARGUMENT...]
set -eu
program=$1
shift
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

XDG_CONFIG_HOME=$config "$@" "$program" &
pid=$!
# The checker runs the program in its own process, so the window has its id.
window=$(timeout 120 xdotool search --sync --onlyvisible --pid "$pid" --name '^Wertungsbrett$' | head -n 1)
if [ -z "$window" ]; then
    kill "$pid"
    echo "no main window within two minutes" >&2
    exit 1
fi
xdotool windowfocus --sync "$window" key --delay 500 alt+d b
wait "$pid"
