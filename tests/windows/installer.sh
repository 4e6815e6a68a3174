#!/usr/bin/env bash
# The Windows installer under Wine: a silent install for all users, the program started from
# its Start menu entry's target, and a silent uninstall that leaves none of the installer's
# files or registry keys, but the user's own setting.
#
#   installer.sh quintavel-VERSION-setup.exe
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh" "$1"
source "$here/winelib.sh"

drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Quintavel"
entry="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Quintavel.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quintavel'

wine "$APP" /S /AllUsers || fail "the silent install failed with status $?"
for file in quintavel.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll plugins/platforms/qwindows.dll \
    plugins/styles/qwindowsvistastyle.dll plugins/imageformats/qjpeg.dll qt.conf LICENSE.txt \
    uninstall.exe; do
    [ -f "$folder/$file" ] || fail "the install lacks $file"
done
[ -f "$entry" ] || fail "the install made no Start menu entry"
[ "$(registry_value "$uninstall_key" DisplayName)" = "REG_SZ Quintavel" ] ||
    fail "Windows' list of programs does not name Quintavel"
[ "$(registry_value "$uninstall_key" DisplayVersion)" = "REG_SZ $QUINTAVEL_VERSION" ] ||
    fail "Windows' list of programs gives another version"
pass "a silent install puts the program into Program Files, the Start menu and the list of programs"

# The entry's target, as Windows keeps it in the shortcut: a local path.
target=$(python3 - "$entry" <<'PY'
import re, sys
data = open(sys.argv[1], "rb").read()
for text in (data.decode("utf-16-le", "replace"), data.decode("latin-1")):
    found = re.search(r"[A-Za-z]:\\[^\x00\ufffd]*?quintavel\.exe", text, re.IGNORECASE)
    if found:
        print(found.group(0))
        break
PY
) || true
[ -n "$target" ] || fail "the Start menu entry names no program"
m=$(mark)
start_program "$(launcher "$target")"
app=$LAST_PID
main=$(wait_map "$m" "$CAPTION" "$app" 496) || fail "the entry's program showed no main window"
pass "the Start menu entry starts the installed program ($target)"

focus "$main" || fail "cannot focus the main window"
m=$(mark)
xdotool key alt+x
farewell=$(wait_map "$m" "$CAPTION" "$app" 741) || fail "Alt+X brought no farewell window"
exit_from_farewell "$farewell" "$app" "the installed program"
has_key "$SETTINGS_KEY" || fail "the installed program kept no setting"

# The uninstaller runs from a copy of itself in the temporary folder, and the copy removes
# the original: the install is gone once the folder is.
wine "$folder/uninstall.exe" /S || fail "the silent uninstall failed with status $?"
folder_gone() { [ ! -e "$folder" ]; }
wait_until folder_gone || fail "the uninstall left: $(cd "$folder" && find . -mindepth 1)"
[ ! -e "$entry" ] || fail "the uninstall left the Start menu entry"
! has_key "$uninstall_key" || fail "the uninstall left the entry in the list of programs"
! has_key "${uninstall_key/HKLM/HKCU}" || fail "the uninstall left a key of the user's"
has_key "$SETTINGS_KEY" || fail "the uninstall took the user's setting"
pass "a silent uninstall removes every file and key of the install and keeps the user's setting"
