#!/usr/bin/env bash
# A program whose X server ends says so in one line and exits with status 1 at once.
set -u
program=$1
command -v Xvfb >/dev/null || exit 77
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
err=$(mktemp)
DISPLAY=$display "$program" 2>"$err" &
app=$!
sleep 1.5
kill "$xvfb"
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then
    echo "still running 5 s after the display went away"
    kill -9 "$app"
    exit 1
fi
wait "$app"
rc=$?
cat "$err"
[ "$rc" -eq 1 ] && grep -q 'connection to the display was lost' "$err"
