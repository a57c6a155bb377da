# On a display without a window manager a minimize is never carried out: the windows must stay
# usable, driven by clicks only. The result window has no minimize button; clicking its title bar
# there must not leave the main window disabled either.
source "$(dirname "$0")/../lib.sh"
MIN_FROM_RIGHT=$((CLOSE_FROM_RIGHT + 18)) # the title bar's minimize button, left of close
e2e_start
e2e_click_window "$MAIN" $(($(e2e_width "$MAIN") - MIN_FROM_RIGHT)) "$CLOSE_FROM_TOP"
sleep 0.5
e2e_fill dj 3
[ "$(e2e_copy_with ctrl+a ctrl+c)" = 3 ] || fail "the main window ignores input after minimize"
e2e_click xx
e2e_expect_width "$MAIN" 526
for f in ll tp ys jg; do e2e_fill $f 7; done
e2e_click kx
report=$(e2e_wait_window "$MERGE_TITLE" 10) || fail "no result window"
e2e_click_window "$report" $(($(e2e_width "$report") - MIN_FROM_RIGHT)) "$CLOSE_FROM_TOP"
sleep 0.5
e2e_close_window "$report"
e2e_wait_gone "$report" || fail "the result window cannot be closed after its minimize"
e2e_fill jg 8
[ "$(e2e_copy_with ctrl+a ctrl+c)" = 8 ] || fail "the main window stays disabled"
e2e_quit
