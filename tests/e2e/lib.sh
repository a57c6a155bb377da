# Helpers for the end-to-end scenarios: they start the real program on the X display the runner
# gave them (xvfb-run) and drive it like a person, with xdotool for the keyboard and the mouse,
# xprop for window titles, xclip for the clipboard and ImageMagick's import for screenshots.
#
# Environment (set by run.sh): PETCALC_BIN, PETCALC_CLI, PETCALC_ARTIFACTS, PETCALC_SOURCE.
#
# Sourced by every scenario; each scenario calls e2e_start first and ends with e2e_quit (or
# e2e_finish), which checks that the program ended with exit status 0.

set -euo pipefail
export LC_ALL=C.UTF-8
export SDL_FRAMEBUFFER_ACCELERATION=0

APP_TITLE="Qorvin宠物查询器"
MAIN_TITLE="Qorvin宠物查询器 beta0.3"
CHECKUP_TITLE="宠物体检鉴定中心"
MERGE_TITLE="宠物功能鉴定中心"

# The windows of the program are drawn by their skinned frame: no caption frame of the platform,
# so the client area starts at the window's corner. The title bar's close button is the rightmost
# of its buttons, its centre 12 pixels left of the right edge and 12 pixels down.
CLIENT_DX=0
CLIENT_DY=0
CLOSE_FROM_RIGHT=12
CLOSE_FROM_TOP=12
# Every control of the main window sits on the frame at (1, 0) in the client area.
PANEL_DX=1
PANEL_DY=0

SCENARIO=${SCENARIO:-$(basename "$0" .sh)}
WORK=$(mktemp -d)
APP=""
APP_STATUS=""

e2e_log() { echo "[$SCENARIO] $*" >&2; }

fail() {
    e2e_log "FAIL: $*"
    if [ -n "$APP" ] && ! kill -0 "$APP" 2>/dev/null; then
        local status=0
        wait "$APP" || status=$?
        e2e_log "the program is gone (exit status $status); its error output:"
        cat "$WORK/stderr" >&2
        APP=""
    fi
    e2e_shot_all "failure" || true
    exit 1
}

cleanup() {
    if [ -n "$APP" ] && kill -0 "$APP" 2>/dev/null; then
        kill "$APP" 2>/dev/null || true
        wait "$APP" 2>/dev/null || true
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT

# Starts the program with a stub xdg-open first on PATH that records each address it is given
# in $WORK/opened-urls, and waits for the main window (MAIN). Arguments, when given, are a
# command the program is started through (env with settings, for instance).
e2e_start() {
    mkdir -p "$WORK/stub-bin" "$PETCALC_ARTIFACTS"
    cat >"$WORK/stub-bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$WORK/opened-urls"
EOF
    chmod +x "$WORK/stub-bin/xdg-open"
    : >"$WORK/opened-urls"
    PATH="$WORK/stub-bin:$PATH" "$@" "$PETCALC_BIN" >"$WORK/stdout" 2>"$WORK/stderr" &
    APP=$!
    MAIN=$(e2e_wait_window "$MAIN_TITLE" 15) || fail "the main window did not appear"
    xdotool windowfocus --sync "$MAIN"
    sleep 0.2
}

# The UTF-8 title of a window.
e2e_title() {
    xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME([^)]*) = "\(.*\)"$/\1/p'
}

# The visible windows of the program, one id a line.
e2e_windows() {
    xdotool search --onlyvisible --pid "$APP" 2>/dev/null || true
}

# Waits until a visible window of the program has the title; prints its id.
e2e_wait_window() {
    local title=$1 timeout=${2:-10} end w
    end=$((SECONDS + timeout))
    while [ $SECONDS -le $end ]; do
        kill -0 "$APP" 2>/dev/null || return 1
        for w in $(e2e_windows); do
            if [ "$(e2e_title "$w")" = "$title" ]; then
                echo "$w"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# Waits until the window is no longer visible.
e2e_wait_gone() {
    local wid=$1 timeout=${2:-10} end
    end=$((SECONDS + timeout))
    while [ $SECONDS -le $end ]; do
        e2e_windows | grep -qx "$wid" || return 0
        sleep 0.1
    done
    return 1
}

# Width and height of a window, "W H".
e2e_size() {
    local geometry WIDTH HEIGHT X Y SCREEN WINDOW
    geometry=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null) || fail "window $1 is gone"
    eval "$geometry"
    echo "$WIDTH $HEIGHT"
}

e2e_width() { e2e_size "$1" | cut -d' ' -f1; }

# Waits until the window has the width; fails with what it has otherwise.
e2e_expect_width() {
    local wid=$1 want=$2 end
    end=$((SECONDS + 5))
    while [ $SECONDS -le $end ]; do
        [ "$(e2e_width "$wid")" = "$want" ] && return 0
        sleep 0.1
    done
    fail "window width is $(e2e_width "$wid"), expected $want"
}

# Clicks a point given in the window's own coordinates.
e2e_click_window() {
    local wid=$1 x=$2 y=$3 geometry WIDTH HEIGHT X Y SCREEN WINDOW
    geometry=$(xdotool getwindowgeometry --shell "$wid" 2>/dev/null) || fail "window $wid is gone"
    eval "$geometry"
    xdotool mousemove --sync $((X + x)) $((Y + y))
    sleep 0.05
    xdotool mousedown 1
    sleep 0.05
    xdotool mouseup 1
    sleep 0.1
}

# Clicks a point of the main window's panel (the coordinates of the window layout).
e2e_click_panel() {
    e2e_click_window "$1" $((CLIENT_DX + PANEL_DX + $2)) $((CLIENT_DY + PANEL_DY + $3))
}

# Clicks the close button of a window's caption frame.
e2e_close_window() {
    local wid=$1
    e2e_click_window "$wid" $(($(e2e_width "$wid") - CLOSE_FROM_RIGHT)) "$CLOSE_FROM_TOP"
}

e2e_focus() {
    xdotool windowfocus --sync "$1"
    sleep 0.1
}

e2e_keys() {
    xdotool key --delay 40 "$@"
    sleep 0.1
}

e2e_type() {
    xdotool type --delay 30 "$1"
    sleep 0.1
}

# Puts a text on the clipboard (from our side, so that the program can paste it).
e2e_clip_set() {
    printf '%s' "$1" | xclip -i -selection clipboard
    sleep 0.1
}

# Prints the clipboard once it differs from the given text (waits at most 5 s); the clipboard is
# served by the program only while it pumps its messages, hence the polling.
e2e_clip_wait_change() {
    local before=$1 end now
    end=$((SECONDS + 5))
    while [ $SECONDS -le $end ]; do
        now=$(timeout 2 xclip -o -selection clipboard -target UTF8_STRING 2>/dev/null || true)
        if [ -n "$now" ] && [ "$now" != "$before" ]; then
            printf '%s' "$now"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Copies what the keys select in the focused control: sets a marker first, presses the keys, and
# prints the new clipboard text (fails when nothing was copied).
e2e_copy_with() {
    local marker="e2e-marker-$RANDOM"
    e2e_clip_set "$marker"
    e2e_keys "$@"
    e2e_clip_wait_change "$marker" || fail "nothing was copied by: $*"
}

# CR LF and CR become LF, and the empty lines at the end are dropped: the memo joins its lines
# with CR LF while petcalc-cli writes LF, and whether the last line carries a break differs.
e2e_normalise() {
    sed 's/\r$//' | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}'
}

# Takes a screenshot of a window into the artefact folder.
e2e_shot() {
    /usr/bin/import -window "$1" "$PETCALC_ARTIFACTS/$SCENARIO-$2.png" 2>/dev/null ||
        e2e_log "screenshot $2 failed"
}

e2e_shot_all() {
    local w n=0
    [ -n "$APP" ] || return 0
    for w in $(e2e_windows); do
        n=$((n + 1))
        e2e_shot "$w" "$1-$n"
    done
}

# Waits for the message box, checks its text through Ctrl+C, closes it with Enter and checks
# that it went away and the main window is back in use.
e2e_expect_message() {
    local want=$1 shot=${2:-} box text
    box=$(e2e_wait_window "$APP_TITLE" 10) || fail "no message box appeared (wanted: $want)"
    e2e_focus "$box"
    text=$(e2e_copy_with ctrl+c | e2e_normalise)
    case "$text" in
    *"$want"*) ;;
    *) fail "message box text: [$text], expected it to hold [$want]" ;;
    esac
    [ -z "$shot" ] || e2e_shot "$box" "$shot"
    e2e_keys Return
    e2e_wait_gone "$box" || fail "Enter did not close the message box"
    e2e_focus "$MAIN"
}

# Closes the main window with its close button and checks the exit status.
e2e_quit() {
    e2e_close_window "$MAIN"
    e2e_finish
}

# Runs the program with the given command prefix where it cannot start, and checks that it ends
# at once with the status and exactly the one line of error output given.
e2e_expect_refusal() {
    local status=$1 line=$2 got
    shift 2
    got=0
    timeout 20 "$@" "$PETCALC_BIN" >"$WORK/stdout" 2>"$WORK/stderr" || got=$?
    [ "$got" = "$status" ] || fail "exit status $got, expected $status; error output: $(cat "$WORK/stderr")"
    [ "$(cat "$WORK/stderr")" = "$line" ] ||
        fail "error output [$(cat "$WORK/stderr")], expected the one line [$line]"
    [ ! -s "$WORK/stdout" ] || fail "output on stdout: $(cat "$WORK/stdout")"
}

# Checks that the program wrote nothing to its error output (or exactly the given text).
e2e_expect_stderr() {
    local want=${1:-}
    [ "$(cat "$WORK/stderr")" = "$want" ] ||
        fail "error output [$(cat "$WORK/stderr")], expected [$want]"
}

e2e_finish() {
    local end=$((SECONDS + 10))
    while kill -0 "$APP" 2>/dev/null; do
        [ $SECONDS -le $end ] || fail "the program did not end after its main window closed"
        sleep 0.1
    done
    APP_STATUS=0
    wait "$APP" || APP_STATUS=$?
    APP=""
    [ "$APP_STATUS" = 0 ] || {
        cat "$WORK/stderr" >&2
        fail "exit status $APP_STATUS"
    }
    e2e_log "ok"
}

# The main window's controls, as the layout places them on the panel (centre points).
declare -A AT=(
    [Image1]="145 60"
    [Shi]="100 111"
    [Qi]="196 111"
    [dj]="166 142"
    [czl]="166 182"
    [qjn]="138 222"
    [hjn]="194 222"
    [qn]="166 262"
    [mbdj]="162 302"
    [fx]="88 346"
    [xx]="208 346"
    [ll]="422 79"
    [tp]="422 119"
    [ys]="422 159"
    [jg]="422 199"
    [kx]="400 251"
)

e2e_click() {
    # shellcheck disable=SC2086
    e2e_click_panel "$MAIN" ${AT[$1]}
}

# Replaces the text of a field: click into it, select its text, type over it.
e2e_fill() {
    e2e_click "$1"
    e2e_keys End shift+Home BackSpace
    [ -z "$2" ] || e2e_type "$2"
}

# What petcalc-cli says for the same input (without its caption line for reports).
cli_body() {
    "$PETCALC_CLI" "$@" | tail -n +2 | e2e_normalise
}
cli_caption() {
    "$PETCALC_CLI" "$@" | sed -n 1p
}
cli_message() {
    "$PETCALC_CLI" "$@" | e2e_normalise || true
}

# Reads the result window: checks its title, copies the memo with Ctrl+A Ctrl+C and compares it
# with the expected text, keeps a screenshot and closes it with its close button.
e2e_expect_report() {
    local title=$1 expected=$2 shot=$3 report got
    report=$(e2e_wait_window "$title" 10) || fail "no result window titled $title"
    e2e_focus "$report"
    e2e_shot "$report" "$shot"
    got=$(e2e_copy_with ctrl+a ctrl+c | e2e_normalise)
    if [ "$got" != "$expected" ]; then
        diff <(printf '%s\n' "$expected") <(printf '%s\n' "$got") >&2 || true
        fail "the memo's text differs from petcalc-cli's report"
    fi
    e2e_close_window "$report"
    e2e_wait_gone "$report" || fail "the result window did not close"
    e2e_focus "$MAIN"
}

# Position of a window on the screen, "X Y".
e2e_position() {
    local geometry WIDTH HEIGHT X Y SCREEN WINDOW
    geometry=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null) || fail "window $1 is gone"
    eval "$geometry"
    echo "$X $Y"
}

# The colour of one pixel of a screenshot, as RRGGBB.
e2e_pixel() {
    convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6
}

# Fails unless the pixel of the screenshot has the colour.
e2e_expect_pixel() {
    local png=$1 x=$2 y=$3 want=$4 what=$5 got
    got=$(e2e_pixel "$png" "$x" "$y")
    [ "$got" = "$want" ] || fail "$what: pixel ($x, $y) is $got, expected $want"
}

# How many pixels of the rectangle "W H X Y" in the screenshot have the colour.
e2e_count_colour() {
    local png=$1 geometry=$2 colour=$3
    convert "$png" -crop "$geometry" +repage -fill black +opaque "#$colour" -fill white \
        -opaque "#$colour" -format "%[fx:round(mean*w*h)]" info: 2>/dev/null
}
