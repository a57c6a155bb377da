# Right after start: the main window is 289 pixels wide (attribute panel hidden), dj holds "1"
# and has the focus, qn holds "0", the other fields are empty.
source "$(dirname "$0")/../lib.sh"
e2e_start
e2e_shot "$MAIN" main
e2e_expect_width "$MAIN" 289

# The focus is in dj: select all and copy gives its text.
[ "$(e2e_copy_with ctrl+a ctrl+c)" = 1 ] || fail "dj does not hold 1 with the focus"
# Tab walks czl, qjn, hjn (empty: what is typed is all they hold), then qn.
for field in czl qjn hjn; do
    e2e_keys Tab
    e2e_type 7
    [ "$(e2e_copy_with ctrl+a ctrl+c)" = 7 ] || fail "$field was not empty at start"
done
e2e_keys Tab
[ "$(e2e_copy_with ctrl+a ctrl+c)" = 0 ] || fail "qn does not hold 0"
e2e_keys Tab
e2e_type 8
[ "$(e2e_copy_with ctrl+a ctrl+c)" = 8 ] || fail "mbdj was not empty at start"
e2e_quit
