# A mount pet's check-up started with the mouse: the memo's text, selected with Ctrl+A and
# copied, is petcalc-cli's report for the same input. Closing the result window gives the main
# window back; closing the main window ends the program with status 0.
source "$(dirname "$0")/../lib.sh"
e2e_start
e2e_click Qi
e2e_fill dj 35
e2e_fill czl 1234
e2e_fill qjn 300
e2e_fill hjn 4000
e2e_fill qn 120
e2e_fill mbdj 60
e2e_shot "$MAIN" filled
e2e_click fx
args=(checkup --dj 35 --czl 1234 --qjn 300 --hjn 4000 --qn 120 --mbdj 60 --kind mount)
[ "$(cli_caption "${args[@]}")" = "$CHECKUP_TITLE" ] || fail "petcalc-cli caption changed"
e2e_expect_report "$CHECKUP_TITLE" "$(cli_body "${args[@]}")" result-window

# The same report again: the window is reused and shows the fresh report only once.
e2e_click fx
e2e_expect_report "$CHECKUP_TITLE" "$(cli_body "${args[@]}")" result-window-again

# The main window takes input again.
e2e_fill mbdj 61
[ "$(e2e_copy_with ctrl+a ctrl+c)" = 61 ] || fail "the main window did not take input back"
e2e_quit
