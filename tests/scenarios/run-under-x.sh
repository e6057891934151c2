#!/usr/bin/env bash
# Runs a program on an X server of its own (Xvfb), with or without a window
# manager, as a user's desktop would show it:
#   run-under-x.sh none|openbox PROGRAM [ARGUMENTS...]
# Exits 77 (a skipped test to CTest) with a line saying why when no X server
# can start here; never passes without running.
set -uo pipefail

manager=$1
shift

skip() {
    echo "SKIPPED: $*; the scenarios need a real X server" >&2
    exit 77
}

command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed"
command -v xdotool >/dev/null 2>&1 || skip "xdotool is not installed"
if [ "$manager" = openbox ]; then
    command -v openbox >/dev/null 2>&1 || skip "openbox is not installed"
fi

workdir=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$workdir"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to the pipe.
mkfifo "$workdir/display"
Xvfb -displayfd 3 -screen 0 2560x1440x24 -nolisten tcp 3>"$workdir/display" \
    2>"$workdir/xvfb.log" &
pids+=($!)
display=""
if ! read -r -t 15 display <"$workdir/display" || [ -z "$display" ]; then
    skip "Xvfb did not start ($(tail -1 "$workdir/xvfb.log"))"
fi
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb
export ZEPHYR_WINDOW_MANAGER=$manager

if [ "$manager" = openbox ]; then
    openbox >"$workdir/openbox.log" 2>&1 &
    pids+=($!)
    # Ready once it has claimed the screen.
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi

"$@"
