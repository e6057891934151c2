#!/usr/bin/env bash
# Start-up as the user waits for it, on a bare X server of its own (Xvfb):
# launch to the splash and to the main window of Zephyrdex, against a plain
# Qt Widgets program that shows an 800 x 600 window, measured in one run,
# alternating. Prints the medians and their ratios to the plain program.
#   scripts/measure-startup.sh [BUILD_DIR [RUNS]]   (default build/release, 9)
# BUILD_DIR/bin must hold zephyrdex, its Data and the two bench programs
# (cmake --build --preset release).
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/release}/bin
runs=${2:-9}

for program in zephyrdex zephyr_plain_window zephyr_startup_probe; do
    if [ ! -x "$bin/$program" ]; then
        echo "measure-startup: no $bin/$program; build it first" >&2
        exit 2
    fi
done

display=99
while [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
builds=$(mktemp -d)
trap 'kill $server 2>/dev/null; rm -rf "$builds"' EXIT
for _ in $(seq 100); do
    [ -e /tmp/.X11-unix/X$display ] && break
    sleep 0.05
done

DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$bin/zephyr_startup_probe" --runs "$runs" \
    -- "$bin/zephyr_plain_window" -- "$bin/zephyrdex" --builds "$builds"
