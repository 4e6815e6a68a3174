#!/usr/bin/env bash
# The update reminder across starts of the real binary, with the clock moved on by faketime and
# the question answered with real X input.
source "$(dirname "$0")/lib.sh"

# The faketime command forks and runs the program in a child, which would not be the process
# started here; its settings are taken over instead and the program started directly.
mapfile -t later < <(faketime -f +20d env | grep -E '^(FAKETIME|LD_PRELOAD)=')
[ "${#later[@]}" = 2 ] || fail "faketime gave no settings to move the clock with"
settings=$XDG_CONFIG_HOME/$(basename "$APP").ini

# These start a copy in this shell, not in a subshell, so that LAST_PID and APP_PIDS hold it.

# Starts program $1 with the settings that follow and waits for its main window, before which
# no question may have come.
start_quietly() {
    local m
    m=$(mark)
    start_program "$@"
    wait_map "$m" "$CAPTION" "$LAST_PID" 496 >/dev/null || return 1
    ! event_after "$m" "\$1 == \"map\" && \$3 == $LAST_PID && title == \"Quintavel\"" \
        >/dev/null
}
# Ends the last started copy outright, as a crash or a shutdown of the machine would.
terminate() {
    kill -TERM "$LAST_PID"
    wait_exit "$LAST_PID"
}

# Starts program $1 with the settings that follow and waits for the question, which must come
# while no other window of that copy shows; sets BOX to the message box id.
start_asked() {
    local m
    m=$(mark)
    start_program "$@"
    BOX=$(wait_map "$m" "Quintavel" "$LAST_PID") || return 1
    [ "$(mapped_windows "$LAST_PID")" = "$BOX" ]
}

start_quietly "$APP" || fail "the first start asked a question or showed no main window"
terminate || fail "the first copy did not end on SIGTERM"
[ -s "$settings" ] || fail "the first start kept no date"
pass "the first start asks nothing, and its date outlives SIGTERM"

start_asked "$APP" "${later[@]}" || fail "20 days later no question came before the main window"
app=$LAST_PID
focus "$BOX" || fail "cannot focus the question"
m=$(mark)
xdotool key Return
wait_unmap "$m" "$BOX" || fail "Enter did not close the question"
wait_map "$m" "$CAPTION" "$app" 496 >/dev/null || fail "no main window after the answer"
opened=$(wait_opened 1) || fail "Yes opened no page"
[ "$opened" = "$(page download-web-page)" ] || fail "Yes opened $opened"
terminate || fail "the copy 20 days later did not end"
pass "20 days later the question comes first; Yes opens the download page, then the main window"

start_quietly "$APP" "${later[@]}" || fail "the question came again on the same day"
terminate || fail "the third copy did not end"
pass "on the same day the question does not come again"

# A copy under another file name keeps settings of its own: it starts as at a first start,
# although the date kept for the original name lies 20 days away.
renamed=$WORK/fruity
cp "$APP" "$renamed"
kept=$(md5sum <"$settings")
start_quietly "$renamed" || fail "a copy under another name asked a question"
terminate || fail "the renamed copy did not end"
[ -s "$XDG_CONFIG_HOME/fruity.ini" ] || fail "the renamed copy kept no date of its own"
[ "$(md5sum <"$settings")" = "$kept" ] || fail "the renamed copy changed the original's date"
pass "a copy under another file name starts as at its first start"

start_asked "$renamed" "${later[@]}" || fail "20 days later the renamed copy did not ask"
app=$LAST_PID
focus "$BOX" || fail "cannot focus the question"
m=$(mark)
xdotool key n
main=$(wait_map "$m" "$CAPTION" "$app" 496) || fail "no main window after No"
# A page asked for now arrives after anything the start might have opened.
focus "$main" || fail "cannot focus the main window"
menu_item h o
opened=$(wait_opened 2) || fail "Online Help opened nothing"
[ "$opened" = "$(page help-web-page)" ] && [ "$(wc -l <"$OPENED")" = 2 ] ||
    fail "after No the browser was asked for: $(tail -n +2 "$OPENED" | tr '\n' ' ')"
pass "No brings the main window and opens no page"
