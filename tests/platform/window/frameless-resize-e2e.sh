#!/bin/bash
# Drives windemo's frameless window on a virtual X display: its own 4-pixel border resizes it
# (corner, left edge, and a shrink that stops at its minimum size) and its dark strip moves it.
# With a second argument, that library is preloaded (a display without the X shape extension):
# the window then stays rectangular and nothing is reported.
# Usage: frameless-resize-e2e.sh path/to/windemo [preload.so]   (inside xvfb-run)
set -u
DEMO=$1
PRELOAD=${2:-}
for tool in xdotool; do
    command -v $tool > /dev/null || { echo "skipped: $tool missing"; exit 77; }
done
ERR=$(mktemp)
LD_PRELOAD=$PRELOAD "$DEMO" --still 2> "$ERR" & APP=$!
trap 'kill $APP 2> /dev/null; rm -f "$ERR"' EXIT
WID=$(timeout 10 xdotool search --sync --all --onlyvisible --pid $APP --name '^frameless$' | head -1)
[ -n "$WID" ] || { echo "no frameless window"; cat "$ERR"; exit 1; }
sleep 0.3
geometry() {
    xdotool getwindowgeometry "$WID" | awk '/Position/ {split($2, p, ","); x = p[1]; y = p[2]}
        /Geometry/ {split($2, g, "x"); print x, y, g[1], g[2]}'
}
drag() { # from-x from-y to-x to-y
    xdotool mousemove "$1" "$2"; sleep 0.1; xdotool mousedown 1; sleep 0.1
    for i in 1 2 3 4; do
        xdotool mousemove $(($1 + ($3 - $1) * i / 4)) $(($2 + ($4 - $2) * i / 4)); sleep 0.05
    done
    xdotool mouseup 1; sleep 0.3
}
expect() { # what, then x y w h
    local what=$1; shift
    read -r GX GY GW GH < <(geometry)
    if [ "$GX $GY $GW $GH" != "$*" ]; then
        echo "$what: window at $GX,$GY ${GW}x$GH, expected $1,$2 ${3}x$4"; cat "$ERR"; exit 1
    fi
}
read -r X Y W H < <(geometry)
drag $((X + W - 3)) $((Y + H - 3)) $((X + W + 37)) $((Y + H + 27))
expect "bottom-right corner" $X $Y $((W + 40)) $((H + 30))
W=$((W + 40)); H=$((H + 30))
drag $((X + 1)) $((Y + H / 2)) $((X - 19)) $((Y + H / 2))
expect "left edge" $((X - 20)) $Y $((W + 20)) $H
X=$((X - 20)); W=$((W + 20))
drag $((X + W - 2)) $((Y + H / 2)) $((X - 300)) $((Y + H / 2))
expect "right edge past the minimum" $X $Y 100 $H
W=100
drag $((X + 50)) $((Y + 8)) $((X + 80)) $((Y + 28))
expect "dark strip" $((X + 30)) $((Y + 20)) $W $H
kill -0 $APP 2> /dev/null || { echo "windemo ended"; cat "$ERR"; exit 1; }
if [ -s "$ERR" ]; then echo "error output:"; cat "$ERR"; exit 1; fi
echo "1 passed, 0 failed"
