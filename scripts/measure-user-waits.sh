#!/usr/bin/env bash
# What a user waits for, measured on an X server of its own (Xvfb, no window
# manager), in one run:
#   1. start-up: launch to the splash and to the main window of Zephyrdex,
#      against a plain Qt Widgets program that shows an 800 x 600 window
#      (medians over RUNS alternating runs, and their ratios);
#   2. memory: the proportional set size (PSS) of the process tree after
#      start-up, ten documents and a few letters in the dictionary, against
#      one bare browser view holding a page (each in a process of its own,
#      alternating, three times);
#   3. lists: on the synthetic pack, a keystroke to its list's first paint
#      against the engine loading the same page from a file, and a burst of
#      keys to the last list, with the stale lists counted.
#   scripts/measure-user-waits.sh [BUILD_DIR [RUNS]]   (default build/release, 9)
# BUILD_DIR/bin must hold zephyrdex, its Data and the bench programs
# (cmake --build --preset release).
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/release}/bin
runs=${2:-9}

for program in zephyrdex zephyr_plain_window zephyr_startup_probe zephyr_browser_bench \
    zephyr_list_paint_bench; do
    if [ ! -x "$bin/$program" ]; then
        echo "measure-user-waits: no $bin/$program; build it first" >&2
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
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb

echo "== Start-up (launch to the window mapped)"
"$bin/zephyr_startup_probe" --runs "$runs" \
    -- "$bin/zephyr_plain_window" -- "$bin/zephyrdex" --builds "$builds" 2>/dev/null

echo "== Memory (PSS of the process tree, MiB)"
# Pages shared with another process are split with it: a Zephyrdex or a
# browser engine left running elsewhere lowers every figure below.
if pgrep -x zephyrdex >/dev/null || pgrep QtWebEngineProc >/dev/null; then
    echo "measure-user-waits: warning: other Zephyrdex or browser engine processes are" \
        "running; their shared pages lower the PSS figures" >&2
fi
for _ in 1 2 3; do
    # The yardstick runs with the engine's own defaults, as a minimal
    # program would; the program with its own switches.
    for bench in TreeMemoryOneView TreeMemorySample; do
        defaults=()
        [ "$bench" = TreeMemoryOneView ] && defaults=(ZEPHYR_ENGINE_DEFAULTS=1)
        env "${defaults[@]}" "$bin/zephyr_browser_bench" --benchmark_filter="^BM_$bench/" 2>/dev/null |
            grep -oE "^BM_$bench[^ ]*|pss_mb[a-z_]*=[0-9.]+|processes[a-z_]*=[0-9]+" |
            tr '\n' ' '
        echo
    done
done

echo "== Lists (synthetic pack; time to the first paint)"
"$bin/zephyr_list_paint_bench" 2>/dev/null | grep -E "^BM_|^Benchmark"
