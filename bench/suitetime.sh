#!/usr/bin/env bash
# How long ./test takes a contributor: from a fresh clone (the packages already installed), again
# with nothing changed, and after one source file of the reading is touched; and ./test quick
# after that touch. Each is timed three times in a clone of the commit of its own, and the
# median printed. Needs what ./test installs; takes about half an hour on two cores.
#
#   bench/suitetime.sh [commit]      (HEAD by default)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$repo" rev-parse --verify "${1:-HEAD}^{commit}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

timed() { # label command...: prints the seconds taken; fails when the command does
    local start=$SECONDS
    "${@:2}" >"$work/$1.log" 2>&1 || { echo "$1 failed; its output:" >&2; cat "$work/$1.log" >&2; exit 1; }
    echo $((SECONDS - start))
}
median() { printf '%s\n' "$@" | sort -n | sed -n 2p; }

fresh=() again=() touched=() quick=()
for run in 1 2 3; do
    clone=$work/clone-$run
    git clone -q "$repo" "$clone"
    git -C "$clone" checkout -q "$commit"
    fresh+=("$(timed fresh "$clone/test")")
    again+=("$(timed again "$clone/test")")
    touch "$clone/src/reading/frmmain.cpp"
    touched+=("$(timed touched "$clone/test")")
    touch "$clone/src/reading/frmmain.cpp"
    quick+=("$(timed quick "$clone/test" quick)")
    rm -rf "$clone"
done
echo "./test of $(git -C "$repo" log -1 --format=%h "$commit") on $(nproc) processors, median of three (each run):"
echo "  from a fresh clone, packages installed:  $(median "${fresh[@]}") s  (${fresh[*]})"
echo "  again, nothing changed:                  $(median "${again[@]}") s  (${again[*]})"
echo "  after touching src/reading/frmmain.cpp:  $(median "${touched[@]}") s  (${touched[*]})"
echo "  ./test quick after the same touch:       $(median "${quick[@]}") s  (${quick[*]})"
