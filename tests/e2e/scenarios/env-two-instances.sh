# Two instances at once: both open their window and both work, each with its own fields.
source "$(dirname "$0")/../lib.sh"
e2e_start
FIRST=$APP
FIRST_MAIN=$MAIN
e2e_fill dj 11
"$PETCALC_BIN" >"$WORK/stdout2" 2>"$WORK/stderr2" &
APP=$!
SECOND=$APP
MAIN=$(e2e_wait_window "$MAIN_TITLE" 15) || fail "the second main window did not appear"
[ "$MAIN" != "$FIRST_MAIN" ] || fail "the second instance has no window of its own"
# The second window lies over the first one: it is used and closed first.
e2e_fill dj 22
[ "$(e2e_copy_with ctrl+a ctrl+c)" = 22 ] || fail "the second instance does not take typing"
e2e_quit
APP=$FIRST
MAIN=$FIRST_MAIN
e2e_click dj
[ "$(e2e_copy_with ctrl+a ctrl+c)" = 11 ] || fail "the first instance lost its text"
e2e_quit
[ ! -s "$WORK/stderr2" ] || fail "the second instance wrote: $(cat "$WORK/stderr2")"
