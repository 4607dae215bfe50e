#!/bin/bash
# Every program of the Windows build is one self-contained file: a user copies quornel.exe
# (or uninstall.exe) into a folder and it runs, with no MinGW runtime DLL beside it.
#   static_exes_windows.sh BUILD_DIR SOURCE_DIR
# Checks each exe's import table: every DLL it names must be one that Windows itself
# provides (present in a fresh Wine prefix's system32), and none a compiler runtime.
set -u
build="$1"
source="$2"

source "$source/scripts/lib/wine.sh"
quornel_wine_env "$source"
quornel_wine_prefix >/dev/null || exit 1
system32="$WINEPREFIX/drive_c/windows/system32"

fail=0
checked=0
shopt -s nullglob nocaseglob
for exe in "$build"/*.exe "$build"/tests/*.exe; do
    checked=$((checked + 1))
    while read -r dll; do
        lower="$(echo "$dll" | tr 'A-Z' 'a-z')"
        case "$lower" in
            lib*.dll | *mingw* | *pthread* | *gcc* | *stdc++*)
                echo "FAIL: $(basename "$exe") needs the compiler runtime $dll" >&2
                fail=1
                ;;
            *)
                if [ ! -e "$system32/$lower" ] && [ ! -e "$system32/$dll" ]; then
                    echo "FAIL: $(basename "$exe") needs $dll, which Windows does not provide" >&2
                    fail=1
                fi
                ;;
        esac
    done < <(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
done

if [ ! -e "$build/quornel.exe" ]; then
    echo "FAIL: $build/quornel.exe was not built" >&2
    fail=1
fi
echo "checked the imports of $checked program(s)"
exit $fail
