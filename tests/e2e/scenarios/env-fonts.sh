# Fonts: with no face that has Chinese characters the program runs with what there is and says
# so once; with no font at all it ends with one line and status 1 instead of aborting.
source "$(dirname "$0")/../lib.sh"
fontconf() {
    mkdir -p "$WORK/fc-cache" "$WORK/empty-fonts"
    cat >"$WORK/$1.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>$2</dir><cachedir>$WORK/fc-cache</cachedir></fontconfig>
CONF
    echo "$WORK/$1.conf"
}
latin=$(ls -d /usr/share/fonts/truetype/dejavu 2>/dev/null) || fail "no DejaVu fonts installed"
e2e_start env FONTCONFIG_FILE="$(fontconf latin "$latin")"
e2e_fill dj 12
[ "$(e2e_copy_with ctrl+a ctrl+c)" = 12 ] || fail "typing does not work without Chinese fonts"
e2e_click fx
e2e_expect_message "而不是让它空着"
e2e_quit
[ "$(wc -l <"$WORK/stderr")" = 1 ] || fail "error output is not one line: $(cat "$WORK/stderr")"
grep -q '^petcalc: no font with Chinese characters is installed; the texts are drawn with "DejaVu' \
    "$WORK/stderr" || fail "error output: $(cat "$WORK/stderr")"

e2e_expect_refusal 1 'Qorvin宠物查询器: No usable font is installed for "宋体"' \
    env FONTCONFIG_FILE="$(fontconf none "$WORK/empty-fonts")"
e2e_log "ok"
