# The program as the package installs it: the main window appears, carries the program's icon
# (_NET_WM_ICON, 48 x 48), a legacy WM_NAME that reads as the title (not UTF-8 bytes labelled
# Latin-1) and the class the desktop entry names; closing it ends the program with status 0.
source "$(dirname "$0")/../lib.sh"
e2e_start
e2e_shot "$MAIN" installed-main

# xprop draws the icon as text after a line "Icon (48 x 48):". sed reads all of it: with head,
# xprop could be cut off mid-write and the pipe's failure would end the scenario unannounced.
icon=$(xprop -id "$MAIN" _NET_WM_ICON 2>/dev/null | sed -n '1,2p' | tr -d '\t')
grep -q "Icon (48 x 48):" <<<"$icon" || fail "the main window has no 48 x 48 icon: $icon"

name=$(xprop -id "$MAIN" WM_NAME 2>/dev/null)
e2e_log "$name"
case "$name" in
"WM_NAME(COMPOUND_TEXT) = \"$MAIN_TITLE\"" | "WM_NAME(STRING) = \"Qorvin beta0.3\"") ;;
*) fail "the legacy window name is not the title: $name" ;;
esac

class=$(xprop -id "$MAIN" WM_CLASS 2>/dev/null)
grep -q '"petcalc"' <<<"$class" || fail "the window class is not petcalc: $class"
e2e_quit
