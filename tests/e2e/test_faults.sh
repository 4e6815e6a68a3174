#!/usr/bin/env bash
# Faults from the environment: no usable runtime directory, no browser at all, a settings file
# that is garbage or a directory, a display that cannot be reached. In each but the last the
# application starts, takes a reading, is refused as a second copy where that applies, ends
# cleanly, and prints nothing.
source "$(dirname "$0")/lib.sh"

settings=$XDG_CONFIG_HOME/$(basename "$APP").ini

# Starts a copy with the settings given, takes a reading with real keys, opens the home page
# from the banner, and leaves through the farewell window; the copy must say nothing at all.
reading_then_exit() {
    local case=$1 m main chooser farewell log
    shift
    m=$(mark)
    start_program "$APP" "$@"
    local app=$LAST_PID
    log=$WORK/app-$((${#APP_PIDS[@]} - 1)).log
    main=$(wait_map "$m" "$CAPTION" "$app" 496) || fail "$case: no main window"
    event_after "$m" "\$1 == \"map\" && \$3 == $app && title == \"Quintavel\"" >/dev/null &&
        fail "$case: a message came at start"
    hand_over "$main" "$app" ann || fail "$case: no chooser"
    chooser=$CHOOSER
    read -r cx cy _ ch < <(window_geometry "$chooser")
    xdotool mousemove $((cx + 288)) $((cy + ch - 321 + 24)) click 1 # the banner link
    xdotool mousemove $((cx + 246)) $((cy + ch - 321 + 48 + 129)) click 1 # the pineapple
    focus "$chooser" || fail "$case: cannot focus the chooser"
    menu_item f x
    farewell=$(wait_map "$MARK" "$CAPTION" "$app" 741) || fail "$case: no farewell window"
    exit_from_farewell "$farewell" "$app" "$case"
    [ ! -s "$log" ] || fail "$case: the copy printed: $(cat "$log")"
}

# A second copy beside a running one must still be refused, and say nothing but its message.
refused_beside() {
    local case=$1 m first second box
    shift
    m=$(mark)
    start_program "$APP" "$@"
    first=$LAST_PID
    wait_map "$m" "$CAPTION" "$first" 496 >/dev/null || fail "$case: no first copy"
    m=$(mark)
    start_program "$APP" "$@"
    second=$LAST_PID
    box=$(wait_map "$m" "Quintavel" "$second") || fail "$case: a second copy was not refused"
    focus "$box" || fail "$case: cannot focus the refusal"
    xdotool key Return
    wait_exit "$second" || fail "$case: the refused copy did not end"
    [ ! -s "$WORK/app-$((${#APP_PIDS[@]} - 1)).log" ] || fail "$case: the refused copy printed"
    kill -TERM "$first"
    wait_exit "$first" || fail "$case: the first copy did not end"
}

run_case() { reading_then_exit "$@" && refused_beside "$@"; }

locked=$WORK/locked-runtime
mkdir -p "$locked" && chmod 500 "$locked"
run_case "no runtime directory" -u XDG_RUNTIME_DIR
run_case "a runtime directory of someone else's rights" XDG_RUNTIME_DIR="$locked"
pass "without a usable runtime directory a copy starts, is refused beside another and says nothing"

nobrowser=$WORK/no-browser
mkdir -p "$nobrowser"
before=$(opened_count)
reading_then_exit "no browser" -u BROWSER PATH="$nobrowser"
[ "$(opened_count)" = "$before" ] || fail "a browser was found where there is none"
pass "with no browser and no xdg-open a link does nothing visible and nothing is printed"

printf '\0\377garbage[[[\n=\n' >"$settings"
reading_then_exit "a settings file of garbage"
rm -f "$settings"
mkdir -p "$settings"
reading_then_exit "a directory where the settings file belongs"
rmdir "$settings"
pass "a settings file that is garbage or a directory keeps no copy from a reading"

# A display that cannot be reached: after Qt's own words the copy names it in one line and ends
# with status 1, not with an abort, and no window of it appears anywhere.
dead=:$((display + 1000))
xdpyinfo -display "$dead" >/dev/null 2>&1 && fail "display $dead answers"
m=$(mark)
start_program "$APP" DISPLAY="$dead"
app=$LAST_PID
log=$WORK/app-$((${#APP_PIDS[@]} - 1)).log
wait_exit "$app" || fail "with display $dead the copy did not end"
[ "$EXIT_STATUS" = 1 ] || fail "with display $dead the copy ended with status $EXIT_STATUS"
said="$(basename "$APP"): no window can be shown: could not connect to the X display $dead"
[ "$(tail -n 1 "$log")" = "$said" ] || fail "with display $dead the copy printed: $(cat "$log")"
event_after "$m" "\$3 == $app" >/dev/null && fail "with display $dead a window appeared"
pass "with a display that cannot be reached the copy names it and ends with status 1"
