#!/usr/bin/env bash
# Takes a whole reading with the keyboard alone while the Orca screen reader listens, and prints
# what Orca said after each key, as a blind user hears it. Everything runs on a desktop of its
# own: the end-to-end tests' private X server, session bus with the accessibility bus switched
# on and openbox window manager, and PulseAudio with a null sink (speech plays into nothing, at
# its own pace), Speech Dispatcher with eSpeak NG and Orca with its default settings.
#
#   tools/orca-reading.sh [path/to/quintavel]      (default: build/release/bin/quintavel)
#
# The program and Orca speak the caller's language: LANGUAGE=hi LANG=hi_IN.UTF-8 tools/...
#
# Missing Debian packages are installed first.
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
"$tools/ensure-packages.sh" orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng \
    pulseaudio openbox at-spi2-core dbus-daemon dbus-bin xvfb xauth xdotool x11-utils \
    x11-xserver-utils python3 python3-xlib
export QUINTAVEL_SITE=none # the pages opened are only written down
speak=(LANGUAGE="${LANGUAGE:-}" LANG="${LANG:-C.UTF-8}")
program=$(realpath "${1:-$tools/../build/release/bin/quintavel}")
# The windows' titles, as the program was built.
: "${QUINTAVEL_CAPTION:=$(grep -aom1 'Quintavel v[0-9][0-9.]*[0-9]' "$program" || true)}"
export QUINTAVEL_CAPTION
source "$tools/../tests/e2e/lib.sh" "$program"
[ -x "$APP" ] || fail "no program at $APP: build it first"

start_accessibility_bus
start_window_manager
start_service pulseaudio --daemonize=no -n --exit-idle-time=-1 \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=silence" \
    --load="module-always-sink"
wait_until test -S "$XDG_RUNTIME_DIR/pulse/native" || fail "PulseAudio did not start"
start_service speech-dispatcher --run-single --timeout 0 --log-dir "$WORK"

# Orca writes its debug log as a file does, in blocks, unless the log is a terminal: it writes to
# the terminal of `script`, which hands each line on to the log file at once.
: >"$WORK/orca.debug"
start_service env "${speak[@]}" script -q -f -e -c "orca --replace --debug-file /dev/stdout" \
    "$WORK/orca.debug"
said() { # what Orca has said so far, one thing a line, without the voice it said it in
    tr -d '\r' <"$WORK/orca.debug" | grep -a ' - SPEECH OUTPUT: ' |
        sed -E "s/^.* - SPEECH OUTPUT: //; s/ ?\{[^{}]*\}\$//"
}
said_count() { said | wc -l; }
has_spoken() { [ "$(said_count)" -gt 0 ]; }
wait_until has_spoken || fail "Orca said nothing as it started"

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
# The window manager gives a new window the focus; a program that does not bring the window
# is noted, and the reading goes on.
window_focused() { # width
    local id
    if ! id=$(wait_window "$app" "$1") || ! wait_until has_focus "$id"; then
        echo "(no window $1 pixels wide has the focus)"
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
    window_focused "$width"
    report "$what"
}

start_program "$APP" "${speak[@]}"
app=$LAST_PID
window_focused 496
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
