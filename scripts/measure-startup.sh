#!/usr/bin/env bash
# Measures the program's start-up under Xvfb: the time from starting build/bin/petcalc until its
# main window is mapped and shows the banner's pixels, and the peak resident memory (VmHWM) once
# it is idle. Not a test: it prints the figures of a few runs and their median.
#   scripts/measure-startup.sh [runs]        (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
[ -x build/bin/petcalc ] || { echo "build/bin/petcalc is missing: run scripts/setup.sh first"; exit 1; }
export LC_ALL=C.UTF-8

# One run inside the X server: prints "milliseconds kilobytes".
one_run() {
    local app wid start now ms colour X Y WIDTH HEIGHT SCREEN WINDOW kb
    start=$(date +%s%N)
    SDL_FRAMEBUFFER_ACCELERATION=0 build/bin/petcalc >/dev/null 2>&1 &
    app=$!
    wid=""
    while [ -z "$wid" ]; do
        kill -0 "$app" 2>/dev/null || { echo "petcalc did not start" >&2; exit 1; }
        wid=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -1 || true)
    done
    # The banner's middle (client area at 3,21; panel at 1,0; banner at 65,30, 160 x 60).
    while :; do
        colour=$(/usr/bin/import -window "$wid" -crop 1x1+149+81 -depth 8 txt:- 2>/dev/null |
            sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p' || true)
        [ -n "$colour" ] && [ "$colour" != 000000 ] && [ "$colour" != E7E7E7 ] && break
    done
    now=$(date +%s%N)
    ms=$(((now - start) / 1000000))
    sleep 1
    kb=$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$app/status")
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    xdotool mousemove --sync $((X + WIDTH - 13)) $((Y + 12))
    sleep 0.1
    xdotool mousedown 1
    sleep 0.1
    xdotool mouseup 1
    for _ in $(seq 1 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill "$app" 2>/dev/null && echo "petcalc did not end when its window was closed" >&2
    wait "$app" || echo "petcalc ended with status $?" >&2
    echo "$ms $kb"
}

if [ -z "${MEASURE_INSIDE:-}" ]; then
    MEASURE_INSIDE=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$runs"
fi

results=()
for _ in $(seq 1 "$runs"); do
    r=$(one_run)
    echo "first painted main window: ${r% *} ms, peak RSS: ${r#* } kB"
    results+=("$r")
done
printf '%s\n' "${results[@]}" | sort -n | awk '{ t[NR] = $1; m[NR] = $2 }
    END { i = int((NR + 1) / 2); printf "median of %d runs: %d ms to the first painted window\n", NR, t[i] }'
printf '%s\n' "${results[@]}" | sort -n -k2 | awk '{ m[NR] = $2 }
    END { i = int((NR + 1) / 2); printf "median peak RSS: %d kB\n", m[i] }'
