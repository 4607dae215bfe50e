#!/bin/bash
# Every program of the Windows build is one self-contained file: a user copies quornel.exe
# (or uninstall.exe) into a folder and it runs, with no MinGW runtime DLL beside it.
#   static_exes_windows.sh BUILD_DIR SOURCE_DIR
# Checks each exe's import table: every DLL it names must be one that Windows itself
# provides (present in a fresh Wine prefix's system32), and none a compiler runtime.
#
# The two programs users run live in folders they write to (Jw_cad's transforms folder, a
# downloads folder). Windows looks for an imported DLL in the program's folder first unless
# it is one of the Known DLLs, which always come from the system folder: a stray or planted
# DLL of another name there would run inside the program before its first line. So
# quornel.exe and uninstall.exe import only Known DLLs, and comctl32, which their manifest
# binds to version 6 in the side-by-side store; nothing is delay-loaded. Their headers keep
# ASLR (with high-entropy addresses and the relocations it needs) and NX.
set -u
build="$1"
source="$2"

source "$source/scripts/lib/wine.sh"
quornel_wine_env "$source"
quornel_wine_prefix >/dev/null || exit 1
system32="$WINEPREFIX/drive_c/windows/system32"

# Known DLLs on every Windows the programs support (7 to 11): HKLM\SYSTEM\CurrentControlSet\
# Control\Session Manager\KnownDLLs. Windows 7's list has more (lpk, usp10, urlmon, wininet)
# that later versions dropped; they are not allowed.
known_dlls="advapi32 comdlg32 gdi32 imm32 kernel32 msvcrt ole32 oleaut32 shell32 shlwapi user32 ws2_32"
# Taken from the side-by-side store (version 6) when the manifest asks for it.
manifest_bound="comctl32"
common_controls_6='name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'

fail=0
checked=0
fail() {
    echo "FAIL: $*" >&2
    fail=1
}
in_list() {  # WORD LIST
    case " $2 " in *" $1 "*) return 0 ;; esac
    return 1
}

shopt -s nullglob nocaseglob
for exe in "$build"/*.exe "$build"/tests/*.exe; do
    checked=$((checked + 1))
    name="$(basename "$exe")"
    shipped=0
    case "$name" in quornel.exe | uninstall.exe) shipped=1 ;; esac
    headers="$(x86_64-w64-mingw32-objdump -p "$exe")"
    while read -r dll; do
        lower="$(echo "$dll" | tr 'A-Z' 'a-z')"
        case "$lower" in
            lib*.dll | *mingw* | *pthread* | *gcc* | *stdc++*)
                fail "$name needs the compiler runtime $dll"
                continue
                ;;
        esac
        if [ ! -e "$system32/$lower" ] && [ ! -e "$system32/$dll" ]; then
            fail "$name needs $dll, which Windows does not provide"
        fi
        [ "$shipped" = 1 ] || continue
        if in_list "${lower%.dll}" "$manifest_bound"; then
            grep -qaF "$common_controls_6" "$exe" ||
                fail "$name imports $dll without the manifest that binds it to version 6"
        elif ! in_list "${lower%.dll}" "$known_dlls"; then
            fail "$name imports $dll, which Windows looks for in the program's folder first"
        fi
    done < <(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p')

    [ "$shipped" = 1 ] || continue
    # Delay imports that the linker records in the header (MinGW's own delay-load library
    # keeps its tables elsewhere: not used here).
    if printf '%s\n' "$headers" | grep -Eq 'Delay Import Directory' &&
        ! printf '%s\n' "$headers" | grep -Eq '^Entry d 0+ 0+ Delay Import Directory'; then
        fail "$name delay-loads a DLL"
    fi
    for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
        printf '%s\n' "$headers" | grep -Eq "^[[:space:]]+$flag\$" || fail "$name lacks $flag"
    done
    printf '%s\n' "$headers" | grep -Eq '^Entry 5 0*[1-9a-f][0-9a-f]* 0*[1-9a-f][0-9a-f]* Base Relocation' ||
        fail "$name has no relocations, so ASLR cannot move it"
done

for exe in quornel.exe uninstall.exe; do
    [ -e "$build/$exe" ] || fail "$build/$exe was not built"
done
echo "checked the imports of $checked program(s)"
exit $fail
