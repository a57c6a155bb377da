#!/bin/bash
# Drives windemo on a virtual X display: drags the main window by its caption, clicks the first
# box and types into it, and checks the window moved and the typed bar appeared.
# Usage: windemo-e2e.sh path/to/windemo   (inside xvfb-run)
set -u
DEMO=$1
for tool in xdotool import; do
    command -v $tool > /dev/null || { echo "skipped: $tool missing"; exit 77; }
done
"$DEMO" --still & APP=$!
trap 'kill $APP 2> /dev/null' EXIT
WID=$(timeout 10 xdotool search --sync --onlyvisible --pid $APP --name . | head -1)
[ -n "$WID" ] || { echo "no window"; exit 1; }
sleep 0.3
read -r X Y < <(xdotool getwindowgeometry "$WID" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
# Caption drag by (-60, -40).
xdotool mousemove $((X + 60)) $((Y + 10)); sleep 0.1; xdotool mousedown 1; sleep 0.1
for i in 1 2 3 4; do xdotool mousemove $((X + 60 - i * 15)) $((Y + 10 - i * 10)); sleep 0.05; done
xdotool mouseup 1; sleep 0.3
read -r X2 Y2 < <(xdotool getwindowgeometry "$WID" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
if [ "$X2" -ne $((X - 60)) ] || [ "$Y2" -ne $((Y - 40)) ]; then
    echo "drag: window at $X2,$Y2, expected $((X - 60)),$((Y - 40))"; exit 1
fi
pixel() { timeout 5 import -window "$WID" -crop 1x1+$1+$2 -depth 8 txt:- | awk 'NR == 2 {print $3}'; }
# The first box starts at (15,33) in the window; a typed "a" draws a black bar at x 19..20.
BEFORE=$(pixel 20 50)
xdotool mousemove $((X2 + 60)) $((Y2 + 45)); sleep 0.1; xdotool click 1; sleep 0.2
xdotool type --delay 60 a; sleep 0.4
AFTER=$(pixel 20 50)
if [ "$AFTER" != "#000000" ] || [ "$BEFORE" = "#000000" ]; then
    echo "typing: pixel before $BEFORE after $AFTER"; exit 1
fi
echo "1 passed, 0 failed"
