#!/usr/bin/env bash
# Quintavel for Windows end to end under Wine, from its portable zip: the main window, a name,
# the hand-over, a reading, a page in the browser (Wine hands it to xdg-open, which honours
# BROWSER), the setting in the registry, a second copy refused, and the end through the
# farewell window, driven with real X input on Wine's X windows.
#
#   e2e.sh quintavel-VERSION-windows-x86_64.zip
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh" "$1"
source "$here/winelib.sh"
pictures=$here/../../src/resources/pictures

(cd "$WORK" && python3 -m zipfile -e "$APP" .) || fail "the zip does not unpack"
APP=$(launcher "$WORK/quintavel-$QUINTAVEL_VERSION/quintavel.exe")

m=$(mark)
start_app
app=$LAST_PID
main=$(wait_map "$m" "$CAPTION" "$app") || fail "the main window did not appear"
read -r _ _ width height < <(window_geometry "$main")
[ "$width" = 496 ] || fail "the main window is $width pixels wide, not 496"
pass "the main window maps with its title, $width x $height"

kept=$(registry_value "$SETTINGS_KEY" Evsbujpo) || fail "the first start kept no date in the registry"
[ "$kept" = "REG_SZ $(kept_today)" ] || fail "the registry holds \"$kept\", not today's date"
pass "the first start keeps today's date, scrambled, where programs of its kind keep settings"

hand_over "$main" "$app" "mary jane" || fail "no chooser window"
chooser=$CHOOSER
wait_unmap "$MARK" "$main" || fail "the main window stayed"
pass "a name and the reading button hand over to the chooser"

# The chooser's panels start 48 pixels below its menu bar; thumbnail 8, the pineapple, lies in
# column 2 of the second row, and the big picture beside the reading.
read -r cx cy _ ch < <(window_geometry "$chooser")
panel_y=$((cy + ch - 321 + 48))
big_picture_is() {
    shot "$WORK/result.png"
    convert "$WORK/result.png" -crop "137x103+$((cx + 424))+$((panel_y + 48))" +repage "$WORK/big.png"
    difference=$(compare -metric RMSE "$WORK/big.png" "$pictures/big/$1.jpg" null: 2>&1 |
        sed 's/.*(\(.*\))/\1/')
    awk -v d="$difference" 'BEGIN { exit !(d < 0.02) }'
}
xdotool mousemove $((cx + 216 + 30)) $((panel_y + 104 + 25)) click 1
wait_until big_picture_is paneapple || fail "the reading shows no pineapple (RMSE $difference)"
pass "a click on the pineapple shows its reading (RMSE $difference)"

xdotool mousemove $((cx + 288)) $((cy + ch - 321 + 24)) click 1
opened=$(wait_opened 1) || fail "the banner link opened nothing"
[ "$opened" = "$(page home-page)" ] || fail "the banner link opened: $opened"
pass "the banner link opens the home page in the browser through Wine"

m=$(mark)
start_app
second=$LAST_PID
refusal=$(wait_map "$m" "Quintavel" "$second") || fail "the second copy showed no message"
focus "$refusal" || fail "cannot focus the refusal"
xdotool key Return
wait_exit "$second" || fail "the second copy did not end"
[ "$EXIT_STATUS" = 0 ] || fail "the second copy ended with status $EXIT_STATUS"
is_mapped "$chooser" || fail "the first copy's chooser window is gone"
pass "a second copy shows its message box and ends with status 0; the first carries on"

focus "$chooser" || fail "cannot focus the chooser"
menu_item f x
farewell=$(wait_map "$MARK" "$CAPTION" "$app" 741) || fail "File, Exit brought no farewell window"
exit_from_farewell "$farewell" "$app"
pass "File, Exit and the farewell window's Exit end the program with status 0"
