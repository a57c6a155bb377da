#!/usr/bin/env bash
# Runs every libFuzzer target of a build for a bounded time each.
set -euo pipefail
build=${1:-build-asan}
seconds=${2:-60}
cd "$(dirname "$0")/.."
shopt -s nullglob
targets=("$build"/bin/fuzz_*)
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build"; exit 1; }
for target in "${targets[@]}"; do
    name=$(basename "$target")
    corpus="$build/fuzz-corpus/$name"
    mkdir -p "$corpus"
    seeds="fuzz/seeds/${name#fuzz_}"
    [ -d "$seeds" ] || seeds=""
    echo "fuzzing $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus" $seeds
done
