# Text pasted into a field (Chinese, emoji, very long) never crashes: it simply fails as a
# number.
source "$(dirname "$0")/../lib.sh"
e2e_start
long=$(printf '9%.0s' $(seq 1 3000))
not_integer=$(cli_message checkup --dj 1 --czl x --qjn 1 --hjn 1 --qn 0 --mbdj 2)
for f in czl qjn hjn qn; do e2e_fill "$f" 5; done
e2e_fill mbdj 9
for text in "宠物" "🐉42" "$long"; do
    e2e_click dj
    e2e_keys End shift+Home BackSpace
    e2e_clip_set "$text"
    e2e_keys ctrl+v
    e2e_click fx
    e2e_expect_message "$not_integer"
done
e2e_quit
