#!/usr/bin/env bash
# The Windows program, in steps that CTest runs as tests labelled "windows" (no step: all):
#   build           built with mingw-w64 (preset windows), checked for its size and the DLLs
#                   it imports, packed into its ZIP and its installer;
#   tests           the engine's and the window description's tests, the Windows-side test
#                   that drives the real windows by keyboard and mouse input, and
#                   passer-rating-cli.exe rating a line and a table, under Wine;
#   installer       the installer's install, upgrades, use and removal under Wine;
#   unicode-folder  the program and its help from a folder named outside the code pages;
#   signing         the signing step, with a throwaway certificate.
# Wine runs on a virtual X display with a fresh prefix of its own; everything started ends.
set -euo pipefail
cd "$(dirname "$0")/.."
step=${1:-all}
fail() { echo "windows check: $*"; exit 1; }
build=$PWD/build/windows
exe=$build/app/passer-rating.exe
cli=$build/app/passer-rating-cli.exe

build() {
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target passer-rating passer-rating-cli engine_tests description_tests \
        win32_driver_test installer
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
    grep -q "passer-rating-cli.exe" <<<"$listing" || fail "the ZIP has no passer-rating-cli.exe"
    [[ $(x86_64-w64-mingw32-objdump -p "$cli") == *"(Windows CUI)"* ]] || fail "passer-rating-cli.exe is no console program"
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
    PASSER_RATING_EXE=$(winepath -w "$exe")
    PASSER_RATING_BROWSER_RECORD=$(winepath -w "$work/browser.txt")
    export PASSER_RATING_EXE PASSER_RATING_BROWSER_RECORD
    wine "$build/tests/win32/win32_driver_test.exe" --gtest_filter='-*German*:*French*'
    # Wine takes the user's locale from the process's environment.
    LC_ALL=de_DE.UTF-8 wine "$build/tests/win32/win32_driver_test.exe" --gtest_filter='*German*'
    LC_ALL=fr_FR.UTF-8 wine "$build/tests/win32/win32_driver_test.exe" --gtest_filter='*French*'
    # The console program: its line, its message and status, and a table through a pipe,
    # bytes and CRLF line ends as they were.
    [ "$(wine "$cli" --college 502 343 4643 45 6)" = 173.209561752988 ] || fail "passer-rating-cli.exe rated no line"
    status=0
    message=$(wine "$cli" 20 21 210 2 2 2>&1 >/dev/null) || status=$?
    [ "$status/$message" = "1/Completions cannot exceed Attempts." ] || fail "passer-rating-cli.exe refused with $status/$message"
    table=$(printf 'att,cmp,yds,td,int,"a, b"\r\n34,21,285,1,1,\xc3\xa9\r\n' | wine "$cli" --table | od -An -c | tr -s ' \n' ' ')
    expected=$(printf 'att,cmp,yds,td,int,"a, b",rating,error\r\n34,21,285,1,1,\xc3\xa9,86,\r\n' | od -An -c | tr -s ' \n' ' ')
    [ "$table" = "$expected" ] || fail "passer-rating-cli.exe wrote the table as $table"
    echo "passer-rating-cli.exe: a line, a message and a table as on Linux"
}

# The installer. Two builds of this version and a later version, installed one after the
# other into a folder of the user's choice: each replaces the one before (one entry under
# installed programs), keeps the folder and names it as the install location; the
# installed program calculates and opens its help; its icon is the shell's; silent
# removal leaves every file as it was before, and no registry value that names the
# program or its maker.
installer() {
    session
    msi=$(ls "$build"/passer-rating-*.msi)
    source "$build/identity/product.sh"
    folder='C:\Passer Rating Tools\'
    # Every file of the Windows drive; Windows Installer's own cache folder, which it makes on
    # first use, aside.
    files() { (cd "$WINEPREFIX/drive_c" && find . ! -path ./windows/Installer | sort); }
    before=$(files)
    # The entries under installed programs that bear the program's title.
    entries() {
        wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' |
            awk -v title="$PR_TITLE" '/^HKEY/ { if (found) printf "%s\n", block; block = ""; found = 0 }
                { block = block $0 "\n" } $1 == "DisplayName" && index($0, title) { found = 1 }
                END { if (found) printf "%s\n", block }'
    }
    # Another build of the MSI, as the project builds it at VERSION: a product and a package
    # code of its own, and the built Upgrade rows (their attributes as they are) with the
    # version in them moved to VERSION; at the built version, the rows exactly as built.
    rebuilt() { # VERSION OUTPUT
        cp "$msi" "$2"
        local queries=(
            "UPDATE \`Property\` SET \`Value\` = '$(guid)' WHERE \`Property\` = 'ProductCode'"
            "UPDATE \`Property\` SET \`Value\` = '$1' WHERE \`Property\` = 'ProductVersion'"
        )
        # Versions are part of the row's key: each row is written anew ("-" for empty).
        local code min max attributes property columns values
        while read -r code min max attributes property; do
            [ "$1" != "$PR_VERSION" ] || break
            columns="\`UpgradeCode\`, \`Attributes\`, \`ActionProperty\`"
            values="'$code', $attributes, '$property'"
            [ "$min" = - ] || { columns+=", \`VersionMin\`"; values+=", '${min/#$PR_VERSION/$1}'"; }
            [ "$max" = - ] || { columns+=", \`VersionMax\`"; values+=", '${max/#$PR_VERSION/$1}'"; }
            queries+=("DELETE FROM \`Upgrade\` WHERE \`ActionProperty\` = '$property'"
                "INSERT INTO \`Upgrade\` ($columns) VALUES ($values)")
        done < <(msiinfo export "$msi" Upgrade | tr -d '\r' |
            awk -F '\t' 'NR > 3 { for (i = 1; i <= 7; ++i) if (i != 4 && i != 6) printf "%s ", ($i == "" ? "-" : $i); print "" }')
        for query in "${queries[@]}"; do msibuild "$2" -q "$query" >/dev/null; done
        msibuild "$2" -s "$PR_TITLE $1" "$PR_COMPANY" "x64;1033" "$(guid)" >/dev/null
    }
    guid() { tr a-z A-Z </proc/sys/kernel/random/uuid | sed 's/.*/{&}/'; }
    installedAs() { # VERSION: one entry of that version, in the chosen folder
        local found
        found=$(entries)
        [ "$(grep -c '^HKEY' <<<"$found")" -eq 1 ] || fail "not one entry under installed programs: $found"
        for value in "DisplayName +REG_SZ +$PR_TITLE" "DisplayVersion +REG_SZ +${1//./\\.}" \
            'Publisher +REG_SZ +Morvalenite' "InstallLocation +REG_SZ +${folder//\\/\\\\}\$"; do
            grep -E -q "$value" <<<"$found" || fail "the uninstall entry has no $value: $found"
        done
        for file in "${folder}passer-rating.exe" "${folder}passer-rating-cli.exe" "${folder}Help\\$PR_HELP_FILE_NAME"; do
            [ -f "$(winepath -u "$file")" ] || fail "the install did not write $file"
        done
        [ ! -e "$WINEPREFIX/drive_c/Program Files/$PR_TITLE" ] || fail "the install went to Program Files"
        product=$(grep -o -E '\{[0-9A-F-]{36}\}' <<<"$found" | head -n 1)
    }

    wine msiexec /i "$(winepath -w "$msi")" /qn INSTALLDIR="$folder" || fail "the silent install failed"
    installedAs 1.0.0
    # Wine puts a per-machine shortcut in the user's Start menu; either place counts.
    grep -q "Start Menu/Programs/$PR_TITLE.lnk$" <<<"$(files)" || fail "the install made no Start-menu shortcut"
    cmp -s resources/passer-rating-shell.ico "$WINEPREFIX/drive_c/windows/Installer/$product/ProgramIcon" ||
        fail "the installed program has not its icon"
    PASSER_RATING_EXE="${folder}passer-rating.exe" wine "$build/tests/win32/win32_driver_test.exe" --gtest_brief=1 \
        --gtest_filter='Calculator.ATypedCalculationWithEnterThenEsc:Calculator.F1AndHelpIndexOpenTheHelpViewerOnTheirTab'
    first=$product

    rebuilt 1.0.0 "$work/rebuilt.msi"
    wine msiexec /i "$(winepath -w "$work/rebuilt.msi")" /qn || fail "the install of a rebuild failed"
    installedAs 1.0.0
    [ "$product" != "$first" ] || fail "the rebuild was not installed"
    rebuilt 1.0.1 "$work/later.msi"
    wine msiexec /i "$(winepath -w "$work/later.msi")" /qn || fail "the install of a later version failed"
    installedAs 1.0.1
    echo "installer: a rebuild and a later version each replaced the one before, in $folder"

    wine msiexec /x "$(winepath -w "$work/later.msi")" /qn || fail "the silent removal failed"
    diff <(echo "$before") <(files) || fail "the removal left files behind, or took some"
    wineserver -w
    ! grep -i -F -e "$PR_TITLE" -e "$PR_COMPANY" -e "$first" -e "$product" -e passer-rating "$WINEPREFIX"/*.reg ||
        fail "the removal left registry values behind"
    echo "installer: installed, started, calculated, opened its help, removed without a trace"
}

# The program from a folder whose name is outside any ANSI code page: it starts,
# calculates, opens its help and hands the home page to the browser.
unicode_folder() {
    session
    local folder="$WINEPREFIX/drive_c/users/Łukasz Ωmega"
    mkdir -p "$folder/Help"
    cp "$exe" "$folder/"
    cp "$build/app/Help/"*.chm "$folder/Help/"
    LC_ALL=C.UTF-8 PASSER_RATING_EXE=$(winepath -w "$folder/passer-rating.exe") \
        PASSER_RATING_BROWSER_RECORD=$(winepath -w "$work/browser.txt") \
        wine "$build/tests/win32/win32_driver_test.exe" --gtest_brief=1 \
        --gtest_filter='Calculator.ATypedCalculationWithEnterThenEsc:Calculator.F1*:Calculator.TheHomePage*'
    echo "the program ran, calculated, opened its help and the home page from $(basename "$folder")"
}

# The signing step as a release runs it, with a throwaway self-signed certificate: the
# program and the installer signed, and the signatures verified against it.
signing() {
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    source "$build/identity/product.sh"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=$PR_COMPANY (test)" \
        -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/certificate.pem" 2>/dev/null
    for file in "$exe" "$build"/passer-rating-*.msi; do
        cp "$file" "$work/"
        bash tools/sign-windows.sh "$work/$(basename "$file")" "$work/certificate.pem" "$work/key.pem" "$PR_TITLE"
        osslsigncode verify -CAfile "$work/certificate.pem" -in "$work/$(basename "$file")" >"$work/verify.log" 2>&1 ||
            { cat "$work/verify.log"; fail "the signature of $(basename "$file") does not verify"; }
        echo "signed and verified $(basename "$file")"
    done
}

case $step in
build) build ;;
tests) tests ;;
installer) installer ;;
unicode-folder) unicode_folder ;;
signing) signing ;;
all) build && (tests) && (installer) && (unicode_folder) && (signing) ;;
*) fail "no step $step: build, tests, installer, unicode-folder or signing" ;;
esac
