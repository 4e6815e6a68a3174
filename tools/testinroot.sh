#!/usr/bin/env bash
# Runs ./test on a commit in a fresh, minimal Debian root made with mmdebstrap, as on a new
# machine: tools/setup.sh installs what the build and the suite need, and the same source must
# build without a warning and pass there, in another release too. It says how long ./test took
# there, package installs and all. Needs root, mmdebstrap and Debian's package mirror; not part
# of ./test. The output is kept in the log file given.
#
#   tools/testinroot.sh [release [commit [log]]]    (trixie, HEAD, testinroot-RELEASE.log)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
release=${1:-trixie}
commit=$(git -C "$repo" rev-parse --verify "${2:-HEAD}^{commit}")
log=$(realpath -m "${3:-testinroot-$release.log}")
[ "$(id -u)" = 0 ] || { echo "$0 must run as root" >&2; exit 1; }
command -v mmdebstrap >/dev/null || { echo "$0 needs mmdebstrap" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

git -C "$repo" archive -o "$work/source.tar" "$commit"
echo "./test of $commit in Debian $release; the output goes to $log"
status=0
mmdebstrap --quiet --variant=apt "$release" /dev/null \
    --customize-hook='mkdir "$1/source"' \
    --customize-hook="tar-in $work/source.tar /source" \
    --customize-hook='chroot "$1" bash -c "cd /source && start=\$SECONDS && ./test; status=\$?; echo \"== ./test took \$((SECONDS - start)) s\"; exit \$status"' \
    >"$log" 2>&1 || status=$?
# The compilers', linker's and CMake's warnings, the results of both halves and the tests
# that failed.
grep -E '^(/usr/bin/ld|cc1plus|[^ :]+:[0-9]+(:[0-9]+)?): warning:|^CMake Warning|^== |tests passed|\((Failed|Timeout|SEGFAULT)\)' \
    "$log" || true
exit $status
