# The X server goes away while the program runs: it ends within seconds with one line and
# status 1, neither spinning nor crashing.
source "$(dirname "$0")/../lib.sh"
display=":$((4000 + RANDOM % 1000))"
while [ -e "/tmp/.X11-unix/X${display#:}" ]; do display=":$((4000 + RANDOM % 1000))"; done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
DISPLAY=$display "$PETCALC_BIN" >"$WORK/stdout" 2>"$WORK/stderr" &
APP=$!
DISPLAY=$display timeout 15 xdotool search --sync --onlyvisible --pid "$APP" >/dev/null ||
    { kill "$xvfb"; fail "the main window did not appear"; }
kill "$xvfb"
end=$((SECONDS + 5))
while kill -0 "$APP" 2>/dev/null; do
    [ $SECONDS -le $end ] || fail "still running 5 s after the display went away"
    sleep 0.1
done
status=0
wait "$APP" || status=$?
APP=""
[ "$status" = 1 ] || fail "exit status $status, expected 1; error output: $(cat "$WORK/stderr")"
e2e_expect_stderr "petcalc: the connection to the display was lost"
e2e_log "ok"
