#!/usr/bin/env bash
# Regenerates the README's screenshots (docs/screenshots/*.png) from the built program under a
# private X server.   scripts/screenshots.sh [build folder, default build]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out=$root/docs/screenshots
mkdir -p "$out"
"$root/tests/e2e/run.sh" screenshots "$build/bin/petcalc" "$build/bin/petcalc-cli" "$out"
for name in main panel checkup message; do
    [ -s "$out/screenshots-$name.png" ] || { echo "screenshot $name missing" >&2; exit 1; }
done
echo "screenshots written to $out"
