#!/usr/bin/env bash
# Makes Quintavel's Windows installer and portable zip from a Windows build: what
# `cmake --install` puts in a folder (the program, the DLLs it loads, Qt's plugins and
# translations, qt.conf and the licence), stripped, every file dated at the release so that the
# same commit gives the same bytes.
#
#   tools/windows/package.sh build-dir version release-date output-dir
#
# writes quintavel-VERSION-setup.exe and quintavel-VERSION-windows-x86_64.zip.
set -euo pipefail
build=$1 version=$2 date=$3 out=$4
here=$(cd "$(dirname "$0")" && pwd)
nsi=$here/../../packaging/windows/quintavel.nsi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
name=quintavel-$version
bundle=$work/$name

cmake --install "$build" --prefix "$bundle" >/dev/null
# Without their symbols the DLLs are a third of the size; strip dates the files it writes, at
# the release.
find "$bundle" \( -name '*.exe' -o -name '*.dll' \) -exec env \
    SOURCE_DATE_EPOCH="$(date -u -d "$date" +%s)" x86_64-w64-mingw32-strip --strip-unneeded {} +
# Every DLL the program and its plugins load is Windows' own or in the folder.
for file in $(find "$bundle" -name '*.exe' -o -name '*.dll'); do
    for dll in $(x86_64-w64-mingw32-objdump -p "$file" | awk '/DLL Name:/ { print $3 }'); do
        case $dll in Qt6*.dll | lib*.dll) [ -f "$bundle/$dll" ] ||
            { echo "$0: ${file#"$bundle/"} loads $dll, which the install lacks" >&2; exit 1; } ;;
        esac
    done
done
find "$bundle" -exec touch -h -d "$date 00:00:00 UTC" {} +

# The installer's lists: each folder and file to install, in a fixed order, and to remove,
# the files before their folders.
(
    cd "$bundle"
    find . -mindepth 1 -type d | LC_ALL=C sort | sed 's|^\./||' | while read -r dir; do
        printf 'CreateDirectory "$INSTDIR\\%s"\n' "${dir//\//\\}"
    done
    find . -type f | LC_ALL=C sort | sed 's|^\./||' | while read -r file; do
        target=$(dirname "$file")
        [ "$target" = . ] && target= || target="\\${target//\//\\}"
        printf 'SetOutPath "$INSTDIR%s"\nFile "%s"\n' "$target" "$bundle/$file"
    done
) >"$work/files.nsh"
(
    cd "$bundle"
    find . -type f | LC_ALL=C sort | sed 's|^\./||' | while read -r file; do
        printf 'Delete "$INSTDIR\\%s"\n' "${file//\//\\}"
    done
    find . -mindepth 1 -type d | LC_ALL=C sort -r | sed 's|^\./||' | while read -r dir; do
        printf 'RMDir "$INSTDIR\\%s"\n' "${dir//\//\\}"
    done
) >"$work/removals.nsh"

makensis -V2 -NOCD -INPUTCHARSET UTF8 \
    -DVERSION="$version" -DBUNDLE="$bundle" -DICON="$build/packaging/windows/quintavel.ico" \
    -DFILES="$work/files.nsh" -DREMOVALS="$work/removals.nsh" \
    -DSIZE_KB="$(du -sk "$bundle" | cut -f1)" -DOUTFILE="$work/$name-setup.exe" "$nsi"

# The zip holds the same folder, entries in a fixed order with the release's date.
python3 - "$work" "$name" "$date" <<'PY'
import os, sys, zipfile
work, name, date = sys.argv[1:]
stamp = tuple(int(part) for part in date.split("-")) + (0, 0, 0)
paths = []
for folder, dirs, files in os.walk(os.path.join(work, name)):
    paths += [os.path.join(folder, f) for f in files]
with zipfile.ZipFile(os.path.join(work, name + "-windows-x86_64.zip"), "w",
                     zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
    for path in sorted(paths):
        entry = zipfile.ZipInfo(os.path.relpath(path, work).replace(os.sep, "/"), stamp)
        entry.compress_type = zipfile.ZIP_DEFLATED
        entry.external_attr = 0o644 << 16
        with open(path, "rb") as f:
            archive.writestr(entry, f.read())
PY
mkdir -p "$out"
mv "$work/$name-setup.exe" "$work/$name-windows-x86_64.zip" "$out/"
