#!/bin/sh
# Runs every fuzzing harness of the fuzz build (cmake --preset fuzz && cmake --build --preset fuzz;
# this script builds nothing) for a bounded time, starting from its seeds and from the corpus that
# earlier runs kept, and fails when a harness finds a crash, a broken property, a leak, a timeout
# or too much memory. It prints each harness's number of runs and, for each input that failed, its
# path and its bytes in hex.
#
#   tools/run-fuzzers.sh [BUILD_FOLDER]        (default: build-fuzz)
#
# Environment: FUZZ_SECONDS, the time of each harness (default 20); FUZZ_HARNESSES, the harnesses
# to run (default: all).
set -u
cd "$(dirname "$0")/.."
build=${1:-build-fuzz}
seconds=${FUZZ_SECONDS:-20}
harnesses=${FUZZ_HARNESSES:-"field_reader number_text code_page settings hand_over caption_tables
    help_text saturation_table project_files report_reader catalogue_list variants_file"}

run=$build/fuzz-run
rm -rf "$run/seeds" "$run/logs"
mkdir -p "$run/logs" "$run/corpus" "$run/artifacts"
tools/fuzz-seeds.sh "$run/seeds" || exit 2

# The harnesses' scratch folders go into a temporary folder of this run, removed at its end; in
# memory where there is such a folder, as the checks write and sync files on every input.
base=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && base=/dev/shm
TMPDIR=$(mktemp -d "$base/tessaro-fuzzers-XXXXXX") || exit 2
export TMPDIR
trap 'chmod -R u+w "$TMPDIR" 2>/dev/null; rm -rf "$TMPDIR"' EXIT INT TERM

failed=""
for harness in $harnesses; do
    program=$build/fuzz/fuzz_$harness
    if [ ! -x "$program" ]; then
        echo "run-fuzzers.sh: $program is missing; build the preset fuzz first" >&2
        failed="$failed $harness"
        continue
    fi
    corpus=$run/corpus/$harness
    artifacts=$run/artifacts/$harness
    log=$run/logs/$harness.log
    rm -rf "$artifacts"
    mkdir -p "$corpus" "$artifacts" "$run/seeds/$harness"
    "$program" -max_total_time="$seconds" -rss_limit_mb=512 -timeout=5 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$corpus" "$run/seeds/$harness" >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [ $status -eq 0 ]; then
        printf '%-18s passed  %10s runs\n' "$harness" "${runs:-?}"
        continue
    fi
    failed="$failed $harness"
    printf '%-18s FAILED  %10s runs (exit status %s, log %s)\n' "$harness" "${runs:-?}" \
        "$status" "$log"
    grep -E '^==== property violated|ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|runtime error|^SUMMARY' \
        "$log" | head -n 8 | sed 's/^/    /'
    for input in "$artifacts"/*; do
        [ -f "$input" ] || continue
        echo "    input: $input ($(wc -c <"$input") bytes)"
        od -A x -t x1z -v "$input" | head -n 64 | sed 's/^/      /'
    done
done

if [ -n "$failed" ]; then
    echo "run-fuzzers.sh: failed:$failed" >&2
    exit 1
fi
echo "run-fuzzers.sh: every harness passed"
