#!/bin/sh
# Runs a fuzz target over its corpus in the repository. The inputs it finds go to a scratch
# folder, never into that corpus: $SCRATCH when set (kept between runs), else a temporary one.
# Findings (crash-*, leak-*, timeout-*) are written to the current folder.
#
#   tools/fuzz.sh TARGET CORPUS [libFuzzer options: -runs=N, -max_total_time=SECONDS]
set -eu
# The leaks of system libraries that the suite leaves out, each with why.
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$(dirname "$0")/../tests/lsan.supp:print_suppressions=0}"
# A settings file is written and flushed for each input: in memory it takes no disk's time.
if [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
target=$1
corpus=$2
shift 2
if [ -n "${SCRATCH:-}" ]; then
    scratch=$SCRATCH
    mkdir -p "$scratch"
else
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
fi
"$target" -timeout=10 "$@" "$scratch" "$corpus"
