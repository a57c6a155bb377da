#!/usr/bin/env bash
# Fails when a C++ source of the project is not in the clang-format style.
set -euo pipefail
clang_format=${1:-clang-format}
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' | grep -v '^build')
[ ${#files[@]} -gt 0 ] || { echo "no sources found"; exit 1; }
"$clang_format" --dry-run -Werror "${files[@]}"
echo "format check: ${#files[@]} files clean"
