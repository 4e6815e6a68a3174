#!/usr/bin/env bash
# The source package as a distribution takes it, in fresh Debian roots made with mmdebstrap:
#
#  1. builds the .dsc in a fresh build root of the release, as a user who is not root, with the
#     Build-Depends it names and nothing else (dpkg-buildpackage, so dh_auto_test runs the unit
#     and GUI tests), and runs lintian --pedantic on the upload;
#  2. installs the package without recommends in a minimal root, starts it as the desktop's menu
#     does (the desktop entry's Exec line, in a login shell of a user who is not root) on Xvfb,
#     takes a screenshot, purges it and checks that no file is left;
#  3. runs its autopkgtest against the package installed in a testbed of the release (the
#     unshare virtualisation server, in a root tarball made with mmdebstrap).
#
#   tools/debianroot.sh RELEASE path/to/quintavel_VERSION.dsc [results-folder]
#
# RELEASE is a Debian release such as bookworm (12) or trixie (13); the .dsc comes from
# tools/release.sh. The results (packages, upload, logs, screenshot) go to the results folder,
# debianroot-RELEASE by default. Needs root, mmdebstrap, autopkgtest and Debian's package mirror;
# it is run by hand, not by ./test.
set -euo pipefail
release=${1:?usage: $0 RELEASE quintavel_VERSION.dsc [results-folder]}
dsc=$(realpath "${2:?usage: $0 RELEASE quintavel_VERSION.dsc [results-folder]}")
results=$(mkdir -p "${3:-debianroot-$release}" && cd "${3:-debianroot-$release}" && pwd)
[ "$(id -u)" = 0 ] || { echo "$0 must run as root" >&2; exit 1; }
for tool in mmdebstrap autopkgtest; do
    command -v $tool >/dev/null || { echo "$0 needs $tool" >&2; exit 1; }
done
# The unshare server maps the testbed's users onto root's subordinate ids.
for file in /etc/subuid /etc/subgid; do
    grep -q '^root:' "$file" 2>/dev/null || echo 'root:100000:65536' >>"$file"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sources=("$dsc" $(sed -n '/^Files:/,/^[^ ]/s/^ [0-9a-f]* [0-9]* //p' "$dsc" | sed "s|^|$(dirname "$dsc")/|"))

echo "== 1. $(basename "$dsc") built in a fresh $release root"
cat >"$work/build.sh" <<'BUILD'
set -eu
export DEBIAN_FRONTEND=noninteractive
cd /build
apt-get update -qq
apt-get build-dep -y -qq ./*.dsc >apt.log 2>&1 || { cat apt.log; exit 1; }
useradd --create-home builder
chown -R builder: /build
runuser -u builder -- dpkg-source -x ./*.dsc source >/dev/null 2>&1
status=0
(cd source && runuser -u builder -- dpkg-buildpackage -us -uc) >build.log 2>&1 || status=$?
tail -n 5 build.log
grep -E 'warning:|tests passed|tests failed' build.log || true
[ $status = 0 ] || exit $status
runuser -u builder -- lintian --pedantic --display-info ./*_$(dpkg --print-architecture).changes \
    >lintian.log 2>&1 || true
echo "lintian --pedantic --display-info on the upload says:"
if [ -s lintian.log ]; then sed 's/^/  /' lintian.log; else echo "  nothing"; fi
mkdir results
cp ./*.deb ./*.changes ./*.buildinfo build.log lintian.log results/
BUILD
mmdebstrap --quiet --variant=buildd --include=lintian,ca-certificates "$release" /dev/null \
    --customize-hook='mkdir "$1/build"' \
    --customize-hook="copy-in ${sources[*]} $work/build.sh /build" \
    --customize-hook='chroot "$1" sh /build/build.sh' \
    --customize-hook="sync-out /build/results $results"
deb=$(ls "$results"/quintavel_*_"$(dpkg --print-architecture)".deb)

echo "== 2. $(basename "$deb") installed, started and purged in a minimal $release root"
cat >"$work/install.sh" <<'INSTALL'
set -eu
export DEBIAN_FRONTEND=noninteractive
cd /trial
# Every file of the root but the user's home and those that change on their own: logs,
# apt's and debconf's caches, and the manual pages' index, which man-db keeps up to date.
listing() {
    find / -xdev \( -path /proc -o -path /sys -o -path /dev -o -path /run -o -path /tmp \
        -o -path /trial -o -path /home -o -path /var/cache/apt -o -path /var/lib/apt \
        -o -path /var/log -o -path /var/cache/debconf -o -path /var/cache/man \) -prune \
        -o -print | sort
}
listing >files.before
dpkg-query -W -f '${Package}\n' | sort >packages.before
apt-get install -y -qq --no-install-recommends ./quintavel.deb >apt.log 2>&1 || { cat apt.log; exit 1; }
dpkg-query -W -f '${Package}\n' | sort | comm -13 packages.before - >packages.added
echo "installed quintavel $(dpkg-query -W -f '${Version}' quintavel) and $(wc -l <packages.added) packages it needs"

Xvfb :7 -screen 0 800x600x24 -nolisten tcp >xvfb.log 2>&1 &
xvfb=$!
tries=0
until xdpyinfo -display :7 >/dev/null 2>&1; do
    tries=$((tries + 1)) && [ $tries -lt 300 ] || { echo "Xvfb did not start"; exit 1; }
    sleep 0.1
done
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/*.desktop)
mkdir -p /home/player && chown 1000:1000 /home/player
as_player() { setpriv --reuid=1000 --regid=1000 --clear-groups env -i HOME=/home/player DISPLAY=:7 sh -lc "$1"; }
as_player "echo \"Exec=$exec_line is \$(command -v $exec_line)\""
as_player "exec $exec_line" >program.log 2>&1 &
program=$!
caption="Quintavel v$(dpkg-query -W -f '${Version}' quintavel | sed 's/-[^-]*$//')"
mapped() { xwininfo -display :7 -name "$caption" 2>/dev/null | grep -q IsViewable; }
tries=0
until mapped; do
    tries=$((tries + 1)) && [ $tries -lt 300 ] || { echo "no window"; cat program.log; exit 1; }
    sleep 0.1
done
# The picture is taken once two in a row are the same: the window has drawn itself.
xwd -display :7 -silent -name "$caption" >shot.xwd
until sleep 0.2 && xwd -display :7 -silent -name "$caption" >next.xwd && cmp -s shot.xwd next.xwd; do
    mv next.xwd shot.xwd
done
echo "the main window is up; the program said: $(cat program.log)"
kill $program $xvfb
wait $program $xvfb 2>/dev/null || true

apt-get purge -y -qq quintavel >>apt.log 2>&1 && apt-get autoremove --purge -y -qq >>apt.log 2>&1 ||
    { cat apt.log; exit 1; }
dpkg-query -W -f '${Package}\n' | sort | comm -12 packages.added - >packages.kept
! grep -qx quintavel packages.kept || { echo "quintavel is still installed"; exit 1; }
echo "purged quintavel, and with autoremove what it pulled in"
# Apt keeps a package that satisfies another's dependency, even as one of its alternatives.
: >files.kept
for kept in $(cat packages.kept); do
    echo "kept $kept, which installed packages name: $(apt-cache rdepends --installed "$kept" |
        tail -n +3 | tr -d ' ' | sort -u | tr '\n' ' ')"
    { dpkg-query -L "$kept" && ls /var/lib/dpkg/info/"$kept".*; } >>files.kept
done
echo "left in the user's home, the user's own: $(cd /home/player && find . -type f | tr '\n' ' ')"
listing >files.after
comm -13 files.before files.after | grep -vxF -f files.kept >files.left || true
comm -23 files.before files.after >files.gone
if [ -s files.left ] || [ -s files.gone ]; then
    echo "files left:" && cat files.left
    echo "files gone:" && cat files.gone
    exit 1
fi
echo "no file is left of the package or of the packages it pulled in"
INSTALL
cp "$deb" "$work/quintavel.deb"
mmdebstrap --quiet --variant=apt --include=xvfb,x11-utils,x11-apps "$release" /dev/null \
    --customize-hook='mkdir "$1/trial"' \
    --customize-hook="copy-in $work/quintavel.deb $work/install.sh /trial" \
    --customize-hook='chroot "$1" sh /trial/install.sh' \
    --customize-hook="download /trial/shot.xwd $work/shot.xwd"
convert "$work/shot.xwd" "$results/main-window.png" 2>/dev/null ||
    cp "$work/shot.xwd" "$results/main-window.xwd"
echo "screenshot of the main window: $(ls "$results"/main-window.*)"

echo "== 3. the autopkgtest on a $release testbed"
mmdebstrap --quiet --variant=apt "$release" "$work/testbed.tar"
status=0
autopkgtest -U --output-dir "$results/autopkgtest" "$results"/quintavel_*_"$(dpkg --print-architecture)".deb \
    "$dsc" -- unshare --release "$release" --tarball "$work/testbed.tar" >"$results/autopkgtest.log" 2>&1 ||
    status=$?
sed -n '/@@@@ summary/,$p' "$results/autopkgtest.log" | tail -n +2
exit $status
