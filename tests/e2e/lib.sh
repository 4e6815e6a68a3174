#!/usr/bin/env bash
# Shared by the end-to-end tests: a private X server with a watch on its windows, a private
# home and runtime directory, and a browser that only records the addresses it is asked to open.
#
# Tests wait for events, never for time: take a mark before an action, then wait for what the
# action must bring (a window that maps after the mark, the unmap of a given window, a file
# that fills). The watch records every map, unmap and destroy of a top-level window in order.
set -euo pipefail

APP=${1:?usage: $0 path/to/quintavel}
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SITE=${QUINTAVEL_SITE:?the site address the application was built with}
CAPTION=${QUINTAVEL_CAPTION:?the version caption the application was built with}
WORK=$(mktemp -d)
APP_PIDS=()
SERVICE_PIDS=()
AT_EXIT=() # commands that end what the test started, before the rest is cleaned up
XVFB_PID=
WATCH_PID=
TIMEOUT=${E2E_TIMEOUT:-30} # seconds; only a failing test waits this long

cleanup() {
    for command in "${AT_EXIT[@]}"; do
        eval "$command" 2>/dev/null || true
    done
    for pid in "${APP_PIDS[@]}"; do
        { kill -9 "$pid" && wait "$pid"; } 2>/dev/null || true
    done
    for pid in "${SERVICE_PIDS[@]}"; do
        { kill "$pid" && wait "$pid"; } 2>/dev/null || true
    done
    [ -n "$WATCH_PID" ] && kill "$WATCH_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    # A sanitizer's report from any copy of the program fails the test, whatever it checked.
    local reports
    reports=$(grep -lE '^(==[0-9]+==ERROR: [A-Za-z]+Sanitizer|.*: runtime error: )' \
        "$WORK"/app-*.log 2>/dev/null || true)
    if [ -n "$reports" ]; then
        for log in $reports; do
            echo "FAIL: a sanitizer reported in $(basename "$log"):" >&2
            sed 's/^/    /' "$log" >&2
        done
        status=1
    fi
    rm -rf "$WORK"
    exit $status
}
trap 'status=$?; cleanup' EXIT

fail() {
    {
        echo "FAIL: $*"
        echo "  windows mapped now:"
        xdotool search --onlyvisible --name . 2>/dev/null | while read -r w; do
            echo "    $w \"$(xdotool getwindowname "$w" 2>/dev/null)\" $(window_geometry "$w")"
        done
        echo "  last window events (event id pid x y w h override title):"
        tail -n 15 "$EVENTS" | sed 's/^/    /'
        for log in "$WORK"/app-*.log; do
            [ -s "$log" ] && { echo "  $(basename "$log"):"; sed 's/^/    /' "$log"; }
        done
    } >&2 || true
    exit 1
}
pass() { echo "ok: $*"; }

# Runs CMD until it succeeds; fails after the timeout. The pause between tries is not a wait
# for time: the state asked for is checked again each time. CMD's words are expanded once, by
# the caller: a state that must be read again each time belongs in a function.
wait_until() {
    local deadline=$((SECONDS + TIMEOUT))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

mkdir -p "$WORK/home" "$WORK/config" "$WORK/runtime" "$WORK/tmp"
chmod 700 "$WORK/runtime"
# A temporary folder of its own too: without a runtime directory, copies of the program meet
# there, and those of a test running beside this one must not meet these.
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/runtime TMPDIR=$WORK/tmp
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID QT_QPA_PLATFORM
# The program speaks English here, whatever the language of whoever runs the tests; a test
# gives a copy another language with LANG or LANGUAGE.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8
unset WAYLAND_DISPLAY SESSION_MANAGER

OPENED=$WORK/opened
: >"$OPENED"
cat >"$WORK/browser" <<REC
#!/bin/sh
printf '%s\n' "\$1" >>"$OPENED"
REC
chmod +x "$WORK/browser"
export BROWSER=$WORK/browser

# A fresh X server on a free display number. -noreset keeps it from resetting when its last
# client leaves, which would refuse a copy started in that moment.
mkfifo "$WORK/displayfd"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/displayfd" \
    >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
read -r -t "$TIMEOUT" display <"$WORK/displayfd" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$display
wait_until xdpyinfo >/dev/null 2>&1 || { echo "Xvfb accepts no client" >&2; exit 1; }

# Letters the tests type that the server's keyboard map lacks get keys of their own before any
# copy starts. Otherwise xdotool lends a key for each and takes it back at once, and a copy
# that reads the key after it went back gets nothing. Beside Latin: Arabic ع ل ا, Devanagari
# क ि र ण and Japanese 元 気 で す.
for keysym in ediaeresis eacute udiaeresis U0639 U0644 U0627 U0915 U093F U0930 U0923 \
    U5143 U6C17 U3067 U3059; do
    free=$(xmodmap -pke | awk '$1 == "keycode" && NF == 3 && $2 > 8 && !k { k = $2 } END { print k }')
    if [ -n "$free" ]; then xmodmap -e "keycode $free = $keysym"; fi
done

EVENTS=$WORK/events
: >"$EVENTS"
"$E2E_DIR/xwatch.py" >"$EVENTS" 2>"$WORK/xwatch.log" &
WATCH_PID=$!
wait_until grep -q '^ready ' "$EVENTS" || { echo "the window watch did not start" >&2; exit 1; }

# The number of window events so far: what a later wait looks after.
mark() { wc -l <"$EVENTS"; }

# Prints the first event line after mark $1 that matches the awk condition $2, in which
# `title` is the window's title.
event_after() {
    tail -n +$(($1 + 1)) "$EVENTS" | awk "
        { title = \$9; for (i = 10; i <= NF; i++) title = title \" \" \$i }
        $2 { print; found = 1; exit }
        END { exit !found }"
}

# Waits for a top-level window titled exactly $2 to map after mark $1, of process $3 if given
# and $4 pixels wide if given; menus and other override-redirect windows never count.
# Prints the window id.
wait_map() {
    local mark=$1 pid=${3:-} width=${4:-} line cond
    cond='$1 == "map" && $8 == 0 && title == ENVIRON["WANTED_TITLE"]'
    [ -n "$pid" ] && cond="$cond && \$3 == $pid"
    [ -n "$width" ] && cond="$cond && \$6 == $width"
    export WANTED_TITLE=$2
    line=$(wait_until event_after "$mark" "$cond") || return 1
    echo "$line" | awk '{ print $2 }'
}

# Waits for a menu (an override-redirect window) of process $2 to map after mark $1.
wait_menu() {
    wait_until event_after "$1" '$1 == "map" && $8 == 1' >/dev/null
}

# Waits for window $2 to be unmapped (or destroyed) after mark $1.
wait_unmap() {
    wait_until event_after "$1" "(\$1 == \"unmap\" || \$1 == \"destroy\") && \$2 == $2" >/dev/null
}

# Waits for window $2 to be destroyed after mark $1.
wait_destroy() {
    wait_until event_after "$1" "\$1 == \"destroy\" && \$2 == $2" >/dev/null
}

# The mapped top-level windows of process $1, one id a line.
mapped_windows() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$1" --name . 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: no' && echo "$id"
    done
    return 0
}
mapped_count() { mapped_windows "$1" | wc -l; }
is_mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

window_geometry() { # prints: x y width height
    xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
        /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

# Starts a helper that a test needs beside the application on its display, such as a session
# bus or a window manager; it ends with the test, after the application.
start_service() {
    "$@" >>"$WORK/services.log" 2>&1 &
    SERVICE_PIDS+=("$!")
}

# A session bus of the test's own. The accessibility bus starts on it when first asked for, and
# is switched on as a screen reader switches it on; the application then joins it by itself.
start_accessibility_bus() {
    start_service dbus-daemon --session --nofork --print-address=4 4>"$WORK/bus"
    wait_until test -s "$WORK/bus" || fail "the session bus did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$WORK/bus")
    export DBUS_SESSION_BUS_ADDRESS
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
        variant:boolean:true >/dev/null || fail "the accessibility bus did not start"
}

# A light window manager of the test's own. It is ready once it tells a new window, before
# that shows, the frame it is going to get, as the application asks it.
start_window_manager() {
    start_service openbox --sm-disable
    wait_until wm_ready || fail "the window manager did not start"
}
wm_ready() {
    /usr/bin/python3 - <<'PY'
import sys, time
from Xlib import X, Xatom, display
from Xlib.protocol import event
d = display.Display()
root = d.screen().root
window = root.create_window(0, 0, 10, 10, 0, X.CopyFromParent)
extents = d.intern_atom("_NET_FRAME_EXTENTS")
root.send_event(event.ClientMessage(window=window, data=(32, [0] * 5),
                                    client_type=d.intern_atom("_NET_REQUEST_FRAME_EXTENTS")),
                event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
d.flush()
for _ in range(20):
    if window.get_full_property(extents, Xatom.CARDINAL):
        sys.exit(0)
    time.sleep(0.05)
sys.exit(1)
PY
}

# The window manager puts each window into a frame of its own, so the watch sees the frames
# map, not the windows: under it, a window is found once it is viewable, by its process, title
# and width. Prints its id.
client_window() { # pid width
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$1" --name "^${CAPTION//./\\.}\$" 2>/dev/null); do
        [ "$(window_geometry "$id" | awk '{ print $3 }')" = "$2" ] && { echo "$id"; return 0; }
    done
    return 1
}
wait_window() { wait_until client_window "$@"; }

# Starts program $1 (the application or a copy of it) with the NAME=VALUE settings that follow
# added to its environment. env execs the program, so LAST_PID is the program's own pid.
start_program() {
    local program=$1
    shift
    env "$@" "$program" >"$WORK/app-${#APP_PIDS[@]}.log" 2>&1 &
    LAST_PID=$!
    APP_PIDS+=("$LAST_PID")
}
start_app() { start_program "$APP"; }

# Starts the application, with the NAME=VALUE settings given, waits for its main window and
# gives it the focus; sets APP_PID and MAIN.
start_main() {
    local m
    m=$(mark)
    start_program "$APP" "$@"
    APP_PID=$LAST_PID
    MAIN=$(wait_map "$m" "$CAPTION" "$APP_PID" 496) || fail "the main window did not appear"
    focus "$MAIN" || fail "cannot focus the main window"
}

# In the focused window, opens the menu of Alt+$1 and picks its item of key $2; sets MARK to
# the moment just before the item was picked.
menu_item() {
    local m
    m=$(mark)
    xdotool key "alt+$1"
    wait_menu "$m" || fail "Alt+$1 opened no menu"
    MARK=$(mark)
    xdotool key "$2"
}

# A hand-over as a user makes it: in main window $1 of process $2, Tab from the unseen Exit
# button to the name box, type the name $3, Tab to the reading button and press Space. Waits
# for the chooser to map; sets CHOOSER to its id and MARK to the mark taken before the press.
hand_over() {
    focus "$1" || fail "cannot focus the main window"
    xdotool key Tab
    xdotool type --delay 20 "$3"
    MARK=$(mark)
    xdotool key Tab space
    CHOOSER=$(wait_map "$MARK" "$CAPTION" "$2" 577)
}

# Gives window $1 the keyboard focus (there is no window manager to do it) and waits until the
# server has it there.
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
focus() {
    xdotool windowfocus "$1" 2>/dev/null || return 1
    wait_until has_focus "$1"
}

# Waits for process $1 to end and sets EXIT_STATUS; fails when it does not end.
has_ended() { ! kill -0 "$1" 2>/dev/null; }
wait_exit() {
    wait_until has_ended "$1" || return 1
    EXIT_STATUS=0
    wait "$1" || EXIT_STATUS=$?
}

# In farewell window $1, Exit (Alt+X) ends program $2 with status 0; $3, when given, begins the
# failure messages.
exit_from_farewell() { # window pid [case]
    local case=${3:+$3: }
    focus "$1" || fail "${case}cannot focus the farewell window"
    xdotool key alt+x
    wait_exit "$2" || fail "${case}the farewell window's Exit did not end the program"
    [ "$EXIT_STATUS" = 0 ] || fail "${case}the program ended with status $EXIT_STATUS"
}

# The copies of the application running in this test's session (other tests may run copies of
# their own at the same time), one pid a line.
own_copies() {
    local exe pid
    exe=$(realpath "$APP")
    for pid in $(pgrep -x "$(basename "$APP")"); do
        [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$exe" ] &&
            tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" &&
            echo "$pid"
    done
    return 0
}

# Waits until the browser recorder holds $1 addresses; prints the last one.
opened_count() { wc -l <"$OPENED"; }
has_opened() { [ "$(opened_count)" -ge "$1" ]; }
wait_opened() {
    wait_until has_opened "$1" || return 1
    tail -n 1 "$OPENED"
}

page() { echo "$SITE/quintavel/ssd.php?page=$1"; }

shot() { import -window root "$1" 2>/dev/null; }
