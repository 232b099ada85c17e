#!/usr/bin/env bash
# The Windows program: built with mingw-w64 (preset windows), checked for its size and the
# DLLs it imports, packed into its ZIP, then tested under Wine on a virtual X display with
# a fresh Wine prefix: the engine's and the window description's tests, and the Windows-side test that drives the
# real windows by messages. Ends everything it started.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "windows check: $*"; exit 1; }

cmake --preset windows >/dev/null
cmake --build --preset windows --target passer-rating core_tests win32_driver_test
build=$PWD/build/windows
exe=$build/app/passer-rating.exe
size=$(stat -c %s "$exe")
((size <= 1048576)) || fail "passer-rating.exe is $size bytes, over 1 MB"
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name/ { print $3 }' | sort | tr '\n' ' ')
for dll in $dlls; do
    case ${dll^^} in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | COMCTL32.DLL | SHELL32.DLL | MSVCRT.DLL | ADVAPI32.DLL) ;;
    *) fail "passer-rating.exe imports $dll, which Windows does not bring" ;;
    esac
done
echo "passer-rating.exe: $size bytes; imports $dlls"
(cd "$build" && rm -f passer-rating-*.zip && cpack -G ZIP >/dev/null)
zip=$(ls "$build"/passer-rating-*.zip)
listing=$(unzip -l "$zip")
grep -q "Help/" <<<"$listing" || fail "the ZIP has no Help folder"
echo "packed $(basename "$zip")"

work=$(mktemp -d)
read -r -a started <<<""
cleanup() {
    WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
started+=($!)
read -r -u "$fd" display
export DISPLAY=:$display WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# A stand-in browser: Wine hands a web address to xdg-open, which writes it down.
mkdir -p "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" > "%s/browser.txt"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH

wineboot -i >/dev/null 2>&1
# Windows that Wine draws itself close at once; a window manager's would wait 2 s.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w

wine "$build/tests/core_tests.exe" --gtest_brief=1
PASSER_RATING_EXE=$(winepath -w "$exe") PASSER_RATING_BROWSER_RECORD=$(winepath -w "$work/browser.txt") \
    wine "$build/tests/win32/win32_driver_test.exe"
