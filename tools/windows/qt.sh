#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source with Debian's MinGW-w64, once
# per machine: the result is kept outside the checkout, under $XDG_CACHE_HOME (or ~/.cache),
# in a folder named after the source's version and a digest of what shapes the build (the
# options in qt-windows.cmake, the toolchain file and the patches to Qt's source), so that a
# change to any of them builds a new Qt beside the old.
#
#   tools/windows/qt.sh            build Qt unless the cache has it; print its folder
#   tools/windows/qt.sh --prefix   only print the folder it is (or would be) in
#
# The source is the version of the host's qt6-base-dev, whose moc, rcc and uic (and the
# Linguist tools) serve the cross build, and must match it. It is fetched with apt-get source
# through an apt configuration of its own, made from the system's sources with deb-src for
# deb, so that the system's apt configuration is left as it is.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/quintavel
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
digest=$(cat "$here/qt-windows.cmake" "$here/mingw-w64.cmake" "$here"/qt6-base-*.patch |
    sha256sum | cut -c1-12)
prefix=$cache/qt6-windows-$version-$digest

if [ "${1:-}" = --prefix ]; then
    echo "$prefix"
    exit 0
fi
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
# One build at a time: a second caller waits for the first and then finds it done.
exec 9>"$cache/qt6-windows.lock"
flock 9
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

start=$SECONDS
work=$cache/qt6-windows-build-$version-$digest
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial" "$work/apt/sources.list.d"

# deb-src beside every deb line of the system's sources, in both of apt's formats.
for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] && sed 's/^Types:.*/Types: deb-src/' "$f" >"$work/apt/sources.list.d/${f##*/}"
done
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -e "$f" ] && sed -n 's/^deb \(.*\)/deb-src \1/p' "$f"
done >"$work/apt/sources.list"
apt=(apt-get -q -o "Dir::Etc::SourceList=$work/apt/sources.list"
     -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
     -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt"
     -o "Dir::State::status=/var/lib/dpkg/status" -o "APT::Sandbox::User=root")
echo "Fetching Debian's qt6-base $version source" >&2
{
    "${apt[@]}" update &&
        (cd "$work" && "${apt[@]}" source --download-only "qt6-base=$version") &&
        (cd "$work" && dpkg-source --no-check -x qt6-base_*.dsc src) &&
        (for p in "$here"/qt6-base-*.patch; do
            patch -d "$work/src" -p1 --forward <"$p" || exit 1
        done)
} >"$work/fetch.log" 2>&1 || { tail -20 "$work/fetch.log" >&2; exit 1; }

echo "Configuring Qt for Windows in $work/build" >&2
reproducible="-ffile-prefix-map=$work/src=qtbase -ffile-prefix-map=$work/build=qtbase"
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$work/src/debian/changelog" -S Timestamp)
export SOURCE_DATE_EPOCH
cmake -G Ninja -S "$work/src" -B "$work/build" -C "$here/qt-windows.cmake" \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_C_FLAGS="$reproducible" -DCMAKE_CXX_FLAGS="$reproducible" \
    >"$work/configure.log" 2>&1 || { tail -40 "$work/configure.log" >&2; exit 1; }
echo "Building Qt for Windows (20 to 40 minutes on two processors)" >&2
nice -n 5 cmake --build "$work/build" >"$work/build.log" 2>&1 ||
    { grep -B2 -A20 -m1 'FAILED' "$work/build.log" >&2 || tail -40 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >"$work/install.log" 2>&1 || { tail -20 "$work/install.log" >&2; exit 1; }
echo "$version $((SECONDS - start)) s" >"$prefix/.complete"
rm -rf "$work"
echo "Qt for Windows built in $((SECONDS - start)) s: $(du -sh "$prefix" | cut -f1)" >&2
echo "$prefix"
