#!/usr/bin/env bash
# Under a real window manager every window is centred on the screen with the frame it gets,
# title bar included, and keyboard use goes on as without one.
source "$(dirname "$0")/lib.sh"

# A light window manager of the test's own. It is ready once it tells a new window, before
# that shows, the frame it is going to get, as the application asks it.
start_service openbox --sm-disable
wm_ready() {
    /usr/bin/python3 - <<'PY'
import sys, time
from Xlib import X, Xatom, display
from Xlib.protocol import event
d = display.Display()
root = d.screen().root
window = root.create_window(0, 0, 10, 10, 0, X.CopyFromParent)
extents = d.intern_atom("_NET_FRAME_EXTENTS")
root.send_event(event.ClientMessage(window=window, data=(32, [0] * 5),
                                    client_type=d.intern_atom("_NET_REQUEST_FRAME_EXTENTS")),
                event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
d.flush()
for _ in range(20):
    if window.get_full_property(extents, Xatom.CARDINAL):
        sys.exit(0)
    time.sleep(0.05)
sys.exit(1)
PY
}
wait_until wm_ready || fail "the window manager did not start"
read -r screen_w screen_h < <(xdpyinfo | awk '/dimensions:/ { sub("x", " ", $2); print $2 }')

# The window manager puts each window into a frame of its own, so the watch sees the frames
# map, not the windows: a window is found once it is viewable, by its process, title and width.
client_window() { # pid width
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$1" --name '^Quintavel v1\.20$' 2>/dev/null); do
        [ "$(window_geometry "$id" | awk '{ print $3 }')" = "$2" ] && { echo "$id"; return 0; }
    done
    return 1
}
wait_window() { wait_until client_window "$@"; }
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
