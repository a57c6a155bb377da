# Not a test: takes the README's screenshots (scripts/screenshots.sh runs it).
source "$(dirname "$0")/../lib.sh"
e2e_start
xdotool mousemove --sync 0 700
sleep 0.2
e2e_shot "$MAIN" main
e2e_click xx
e2e_expect_width "$MAIN" 526
xdotool mousemove --sync 0 700
sleep 0.2
e2e_shot "$MAIN" panel
e2e_click xx
e2e_expect_width "$MAIN" 289
e2e_click Qi
for p in "dj 35" "czl 1234" "qjn 300" "hjn 4000" "qn 120" "mbdj 60"; do
    # shellcheck disable=SC2086
    e2e_fill $p
done
e2e_click fx
report=$(e2e_wait_window "$CHECKUP_TITLE" 10) || fail "no result window"
xdotool mousemove --sync 0 700
sleep 0.3
e2e_shot "$report" checkup
e2e_close_window "$report"
e2e_wait_gone "$report" || fail "the result window did not close"
e2e_focus "$MAIN"
e2e_click xx
box=$(e2e_wait_window "$APP_TITLE" 10) || fail "no message box"
sleep 0.3
e2e_shot "$box" message
e2e_keys Return
e2e_wait_gone "$box" || fail "the box did not close"
e2e_focus "$MAIN"
e2e_quit
