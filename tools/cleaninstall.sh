#!/usr/bin/env bash
# Tries the Debian package as a new user would, in a minimal Debian root made with mmdebstrap:
# installs it without recommends, starts it as the desktop's menu does (the desktop entry's Exec
# line, in a login shell of a user who is not root) on an Xvfb display, takes a screenshot,
# then purges the package and the packages it pulled in and checks that no file is left that
# was not there before. Needs root, mmdebstrap and Debian's package mirror; not part of ./test.
#
#   tools/cleaninstall.sh build/release/quintavel_1.20_amd64.deb [screenshot.png [release]]
#
# The release is bookworm (Debian 12) by default.
set -euo pipefail
deb=$(realpath "${1:?usage: $0 package.deb [screenshot.png [release]]}")
shot=$(realpath -m "${2:-cleaninstall.png}")
release=${3:-bookworm}
[ "$(id -u)" = 0 ] || { echo "$0 must run as root" >&2; exit 1; }
command -v mmdebstrap >/dev/null || { echo "$0 needs mmdebstrap" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/inside.sh" <<'INSIDE'
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
echo "installed quintavel $(dpkg-query -W -f '${Version}' quintavel) and $(wc -l <packages.added) packages it needs:"
grep -v '^quintavel$' packages.added | tr '\n' ' ' | fold -s -w 96 | sed 's/^/  /'
echo

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
as_player "echo \"a login shell's PATH: \$PATH\"; echo \"Exec=$exec_line is \$(command -v $exec_line)\""
as_player "exec $exec_line" >program.log 2>&1 &
program=$!
mapped() { xwininfo -display :7 -name "Quintavel v1.20" 2>/dev/null | grep -q IsViewable; }
tries=0
until mapped; do
    tries=$((tries + 1)) && [ $tries -lt 300 ] || { echo "no window"; cat program.log; exit 1; }
    sleep 0.1
done
# The picture is taken once two in a row are the same: the window has drawn itself.
xwd -display :7 -silent -name "Quintavel v1.20" >shot.xwd
until sleep 0.2 && xwd -display :7 -silent -name "Quintavel v1.20" >next.xwd && cmp -s shot.xwd next.xwd; do
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
INSIDE

cp "$deb" "$work/quintavel.deb"
mmdebstrap --quiet --variant=apt --include=xvfb,x11-utils,x11-apps "$release" /dev/null \
    --customize-hook='mkdir "$1/trial"' \
    --customize-hook="copy-in $work/quintavel.deb $work/inside.sh /trial" \
    --customize-hook='chroot "$1" sh /trial/inside.sh' \
    --customize-hook="download /trial/shot.xwd $work/shot.xwd"
convert "$work/shot.xwd" "$shot"
echo "screenshot of the main window: $shot"
