#!/usr/bin/env bash
# A reading end to end with real X input: name, hand-over, a fruit, Back, links and the end.
source "$(dirname "$0")/lib.sh"
pictures=$(cd "$(dirname "$0")/../../src/resources/pictures" && pwd)

start_main
app=$APP_PID main=$MAIN
hand_over "$main" "$app" "mary jane" || fail "no chooser window"
chooser=$CHOOSER m=$MARK
wait_unmap "$m" "$main" || fail "the main window stayed"
[ "$(mapped_count "$app")" = 1 ] || fail "more than the chooser window is showing"
pass "the hand-over hides the main window and opens the chooser"

# The client area starts below the menu bar; the panels start 48 pixels into it.
read -r cx cy _ ch < <(window_geometry "$chooser")
menubar=$((ch - 321))
panel_x=$cx
panel_y=$((cy + menubar + 48))

# A link opens its page in the browser, and only that page.
xdotool mousemove $((cx + 288)) $((cy + menubar + 24)) click 1
opened=$(wait_opened 1) || fail "the banner link opened nothing"
[ "$opened" = "$(page home-page)" ] || fail "the banner link opened: $opened"
pass "the banner link opens the forum's home page in the browser"

# Thumbnail 8, the pineapple, lies in column 2 of the second row.
big_picture_is() {
    shot "$WORK/result.png"
    convert "$WORK/result.png" -crop "137x103+$((panel_x + 424))+$((panel_y + 48))" +repage \
        "$WORK/big.png"
    difference=$(compare -metric RMSE "$WORK/big.png" "$pictures/big/$1.jpg" null: 2>&1 |
        sed 's/.*(\(.*\))/\1/')
    awk -v d="$difference" 'BEGIN { exit !(d < 0.02) }'
}
xdotool mousemove $((panel_x + 216 + 30)) $((panel_y + 104 + 25)) click 1
wait_until big_picture_is paneapple ||
    fail "the big picture differs from the pineapple picture (RMSE $difference)"
pass "a click on thumbnail 8 shows the pineapple picture (RMSE $difference)"

# Alt+B goes back: the chooser is destroyed and the main window keeps the name.
focus "$chooser" || fail "cannot focus the chooser"
m=$(mark)
xdotool key alt+b
wait_destroy "$m" "$chooser" || fail "Alt+B did not close the chooser"
wait_until event_after "$m" "\$1 == \"map\" && \$2 == $main" >/dev/null ||
    fail "Alt+B did not bring the main window back"
[ "$(mapped_windows "$app")" = "$main" ] || fail "after Back more than the main window is showing"
pass "Alt+B returns to the main window"

# The name is still there: a click on the button hands over again without asking for it.
read -r mx my _ mh < <(window_geometry "$main")
m=$(mark)
xdotool mousemove $((mx + 369)) $((my + mh - 241 + 147)) click 1
second=$(wait_map "$m" "$CAPTION" "$app" 577) || fail "no second chooser"
event_after "$m" '$1 == "map" && title == "Quintavel"' >/dev/null &&
    fail "the name was lost: the hand-over asked for it"
[ "$second" != "$chooser" ] || fail "the second hand-over reused the old chooser"
pass "the name survives Back and a fresh chooser opens"

# Closing the chooser leaves the farewell window; closing that ends the process with 0.
focus "$second" || fail "cannot focus the second chooser"
menu_item f x
m=$MARK
wait_destroy "$m" "$second" || fail "File, Exit did not close the chooser"
farewell=$(wait_map "$m" "$CAPTION" "$app" 741) || fail "no farewell window"
[ "$(mapped_windows "$app")" = "$farewell" ] || fail "after Exit more than the farewell window shows"
pass "Exit from the chooser leaves only the farewell window"
m=$(mark)
exit_from_farewell "$farewell" "$app"
pass "closing the farewell window ends the process with status 0"
# The main window was still loaded, hidden: its own close handling during the end shows no
# farewell window of its own, not even for an instant.
event_after "$m" '$1 == "map"' >/dev/null && fail "a window appeared while the application ended"
pass "no window appears while the application ends"
