#!/bin/bash
# Takes the screenshot of framedemo's five windows (one per theme) that is kept beside the skin
# contact sheet. Runs its own virtual X display.
#   tools/framedemo/screenshot.sh path/to/framedemo [out.png]
# Default output: resources/skin/frame-themes.png in the source tree.
set -eu
DEMO=$(realpath "$1")
HERE=$(cd "$(dirname "$0")" && pwd)
OUT=$(realpath -m "${2:-$HERE/../../resources/skin/frame-themes.png}")
for tool in xvfb-run import; do
    command -v $tool > /dev/null || { echo "$tool is missing" >&2; exit 1; }
done
export DEMO OUT
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
    export SDL_FRAMEBUFFER_ACCELERATION=0
    command -v xsetroot > /dev/null && xsetroot -solid "#5A7A96"
    "$DEMO" > /dev/null & APP=$!
    sleep 2
    import -window root -crop 980x440+0+0 +repage "$OUT"
    kill $APP
'
echo "wrote $OUT"
