#!/usr/bin/env bash
# Start-up, the name box and the single-instance guard, driven with real X input.
source "$(dirname "$0")/lib.sh"

m=$(mark)
start_app
first=$LAST_PID
main=$(wait_map "$m" "$CAPTION" "$first") || fail "the main window did not appear"
read -r _ _ width height < <(window_geometry "$main")
[ "$width" = 496 ] || fail "main window is $width pixels wide, not 496"
pass "main window maps with its title, $width x $height"

# The focus starts on the unseen Exit button; Tab reaches the name box.
focus "$main" || fail "cannot focus the main window"
xdotool key Tab
xdotool type --delay 20 "ann"
m=$(mark)
xdotool key 7
box=$(wait_map "$m" "Quintavel" "$first") || fail "a typed digit brought no message"
pass "a typed digit brings a message box"
focus "$box" || fail "cannot focus the message box"
m=$(mark)
xdotool key Return
wait_destroy "$m" "$box" || fail "the message did not close on Enter"

# The letters reached the box: the hand-over goes through without asking for a name.
focus "$main" || fail "cannot focus the main window again"
m=$(mark)
xdotool key Tab space
chooser=$(wait_map "$m" "$CAPTION" "$first" 577) || fail "no chooser window"
wait_unmap "$m" "$main" || fail "the hand-over left the main window showing"
event_after "$m" '$1 == "map" && title == "Quintavel"' >/dev/null &&
    fail "the hand-over asked for a name although letters were typed"
pass "typed letters reach the box and the hand-over opens the chooser"

# A second copy is refused and ends with status 0; the first carries on.
settings_before=$(find "$XDG_CONFIG_HOME" -type f -exec md5sum {} + | sort)
m=$(mark)
start_app
second=$LAST_PID
refusal=$(wait_map "$m" "Quintavel" "$second") || fail "the second copy showed no message"
[ "$(mapped_count "$second")" = 1 ] || fail "the second copy shows more than its message"
focus "$refusal" || fail "cannot focus the refusal"
xdotool key Return
wait_exit "$second" || fail "the second copy did not end"
[ "$EXIT_STATUS" = 0 ] || fail "the second copy ended with status $EXIT_STATUS"
kill -0 "$first" || fail "the first copy ended too"
[ "$(find "$XDG_CONFIG_HOME" -type f -exec md5sum {} + | sort)" = "$settings_before" ] ||
    fail "the refused copy wrote a setting"
is_mapped "$chooser" || fail "the first copy's chooser window is gone"
[ "$(window_geometry "$chooser" | cut -d' ' -f3)" = 577 ] || fail "the first copy's window changed"
pass "a second copy shows its message and ends with status 0; the first is untouched"

# A copy killed outright never locks the user out.
kill -9 "$first"
wait "$first" 2>/dev/null || true
m=$(mark)
start_app
third=$LAST_PID
wait_map "$m" "$CAPTION" "$third" 496 >/dev/null || fail "after SIGKILL a new copy did not start"
event_after "$m" "\$1 == \"map\" && \$3 == $third && title == \"Quintavel\"" >/dev/null &&
    fail "after SIGKILL a new copy was refused"
pass "after SIGKILL of the first copy a new copy starts normally"
