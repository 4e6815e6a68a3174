#!/usr/bin/env bash
# Under GTK's dark Adwaita, as a GNOME desktop gives it through Qt's GTK platform theme, every
# window keeps its look: the palettes test again, with the desktop's palette from GTK, which
# needs an X server to read its theme from.
. "$(dirname "$0")/lib.sh"

# GTK's accessibility bridge, which has nothing to do with colours, stays out: it keeps a block
# for the life of the process that the sanitizer build's leak check reports.
NO_AT_BRIDGE=1 QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark \
    "$(dirname "$APP")/test_palettes" || fail "test_palettes failed under GTK's dark theme"
pass "every window keeps its look under GTK's dark Adwaita"
