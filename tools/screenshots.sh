#!/usr/bin/env bash
# Takes the screenshots that the AppStream metainfo shows, from the built program on a private X
# server: the main window with a name typed, and a reading. Windows are captured without frames.
#
#   tools/screenshots.sh build/release/bin/quintavel packaging/screenshots [language]
#
# The files keep their names, with the language before the extension when one is given
# (main-window.de.png); their sizes are stated in packaging/quintavel.metainfo.xml.in.
set -euo pipefail
out=$(mkdir -p "${2:?usage: $0 path/to/quintavel output-dir [language]}" && cd "$2" && pwd)
language=${3:-}
suffix=${language:+.$language}
pictures=$(cd "$(dirname "$0")/../src/resources/pictures" && pwd)
export QUINTAVEL_SITE=none # no page is opened here
# The caption the program was built with, as the program holds it.
: "${QUINTAVEL_CAPTION:=$(grep -aom1 'Quintavel v[0-9][0-9.]*[0-9]' "$1")}"
export QUINTAVEL_CAPTION
source "$(dirname "$0")/../tests/e2e/lib.sh" "$1"

capture() { # window file
    import -window "$1" "$out/$2" || fail "cannot capture window $1"
    echo "$out/$2: $(identify -format '%wx%h' "$out/$2")"
}

if [ -n "$language" ]; then start_main LANGUAGE="$language" LANG="$language.UTF-8"; else start_main; fi
app=$APP_PID main=$MAIN
xdotool key Tab
import -window "$main" "$WORK/empty.png"
xdotool type --delay 20 "mary"
# The name has reached the box once many more pixels differ than a blinking text cursor makes.
name_shown() {
    import -window "$main" "$WORK/typed.png" 2>/dev/null
    local differing
    differing=$(compare -metric AE "$WORK/empty.png" "$WORK/typed.png" null: 2>&1 || true)
    awk -v n="$differing" 'BEGIN { exit !(n > 100) }'
}
wait_until name_shown || fail "the typed name did not show"
capture "$main" "main-window$suffix.png"

m=$(mark)
xdotool key Tab space
chooser=$(wait_map "$m" "$CAPTION" "$app" 577) || fail "no chooser window"
read -r cx cy _ ch < <(window_geometry "$chooser")
panel_x=$cx
panel_y=$((cy + ch - 321 + 48))
# Thumbnail 8, the pineapple; the reading is up once its large picture shows.
xdotool mousemove $((panel_x + 246)) $((panel_y + 129)) click 1
xdotool mousemove 0 0
reading_shown() {
    import -window root -crop "137x103+$((panel_x + 424))+$((panel_y + 48))" +repage \
        "$WORK/big.png" 2>/dev/null
    local difference
    difference=$(compare -metric RMSE "$WORK/big.png" "$pictures/big/paneapple.jpg" null: 2>&1 |
        sed 's/.*(\(.*\))/\1/' || true)
    awk -v d="$difference" 'BEGIN { exit !(d < 0.02) }'
}
wait_until reading_shown || fail "the reading did not show"
capture "$chooser" "reading$suffix.png"
