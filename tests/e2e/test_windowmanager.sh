#!/usr/bin/env bash
# Under a real window manager every window is centred on the screen with the frame it gets,
# title bar included, and keyboard use goes on as without one.
source "$(dirname "$0")/lib.sh"

start_window_manager
read -r screen_w screen_h < <(xdpyinfo | awk '/dimensions:/ { sub("x", " ", $2); print $2 }')

is_gone() { ! is_mapped "$1"; }

# How far the middle of the window with its frame lies from the middle of the screen, right and
# down, in pixels: "0 0" when centred, "0.5" where the sizes leave half a pixel over.
offset_of() {
    local x y w h l r t b
    read -r x y w h < <(window_geometry "$1")
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | awk -F' = ' '{ gsub(",", ""); print $2 }')
    awk -v x=$((x - l)) -v y=$((y - t)) -v w=$((w + l + r)) -v h=$((h + t + b)) \
        -v sw="$screen_w" -v sh="$screen_h" 'BEGIN { print (2 * x + w - sw) / 2, (2 * y + h - sh) / 2 }'
}
centred() { # window what
    local dx dy
    read -r dx dy < <(offset_of "$1")
    awk -v dx="$dx" -v dy="$dy" 'BEGIN { exit !(dx <= 0.5 && dx >= -0.5 && dy <= 0.5 && dy >= -0.5) }' ||
        fail "$2 lies off the middle of the screen by $dx, $dy pixels with its frame"
    pass "$2 is centred with its frame ($(xprop -id "$1" _NET_FRAME_EXTENTS | cut -d= -f2 |
        tr -d ' ') left, right, top, bottom), off by $dx, $dy"
}

start_app
app=$LAST_PID
main=$(wait_window "$app" 496) || fail "the main window did not appear"
centred "$main" "the main window"

focus "$main" || fail "cannot focus the main window"
xdotool key Tab
xdotool type --delay 20 "ann"
xdotool key Tab Return
chooser=$(wait_window "$app" 577) || fail "Enter on the reading button opened no chooser"
centred "$chooser" "the chooser window"

focus "$chooser" || fail "cannot focus the chooser"
menu_item h a
about=$(wait_window "$app" 447) || fail "About Software opened no window"
centred "$about" "the About window"
focus "$about" || fail "cannot focus the About window"
xdotool key Escape
wait_until is_gone "$about" || fail "Escape did not close the About window"

# The farewell window was made during the hand-over, hidden; it shows when the chooser closes.
focus "$chooser" || fail "cannot focus the chooser again"
menu_item f x
farewell=$(wait_window "$app" 741) || fail "File, Exit left no farewell window"
centred "$farewell" "the farewell window"
focus "$farewell" || fail "cannot focus the farewell window"
xdotool key Return
wait_exit "$app" || fail "Enter on the farewell window's Exit did not end the process"
[ "$EXIT_STATUS" = 0 ] || fail "the process ended with status $EXIT_STATUS"
pass "Enter on the focused Exit button ends the process with status 0"
