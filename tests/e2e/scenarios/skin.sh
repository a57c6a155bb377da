# The skinned look, probed in screenshots: the frame's grey border, the title bar's pictures and
# black caption, the background's pinstripes around the transparent labels and radio buttons,
# the label colours, the buttons' pictures, the highlighted border of a hovered text field and
# the maroon report text; then the memo's own scroll bar and the tab order through the window.
source "$(dirname "$0")/../lib.sh"
SKIN="$PETCALC_SOURCE/resources/skin"
e2e_start
xdotool mousemove --sync 0 700
sleep 0.2
e2e_shot "$MAIN" look
shot="$PETCALC_ARTIFACTS/$SCENARIO-look.png"

for p in "0 100" "288 100" "0 300" "288 300" "100 396"; do
    # shellcheck disable=SC2086
    e2e_expect_pixel "$shot" $p 7F7F7F "frame border"
done
# The title bar's left section sits on the frame's first column.
for p in "20 10" "30 20" "5 2"; do
    read -r x y <<<"$p"
    e2e_expect_pixel "$shot" $((x + 1)) "$y" "$(e2e_pixel "$SKIN/MACOS_TITLE_LEFT.bmp" "$x" "$y")" \
        "title bar left section"
done
black=$(convert "$shot" -crop 180x16+40+3 +repage txt:- | grep -ci "#000000") || true
[ "${black:-0}" -ge 40 ] || fail "the caption is not drawn in black ($black black pixels)"

# Pinstripes show through the labels and radio buttons (rows of white and grey).
for rect in "44x14+61+134" "44x14+61+174" "60x14+61+294" "70x17+65+103" "70x17+161+103"; do
    for stripe in FFFFFF E8E8E8; do
        n=$(convert "$shot" -crop "$rect" +repage txt:- | grep -ci "#$stripe") || true
        [ "${n:-0}" -ge 10 ] || fail "no pinstripe $stripe behind the control at $rect"
    done
done
# The label colours: purple, bold red "/", orange.
for probe in "44x14+61+134 800080 purple" "8x14+163+214 FF0000 red" \
    "140x14+92+367 FF8000 orange"; do
    read -r rect colour what <<<"$probe"
    n=$(convert "$shot" -crop "$rect" +repage txt:- | grep -ci "#$colour") || true
    [ "${n:-0}" -ge 5 ] || fail "the $what label is not drawn in $colour"
done
# The push buttons show the theme's picture at their left edge.
for y in 3 11 19; do
    e2e_expect_pixel "$shot" $((41 + 1)) $((335 + y)) \
        "$(e2e_pixel "$SKIN/MACOS_BUTTON_NORMAL.bmp" 1 "$y")" "fx's button picture"
done

# The attribute panel's labels are dark red.
e2e_click xx
e2e_expect_width "$MAIN" 526
xdotool mousemove --sync 0 700
sleep 0.2
e2e_shot "$MAIN" wide
n=$(convert "$PETCALC_ARTIFACTS/$SCENARIO-wide.png" -crop 50x14+317+71 +repage txt:- |
    grep -ci "#5A2E2E") || true
[ "${n:-0}" -ge 5 ] || fail "the attribute labels are not dark red"

# Hovering a text field turns its border to the highlight colour.
before=$(convert "$PETCALC_ARTIFACTS/$SCENARIO-wide.png" -crop 101x22+117+172 +repage txt:- |
    grep -ci "#316AC5") || true
read -r wx wy <<<"$(e2e_position "$MAIN")"
xdotool mousemove --sync $((wx + 1 + 166)) $((wy + 182))
sleep 0.3
e2e_shot "$MAIN" hover
after=$(convert "$PETCALC_ARTIFACTS/$SCENARIO-hover.png" -crop 101x22+117+172 +repage txt:- |
    grep -ci "#316AC5") || true
[ "${after:-0}" -ge 100 ] && [ "${after:-0}" -gt "${before:-0}" ] ||
    fail "hovering czl did not highlight its border ($before -> $after highlight pixels)"

# The tab order: dj czl qjn hjn qn mbdj fx xx, the checked radio button, ll tp ys jg kx.
e2e_click dj
e2e_keys Tab Tab Tab Tab Tab Tab Tab
e2e_keys space # xx: the panel closes
e2e_expect_width "$MAIN" 289
e2e_keys Tab Tab # Shi, then ll
e2e_type 7
[ "$(e2e_copy_with ctrl+a ctrl+c)" = 7 ] || fail "Tab from the radio button did not reach ll"
e2e_keys Tab Tab Tab Tab # tp ys jg kx
e2e_keys space
e2e_expect_message "你真懒呢"

# A long report: the memo's scroll bar scrolls it by arrow and by thumb; Ctrl+A Ctrl+C still
# copy the whole report.
e2e_click xx
e2e_expect_width "$MAIN" 526
for f in ll tp ys jg; do e2e_fill $f 9; done
e2e_click kx
report=$(e2e_wait_window "$MERGE_TITLE" 10) || fail "no result window"
e2e_focus "$report"
xdotool mousemove --sync 0 700
e2e_shot "$report" top
top="$PETCALC_ARTIFACTS/$SCENARIO-top.png"
red=$(convert "$top" -crop 250x200+5+30 +repage txt:- | grep -ci "#800000") || true
[ "${red:-0}" -ge 50 ] || fail "the report text is not maroon"
rw=$(e2e_width "$report")
read -r rh <<<"$(e2e_size "$report" | cut -d' ' -f2)"
# The down arrow at the bottom of the scroll bar.
for i in 1 2 3; do e2e_click_window "$report" $((rw - 10)) $((rh - 10)); done
e2e_shot "$report" arrow
cmp -s "$top" "$PETCALC_ARTIFACTS/$SCENARIO-arrow.png" && fail "the down arrow did not scroll"
# Drag the thumb (just below the up arrow) to the bottom.
read -r rx ry <<<"$(e2e_position "$report")"
xdotool mousemove --sync $((rx + rw - 10)) $((ry + 23 + 26))
xdotool mousedown 1
for step in 1 2 3 4 5 6; do
    xdotool mousemove --sync $((rx + rw - 10)) $((ry + 23 + 26 + step * 30))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.2
e2e_shot "$report" thumb
cmp -s "$PETCALC_ARTIFACTS/$SCENARIO-arrow.png" "$PETCALC_ARTIFACTS/$SCENARIO-thumb.png" &&
    fail "dragging the thumb did not scroll"
e2e_expect_report "$MERGE_TITLE" "$(cli_body merge --ll 9 --tp 9 --ys 9 --jg 9)" copied
e2e_quit
