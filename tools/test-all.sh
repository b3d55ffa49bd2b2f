#!/bin/sh
# Every test, as CI runs them: the release build and its tests, the Debian package built from it
# and checked by Debian's tools, the build with AddressSanitizer and UndefinedBehaviorSanitizer and
# the same tests (the windows' offscreen tests included), then the fuzzing build and a bounded run
# of every fuzzing harness. Each stage runs even when one before it
# failed; the time of each stage is printed, and the script fails when any stage failed.
set -u
cd "$(dirname "$0")/.."

failed=""
summary=""

seconds_text() {
    printf '%dm%02ds' $(($1 / 60)) $(($1 % 60))
}

# stage NAME COMMAND: runs COMMAND (a shell command line) as one stage.
stage() {
    name=$1
    echo "==== $name: $2"
    start=$(date +%s)
    if sh -c "$2"; then
        result=passed
    else
        result=FAILED
        failed="$failed $name"
    fi
    elapsed=$(($(date +%s) - start))
    line=$(printf '%-11s %-7s %s' "$name" "$result" "$(seconds_text $elapsed)")
    echo "==== $line"
    summary="$summary$line
"
}

begin=$(date +%s)
stage default "cmake --preset default && cmake --build --preset default && ctest --preset default"
stage packaging "tools/check-package.sh build"
stage sanitizers "cmake --preset debug && cmake --build --preset debug && ctest --preset debug"
stage fuzzing "cmake --preset fuzz && cmake --build --preset fuzz && tools/run-fuzzers.sh"

echo "==== stages"
printf '%s' "$summary"
echo "total                $(seconds_text $(($(date +%s) - begin)))"
if [ -n "$failed" ]; then
    echo "test-all.sh: failed:$failed" >&2
    exit 1
fi
echo "test-all.sh: every stage passed"
