#!/usr/bin/env bash
# Cuts a release from a tagged commit: the release tarball quintavel-VERSION.tar.xz (git
# archive, so the same commit always gives the same bytes) with its SHA-256 sum, the Debian
# source package made from it (quintavel_VERSION.orig.tar.xz is the release tarball under
# Debian's name, beside the .dsc and the .debian.tar.xz), and the Windows installer
# quintavel-VERSION-setup.exe and portable quintavel-VERSION-windows-x86_64.zip built from it,
# with their SHA-256 sums (tools/setup.sh windows installs what that build needs, and
# tools/windows/qt.sh builds Qt for Windows first when the cache lacks it).
#
#   tools/release.sh [tag-or-commit [output-folder]]       (v<version of HEAD>, release/)
#
# The commit's project version, its newest debian/changelog entry and the tag must agree.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
version_of() { git -C "$repo" show "$1:CMakeLists.txt" | sed -n 's/^project(Quintavel VERSION \([^ )]*\).*/\1/p'; }
ref=${1:-v$(version_of HEAD)}
out=$(mkdir -p "${2:-release}" && cd "${2:-release}" && pwd)
commit=$(git -C "$repo" rev-parse --verify "$ref^{commit}")
version=$(version_of "$commit")
package_version=$(git -C "$repo" show "$commit:debian/changelog" | sed -n '1s/^quintavel (\([^)]*\)).*/\1/p')
[ "${package_version%-*}" = "$version" ] ||
    { echo "$ref: the project is version $version, debian/changelog $package_version" >&2; exit 1; }
case $ref in v*) [ "$ref" = "v$version" ] || { echo "tag $ref is not v$version" >&2; exit 1; } ;; esac

tarball=$out/quintavel-$version.tar.xz
# xz on one thread, so that the same archive always compresses to the same bytes.
git -C "$repo" archive --format=tar --prefix="quintavel-$version/" "$commit" | xz -9 -T1 >"$tarball"
(cd "$out" && sha256sum "$(basename "$tarball")" >"$(basename "$tarball").sha256")
cat "$tarball.sha256"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$tarball" "$out/quintavel_$version.orig.tar.xz"
cp "$tarball" "$work/quintavel_$version.orig.tar.xz"
tar -C "$work" -xf "$tarball"
(cd "$work" && dpkg-source -b "quintavel-$version" >/dev/null)
mv "$work"/quintavel_"$package_version".dsc "$work"/quintavel_"$package_version".debian.tar.xz "$out/"
echo "$out/quintavel_$package_version.dsc"

# Windows: built from the tarball as released, with the release's date for everything that
# keeps one (the resources compiled in, the files in the installer and the zip).
src=$work/quintavel-$version
"$src/tools/windows/qt.sh" >/dev/null
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$src/debian/changelog" -STimestamp)
export SOURCE_DATE_EPOCH
(cd "$src" && cmake --preset windows >/dev/null &&
    cmake --build --preset windows --target windows_packages >/dev/null)
for package in "quintavel-$version-setup.exe" "quintavel-$version-windows-x86_64.zip"; do
    cp "$src/build/windows/$package" "$out/"
    (cd "$out" && sha256sum "$package" >"$package.sha256")
    cat "$out/$package.sha256"
done
