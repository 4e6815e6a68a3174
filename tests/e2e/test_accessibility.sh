#!/usr/bin/env bash
# Whole readings as a screen reader user takes them: one with the keyboard alone, following the
# focus on the accessibility bus, and one through the bus alone: the windows' titles, the
# controls' roles and names, only what can be seen reported as showing, and every step taken
# by an accessible action.
source "$(dirname "$0")/lib.sh"
texts=$(cd "$(dirname "$0")/../../src/resources" && pwd)/texts.cpp

start_accessibility_bus
m=$(mark)
start_app
app=$LAST_PID
wait_map "$m" "$CAPTION" "$app" 496 >/dev/null || fail "the main window did not appear"
/usr/bin/python3 "$E2E_DIR/screenreader.py" "$app" "$texts" "$OPENED" "$(page home-page)" ||
    fail "the reading through the accessibility bus broke off"
wait_exit "$app" || fail "the farewell window's Exit did not end the process"
[ "$EXIT_STATUS" = 0 ] || fail "the process ended with status $EXIT_STATUS"
pass "the farewell window's Exit, pressed through the bus, ends the process with status 0"
