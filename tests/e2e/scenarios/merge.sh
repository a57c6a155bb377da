# The merge-skill report with the attribute panel open; with Qi selected afterwards kx still
# gives it.
source "$(dirname "$0")/../lib.sh"
e2e_start
e2e_click xx
e2e_expect_width "$MAIN" 526
e2e_fill ll 7
e2e_fill tp 6
e2e_fill ys 5
e2e_fill jg 6
e2e_shot "$MAIN" panel-open
e2e_click kx
expected=$(cli_body merge --ll 7 --tp 6 --ys 5 --jg 6)
[ "$(cli_caption merge --ll 7 --tp 6 --ys 5 --jg 6)" = "$MERGE_TITLE" ] ||
    fail "petcalc-cli caption changed"
e2e_expect_report "$MERGE_TITLE" "$expected" result-window

e2e_click Qi
e2e_fill ll 9
e2e_fill tp 9
e2e_fill ys 9
e2e_fill jg 9
e2e_click kx
e2e_expect_report "$MERGE_TITLE" "$(cli_body merge --ll 9 --tp 9 --ys 9 --jg 9)" all-skills
e2e_quit
