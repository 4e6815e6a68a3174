#!/usr/bin/env bash
# Runs the Windows build's tests under Wine (./test windows): its unit and GUI tests, the
# program end to end and the installer. They share a Wine prefix, kept in the build folder, and
# the unit and GUI tests an X server of the run's own; each end-to-end test copies the prefix
# and starts an X server of its own.
#
#   tools/windows/test.sh [ctest options...]
set -euo pipefail
cd "$(dirname "$0")/../.."
export WINEPREFIX=$PWD/build/windows/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH

work=$(mktemp -d)
xvfb=
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix of the Windows tests"
    DISPLAY= wineboot --init >/dev/null 2>&1
    wineserver --wait
fi

# The unit and GUI tests draw on Qt's offscreen platform, which on Windows reads the fonts of
# one folder (on Windows itself, C:\Windows\Fonts): it holds those Wine gives Windows programs,
# the host's.
fonts=$PWD/build/windows/fonts
rm -rf "$fonts"
mkdir -p "$fonts"
find /usr/share/fonts -type f \( -name '*.ttf' -o -name '*.ttc' -o -name '*.otf' \) \
    -exec ln -sf {} "$fonts/" \;
export QT_QPA_FONTDIR=Z:$fonts

mkfifo "$work/displayfd"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/displayfd" \
    >"$work/xvfb.log" 2>&1 &
xvfb=$!
read -r -t 30 display <"$work/displayfd" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$display
# One Wine server for the whole run rather than one for each test, and Wine's own services
# started at once, so that none of them holds a test's output open after the test.
wineserver --persistent
wine wineboot </dev/null >/dev/null 2>&1

ctest --preset windows "$@"
