#!/usr/bin/env bash
# Sets up and builds the project, then starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -x build/bin/petcalc ]; then
    exec build/bin/petcalc
fi
# Until the window program exists: the command-line companion on the worked example.
exec build/bin/petcalc-cli checkup --dj 30 --czl 25 --qjn 100 --hjn 1000 --qn 50 --mbdj 40
