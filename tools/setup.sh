#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the program need when one
# is missing, then configures and builds the given CMake preset.
# Usage: tools/setup.sh PRESET
set -euo pipefail

preset=${1:?usage: tools/setup.sh PRESET}
cd "$(dirname "$0")/.."

packages=(
    # the build
    g++ cmake ninja-build pkg-config
    qt6-base-dev libqt6gui6 qt6-qpa-plugins libgl-dev
    fp-utils libchm-dev libxml2-dev
    # the tests, benchmarks and fuzzing
    libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev clang-format clang-tidy
    xvfb xauth strace desktop-file-utils appstream libx11-dev
    # the package
    dpkg-dev
    # the windows' face
    fonts-comic-neue
)
bash tools/install-packages.sh "${packages[@]}"

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
