#!/usr/bin/env bash
# A uxtheme.dll left in the program folder (a downloads folder, Jw_cad's transforms folder)
# must not run inside quornel.exe or uninstall.exe. The planted DLL built here leaves a
# marker file when anything loads it.
#
# What Wine can show: Wine takes its own uxtheme.dll before one in the program folder, so by
# default no program would ever load the planted one. With uxtheme set to "native, then
# builtin" Wine searches like Windows does for a DLL that is not a Known DLL, program folder
# first; then a program importing UxTheme runs the planted DLL (checked below, so that the
# checks after it mean something), and so does the programs' own loading code unless it
# keeps to the system folder. The whole programs cannot be judged that way: in that setting
# Wine's own user32 (at start, before the program's first line) and comctl32 (which
# ignores the program's restriction for the DLLs it imports late) take uxtheme.dll from the
# program folder in any window program. That part is covered by the import check in
# static_exes_windows.sh (only Known DLLs and comctl32 version 6 are imported), and here
# by the loading code run on its own (dll_probe).
# Usage: planted_dll_windows.sh BUILD_DIR SOURCE_DIR
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine_window.bash
source "$here/wine_window.bash"
cxx=x86_64-w64-mingw32-g++-posix
if ! command -v "$cxx" >/dev/null 2>&1; then
    echo "SKIP: $cxx is not installed" >&2
    exit 0
fi
wine_window_setup "$1" "$2" planted_dll

folder="$(ww_program_folder planted)"
marker="$folder/planted-uxtheme-ran.txt"
src="$here/planted_dll"
built="$WW_WORK/built"
mkdir -p "$built"

# Every function UxTheme exports, as the import library names them.
{
    echo "LIBRARY uxtheme.dll"
    echo "EXPORTS"
    x86_64-w64-mingw32-nm "$("$cxx" -print-file-name=libuxtheme.a)" |
        sed -n 's/.* I __imp_//p' | sort -u | sed 's/.*/    &=planted_stub/'
} >"$built/uxtheme.def"
grep -q '^    DrawThemeParentBackground=' "$built/uxtheme.def" ||
    ww_fail "the UxTheme functions were not found for the planted DLL"
"$cxx" -shared -nostdlib -fno-exceptions -O1 -o "$folder/uxtheme.dll" \
    "$src/planted_uxtheme.cpp" "$built/uxtheme.def" -Wl,--entry,DllMain -lkernel32 &&
    "$cxx" -O1 -static -o "$folder/static_import.exe" "$src/static_import.cpp" -luxtheme &&
    "$cxx" -std=c++20 -O1 -static -municode -DUNICODE -D_UNICODE -I"$WW_SOURCE/src" \
        -o "$folder/dll_probe.exe" "$src/dll_probe.cpp" "$WW_SOURCE/src/win32/system_dll.cpp" ||
    {
        ww_fail "the planted DLL and the probes could not be built"
        ww_finish
    }

no_marker() { [ ! -e "$marker" ]; }
marker_names() {  # PROGRAM
    [ -e "$marker" ] && grep -qi "$1" "$marker"
}
in_system_folder() {  # OUTPUT
    printf '%s\n' "$1" | grep -qix 'C:\\windows\\system32\\uxtheme\.dll'
}
window_up() { ww_find_window "$1" >/dev/null; }
run_native_first() {  # PROGRAM [ARGS...]: Windows' search order for uxtheme.dll
    (cd "$folder" && WINEDLLOVERRIDES="$WINEDLLOVERRIDES;uxtheme=n,b" wine "$@" 2>/dev/null)
}

# ---- the set-up can catch a planted DLL ------------------------------------------------
rm -f "$marker"
run_native_first ./static_import.exe >/dev/null
ww_check "a program importing UxTheme runs the planted DLL (the check below can fail)" \
    marker_names static_import.exe

rm -f "$marker"
out="$(run_native_first ./dll_probe.exe --unprotected | tr -d '\r')"
ww_check "loaded by name without restriction, the planted DLL runs ($out)" \
    marker_names dll_probe.exe

# ---- the programs' loading code keeps to the system folder ---------------------------------
rm -f "$marker"
out="$(run_native_first ./dll_probe.exe | tr -d '\r')"
ww_check "after the start-up restriction, uxtheme.dll by name is the system's ($out)" \
    in_system_folder "$out"
ww_check "after the start-up restriction, the planted DLL does not run" no_marker

rm -f "$marker"
out="$(run_native_first ./dll_probe.exe --system-dll | tr -d '\r')"
ww_check "load_system_dll takes the system's uxtheme.dll ($out)" in_system_folder "$out"
ww_check "load_system_dll does not run the planted DLL" no_marker

# ---- the programs start beside it ----------------------------------------------------------
rm -f "$marker"
ww_start_quornel "$folder" && ww_pass "quornel.exe's window comes up beside a uxtheme.dll"
wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1

(cd "$folder" && exec wine ./uninstall.exe >"$WW_WORK/uninstall.out" 2>&1) &
ww_check "uninstall.exe's window comes up beside a uxtheme.dll" window_up "quornel の設定の削除"
wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
ww_check "neither program ran the planted DLL" no_marker

ww_finish
