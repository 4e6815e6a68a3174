#!/usr/bin/env bash
# The Debian package, built as a distribution builds it, with dpkg-buildpackage through
# debian/rules, from a copy of the source: its control fields, exactly the files it holds,
# lintian's verdict on the upload, the desktop entry and AppStream metainfo as the validators see
# them, the AppStream screenshots against what the program draws today, and the program started
# the way a menu starts it, from the entry's Exec line, in a Wayland session.
#
#   test_package.sh package-folder
#
# The package folder keeps the build folder between runs, so that only what changed is built
# again; the tests that the package's build would run run in this suite anyway.
PACKAGE=$(mkdir -p "${1:?usage: $0 package-folder}" && cd "$1" && pwd)
# The program under test is the one the package installs; it is named once unpacked, below.
source "$(dirname "$0")/../e2e/lib.sh" quintavel
SOURCE=$(cd "$E2E_DIR/../.." && pwd)

# A fresh copy of the source, but for the build folder in it: files keep their times, so the
# build folder sees what changed.
mkdir -p "$PACKAGE/src"
find "$PACKAGE/src" -mindepth 1 -maxdepth 1 ! -name 'obj-*' -exec rm -rf {} +
tar -C "$SOURCE" --exclude=./build --exclude=./.git --exclude='./obj-*' \
    --exclude=./debian/.debhelper --exclude=./debian/quintavel --exclude=./debian/files \
    --exclude='./debian/quintavel-*' --exclude='./debian/*.substvars' \
    --exclude=./debian/debhelper-build-stamp -cf - . | tar -C "$PACKAGE/src" -xf -
rm -f "$PACKAGE"/quintavel*_*.deb "$PACKAGE"/quintavel_*.changes "$PACKAGE"/quintavel_*.buildinfo
(cd "$PACKAGE/src" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" \
    dpkg-buildpackage -us -uc -b -nc) >"$WORK/build.log" 2>&1 ||
    { tail -n 40 "$WORK/build.log" >&2; fail "dpkg-buildpackage could not build the package"; }
changes=("$PACKAGE"/quintavel_*.changes)
[ ${#changes[@]} = 1 ] && [ -f "${changes[0]}" ] || fail "dpkg-buildpackage made no single .changes"
deb=$PACKAGE/$(sed -n 's/^ [0-9a-f]\{64\} [0-9]* \(quintavel_[^ ]*\.deb\)$/\1/p' "${changes[0]}")
[ -f "$deb" ] || fail "the upload names no quintavel package: $(cat "${changes[0]}")"
version=$(dpkg-deb -f "$deb" Version)
upstream=${version%-*}
[ "$(basename "$deb")" = "quintavel_${version}_$(dpkg --print-architecture).deb" ] ||
    fail "the package file is named $(basename "$deb")"
[ "Quintavel v$upstream" = "$CAPTION" ] ||
    fail "the package is of version $version, the program's caption $CAPTION"
pass "dpkg-buildpackage builds $(basename "$deb"), of the program's version"

# Depends: the libraries dpkg-shlibdeps found, and what no linker sees. Debian 13 renamed the
# packages of libraries whose interface holds a time_t, adding t64 (libqt6core6t64).
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')
for wanted in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-dejavu-core \
    fonts-liberation2 xdg-utils; do
    grep -qxE "${wanted//+/\\+}(t64)?" <<<"$names" || fail "Depends lacks $wanted: $depends"
done
grep -qE 'libqt6widgets6(t64)? \(>= ' <<<"$depends" || fail "Depends has no versioned Qt from shlibdeps"
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-translations-l10n ] ||
    fail "Recommends: $(dpkg-deb -f "$deb" Recommends)"
pass "Depends: $depends; Recommends: the translations of Qt's own texts"

# Exactly these files, named after the desktop ID of the one desktop entry.
dpkg-deb -x "$deb" "$WORK/root"
entries=("$WORK"/root/usr/share/applications/*.desktop)
[ ${#entries[@]} = 1 ] && [ -f "${entries[0]}" ] || fail "the package holds no single desktop entry"
id=$(basename "${entries[0]}" .desktop)
expected=(./usr/games/quintavel "./usr/share/applications/$id.desktop"
    "./usr/share/metainfo/$id.metainfo.xml" ./usr/share/man/man6/quintavel.6.gz
    ./usr/share/doc/quintavel/copyright ./usr/share/doc/quintavel/changelog.Debian.gz
    ./usr/share/lintian/overrides/quintavel)
for language in de es fr pt_BR ar hi ja ru zh_CN; do
    expected+=("./usr/share/man/$language/man6/quintavel.6.gz")
done
for size in 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
[ "$files" = "$(printf '%s\n' "${expected[@]}" | sort)" ] ||
    fail "the package holds other files than expected:
$(diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$files"))"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ && $2 != "root/root" { bad = 1 } END { exit bad }' ||
    fail "files in the package are not owned by root"
pass "the package holds the program, its manual page in ten languages, copyright, changelog, lintian overrides, the entry, the metainfo and five icons of $id"

# Lintian, pedantic, with informational tags: every tag it shows fails, so an informational one
# stays only with an override that says why. Lintian checks the binary's hardening but for the
# stack protector, which shows in the symbol that the protected functions call.
lintian --pedantic --display-info --fail-on error,warning,info,pedantic "${changes[0]}" \
    >"$WORK/lintian.log" 2>&1 || { cat "$WORK/lintian.log" >&2; fail "lintian finds fault"; }
readelf --dyn-syms --wide "$WORK/root/usr/games/quintavel" | grep __stack_chk_fail >/dev/null ||
    fail "the program was built without a stack protector"
pass "lintian --pedantic shows no tag on the upload, and the program protects its stack"

# The copyright holds the licence's own words.
python3 - "$SOURCE/LICENSE" "$WORK/root/usr/share/doc/quintavel/copyright" <<'PY' ||
import sys
licence = open(sys.argv[1]).read()
licence = licence[licence.index("Permission"):].split()
copyright = open(sys.argv[2]).read().split("\nLicense: Expat\n")[-1].replace("\n .\n", "\n\n")
sys.exit(copyright.split() != licence)
PY
    fail "debian/copyright does not hold the text of LICENSE"

# Each icon is as large as its folder says; at 32 pixels it is the windows' own icon.
for size in 32 48 64 128 256; do
    png=$WORK/root/usr/share/icons/hicolor/${size}x$size/apps/$id.png
    [ "$(identify -format '%m %wx%h' "$png")" = "PNG ${size}x$size" ] ||
        fail "the ${size}x$size icon is $(identify -format '%m %wx%h' "$png")"
done
convert "$SOURCE/src/resources/pictures/icon.ico" "$WORK/windowicon.png"
[ "$(compare -metric AE "$WORK/windowicon.png" \
    "$WORK/root/usr/share/icons/hicolor/32x32/apps/$id.png" null: 2>&1)" = 0 ] ||
    fail "the 32-pixel theme icon differs from the windows' icon"
pass "the icons have their sizes, and the 32-pixel one is the windows' icon"

entry=${entries[0]}
metainfo=$WORK/root/usr/share/metainfo/$id.metainfo.xml
desktop-file-validate "$entry" >"$WORK/validate.log" 2>&1 ||
    { cat "$WORK/validate.log" >&2; fail "desktop-file-validate refuses the entry"; }
appstreamcli validate --no-net "$metainfo" >"$WORK/appstream.log" 2>&1 ||
    { cat "$WORK/appstream.log" >&2; fail "appstreamcli refuses the metainfo"; }
pass "desktop-file-validate and appstreamcli validate --no-net pass"

key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Icon)" = "$id" ] || fail "the entry's Icon is $(key Icon), not $id"
# The metainfo names the same ID, this version, pictures of the sizes it states, and addresses
# on the site the program was built for; the changelog's newest entry is this version's, of the
# metainfo's release date.
python3 - "$metainfo" "$id" "$upstream" "$SITE" "$SOURCE/packaging/screenshots" \
    "$WORK/root/usr/share/doc/quintavel/changelog.Debian.gz" <<'PY' ||
import email.utils, gzip, os, re, subprocess, sys
import xml.etree.ElementTree as ET
path, id, version, site, shots, changelog = sys.argv[1:]
root = ET.parse(path).getroot()
problems = []
def want(ok, what):
    if not ok:
        problems.append(what)
want(root.findtext("id") == id, "id is %s" % root.findtext("id"))
want(root.findtext("launchable") == id + ".desktop", "launchable is %s" % root.findtext("launchable"))
releases = [r.get("version") for r in root.iter("release")]
want(releases[:1] == [version], "newest release is %s, the package %s" % (releases[:1], version))
entry = gzip.open(changelog, "rt").read().split("\n\n -- ")
want(entry[0].startswith("quintavel (%s-" % version), "the changelog begins %r" % entry[0][:30])
signed = email.utils.parsedate_to_datetime(entry[1].split("  ")[1].split("\n")[0]).date()
dates = [r.get("date") for r in root.iter("release")]
want(str(signed) == dates[0], "the changelog's entry is of %s, the release of %s" % (signed, dates[0]))
for url in root.iter("url"):
    want(url.text.startswith(site + "/"), "address %s is not on %s" % (url.text, site))
images = list(root.iter("image"))
want(images, "no screenshot")
for image in images:
    want(image.text.startswith(site + "/"), "screenshot %s is not on %s" % (image.text, site))
    local = os.path.join(shots, os.path.basename(image.text))
    if not os.path.exists(local):
        problems.append("no %s beside the metainfo source" % os.path.basename(image.text))
        continue
    size = subprocess.run(["identify", "-format", "%wx%h", local], capture_output=True,
                          text=True).stdout
    want(size == "%sx%s" % (image.get("width"), image.get("height")),
         "%s is %s, the metainfo says %sx%s" % (local, size, image.get("width"), image.get("height")))
for p in problems:
    print(p)
sys.exit(1 if problems else 0)
PY
    fail "the metainfo does not fit the package"
pass "the metainfo names $id, release $upstream, screenshots of their stated sizes, and $SITE"

# The screenshots show what the program draws today. In the main window two things may differ:
# which offer label start-up put in front, in the box the two labels share (8,214 to 486,254
# in the window, under its menu bar), and the text caret, which blinks: whatever else differs
# must be a line at most 2 pixels wide inside the name box (56,155 to 254,177).
for language in "" de; do
    "$SOURCE/tools/screenshots.sh" "$WORK/root/usr/games/quintavel" "$WORK/shots" $language \
        >"$WORK/shots.log" 2>&1 || { cat "$WORK/shots.log" >&2; fail "tools/screenshots.sh failed"; }
done
# Sets BOX to the box round the pixels that differ between pictures $1 and $2 outside box $3,
# if given: "x0 y0 x1 y1", or nothing when none differ.
differing_box() {
    local hide=() status=0
    [ -z "${3:-}" ] || hide=(-fill black -draw "rectangle $3")
    compare -metric AE -highlight-color white -lowlight-color black -compose src "$1" "$2" \
        "$WORK/mask.png" 2>"$WORK/compare.log" || status=$?
    [ $status -le 1 ] || { cat "$WORK/compare.log" >&2; fail "cannot compare $2 with $1"; }
    BOX=$(convert "$WORK/mask.png" "${hide[@]}" -format '%@' info: 2>/dev/null |
        awk -F'[x+]' '$1 > 0 { print $3, $4, $3 + $1 - 1, $4 + $2 - 1 }')
}
for suffix in "" .de; do
    differing_box "$SOURCE/packaging/screenshots/main-window$suffix.png" \
        "$WORK/shots/main-window$suffix.png" "8,214 486,254"
    awk -v b="$BOX" 'BEGIN { split(b, v, " ")
            exit !(b == "" || (v[3] - v[1] < 2 && v[1] >= 56 && v[3] <= 254 && v[2] >= 155 && v[4] <= 177)) }' ||
        fail "main-window$suffix.png differs from what the program draws ($BOX); retake the screenshots"
    differing_box "$SOURCE/packaging/screenshots/reading$suffix.png" "$WORK/shots/reading$suffix.png"
    [ -z "$BOX" ] ||
        fail "reading$suffix.png differs from what the program draws ($BOX); retake the screenshots"
done
pass "the screenshots, in English and German, show what the program draws"

# Started as the menu starts it, in a Wayland session that also offers X11: the window shows
# through X11, centred, with the class the entry names and the package's version in its title.
exec_line=$(key Exec)
[ -x "$WORK/root/usr/games/$exec_line" ] || fail "Exec=$exec_line is not a program of the package"
export PATH="$WORK/root/usr/games:$PATH" XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-none
APP=$exec_line
m=$(mark)
start_app
main=$(wait_map "$m" "$CAPTION" "$LAST_PID") ||
    fail "no main window titled \"$CAPTION\" from Exec=$exec_line"
read -r x y width height < <(window_geometry "$main")
screen=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
awk -v x="$x" -v y="$y" -v w="$width" -v h="$height" -v s="$screen" 'BEGIN {
        split(s, d, "x"); exit !((x - (d[1] - w) / 2) ^ 2 <= 1 && (y - (d[2] - h) / 2) ^ 2 <= 1) }' ||
    fail "the main window lies at $x,$y ($width x $height), not centred on $screen"
class=$(xprop -id "$main" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
[ "$class" = "$(key StartupWMClass)" ] ||
    fail "the window's class is \"$class\", the entry's StartupWMClass \"$(key StartupWMClass)\""
! grep -q 'qt.qpa' "$WORK/app-0.log" || fail "Qt complained about its platform"
pass "Exec=$exec_line shows the main window through X11, centred, of class $class"
