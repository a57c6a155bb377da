#!/bin/bash
# Drives nativedemo on a virtual X display: types into the edit, copies it to the desktop
# clipboard, pastes Chinese text from the desktop clipboard, types into the memo and selects a
# line of it with the mouse, then copies that.
# Usage: nativedemo-e2e.sh path/to/nativedemo   (inside xvfb-run)
set -u
DEMO=$1
for tool in xdotool xclip; do
    command -v $tool > /dev/null || { echo "skipped: $tool missing"; exit 77; }
done
SDL_FRAMEBUFFER_ACCELERATION=0 "$DEMO" & APP=$!
trap 'kill $APP 2> /dev/null' EXIT
WID=$(timeout 10 xdotool search --sync --onlyvisible --pid $APP --name . | head -1)
[ -n "$WID" ] || { echo "no window"; exit 1; }
sleep 0.3
xdotool windowfocus --sync "$WID"
read -r X Y < <(xdotool getwindowgeometry "$WID" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
FAILED=0
# Waits until the desktop clipboard holds the expected text.
expect_clipboard() {
    local want=$1 what=$2 got=""
    for _ in $(seq 20); do
        got=$(timeout 2 xclip -o -selection clipboard 2> /dev/null)
        [ "$got" = "$want" ] && return 0
        sleep 0.1
    done
    echo "$what: clipboard holds '$got', expected '$want'"
    FAILED=$((FAILED + 1))
}
# The edit has the focus at start.
xdotool type --delay 40 "abc 42"; sleep 0.2
xdotool key ctrl+a ctrl+c
expect_clipboard "abc 42" "copy from the edit"
printf '宠物' | xclip -selection clipboard -i; sleep 0.3
xdotool key End ctrl+v; sleep 0.2
xdotool key ctrl+a ctrl+c
expect_clipboard "abc 42宠物" "paste into the edit"
# The memo: client area at window (3+14, 21+46); its third line holds what is typed.
MX=$((X + 17)); MY=$((Y + 67))
xdotool mousemove $((MX + 100)) $((MY + 100)) click 1; sleep 0.2
xdotool key ctrl+End Return; xdotool type --delay 40 "hello"; sleep 0.2
LINE3=$((MY + 2 * 13 + 6))
xdotool mousemove $MX $LINE3; sleep 0.1; xdotool mousedown 1; sleep 0.1
for i in 1 2 3; do xdotool mousemove $((MX + i * 40)) $LINE3; sleep 0.05; done
xdotool mouseup 1; sleep 0.2
xdotool key ctrl+c
expect_clipboard "hello" "mouse selection in the memo"
[ $FAILED -eq 0 ] || exit 1
echo "3 passed, 0 failed"
