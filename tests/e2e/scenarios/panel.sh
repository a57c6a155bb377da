# xx widens the window to 526 pixels and narrows it back to 289; nothing else changes.
source "$(dirname "$0")/../lib.sh"
e2e_start
e2e_expect_width "$MAIN" 289
e2e_click xx
e2e_expect_width "$MAIN" 526
e2e_shot "$MAIN" wide
e2e_click xx
e2e_expect_width "$MAIN" 289
e2e_click xx
e2e_expect_width "$MAIN" 526
e2e_quit
