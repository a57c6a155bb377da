#!/usr/bin/env bash
# Sets up the project, then builds and runs every test: the GCC build with warnings as errors,
# the Clang build with AddressSanitizer + UndefinedBehaviorSanitizer, and a bounded fuzzing run.
# The GCC build's tests include building the .deb, validating it and starting the program
# installed from it (label desktop).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

scripts/setup.sh -DPETCALC_WERROR=ON
ctest --test-dir build --output-on-failure -j"$jobs" --no-tests=error

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DPETCALC_WERROR=ON -DPETCALC_SANITIZE=ON -DPETCALC_FUZZ=ON -DPETCALC_BENCH=OFF
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" --no-tests=error -E '^format_check$'

# Every fuzz target for a short while (six for 12 s); scripts/fuzz.sh runs them for hours.
scripts/fuzz.sh build-asan "${PETCALC_FUZZ_SECONDS:-12}"
