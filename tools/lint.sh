#!/usr/bin/env bash
# The checked-in .clang-format and .clang-tidy, applied to the project's own code: any
# formatting difference or clang-tidy finding fails. Uses the compile commands of a
# configured build folder (default build/ci).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/ci}
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run -Werror "${sources[@]}"
echo "clang-format: ${#sources[@]} files clean"
# clang-tidy sees the files this build compiles: the Windows ones build only in the
# windows preset, the fuzz targets only in the fuzz preset.
mapfile -t units < <(git ls-files '*.cpp' | while read -r file; do
    grep -qF "\"$PWD/$file\"" "$build/compile_commands.json" && echo "$file"
done)
run-clang-tidy -p "$build" -quiet "${units[@]/#/$PWD/}" >"$build/clang-tidy.log" 2>&1 || {
    grep -E '(warning|error): ' "$build/clang-tidy.log" | sort -u
    echo "clang-tidy: findings above"
    exit 1
}
echo "clang-tidy: ${#units[@]} files, no findings"
