#!/usr/bin/env bash
# A reading end to end with real X input: name, hand-over, a fruit, Back, links and the end.
source "$(dirname "$0")/lib.sh"
pictures=$(cd "$(dirname "$0")/../../src/resources/pictures" && pwd)

start_app
app=$LAST_PID
main=$(wait_window "Quintavel v1.20" "$app") || fail "the main window did not appear"
focus "$main"
xdotool key Tab
xdotool type --delay 20 "mary jane"
xdotool key Tab space
chooser=$(wait_window "Quintavel v1.20" "$app") || fail "no chooser window"
read -r cx cy cw ch < <(window_geometry "$chooser")
[ "$cw" = 577 ] || fail "the chooser did not open"
[ "$(visible_windows "$app")" = 1 ] || fail "more than the chooser window is showing"
pass "the hand-over hides the main window and opens the chooser"

# The client area starts below the menu bar; the panels start 48 pixels into it.
menubar=$((ch - 321))
panel_x=$cx
panel_y=$((cy + menubar + 48))

# A link opens its page in the browser, and only that page.
xdotool mousemove $((cx + 288)) $((cy + menubar + 24)) click 1
for _ in $(seq 50); do [ -s "$OPENED" ] && break; sleep 0.1; done
[ "$(cat "$OPENED")" = "https://www.vellumsoftwares.com/quintavel/ssd.php?page=home-page" ] ||
    fail "the banner link opened: $(cat "$OPENED")"
pass "the banner link opens the forum's home page in the browser"

# Thumbnail 8, the pineapple, lies in column 2 of the second row.
xdotool mousemove $((panel_x + 216 + 30)) $((panel_y + 104 + 25)) click 1
sleep 0.5
shot "$WORK/result.png"
convert "$WORK/result.png" -crop "137x103+$((panel_x + 424))+$((panel_y + 48))" +repage "$WORK/big.png"
difference=$(compare -metric RMSE "$WORK/big.png" "$pictures/big/paneapple.jpg" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
awk -v d="$difference" 'BEGIN { exit !(d < 0.02) }' ||
    fail "the big picture differs from the pineapple picture (RMSE $difference)"
pass "a click on thumbnail 8 shows the pineapple picture (RMSE $difference)"

# Alt+B goes back: the chooser is destroyed and the main window keeps the name.
focus "$chooser"
xdotool key alt+b
wait_window "Quintavel v1.20" "$app" >/dev/null
for _ in $(seq 50); do
    [ "$(window_geometry "$main" | cut -d' ' -f3)" = 496 ] &&
        xdotool search --all --onlyvisible --pid "$app" --name . | grep -qx "$main" && break
    sleep 0.1
done
xdotool search --all --onlyvisible --pid "$app" --name . | grep -qx "$main" || fail "Alt+B did not return"
[ "$(visible_windows "$app")" = 1 ] || fail "after Back more than the main window is showing"
xwininfo -id "$chooser" >/dev/null 2>&1 && fail "the chooser window was not destroyed"
pass "Alt+B returns to the main window"

# The name is still there: a click on the button hands over again without asking for it.
read -r mx my _ mh < <(window_geometry "$main")
xdotool mousemove $((mx + 369)) $((my + mh - 241 + 147)) click 1
second=$(wait_window "Quintavel v1.20" "$app") || fail "no second chooser"
[ "$(window_geometry "$second" | cut -d' ' -f3)" = 577 ] || fail "the second hand-over did not open"
xdotool search --all --onlyvisible --pid "$app" --name "^Quintavel\$" >/dev/null 2>&1 &&
    fail "the name was lost: the hand-over asked for it"
[ "$second" != "$chooser" ] || fail "the second hand-over reused the old chooser"
pass "the name survives Back and a fresh chooser opens"

# Closing the chooser leaves the farewell window; closing that ends the process with 0.
focus "$second"
xdotool key alt+f
sleep 0.3
xdotool key x
for _ in $(seq 50); do xwininfo -id "$second" >/dev/null 2>&1 || break; sleep 0.1; done
[ "$(visible_windows "$app")" = 1 ] || fail "after Exit not exactly one window is showing"
farewell=$(xdotool search --all --onlyvisible --pid "$app" --name . | head -n 1)
[ "$farewell" != "$main" ] || fail "the main window came back after Exit"
pass "Exit from the chooser leaves only the farewell window"
focus "$farewell" || fail "cannot focus the farewell window"
xdotool key alt+x
wait_exit "$app" || fail "closing the farewell window did not end the process"
[ "$EXIT_STATUS" = 0 ] || fail "the process ended with status $EXIT_STATUS"
pass "closing the farewell window ends the process with status 0"
