#!/usr/bin/env bash
# Runs one end-to-end scenario (scenarios/<name>.sh) against the built program on a private X
# server. Exits 77 (reported as skipped) only when the X tools it needs are not installed.
#   run.sh <scenario> <petcalc> <petcalc-cli> <artefact folder>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
scenario=$1
for tool in xvfb-run Xvfb xdotool xclip xprop /usr/bin/import; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "e2e: $tool is not installed; scenario $scenario skipped"
        exit 77
    fi
done
export PETCALC_BIN=$(realpath "$2") PETCALC_CLI=$(realpath "$3") PETCALC_ARTIFACTS=$4
export PETCALC_SOURCE=$(cd "$here/../.." && pwd)
export SCENARIO=$scenario
# In sanitizer builds: leaks of the desktop libraries are not ours.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/lsan.supp:print_suppressions=0"
mkdir -p "$PETCALC_ARTIFACTS"
# The display number is looked for from a random start: right after a scenario the number its
# server had can still be held by that server on its way out.
exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24 -nolisten tcp" \
    bash "$here/scenarios/$scenario.sh"
