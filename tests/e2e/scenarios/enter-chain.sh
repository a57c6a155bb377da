# Enter walks dj -> czl -> qjn -> hjn -> qn -> mbdj; Enter in mbdj runs the check-up. With the
# start values and nothing else typed that is the empty-field message; then each field typed
# after an Enter lands where the chain says, which the report's numbers show.
source "$(dirname "$0")/../lib.sh"
e2e_start
e2e_keys Return Return Return Return Return Return
e2e_expect_message "$(cli_message checkup --dj 1 --qn 0)" empty-field

# Typing along the chain: every value must reach its own field.
e2e_fill dj 30
e2e_keys Return
e2e_type 25
e2e_keys Return
e2e_type 100
e2e_keys Return
e2e_type 1000
e2e_keys Return
e2e_keys End shift+Home BackSpace
e2e_type 50
e2e_keys Return
e2e_type 40
e2e_keys Return
expected=$(cli_body checkup --dj 30 --czl 25 --qjn 100 --hjn 1000 --qn 50 --mbdj 40)
e2e_expect_report "$CHECKUP_TITLE" "$expected" checkup-by-enter
e2e_quit
