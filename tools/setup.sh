#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds the project
# in build/ci. "run" needs only what builds and runs the calculator; "test" adds
# everything the tests, the lint, the package check, fuzzing and .ci/run use. Both share
# one build folder, so neither rebuilds what the other built.
# Usage: tools/setup.sh run|test
set -euo pipefail
what=${1:?usage: tools/setup.sh run|test}
cd "$(dirname "$0")/.."

packages=(
    # the build
    g++ cmake ninja-build pkg-config
    qt6-base-dev libqt6gui6 qt6-qpa-plugins libgl-dev
    # drawn natively on a Wayland desktop as well as on X11
    qt6-wayland
    fp-utils libchm-dev
    # the windows' face, and a virtual display where there is none
    fonts-comic-neue xvfb xauth
)
if [ "$what" = test ]; then
    packages+=(
        # unit tests, benchmarks, fuzzing, sanitizers, lint
        libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev clang-format
        clang-tidy git strace desktop-file-utils appstream libx11-dev time
        # the end-to-end suite: a real X server, two window managers, XTest input,
        # the clipboard and the accessibility tree
        openbox icewm xdotool xclip x11-utils procps dbus-daemon at-spi2-core
        python3-pytest python3-pytest-timeout python3-pyatspi python3-pil fonts-dejavu-core faketime
        # the Debian package and its check
        dpkg-dev file lintian
        # the Windows program: the cross compiler, its installer's builder, and Wine to test both
        g++-mingw-w64-x86-64-posix wixl msitools osslsigncode openssl wine wine64 unzip
        # German, French and Indian English locales: Wine runs the Windows program under the
        # first two, passer-rating-cli --locale reads all three
        locales
    )
fi
bash tools/install-packages.sh "${packages[@]}"
if [ "$what" = test ]; then
    for name in de_DE fr_FR en_IN; do
        locale -a | grep -qx "$name.utf8" || localedef -i "$name" -f UTF-8 "$name.UTF-8"
    done
    # The web page: clang 22 for WebAssembly with wasi-libc and libc++, Node for the build
    # and the tests, and two browsers. Their Recommends are not needed (clang's alone are
    # hundreds of megabytes).
    web=(clang-22 lld-22 llvm-22 libc++-22-dev-wasm32 libclang-rt-22-dev-wasm32 wasi-libc clang-tidy-22
        nodejs ca-certificates chromium firefox-esr)
    command -v npm >/dev/null || web+=(npm)
    bash tools/install-packages.sh --no-install-recommends "${web[@]}"
    # The end-to-end suite's Wayland compositor and screen reader, which speaks into its
    # log: neither needs a sound system.
    bash tools/install-packages.sh --no-install-recommends weston orca
fi

tests=OFF
[ "$what" = test ] && tests=ON
cmake --preset ci -DPR_BUILD_TESTS=$tests -DPR_BUILD_BENCH=$tests >/dev/null
if [ "$what" = test ]; then
    cmake --build --preset ci
else
    cmake --build --preset ci --target passer-rating
fi
