#!/bin/sh
# Start-up time to the first shown window: Wertungsbrett against a bare Qt
# window with the same furniture, in turn, on the X server in $DISPLAY.
# Usage: startup.sh WERTUNGSBRETT MINIMAL [RUNS]
set -eu
program=$1 yardstick=$2 runs=${3:-15}

# The program stores its window position: keep that away from the user's own.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

# Milliseconds from the start of "$1" until a visible window titled "$2" exists.
time_to_window() {
    start=$(date +%s%N)
    "$1" >/dev/null 2>&1 &
    pid=$!
    deadline=$((start + 30000000000))
    until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do
        if [ "$(date +%s%N)" -gt "$deadline" ]; then
            echo "no window \"$2\" within 30 s" >&2
            kill "$pid" 2>/dev/null
            exit 1
        fi
    done
    end=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo $(( (end - start) / 1000000 ))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: > /tmp/startup.$$.a
: > /tmp/startup.$$.b
i=0
while [ $i -lt "$runs" ]; do
    time_to_window "$program" Wertungsbrett >> /tmp/startup.$$.a
    time_to_window "$yardstick" Minimal >> /tmp/startup.$$.b
    i=$((i + 1))
done
ours=$(median < /tmp/startup.$$.a)
bare=$(median < /tmp/startup.$$.b)
rm -f /tmp/startup.$$.a /tmp/startup.$$.b
echo "start-up to first shown window, median of $runs: Wertungsbrett $ours ms, bare Qt window $bare ms, ratio $(awk "BEGIN { printf \"%.2f\", $ours / $bare }")"
