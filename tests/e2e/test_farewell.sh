#!/usr/bin/env bash
# The maker's pages, the About window and the farewell window with its refer-a-friend form,
# driven with real X input.
source "$(dirname "$0")/lib.sh"

start_main
app=$APP_PID main=$MAIN

# Help, Online Help opens the help page.
menu_item h o
opened=$(wait_opened 1) || fail "Online Help opened nothing"
[ "$opened" = "$(page help-web-page)" ] || fail "Online Help opened $opened"
pass "Help, Online Help opens the help page"

# The About window is a dialog of the main window; Enter closes it, and so does Escape.
for closing_key in Return Escape; do
    focus "$main" || fail "cannot focus the main window"
    menu_item h a
    about=$(wait_map "$MARK" "$CAPTION" "$app" 447) || fail "About Software opened no window"
    xprop -id "$about" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$main")" ||
        fail "the About window is not a dialog of the main window: $(xprop -id "$about" WM_TRANSIENT_FOR)"
    xprop -id "$about" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG ||
        fail "the About window is not a dialog: $(xprop -id "$about" _NET_WM_WINDOW_TYPE)"
    focus "$about" || fail "cannot focus the About window"
    m=$(mark)
    xdotool key "$closing_key"
    wait_destroy "$m" "$about" || fail "$closing_key did not close the About window"
    is_mapped "$main" || fail "the main window went away with the About window"
done
pass "the About window is a dialog of its opener and closes on Enter and on Escape"

# A hand-over and Back: the farewell window, created hidden, never shows on screen.
hand_over "$main" "$app" ann || fail "no chooser window"
chooser=$CHOOSER m=$MARK
focus "$chooser" || fail "cannot focus the chooser"
xdotool key alt+b
wait_destroy "$m" "$chooser" || fail "Alt+B did not close the chooser"
wait_until event_after "$m" "\$1 == \"map\" && \$2 == $main" >/dev/null ||
    fail "Back did not bring the main window back"
event_after "$m" '$1 == "map" && $6 == 741' >/dev/null &&
    fail "the farewell window showed during the hand-over or Back"
pass "neither the hand-over nor Back shows the farewell window, even for an instant"

# Alt+X on the main window brings the farewell window: on top, and without taking the focus.
focus "$main" || fail "cannot focus the main window"
m=$(mark)
xdotool key alt+x
farewell=$(wait_map "$m" "$CAPTION" "$app" 741) || fail "Alt+X brought no farewell window"
wait_destroy "$m" "$main" || fail "Alt+X did not close the main window"
xprop -id "$farewell" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
    fail "the farewell window is not kept on top: $(xprop -id "$farewell" _NET_WM_STATE)"
[ "$(xdotool getwindowfocus 2>/dev/null)" != "$farewell" ] ||
    fail "the farewell window took the focus when it appeared"
pass "Alt+X brings the farewell window, kept on top and shown without taking the focus"

# A referral typed by keyboard reaches the browser as one address with exactly those values,
# in any script: Latin, Arabic, Devanagari and Japanese.
focus "$farewell" || fail "cannot focus the farewell window"
name='Zoë & علا #1'
mine='ann+zoe@a.example'
friend='किरण = Co?'
friends='bob@b.example'
message='元気です?'
xdotool key Tab Tab # Exit, the big button, then the name box
xdotool type --delay 20 "  $name "
xdotool key Tab Tab # the submit button, then the e-mail box
xdotool type --delay 20 "$mine"
xdotool key Tab
xdotool type --delay 20 "$friends"
xdotool key Tab
xdotool type --delay 20 "$friend"
xdotool key Tab ctrl+a # the message box, its hint and the line break after it
xdotool type --delay 20 "$message"
before=$(opened_count)
xdotool key alt+n
sent=$(wait_opened $((before + 1))) || fail "the referral opened nothing"
decoded=$(/usr/bin/python3 -c '
import sys, urllib.parse
query = urllib.parse.urlsplit(sys.argv[1]).query
for key, value in urllib.parse.parse_qsl(query, keep_blank_values=True, strict_parsing=True):
    print(key + "=" + value.replace("\r", "<CR>").replace("\n", "<LF>"))
' "$sent") || fail "the referral address does not decode: $sent"
expected="page=twvs-refer-a-friend
taf1=$name
taf2=$mine
taf3=$message
taf4=$friend
taf5=$friends
taf6=$SITE/quintavel/"
[ "$decoded" = "$expected" ] || fail "the referral decodes as:
$decoded
not:
$expected"
[ "$(opened_count)" = $((before + 1)) ] || fail "the referral opened more than one address"
pass "a referral typed with & # + = ? spaces, an accented letter, Arabic, Devanagari and Japanese arrives exactly as typed"

# Exit ends the process, with status 0, and leaves nothing running.
exit_from_farewell "$farewell" "$app"
[ -z "$(own_copies)" ] || fail "a copy of the application is still running: $(own_copies)"
pass "Exit on the farewell window ends the process with status 0 and leaves nothing running"
