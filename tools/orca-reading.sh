#!/usr/bin/env bash
# Takes a whole reading with the keyboard alone while the Orca screen reader listens, and prints
# what Orca said after each key, as a blind user hears it. Everything runs on a desktop of its
# own: an X server without a screen, a session bus with the accessibility bus switched on,
# PulseAudio with a null sink (speech plays into nothing, at its own pace), Speech Dispatcher
# with eSpeak NG, the openbox window manager and Orca with its debug log.
#
#   tools/orca-reading.sh [path/to/quintavel]      (default: build/release/bin/quintavel)
#
# Missing Debian packages are installed with apt-get (through sudo when not root). With
# KEEP=1 the debug logs stay in a folder that is named at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
APP=$(realpath "${1:-build/release/bin/quintavel}")
[ -x "$APP" ] || { echo "no program at $APP: build it first" >&2; exit 2; }

pkgs=(orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng pulseaudio openbox
      at-spi2-core dbus-daemon dbus-bin xvfb xdotool x11-utils)
missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

WORK=$(mktemp -d)
PIDS=()
cleanup() {
    local i
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
        { kill "${PIDS[i]}" && wait "${PIDS[i]}"; } 2>/dev/null || true
    done
    if [ "${KEEP:-0}" = 1 ]; then echo "logs kept in $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
start() { # name command...: runs a service in the background, its output in $WORK/name.log
    local name=$1
    shift
    "$@" >"$WORK/$name.log" 2>&1 &
    PIDS+=("$!")
}
wait_until() { # the state is asked for again and again, for at most 30 seconds
    local deadline=$((SECONDS + 30))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# A home, runtime and configuration of their own: Orca starts with its default settings.
mkdir -p "$WORK/home" "$WORK/runtime"
chmod 700 "$WORK/runtime"
export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/runtime XDG_CONFIG_HOME=$WORK/home/.config
export XDG_DATA_HOME=$WORK/home/.local/share XDG_CACHE_HOME=$WORK/home/.cache
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION WAYLAND_DISPLAY SESSION_MANAGER QT_QPA_PLATFORM
# The pages the program opens are only written down.
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$WORK/opened" >"$WORK/browser"
chmod +x "$WORK/browser"
export BROWSER=$WORK/browser

mkfifo "$WORK/displayfd"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/displayfd" \
    >"$WORK/xvfb.log" 2>&1 &
PIDS+=("$!")
read -r -t 30 display <"$WORK/displayfd" || fail "Xvfb did not start"
export DISPLAY=:$display

dbus-daemon --session --nofork --print-address=4 4>"$WORK/bus" >"$WORK/dbus.log" 2>&1 &
PIDS+=("$!")
wait_until test -s "$WORK/bus" || fail "the session bus did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$WORK/bus")
export DBUS_SESSION_BUS_ADDRESS
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null || fail "the accessibility bus did not start"

start pulseaudio pulseaudio --daemonize=no -n --exit-idle-time=-1 \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=silence" \
    --load="module-always-sink"
wait_until test -S "$XDG_RUNTIME_DIR/pulse/native" || fail "PulseAudio did not start"
start speechd speech-dispatcher --run-single --timeout 0 --log-dir "$WORK"
start openbox openbox --sm-disable

# Orca writes its debug log as a file does, in blocks, unless the log is a terminal: it writes to
# the terminal of `script`, which hands each line on to the log file at once.
: >"$WORK/orca.debug"
start orca script -q -f -e -c "orca --replace --debug-file /dev/stdout" "$WORK/orca.debug"
said() { # what Orca has said so far, one thing a line, without the voice it said it in
    tr -d '\r' <"$WORK/orca.debug" | grep -a ' - SPEECH OUTPUT: ' |
        sed -E "s/^.* - SPEECH OUTPUT: //; s/ ?\{[^{}]*\}\$//"
}
said_count() { said | wc -l; }
has_spoken() { [ "$(said_count)" -gt 0 ]; }
wait_until has_spoken || fail "Orca said nothing as it started; see orca.debug (KEEP=1)"

# After each step, what Orca said for it: Orca has said all it will once it has been silent
# for a second (it notes a text as it begins to say it, however long the text).
heard=$(said_count)
report() {
    local before=-1 now quiet=0 deadline=$((SECONDS + 15))
    while [ $quiet -lt 10 ] && [ $SECONDS -lt $deadline ]; do
        sleep 0.1
        now=$(said_count)
        if [ "$now" = "$before" ]; then quiet=$((quiet + 1)); else quiet=0 before=$now; fi
    done
    echo "$1"
    said | tail -n +$((heard + 1)) | sed 's/^/    Orca: /'
    heard=$now
}
window_of() { # width: the program's mapped window of that width
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$app" --name . 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q "Width: $1\$" && { echo "$id"; return 0; }
    done
    return 1
}
focused_is() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
window_focused() { # width what: waits for it; when it does not come, the reading goes on
    local id
    if ! id=$(wait_until window_of "$1") || ! wait_until focused_is "$id"; then
        echo "(the $2 does not have the focus)"
    fi
}

step() { # what the user does, then the xdotool names of the keys it presses
    local what=$1
    shift
    xdotool key --delay 150 "$@"
    report "$what"
}
opens() { # width, what the user does, keys: as step, for keys that bring that window
    local width=$1 what=$2
    shift 2
    xdotool key --delay 150 "$@"
    window_focused "$width" "window $width pixels wide"
    report "$what"
}

start quintavel "$APP"
app=${PIDS[-1]}
window_focused 496 "main window"
report "Quintavel starts; the focus lies on the unseen Exit button"
step "Tab: into the name box" Tab
step "types a, n, n" a n n
step "Tab: to the reading button" Tab
opens 577 "Space: presses it; the chooser opens" space
for fruit in Apple Banana "Black Grapes" Cherry Coconut "Custard Apple" Mango Orange Paneapple; do
    step "Tab: to the next thumbnail ($fruit)" Tab
done
step "Space: chooses it" space
step "Tab: on from the reading" Tab
step "Shift+Tab: back to the reading" shift+Tab
opens 496 "Alt+B: back to the main window" alt+b
opens 577 "Enter: presses the reading button again; a fresh chooser opens" Return
step "Tab: to the first thumbnail (Apple)" Tab
step "Right: along the row (Banana)" Right
step "Down: to the row below (Orange)" Down
step "Left: along the row (Mango)" Left
step "Up: to the row above (Apple)" Up
step "Enter: chooses it" Return
opens 741 "Alt+F4: the window manager closes the window; the farewell window shows" alt+F4
step "Tab: to the next control" Tab
step "Space: presses it" space
step "Tab: on to the refer-a-friend form" Tab
step "Alt+X: Exit ends the program" alt+x
wait_until sh -c "! kill -0 $app 2>/dev/null" || fail "the program did not end"
echo "pages opened: $(tr '\n' ' ' <"$WORK/opened")"
