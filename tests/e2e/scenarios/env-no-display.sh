# Without a display the program ends at once with one line and status 1; an X server that is
# not there is said so with its name.
source "$(dirname "$0")/../lib.sh"
e2e_expect_refusal 1 "petcalc: cannot open the display: none is set (DISPLAY is empty)" \
    env -u DISPLAY -u WAYLAND_DISPLAY
unused=":$((4000 + RANDOM % 1000))"
while [ -e "/tmp/.X11-unix/X${unused#:}" ]; do unused=":$((4000 + RANDOM % 1000))"; done
e2e_expect_refusal 1 \
    "petcalc: cannot open the display \"$unused\": no X server answers there, or it refused the connection" \
    env DISPLAY="$unused"
e2e_log "ok"
