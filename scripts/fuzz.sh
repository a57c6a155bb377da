#!/usr/bin/env bash
# Runs every libFuzzer target of a build for a bounded time each:
#   scripts/fuzz.sh [BUILD-DIR [SECONDS-PER-TARGET [TARGET...]]]
# The corpus of each target grows in BUILD-DIR/fuzz-corpus/TARGET, seeded from the project's own
# files (fuzz/seeds/NAME, layouts, bitmaps, the banner). A finding stops the run with the
# fuzzer's report and leaves the input that caused it in BUILD-DIR/fuzz-findings; add it to the
# unit tests once it is fixed. For long runs: scripts/fuzz.sh build-asan 3600
set -euo pipefail
build=${1:-build-asan}
seconds=${2:-60}
shift $(($# < 2 ? $# : 2))
cd "$(dirname "$0")/.."

# The project's files each target starts from, besides fuzz/seeds/NAME.
seed_files() {
    case "$1" in
    layout) printf "%s\n" app/*.layout tests/platform/component/layouts/*.layout tools/*/*.layout ;;
    dib) printf "%s\n" resources/skin/*.bmp tests/platform/draw/fixtures/*.bmp ;;
    jpeg) printf "%s\n" resources/banner/*.jpg tests/platform/draw/fixtures/*.jpg ;;
    ico) printf "%s\n" resources/icon/*.ico tests/platform/draw/fixtures/*.ico ;;
    esac
}

shopt -s nullglob
if [ $# -gt 0 ]; then
    targets=()
    for t in "$@"; do targets+=("$build/bin/$t"); done
else
    targets=("$build"/bin/fuzz_*)
fi
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build"; exit 1; }
mkdir -p "$build/fuzz-findings"
for target in "${targets[@]}"; do
    name=$(basename "$target")
    short=${name#fuzz_}
    corpus="$build/fuzz-corpus/$name"
    seeds="$build/fuzz-seeds/$name"
    mkdir -p "$corpus" "$seeds"
    for f in $(seed_files "$short") fuzz/seeds/"$short"/*; do
        cp "$f" "$seeds/"
    done
    dict=()
    [ -f "fuzz/dicts/$short.dict" ] && dict=(-dict="fuzz/dicts/$short.dict")
    echo "fuzzing $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
        "${dict[@]}" -artifact_prefix="$build/fuzz-findings/$name-" "$corpus" "$seeds"
done
