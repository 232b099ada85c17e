#!/usr/bin/env bash
# The Windows program, in three steps that CTest runs as tests labelled "windows" (no step:
# all three):
#   build      built with mingw-w64 (preset windows), checked for its size and the DLLs it
#              imports, packed into its ZIP and its installer;
#   tests      the engine's and the window description's tests, and the Windows-side test
#              that drives the real windows by keyboard and mouse input, under Wine;
#   installer  the installer's install, use and removal under Wine.
# Wine runs on a virtual X display with a fresh prefix of its own; everything started ends.
set -euo pipefail
cd "$(dirname "$0")/.."
step=${1:-all}
fail() { echo "windows check: $*"; exit 1; }
build=$PWD/build/windows
exe=$build/app/passer-rating.exe

build() {
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target passer-rating engine_tests description_tests win32_driver_test installer
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
    msi=$(ls "$build"/passer-rating-*.msi)
    echo "built $(basename "$msi"): $(stat -c %s "$msi") bytes"
}

# Xvfb and a Wine prefix of the step's own, ended and removed when the step ends.
session() {
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
    export DISPLAY=:$display WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

    # A stand-in browser: Wine hands a web address to xdg-open, which writes it down.
    mkdir -p "$work/bin"
    printf '#!/bin/sh\nprintf "%%s\\n" "$1" > "%s/browser.txt"\n' "$work" >"$work/bin/xdg-open"
    chmod +x "$work/bin/xdg-open"
    export PATH=$work/bin:$PATH

    wineboot -i >/dev/null 2>&1
    # Windows that Wine draws itself close at once; a window manager's would wait 2 s.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
}

tests() {
    session
    wine "$build/tests/engine_tests.exe" --gtest_brief=1
    wine "$build/tests/description_tests.exe" --gtest_brief=1
    PASSER_RATING_EXE=$(winepath -w "$exe") PASSER_RATING_BROWSER_RECORD=$(winepath -w "$work/browser.txt") \
        wine "$build/tests/win32/win32_driver_test.exe"
}

# The installer: silent install; the program, its help, the Start-menu shortcut and the
# entry under installed programs (title, version, publisher, icon) are there; the
# installed program calculates and opens its help; silent removal leaves every file as it
# was before, and no registry value that names the program.
installer() {
    session
    msi=$(ls "$build"/passer-rating-*.msi)
    source "$build/identity/product.sh"
    installed="C:\\Program Files\\$PR_TITLE"
    # Every file of the Windows drive; Windows Installer's own cache folder, which it makes on
    # first use, aside.
    files() { (cd "$WINEPREFIX/drive_c" && find . ! -path ./windows/Installer | sort); }
    before=$(files)

    wine msiexec /i "$(winepath -w "$msi")" /qn || fail "the silent install failed"
    for file in "$installed/passer-rating.exe" "$installed/Help/$PR_HELP_FILE_NAME"; do
        [ -f "$(winepath -u "$file")" ] || fail "the install did not write $file"
    done
    # Wine puts a per-machine shortcut in the user's Start menu; either place counts.
    grep -q "Start Menu/Programs/$PR_TITLE.lnk$" <<<"$(files)" || fail "the install made no Start-menu shortcut"
    entry=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' |
        awk -v title="$PR_TITLE" '/^HKEY/ { if (found) exit; block = "" } { block = block $0 "\n" }
            $1 == "DisplayName" && index($0, title) { found = 1 } END { printf "%s", found ? block : "" }')
    for value in "DisplayName +REG_SZ +$PR_TITLE" 'DisplayVersion +REG_SZ +1\.0\.0' 'Publisher +REG_SZ +Morvalenite'; do
        grep -E -q "$value" <<<"$entry" || fail "the uninstall entry has no $value: $entry"
    done
    product=$(grep -o -E '\{[0-9A-F-]{36}\}' <<<"$entry" | head -n 1)
    cmp -s resources/passer-rating.ico "$WINEPREFIX/drive_c/windows/Installer/$product/ProgramIcon" ||
        fail "the installed program has not its icon"
    PASSER_RATING_EXE="$installed\\passer-rating.exe" wine "$build/tests/win32/win32_driver_test.exe" --gtest_brief=1 \
        --gtest_filter='Calculator.ATypedCalculationWithEnterThenEsc:Calculator.F1AndHelpIndexOpenTheHelpViewerOnTheirTab'

    wine msiexec /x "$(winepath -w "$msi")" /qn || fail "the silent removal failed"
    diff <(echo "$before") <(files) || fail "the removal left files behind, or took some"
    wineserver -w
    ! grep -i -F -e "$PR_TITLE" -e "$product" -e passer-rating "$WINEPREFIX"/*.reg || fail "the removal left registry values behind"
    echo "installer: installed, started, calculated, opened its help, removed without a trace"
}

case $step in
build) build ;;
tests) tests ;;
installer) installer ;;
all) build && (tests) && (installer) ;;
*) fail "no step $step: build, tests or installer" ;;
esac
