#!/usr/bin/env bash
# The checked-in .clang-format and .clang-tidy, applied to the project's own code: any
# formatting difference or clang-tidy finding fails. clang-tidy takes each file from the
# compile commands of the configured builds named (default: build/ci, build/windows,
# build/fuzz and build/web, those that exist), so the Linux, the Windows, the fuzzing and
# the web code are all checked, each as its own build compiles it; a file that several
# builds compile is checked once. The web build is checked by clang-tidy 22, of its own
# compiler: its C++ library is too new for the older one.
set -euo pipefail
cd "$(dirname "$0")/.."
builds=("$@")
((${#builds[@]})) || builds=(build/ci build/windows build/fuzz build/web)
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run -Werror "${sources[@]}"
echo "clang-format: ${#sources[@]} files clean"

declare -A checked=()
for build in "${builds[@]}"; do
    [ -f "$build/compile_commands.json" ] || continue
    units=()
    for file in $(git ls-files '*.cpp'); do
        if [ -z "${checked[$file]:-}" ] && grep -qF "\"$PWD/$file\"" "$build/compile_commands.json"; then
            units+=("$PWD/$file")
            checked[$file]=1
        fi
    done
    ((${#units[@]})) || continue
    extra=()
    tidy=run-clang-tidy
    compiler=$(grep -m 1 -o '"command": "[^ ]*' "$build/compile_commands.json" | cut -d'"' -f4)
    if [[ $compiler == *mingw32* ]]; then
        # clang as the cross compiler's target, with the cross compiler's C++ library.
        extra+=(-extra-arg=--target=x86_64-w64-mingw32)
        while read -r dir; do
            extra+=("-extra-arg=-isystem$dir")
        done < <(echo | "$compiler" -xc++ -E -v - 2>&1 | grep -E '^ /.*/include/c\+\+')
    fi
    [[ $compiler == *clang++-22 ]] && tidy=run-clang-tidy-22
    "$tidy" -p "$build" -quiet "${extra[@]}" "${units[@]}" >"$build/clang-tidy.log" 2>&1 || {
        grep -E '(warning|error): ' "$build/clang-tidy.log" | sort -u
        echo "clang-tidy: findings above ($build)"
        exit 1
    }
    echo "clang-tidy: ${#units[@]} files of $build, no findings"
done
