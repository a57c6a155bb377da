#!/usr/bin/env bash
# The desktop monkey: the real program on a private X server (no window manager), driven for a
# few minutes with random xdotool input - moves, clicks and drags anywhere on its windows, Tab,
# Enter, Escape, arrows, clipboard keys, Alt+F4, typed digits, Chinese and long digit strings.
# It records the resident memory as it goes, and checks that the program stays alive and
# answers, and at the end still gives the report petcalc-cli gives for the same input.
#
#   scripts/monkey-desktop.sh [minutes] [seed]        (defaults: 3 minutes, seed 1)
# Uses build/bin/petcalc and build/bin/petcalc-cli; PETCALC_BIN / PETCALC_CLI override them.
# A failing run prints its seed; the same seed replays the same sequence of actions.
set -uo pipefail
minutes=${1:-3}
seed=${2:-1}
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(realpath "${PETCALC_BIN:-$root/build/bin/petcalc}")
cli=$(realpath "${PETCALC_CLI:-$root/build/bin/petcalc-cli}")
for tool in Xvfb xdotool xclip xprop; do
    command -v $tool >/dev/null || { echo "monkey: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
display=":$((4000 + RANDOM % 1000))"
while [ -e "/tmp/.X11-unix/X${display#:}" ]; do display=":$((4000 + RANDOM % 1000))"; done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() {
    [ -z "$app" ] || kill "$app" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display LC_ALL=C.UTF-8
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

fail() {
    echo "monkey: FAIL (seed $seed, action $n): $*"
    echo "monkey: last actions:"
    tail -n 20 "$work/actions"
    echo "monkey: error output of the program:"
    cat "$work/stderr"
    exit 1
}

# The banner opens the fan site: a stub browser records it instead.
mkdir -p "$work/stub-bin"
printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$work" >"$work/stub-bin/xdg-open"
chmod +x "$work/stub-bin/xdg-open"

start() {
    PATH="$work/stub-bin:$PATH" "$bin" >/dev/null 2>>"$work/stderr" &
    app=$!
    main=$(timeout 15 xdotool search --sync --onlyvisible --pid "$app" | head -1)
    [ -n "$main" ] || fail "the main window did not appear"
    ((starts++))
}

rss() { awk '/VmRSS/ {print $2}' "/proc/$app/status" 2>/dev/null; }

RANDOM=$seed
n=0
starts=0
: >"$work/actions"
start
first_rss=$(rss)
end=$((SECONDS + minutes * 60))
chinese=(等 级 成 长 率 技 能 点 潜 目 标 力 量 体 魄 元 神 筋 骨 宠 物)
next_report=$((SECONDS + 30))
while [ $SECONDS -lt $end ]; do
    ((n++))
    if ! kill -0 "$app" 2>/dev/null; then
        status=0
        wait "$app" || status=$?
        # Alt+F4 or the close button of the main window ends the program normally; anything
        # else is a failure.
        [ "$status" = 0 ] || fail "the program died with status $status"
        grep -q "alt+F4\|title-bar buttons" <(tail -n 3 "$work/actions") ||
            fail "the program ended by itself"
        start
    fi
    windows=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null)
    [ -n "$windows" ] || continue
    w=$(echo "$windows" | shuf -n 1 --random-source=<(yes "$RANDOM"))
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
    px=$((X + RANDOM % WIDTH))
    py=$((Y + RANDOM % HEIGHT))
    roll=$((RANDOM % 100))
    if [ $roll -lt 15 ]; then
        action="mousemove $px $py"
    elif [ $roll -lt 35 ]; then
        action="click $px $py"
        # The buttons at the right of the main window's title bar close it (or minimize it).
        [ "$w" != "$main" ] || [ $px -lt $((X + WIDTH - 40)) ] || [ $py -ge $((Y + 24)) ] ||
            action+=" (title-bar buttons)"
    elif [ $roll -lt 40 ]; then
        action="drag $px $py $((px + RANDOM % 60 - 30)) $((py + RANDOM % 40 - 20))"
    elif [ $roll -lt 70 ]; then
        keys=(Tab shift+Tab Return Escape Left Right Up Down Home End BackSpace Delete
            ctrl+a ctrl+c ctrl+x ctrl+v ctrl+z shift+Insert alt+space)
        action="key ${keys[RANDOM % ${#keys[@]}]}"
        [ $((RANDOM % 200)) -ne 0 ] || action="key alt+F4"
    elif [ $roll -lt 80 ]; then
        s=""
        for _ in $(seq $((20 + RANDOM % 200))); do s+=$((RANDOM % 10)); done
        action="type $s"
    elif [ $roll -lt 88 ]; then
        action="type ${chinese[RANDOM % ${#chinese[@]}]}${chinese[RANDOM % ${#chinese[@]}]}"
    else
        action="type $((RANDOM % 200))"
    fi
    echo "$action" >>"$work/actions"
    case $action in
    mousemove*) xdotool mousemove ${action#mousemove } ;;
    click*)
        set -- ${action#click }
        xdotool mousemove "$1" "$2" mousedown 1 sleep 0.03 mouseup 1
        ;;
    drag*)
        set -- ${action#drag }
        xdotool mousemove "$1" "$2" mousedown 1 sleep 0.05 mousemove "$3" "$4" sleep 0.05 mouseup 1
        ;;
    key*) xdotool key --delay 20 ${action#key } ;;
    type*) xdotool type --delay 5 -- "${action#type }" ;;
    esac
    if [ $SECONDS -ge $next_report ]; then
        echo "monkey: $((SECONDS / 60)) min, $n actions, $starts starts, resident $(rss) kB"
        next_report=$((SECONDS + 30))
    fi
done
echo "monkey: $n actions in $minutes min, $starts starts; resident memory $first_rss kB at start, $(rss) kB now"

# Still alive and answering: close what is open, then the check-up against petcalc-cli.
for _ in 1 2 3 4 5; do
    count=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l)
    [ "$count" -le 1 ] && break
    xdotool key Escape Return
    sleep 0.3
done
kill -0 "$app" 2>/dev/null || fail "the program is gone at the end"
main=$(xdotool search --onlyvisible --pid "$app" | head -1)
eval "$(xdotool getwindowgeometry --shell "$main")"
# The fields of the main window, as the layout places them on the skinned frame (the frame's
# panel starts one pixel in from the window's left edge, at its top).
click() {
    xdotool mousemove --sync $((X + 1 + $1)) $((Y + $2))
    sleep 0.1
    xdotool mousedown 1
    sleep 0.05
    xdotool mouseup 1
    sleep 0.2
}
field() {
    click "$1" "$2"
    xdotool key --delay 50 End shift+Home BackSpace
    xdotool type --delay 30 -- "$3"
    sleep 0.2
}
click 100 111 # 侍宠
field 166 142 30
field 166 182 25
field 138 222 100
field 194 222 1000
field 166 262 50
field 162 302 40
xdotool key Return
report=""
for _ in $(seq 100); do
    for w in $(xdotool search --onlyvisible --pid "$app"); do
        [ "$w" = "$main" ] || report=$w
    done
    [ -z "$report" ] || break
    sleep 0.1
done
if [ -z "$report" ]; then
    shot=/tmp/petcalc-monkey-$seed.png
    import -window root "$shot" 2>/dev/null && echo "monkey: screenshot of the screen in $shot"
    fail "no result window after Enter in the target-level field"
fi
printf 'marker' | xclip -i -selection clipboard >/dev/null 2>&1
xdotool windowfocus --sync "$report" key ctrl+a ctrl+c
sleep 0.5
got=$(timeout 2 xclip -o -selection clipboard | sed 's/\r$//' | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}')
want=$("$cli" checkup --dj 30 --czl 25 --qjn 100 --hjn 1000 --qn 50 --mbdj 40 | tail -n +2 |
    sed -e :a -e '/^\n*$/{$d;N;ba' -e '}')
[ "$got" = "$want" ] || fail "the report differs from petcalc-cli's: $got"
echo "monkey: passed (seed $seed)"
