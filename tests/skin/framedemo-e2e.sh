#!/bin/bash
# Drives framedemo on a virtual X display as a person would: drags the MacOS window by its
# skinned title bar and closes it with the bar's close button, which ends the program. First, two
# framed windows shown at once must settle: each activated a few times at most, both painted.
# Usage: framedemo-e2e.sh path/to/framedemo   (inside xvfb-run)
set -u
DEMO=$1
command -v xdotool > /dev/null || { echo "skipped: xdotool missing"; exit 77; }
export SDL_FRAMEBUFFER_ACCELERATION=0
OUT=$(mktemp)
"$DEMO" MacOS WinXP > "$OUT" & APP=$!
trap 'kill $APP 2> /dev/null; rm -f "$OUT"' EXIT
sleep 1.5
ACTIVATIONS=$(grep -c '^active' "$OUT")
kill $APP; wait $APP 2> /dev/null
if [ "$ACTIVATIONS" -gt 4 ]; then
    echo "two windows took the focus from each other: $ACTIVATIONS activations"; exit 1
fi

: > "$OUT"
"$DEMO" MacOS > "$OUT" & APP=$!
trap 'kill $APP 2> /dev/null; rm -f "$OUT"' EXIT
WID=$(timeout 10 xdotool search --sync --onlyvisible --pid $APP --name . | head -1)
[ -n "$WID" ] || { echo "no window"; exit 1; }
sleep 0.3
position() { xdotool getwindowgeometry "$WID" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}'; }
read -r X Y < <(position)
# The frame starts 1 pixel in (its border); the bar is its top 23 pixels.
xdotool mousemove $((X + 150)) $((Y + 10)); sleep 0.1; xdotool mousedown 1; sleep 0.1
for i in 1 2 3 4; do xdotool mousemove $((X + 150 + i * 20)) $((Y + 10 + i * 15)); sleep 0.05; done
xdotool mouseup 1; sleep 0.3
read -r X2 Y2 < <(position)
if [ "$X2" -ne $((X + 80)) ] || [ "$Y2" -ne $((Y + 60)) ]; then
    echo "drag: window at $X2,$Y2, expected $((X + 80)),$((Y + 60))"; exit 1
fi
# The close button: 17 x 17 at x 268, y 4 of a 287-pixel bar.
xdotool mousemove $((X2 + 1 + 276)) $((Y2 + 12)); sleep 0.2; xdotool click 1
for i in $(seq 50); do kill -0 $APP 2> /dev/null || break; sleep 0.1; done
if kill -0 $APP 2> /dev/null; then
    echo "the close button did not end the program"; exit 1
fi
wait $APP; STATUS=$?
trap 'rm -f "$OUT"' EXIT
if [ $STATUS -ne 0 ] || ! grep -qx "closed Window1" "$OUT"; then
    echo "exit status $STATUS, output:"; cat "$OUT"; exit 1
fi
echo "1 passed, 0 failed"
