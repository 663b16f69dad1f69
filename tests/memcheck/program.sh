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
# Under the checker the program is slow to answer: a key may come before the
# menu is open, so the keys are sent again while the program still runs.
for attempt in 1 2 3; do
    xdotool windowfocus --sync "$window" key --delay 500 alt+d b || true
    for tick in $(seq 60); do
        kill -0 "$pid" 2>/dev/null || break 2
        sleep 0.5
    done
done
wait "$pid"
