#!/usr/bin/env bash
# The name box with real X keys, in German: every Ctrl+letter, Ctrl+Backspace and Ctrl+Delete
# either brings the message and changes nothing, or edits the box; none lets anything else in.
# A letter beyond A to Z is a letter in a translation.
source "$(dirname "$0")/lib.sh"

start_main LANGUAGE=de LANG=de_DE.UTF-8
app=$APP_PID main=$MAIN
xdotool key Tab
xdotool type --delay 10 "ann"

# The box's text, read from the X selection after selecting it all with the mouse.
read -r mx my _ mh < <(window_geometry "$main")
box_y=$((my + mh - 241 + 40 + 72 + 24 + 11)) # the box's middle: in Frame1, in fraName
selection_is() {
    xdotool mousemove $((mx + 57)) "$box_y" mousedown 1 mousemove $((mx + 245)) "$box_y" mouseup 1
    [ "$(xclip -o -selection primary 2>/dev/null)" = "$1" ]
}
box_holds() {
    wait_until selection_is "$1" ||
        fail "the name box holds \"$(xclip -o -selection primary 2>/dev/null)\", not \"$1\""
    xdotool key End
}

# A key that must bring the message: the box appears, Enter dismisses it, the focus goes back.
refused() {
    local m box
    m=$(mark)
    xdotool key "$1"
    box=$(wait_map "$m" "Quintavel" "$app") || fail "$1 brought no message"
    focus "$box" || fail "cannot focus the message after $1"
    m=$(mark)
    xdotool key Return
    wait_destroy "$m" "$box" || fail "the message after $1 did not close"
    focus "$main" || fail "cannot focus the main window after $1"
}
# A key that must bring no message: a refused digit after it proves it was handled, and the
# digit's message must be the only one.
accepted() {
    local m
    m=$(mark)
    xdotool key "$1"
    refused 7
    [ "$(tail -n +$((m + 1)) "$EVENTS" | awk '$1 == "map" && $8 == 0 && NF == 9 && $9 == "Quintavel"' |
        wc -l)" = 1 ] || fail "$1 brought a message"
}

box_holds ANN
for letter in a b c d e f g i j k l n o p q r s t u v w x y z; do
    refused "ctrl+$letter"
done
box_holds ANN
pass "Ctrl with any letter but H and M brings the message and leaves the box as it was"

accepted ctrl+h
box_holds AN
accepted ctrl+m
box_holds AN
pass "Ctrl+H deletes a letter like Backspace, and Ctrl+M passes like Enter, without a message"

refused ctrl+BackSpace
box_holds AN
pass "Ctrl+Backspace brings the message and deletes nothing"

accepted alt+k
accepted alt+q
box_holds AN
pass "a letter held with Alt that is no accelerator types nothing"

xdotool key Home
accepted ctrl+Delete
xdotool type "b"
box_holds B
pass "Ctrl+Delete deletes the word after the caret, without a message"

xdotool type "jürgen"
box_holds BJÜRGEN
refused 7
box_holds BJÜRGEN
pass "in German the box takes ü as a letter, made a capital, and still refuses a digit"
