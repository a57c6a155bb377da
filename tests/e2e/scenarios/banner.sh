# A click on the banner opens the fan-site zone: the desktop's opener (a stub here) is handed
# the program's one address.
source "$(dirname "$0")/../lib.sh"
address=$(sed -n 's/.*kFanSiteAddress\[\] = "\(.*\)";.*/\1/p' "$PETCALC_SOURCE/app/FanSite.h")
case "$address" in https://*.example.org/* | https://example.org/*) ;;
*) fail "fan-site address not found in app/FanSite.h: [$address]" ;;
esac
e2e_start
e2e_click Image1
end=$((SECONDS + 5))
until [ -s "$WORK/opened-urls" ] || [ $SECONDS -gt $end ]; do sleep 0.1; done
[ "$(cat "$WORK/opened-urls")" = "$address" ] ||
    fail "opened: [$(cat "$WORK/opened-urls")], expected [$address]"
e2e_quit
