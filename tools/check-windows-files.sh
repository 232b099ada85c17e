#!/usr/bin/env bash
# Compiles the Windows files of platform/ with the mingw-w64 cross compiler against the
# Windows headers, so they are checked although the Windows build does not run here. The
# Qt headers are this machine's: only the syntax and the Win32 calls are checked.
set -euo pipefail
cd "$(dirname "$0")/.."
qt=$(dirname "$(find /usr/include -maxdepth 3 -type d -name QtCore -path '*qt6*' | head -n 1)")
for file in platform/html_help_windows.cpp platform/shell_windows.cpp; do
    x86_64-w64-mingw32-g++ -std=c++20 -fsyntax-only -Wall -Wextra -Werror -Wno-attributes \
        -I. -isystem "$qt" -isystem "$qt/QtCore" -isystem "$qt/QtGui" -isystem "$qt/QtWidgets" \
        "$file"
    echo "$file: compiles for Windows"
done
