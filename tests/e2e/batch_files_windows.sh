#!/usr/bin/env bash
# The two batch files of the release folder, run by cmd.exe as Jw_cad runs them after it
# has written JWC_TEMP.TXT into the folder (REM #cd): Jw_cad's file must reach quornel as
# TEMP.TXT, a TEMP.TXT left from an earlier run must never be read again, and the
# JWC_TEMP.TXT that quornel writes must be there for Jw_cad afterwards. quornel.exe is
# stood in for by a small program that records what it found.
#   bash batch_files_windows.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source_dir="$2"
emulator="${QUORNEL_EMULATOR:-}"
[ -n "$emulator" ] || { echo "needs the Wine wrapper (QUORNEL_EMULATOR)"; exit 1; }
cc=x86_64-w64-mingw32-gcc-posix
command -v "$cc" >/dev/null || cc=x86_64-w64-mingw32-gcc

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cat >"$work/fake.c" <<'C'
#include <stdio.h>
#include <stdlib.h>
int main(int argc, char** argv) {
    FILE* log = fopen("quornel.log", "wb");
    char line[256] = "missing\n";
    FILE* t = fopen("TEMP.TXT", "rb");
    FILE* j = fopen("JWC_TEMP.TXT", "rb");
    fprintf(log, "args:");
    for (int i = 1; i < argc; ++i) fprintf(log, " %s", argv[i]);
    if (t && !fgets(line, sizeof line, t)) line[0] = 0;
    fprintf(log, "\nTEMP.TXT: %s", line);
    fprintf(log, "JWC_TEMP.TXT while running: %s\n", j ? "present" : "absent");
    fclose(log);
    if (!getenv("FAKE_CANCEL")) {
        FILE* out = fopen("JWC_TEMP.TXT", "wb");
        fputs("drawn\r\n", out);
        fclose(out);
    }
    return 0;
}
C
"$cc" -O0 -o "$work/quornel.exe" "$work/fake.c" || { echo "cannot build the stand-in"; exit 1; }

failures=0
check() {  # check WHAT EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1"
        echo "  expected: $2"
        echo "  actual:   $3"
        failures=$((failures + 1))
    fi
}

# run_batch BATCH: a fresh program folder with the batch file and the stand-in.
run_batch() {
    rm -rf "$work/folder"
    mkdir "$work/folder"
    cp "$source_dir/dist/$1" "$work/quornel.exe" "$work/folder/"
    (cd "$work/folder" && shift_setup && "$emulator" cmd /c "$1" >/dev/null 2>&1)
}

# Jw_cad has written its exchange file; an old TEMP.TXT is still there.
shift_setup() {
    printf 'hq\r\nhs 100 \r\n' >JWC_TEMP.TXT
    printf 'old header\r\n' >TEMP.TXT
}
run_batch quornel.bat
check "window: no arguments" "args:" "$(sed -n 1p "$work/folder/quornel.log" | tr -d '\r')"
check "window: Jw_cad's file became TEMP.TXT" "TEMP.TXT: hq" "$(sed -n 2p "$work/folder/quornel.log" | tr -d '\r')"
check "window: JWC_TEMP.TXT moved away" "JWC_TEMP.TXT while running: absent" "$(sed -n 3p "$work/folder/quornel.log" | tr -d '\r')"
check "window: quornel's JWC_TEMP.TXT left for Jw_cad" "drawn" "$(tr -d '\r' <"$work/folder/JWC_TEMP.TXT")"

run_batch quornel_repeat.bat
check "repeat: --repeat" "args: --repeat" "$(sed -n 1p "$work/folder/quornel.log" | tr -d '\r')"
check "repeat: Jw_cad's file became TEMP.TXT" "TEMP.TXT: hq" "$(sed -n 2p "$work/folder/quornel.log" | tr -d '\r')"
check "repeat: quornel's JWC_TEMP.TXT left for Jw_cad" "drawn" "$(tr -d '\r' <"$work/folder/JWC_TEMP.TXT")"

# Cancelled: quornel writes nothing, and nothing is left that Jw_cad could draw.
export FAKE_CANCEL=1
run_batch quornel.bat
check "cancel: no JWC_TEMP.TXT" "absent" "$([ -e "$work/folder/JWC_TEMP.TXT" ] && echo present || echo absent)"
unset FAKE_CANCEL

# Jw_cad wrote no exchange file (a batch file outside its folder): the old TEMP.TXT must
# not pass for this drawing's header.
shift_setup() { printf 'old header\r\n' >TEMP.TXT; }
run_batch quornel.bat
check "no exchange file: the old TEMP.TXT is gone" "TEMP.TXT: missing" "$(sed -n 2p "$work/folder/quornel.log" | tr -d '\r')"

[ $failures -eq 0 ] && echo "batch files: all checks passed"
exit $((failures > 0))
