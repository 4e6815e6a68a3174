#!/usr/bin/env bash
# Start-up of Quintavel for Windows under Wine against a bare Qt window built the same way:
# bench/mapstartup.py with both programs started through Wine, side by side in the folder of
# the portable zip (the same DLLs, plugins and qt.conf), from a Wine prefix of their own whose
# Wine server keeps running between starts, as Windows' own services do on a desktop. Needs the
# Windows build and its test prefix (./test windows makes both).
#
#   bench/winestartup.sh [--runs N] [--settle SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$here/../build/windows
work=$(mktemp -d)
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cmake --build "$build" --target bench_barewindow >/dev/null
cp -al "$build/wine" "$WINEPREFIX"
cp --remove-destination "$build"/wine/*.reg "$WINEPREFIX/"
wineserver --persistent
(cd "$work" && python3 -m zipfile -e "$build"/quintavel-*-windows-x86_64.zip .)
bundle=$(echo "$work"/quintavel-*/)
cp "$build/bin/bench_barewindow.exe" "$bundle"
for program in quintavel bench_barewindow; do
    printf '#!/bin/sh\nexec wine "%s" "$@"\n' "$bundle$program.exe" >"$work/$program"
    chmod +x "$work/$program"
done
"$here/mapstartup.py" "$@" "$work/quintavel" "$work/bench_barewindow"
