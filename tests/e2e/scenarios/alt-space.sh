# Alt+Space is a chord for the desktop (the window menu), not a space for the focused field.
source "$(dirname "$0")/../lib.sh"
e2e_start
e2e_fill dj 42
e2e_keys alt+space
e2e_keys alt+a
got=$(e2e_copy_with ctrl+a ctrl+c)
[ "$got" = 42 ] || fail "dj holds [$got] after Alt+Space and Alt+A, expected 42"
e2e_quit
