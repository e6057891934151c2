#!/bin/sh
# Runs every fuzz harness for SECONDS seconds (default 60) on a copy of its
# seed corpus, so that fuzz/corpus stays as committed. FUZZ_JOBS=N (default 1)
# runs N harnesses at a time. Prints the executions and findings (crash-,
# leak-, timeout- and oom- files) per harness; exits 1 when anything was
# found or a harness did not run.
set -eu

seconds=${1:-60}
jobs=${FUZZ_JOBS:-1}
for number in "$seconds" "$jobs"; do
    case $number in
    '' | *[!0-9]* | 0)
        echo "usage: [FUZZ_JOBS=N] $0 [SECONDS]" >&2
        exit 2
        ;;
    esac
done

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz
work=$build/fuzz-run

cd "$root"
if [ ! -f "$build/build.ninja" ]; then
    cmake --preset fuzz >/dev/null
fi
cmake --build --preset fuzz -j 2 >/dev/null

names=$(for corpus in "$root"/fuzz/corpus/*/; do basename "$corpus"; done)

run_harness() {
    dir=$work/$1
    mkdir -p "$dir/corpus" "$dir/artifacts" "$dir/tmp"
    cp "$root/fuzz/corpus/$1/"* "$dir/corpus/"
    # Temporary packs go below the run folder, so a crash leaves nothing in /tmp.
    TMPDIR=$dir/tmp UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/bin/fuzz_$1" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$dir/artifacts/" "$dir/corpus" \
        >"$dir/log" 2>&1 || true
    rm -rf "$dir/tmp"
}

# Lane k of FUZZ_JOBS runs harnesses k, k+N, k+2N, ... one after the other.
rm -rf "$work"
mkdir -p "$work"
lane=0
while [ "$lane" -lt "$jobs" ]; do
    (
        index=0
        for name in $names; do
            if [ $((index % jobs)) -eq "$lane" ]; then
                run_harness "$name"
            fi
            index=$((index + 1))
        done
    ) &
    lane=$((lane + 1))
done
wait

status=0
printf '%-22s %12s %9s\n' harness executions findings
for name in $names; do
    dir=$work/$name
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
