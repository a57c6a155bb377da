#!/bin/bash
# Drives controldemo on a virtual X display: tabs through the boxes (the box without tab stop
# is skipped, the one clipped away by the panel is reached), goes back with Shift+Tab, rests the
# pointer on the banner until its tooltip window appears, moves away (the tooltip goes) and
# clicks the banner. The program reports focus changes and the click on standard output.
# Usage: controldemo-e2e.sh path/to/controldemo   (inside xvfb-run)
set -u
DEMO=$1
command -v xdotool > /dev/null || { echo "skipped: xdotool missing"; exit 77; }
OUT=$(mktemp)
"$DEMO" > "$OUT" & APP=$!
trap 'kill $APP 2> /dev/null; rm -f "$OUT"' EXIT
WID=$(timeout 10 xdotool search --sync --onlyvisible --pid $APP --name . | head -1)
[ -n "$WID" ] || { echo "no window"; exit 1; }
sleep 0.5
windows() { xdotool search --onlyvisible --pid $APP --name . 2> /dev/null | wc -l; }
read -r X Y < <(xdotool getwindowgeometry "$WID" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
for k in Tab Tab Tab Tab shift+Tab; do xdotool key $k; sleep 0.2; done
# The banner: 160 x 60 at (96, 12) inside the panel's 5-pixel edge, below the caption.
BEFORE=$(windows)
xdotool mousemove $((X + 180)) $((Y + 60)); sleep 0.05; xdotool mousemove $((X + 182)) $((Y + 62))
sleep 1.2
WITH_HINT=$(windows)
xdotool mousemove $((X + 20)) $((Y + 230)); sleep 0.5
AFTER=$(windows)
xdotool mousemove $((X + 180)) $((Y + 60)); sleep 0.1; xdotool click 1; sleep 0.4
EXPECTED="shown
focus First
focus Second
focus Third
focus Clipped
focus First
focus Clipped
banner clicked"
FAILED=0
if [ "$(cat "$OUT")" != "$EXPECTED" ]; then
    echo "events:"; cat "$OUT"; FAILED=1
fi
if [ "$WITH_HINT" -ne $((BEFORE + 1)) ] || [ "$AFTER" -ne "$BEFORE" ]; then
    echo "tooltip: windows $BEFORE, resting $WITH_HINT, after leaving $AFTER"; FAILED=1
fi
[ $FAILED -eq 0 ] || exit 1
echo "1 passed, 0 failed"
