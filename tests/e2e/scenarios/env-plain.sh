# Environments the program has no use for change nothing, and it says nothing about them: a
# locale the system lacks, HOME unset, a working directory nobody can write to.
source "$(dirname "$0")/../lib.sh"
report() {
    e2e_fill dj 30
    e2e_fill czl 25
    e2e_fill qjn 100
    e2e_fill hjn 1000
    e2e_fill qn 50
    e2e_fill mbdj 40
    e2e_click fx
    e2e_expect_report "$CHECKUP_TITLE" \
        "$(LC_ALL=C cli_body checkup --dj 30 --czl 25 --qjn 100 --hjn 1000 --qn 50 --mbdj 40)" "$1"
}
e2e_start env LC_ALL=xx_YY.UTF-8 LANG=xx_YY.UTF-8 LC_NUMERIC=xx_YY
report missing-locale
e2e_quit
e2e_expect_stderr
e2e_start env -u HOME
report no-home
e2e_quit
e2e_expect_stderr
# /proc takes no new files, not even from root.
e2e_start env -C /proc
report read-only-directory
e2e_quit
e2e_expect_stderr
