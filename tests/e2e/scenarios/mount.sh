# With Qi selected, xx refuses with its message and the panel keeps its state, closed or open.
source "$(dirname "$0")/../lib.sh"
e2e_start
e2e_click Qi
e2e_click xx
e2e_expect_message "骑宠不可学人宠合一哟" refusal
e2e_expect_width "$MAIN" 289

e2e_click Shi
e2e_click xx
e2e_expect_width "$MAIN" 526
e2e_click Qi
e2e_click xx
e2e_expect_message "骑宠不可学人宠合一哟"
e2e_expect_width "$MAIN" 526
e2e_quit
