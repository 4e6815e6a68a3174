#!/usr/bin/env bash
# Start-up, the name box and the single-instance guard, driven with real X input.
source "$(dirname "$0")/lib.sh"

start_app
first=$LAST_PID
main=$(wait_window "Quintavel v1.20" "$first") || fail "the main window did not appear"
read -r _ _ width height < <(window_geometry "$main")
[ "$width" = 496 ] || fail "main window is $width pixels wide, not 496"
pass "main window maps with its title, $width x $height"

# The focus starts on the unseen Exit button; Tab reaches the name box.
focus "$main"
xdotool key Tab
xdotool type --delay 20 "ann"
xdotool key 7
box=$(wait_window "Quintavel" "$first") || fail "a typed digit brought no message"
pass "a typed digit brings a message box"
focus "$box"
xdotool key Return
wait_no_window "Quintavel" "$first" || fail "the message did not close on Enter"

# The letters reached the box: the hand-over goes through without asking for a name.
focus "$main"
xdotool key Tab space
chooser=$(wait_window "Quintavel v1.20" "$first") || fail "no chooser window"
read -r _ _ width _ < <(window_geometry "$chooser")
[ "$width" = 577 ] || fail "the hand-over did not open the chooser (a window $width wide is showing)"
xdotool search --all --onlyvisible --pid "$first" --name "^Quintavel\$" >/dev/null 2>&1 &&
    fail "the hand-over asked for a name although letters were typed"
pass "typed letters reach the box and the hand-over opens the chooser"

# A second copy is refused and ends with status 0; the first carries on.
settings_before=$(find "$XDG_CONFIG_HOME" -type f -exec md5sum {} + | sort)
start_app
second=$LAST_PID
refusal=$(wait_window "Quintavel" "$second") || fail "the second copy showed no message"
[ "$(visible_windows "$second")" = 1 ] || fail "the second copy shows more than its message"
focus "$refusal"
xdotool key Return
wait_exit "$second" || fail "the second copy did not end"
[ "$EXIT_STATUS" = 0 ] || fail "the second copy ended with status $EXIT_STATUS"
kill -0 "$first" || fail "the first copy ended too"
[ "$(find "$XDG_CONFIG_HOME" -type f -exec md5sum {} + | sort)" = "$settings_before" ] ||
    fail "the refused copy wrote a setting"
[ "$(window_geometry "$chooser" | cut -d' ' -f3)" = 577 ] || fail "the first copy's window changed"
xdotool search --all --onlyvisible --pid "$first" --name "^Quintavel v1.20\$" >/dev/null ||
    fail "the first copy's window is gone"
pass "a second copy shows its message and ends with status 0; the first is untouched"

# A copy killed outright never locks the user out.
kill -9 "$first"
wait "$first" 2>/dev/null || true
start_app
third=$LAST_PID
wait_window "Quintavel v1.20" "$third" >/dev/null || fail "after SIGKILL a new copy did not start"
xdotool search --all --onlyvisible --pid "$third" --name "^Quintavel\$" >/dev/null 2>&1 &&
    fail "after SIGKILL a new copy was refused"
pass "after SIGKILL of the first copy a new copy starts normally"
