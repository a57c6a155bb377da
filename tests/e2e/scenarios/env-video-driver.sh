# SDL_VIDEODRIVER=dummy or offscreen in the environment changes nothing: the program reads no
# environment of its own and opens its window on the desktop.
source "$(dirname "$0")/../lib.sh"
for driver in dummy offscreen; do
    e2e_start env SDL_VIDEODRIVER=$driver
    e2e_fill dj 5
    [ "$(e2e_copy_with ctrl+a ctrl+c)" = 5 ] || fail "typing does not work with SDL_VIDEODRIVER=$driver"
    e2e_quit
    e2e_expect_stderr
done
