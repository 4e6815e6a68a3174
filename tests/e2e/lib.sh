#!/usr/bin/env bash
# Shared by the end-to-end tests: a private X server, a private home and runtime directory,
# and a browser that only records the addresses it is asked to open.
set -euo pipefail

APP=${1:?usage: $0 path/to/quintavel}
WORK=$(mktemp -d)
APP_PIDS=()
XVFB_PID=

cleanup() {
    for pid in "${APP_PIDS[@]}"; do
        { kill -9 "$pid" && wait "$pid"; } 2>/dev/null || true
    done
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    {
        echo "FAIL: $*"
        echo "  windows showing:"
        xdotool search --onlyvisible --name . 2>/dev/null | while read -r w; do
            echo "    $w $(xdotool getwindowname "$w" 2>/dev/null)"
        done
    } >&2 || true
    exit 1
}
pass() { echo "ok: $*"; }

mkdir -p "$WORK/home" "$WORK/config" "$WORK/runtime"
chmod 700 "$WORK/runtime"
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/runtime
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID QT_QPA_PLATFORM
unset WAYLAND_DISPLAY

OPENED=$WORK/opened
: >"$OPENED"
cat >"$WORK/browser" <<REC
#!/bin/sh
printf '%s\n' "\$1" >>"$OPENED"
REC
chmod +x "$WORK/browser"
export BROWSER=$WORK/browser

# A fresh X server on a free display number.
mkfifo "$WORK/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/displayfd" >/dev/null 2>&1 &
XVFB_PID=$!
read -r -t 10 display <"$WORK/displayfd" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$display

start_app() {
    "$APP" >"$WORK/app-$#-$RANDOM.log" 2>&1 &
    LAST_PID=$!
    APP_PIDS+=("$LAST_PID")
}

# Waits until a mapped window whose title is exactly $1 exists (of process $2 if given);
# prints its id.
wait_window() {
    local title=$1 pid=${2:-} tries=100 ids
    while [ $tries -gt 0 ]; do
        if [ -n "$pid" ]; then
            ids=$(xdotool search --all --onlyvisible --pid "$pid" --name "^${title}\$" 2>/dev/null || true)
        else
            ids=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null || true)
        fi
        if [ -n "$ids" ]; then
            echo "$ids" | head -n 1
            return 0
        fi
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

# Waits until no mapped window titled $1 is left (of process $2 if given).
wait_no_window() {
    local title=$1 pid=${2:-} tries=100
    while [ $tries -gt 0 ]; do
        if [ -n "$pid" ]; then
            xdotool search --all --onlyvisible --pid "$pid" --name "^${title}\$" >/dev/null 2>&1 || return 0
        else
            xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1 || return 0
        fi
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

visible_windows() { xdotool search --all --onlyvisible --pid "$1" --name "." 2>/dev/null | wc -l; }

window_geometry() { # prints: x y width height
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
        /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

# Gives window $1 the keyboard focus (there is no window manager to do it) and waits until
# the application agrees.
focus() {
    local tries=30
    while [ $tries -gt 0 ]; do
        xdotool windowfocus "$1" 2>/dev/null || true
        sleep 0.1
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
        tries=$((tries - 1))
    done
    return 1
}

# Waits for process $1 to end and sets EXIT_STATUS; fails when it does not end.
wait_exit() {
    local pid=$1 tries=100
    while kill -0 "$pid" 2>/dev/null && [ $tries -gt 0 ]; do
        sleep 0.1
        tries=$((tries - 1))
    done
    kill -0 "$pid" 2>/dev/null && return 1
    EXIT_STATUS=0
    wait "$pid" || EXIT_STATUS=$?
}

shot() { import -window root "$1" 2>/dev/null; }
