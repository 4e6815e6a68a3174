#!/usr/bin/env bash
# Builds the Debian package of one commit twice, from copies in two folders of different
# depths, with SOURCE_DATE_EPOCH set to the commit's time, and checks that the two packages are
# the same bytes. Needs what `tools/setup.sh test` installs.
#
#   tools/reproducible.sh [commit]      (HEAD by default)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$repo" rev-parse --verify "${1:-HEAD}^{commit}")
SOURCE_DATE_EPOCH=$(git -C "$repo" log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

debs=()
for dir in "$work/a" "$work/second/copy"; do
    mkdir -p "$dir"
    git -C "$repo" archive "$commit" | tar -x -C "$dir"
    echo "building $commit in $dir"
    (cd "$dir" && cmake --preset release -DBUILD_TESTING=OFF >/dev/null &&
        cmake --build --preset release >/dev/null && cd build/release && cpack -G DEB >/dev/null)
    debs+=("$dir"/build/release/quintavel_*.deb)
done
if cmp -s "${debs[@]}"; then
    echo "same bytes: $(sha256sum "${debs[0]}" | cut -d' ' -f1)  $(basename "${debs[0]}")"
else
    echo "the two packages differ; their listings, then their files:"
    diff <(dpkg-deb -c "${debs[0]}") <(dpkg-deb -c "${debs[1]}") || true
    for i in 0 1; do mkdir "$work/x$i" && dpkg-deb -R "${debs[$i]}" "$work/x$i"; done
    diff -r "$work/x0" "$work/x1" || true
    exit 1
fi
