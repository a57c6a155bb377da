# Every input message appears in a message box (text checked through Ctrl+C, against what
# petcalc-cli says for the same input) and Enter closes it; the main window goes on.
source "$(dirname "$0")/../lib.sh"
e2e_start

# dj czl qjn hjn qn mbdj kind: one row per check-up message.
checkup_cases=(
    "30 25 100 1000 50 - attendant"
    "30 2x5 100 1000 50 40 attendant"
    "30 25 1001 1000 50 40 attendant"
    "30 25 100 1000 50 29 attendant"
    "30 25 100 1000 50 30 mount"
)
n=0
for row in "${checkup_cases[@]}"; do
    read -r dj czl qjn hjn qn mbdj kind <<<"$row"
    [ "$mbdj" = - ] && mbdj=""
    if [ "$kind" = mount ]; then e2e_click Qi; else e2e_click Shi; fi
    for f in dj czl qjn hjn qn mbdj; do e2e_fill "$f" "${!f}"; done
    e2e_click fx
    n=$((n + 1))
    e2e_expect_message "$(cli_message checkup --dj "$dj" --czl "$czl" --qjn "$qjn" --hjn "$hjn" \
        --qn "$qn" --mbdj "$mbdj" --kind "$kind")" "checkup-message-$n"
done

# ll tp ys jg: the attribute messages (the panel open).
e2e_click Shi
e2e_click xx
e2e_expect_width "$MAIN" 526
attribute_cases=("7 6 - 6" "7 6 5.5 6")
for row in "${attribute_cases[@]}"; do
    read -r ll tp ys jg <<<"$row"
    [ "$ys" = - ] && ys=""
    for f in ll tp ys jg; do e2e_fill "$f" "${!f}"; done
    e2e_click kx
    n=$((n + 1))
    e2e_expect_message "$(cli_message merge --ll "$ll" --tp "$tp" --ys "$ys" --jg "$jg")" \
        "attribute-message-$n"
done
e2e_quit
