# The skinned frame as a person uses it: the main window is dragged by its title bar (also after
# the desktop moved it by itself), the result window closes with its close button and with
# Alt+F4, the minimize button asks the desktop to minimize the main window, and the main window's
# close button ends the program with status 0.
source "$(dirname "$0")/../lib.sh"
e2e_start

# Drag by the title bar (away from the buttons and the caption's text).
read -r x0 y0 <<<"$(e2e_position "$MAIN")"
xdotool mousemove --sync $((x0 + 230)) $((y0 + 10))
xdotool mousedown 1
sleep 0.1
for step in 1 2 3 4 5; do
    xdotool mousemove --sync $((x0 + 230 + step * 20)) $((y0 + 10 + step * 10))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3
read -r x1 y1 <<<"$(e2e_position "$MAIN")"
[ $((x1 - x0)) = 100 ] && [ $((y1 - y0)) = 50 ] ||
    fail "dragging the title bar by (100, 50) moved the window from ($x0, $y0) to ($x1, $y1)"

# The desktop moves the window by itself, as a window manager does: clicks made afterwards land
# by the new place, and the title bar drags it from there.
xdotool windowmove --sync "$MAIN" 300 200
sleep 0.3
e2e_fill mbdj 77
[ "$(e2e_copy_with ctrl+a ctrl+c)" = 77 ] || fail "a click after the desktop moved the window missed its field"
xdotool mousemove --sync $((300 + 230)) $((200 + 10))
xdotool mousedown 1
sleep 0.1
xdotool mousemove --sync $((300 + 250)) $((200 + 30))
sleep 0.05
xdotool mouseup 1
sleep 0.3
read -r x2 y2 <<<"$(e2e_position "$MAIN")"
[ "$x2 $y2" = "320 220" ] || fail "after the desktop's move a drag by (20, 20) left the window at ($x2, $y2)"

# The result window: a report, closed once with the close button, once with Alt+F4.
e2e_fill dj 30
e2e_fill czl 25
e2e_fill qjn 100
e2e_fill hjn 1000
e2e_fill qn 50
e2e_fill mbdj 40
for how in button alt+F4; do
    e2e_click fx
    report=$(e2e_wait_window "$CHECKUP_TITLE" 10) || fail "no result window ($how)"
    e2e_focus "$report"
    if [ "$how" = button ]; then
        e2e_close_window "$report"
    else
        e2e_keys alt+F4
    fi
    e2e_wait_gone "$report" || fail "the result window did not close with $how"
    e2e_focus "$MAIN"
done
# The main window takes input again.
e2e_fill mbdj 41
[ "$(e2e_copy_with ctrl+a ctrl+c)" = 41 ] || fail "the main window did not take input back"

# The minimize button, left of the close button: without a window manager the desktop never
# carries it out, so the request itself (WM_CHANGE_STATE to the root window) is what is seen.
if command -v xev >/dev/null 2>&1; then
    xev -root -event substructure >"$WORK/root-events" 2>/dev/null &
    xev_pid=$!
    sleep 0.3
    e2e_click_window "$MAIN" $(($(e2e_width "$MAIN") - CLOSE_FROM_RIGHT - 18)) "$CLOSE_FROM_TOP"
    sleep 0.5
    kill "$xev_pid" 2>/dev/null || true
    wait "$xev_pid" 2>/dev/null || true
    grep -q "WM_CHANGE_STATE" "$WORK/root-events" ||
        fail "the minimize button did not ask the desktop to minimize the main window"
else
    e2e_log "xev is not installed: the minimize request is not checked"
fi
e2e_fill dj 5
[ "$(e2e_copy_with ctrl+a ctrl+c)" = 5 ] || fail "the main window ignores input after minimize"
e2e_quit
