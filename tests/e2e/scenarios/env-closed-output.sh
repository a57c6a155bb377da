# Started with standard input, output and error closed, the program opens them on /dev/null
# before anything else, so that the display connection never takes their numbers; it works.
source "$(dirname "$0")/../lib.sh"
mkdir -p "$WORK/stub-bin"
"$PETCALC_BIN" <&- >&- 2>&- &
APP=$!
MAIN=$(e2e_wait_window "$MAIN_TITLE" 15) || fail "the main window did not appear"
for fd in 0 1 2; do
    target=$(readlink "/proc/$APP/fd/$fd") || fail "file descriptor $fd is not open"
    [ "$target" = /dev/null ] || fail "file descriptor $fd is $target, expected /dev/null"
done
e2e_focus "$MAIN"
e2e_fill dj 77
[ "$(e2e_copy_with ctrl+a ctrl+c)" = 77 ] || fail "typing does not work"
e2e_quit
