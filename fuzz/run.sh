#!/bin/sh
# Runs every fuzz harness for SECONDS seconds (default 60), one after the
# other in a single process each, on a copy of its seed corpus so that
# fuzz/corpus stays as committed. Prints the executions and findings (crash-,
# leak-, timeout- and oom- files) per harness; exits 1 when anything was
# found or a harness did not run.
set -eu

seconds=${1:-60}
case $seconds in
'' | *[!0-9]*)
    echo "usage: $0 [SECONDS]" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz
work=$build/fuzz-run

cd "$root"
if [ ! -f "$build/build.ninja" ]; then
    cmake --preset fuzz >/dev/null
fi
cmake --build --preset fuzz -j 2 >/dev/null

rm -rf "$work"
mkdir -p "$work"
status=0
printf '%-22s %12s %9s\n' harness executions findings
for corpus in "$root"/fuzz/corpus/*/; do
    name=$(basename "$corpus")
    dir=$work/$name
    mkdir -p "$dir/corpus" "$dir/artifacts" "$dir/tmp"
    cp "$corpus"* "$dir/corpus/"
    # Temporary packs go below the run folder, so a crash leaves nothing in /tmp.
    TMPDIR=$dir/tmp UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/bin/fuzz_$name" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$dir/artifacts/" "$dir/corpus" \
        >"$dir/log" 2>&1 || true
    rm -rf "$dir/tmp"
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -n 1)
    findings=$(find "$dir/artifacts" -type f \
        \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
    if [ -z "$executions" ]; then
        executions="did not run"
        status=1
    fi
    printf '%-22s %12s %9s\n' "$name" "$executions" "$findings"
    if [ "$findings" -gt 0 ]; then
        status=1
        find "$dir/artifacts" -type f | sed 's/^/    /'
    fi
done
if [ "$status" -ne 0 ]; then
    echo "logs: $work/<harness>/log" >&2
fi
exit "$status"
