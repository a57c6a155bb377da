#!/bin/bash
# Takes the screenshot of framedemo's five windows (one per theme) that is kept beside the skin
# contact sheet: each window is clicked so that it shows its active look, captured from the
# screen, and the five captures are put side by side. Runs its own virtual X display.
#   tools/framedemo/screenshot.sh path/to/framedemo [out.png]
# Default output: resources/skin/frame-themes.png in the source tree.
set -eu
DEMO=$(realpath "$1")
HERE=$(cd "$(dirname "$0")" && pwd)
OUT=$(realpath -m "${2:-$HERE/../../resources/skin/frame-themes.png}")
for tool in xvfb-run xdotool import /usr/bin/convert; do
    command -v $tool > /dev/null || { echo "$tool is missing" >&2; exit 1; }
done
SHOTS=$(mktemp -d)
trap 'rm -rf "$SHOTS"' EXIT
export DEMO SHOTS
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
    export SDL_FRAMEBUFFER_ACCELERATION=0
    "$DEMO" > /dev/null & APP=$!
    sleep 2
    # The windows stand in a grid of 3: window i at (20 + 320 (i mod 3), 20 + 220 (i div 3)).
    for i in 0 1 2 3 4; do
        X=$((20 + 320 * (i % 3))); Y=$((20 + 220 * (i / 3)))
        xdotool mousemove $((X + 100)) $((Y + 100)) click 1
        xdotool mousemove 1000 700
        sleep 0.5
        # The window is at most 293 x 174 (WinXP, border 3).
        import -window root -crop 293x174+$X+$Y +repage "$SHOTS/$i.png"
    done
    kill $APP
'
/usr/bin/convert -background black \
    \( "$SHOTS/0.png" "$SHOTS/1.png" "$SHOTS/2.png" -splice 12x0 +append \) \
    \( "$SHOTS/3.png" "$SHOTS/4.png" -splice 12x0 +append \) \
    -splice 0x12 -append -bordercolor black -border 12x0 -gravity south -splice 0x12 "$OUT"
echo "wrote $OUT"
