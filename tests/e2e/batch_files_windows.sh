#!/usr/bin/env bash
# The batch files of the release folder, run by cmd.exe as Jw_cad runs them after it has
# written JWC_TEMP.TXT into the folder (REM #cd): Jw_cad's file must reach quornel as
# TEMP.TXT, a TEMP.TXT left from an earlier run must never be read again, and the
# JWC_TEMP.TXT that quornel writes must be there for Jw_cad afterwards. quornel.exe is
# stood in for by a small program that records what it found; at the end the real one
# draws at several crossings. (cmd.exe reads Jw_cad's directives as comments: the series
# of points itself is Jw_cad's.)
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

# run_batch BATCH [ARGUMENT]: a fresh program folder with the batch file and the stand-in;
# the argument as Jw_cad passes the text typed at a REM #f prompt.
run_batch() {
    rm -rf "$work/folder"
    mkdir "$work/folder"
    cp "$source_dir/release/$1" "$work/quornel.exe" "$work/folder/"
    (cd "$work/folder" && shift_setup && "$emulator" cmd /c "$@" >/dev/null 2>&1)
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

for batch in quornel_repeat.bat quornel_multi.bat quornel_multi_repeat.bat; do
    case "$batch" in
        *repeat*) args="args: --repeat" ;;
        *) args="args:" ;;
    esac
    run_batch "$batch"
    check "$batch: $args" "$args" "$(sed -n 1p "$work/folder/quornel.log" | tr -d '\r')"
    check "$batch: Jw_cad's file became TEMP.TXT" "TEMP.TXT: hq" "$(sed -n 2p "$work/folder/quornel.log" | tr -d '\r')"
    check "$batch: JWC_TEMP.TXT moved away" "JWC_TEMP.TXT while running: absent" "$(sed -n 3p "$work/folder/quornel.log" | tr -d '\r')"
    check "$batch: quornel's JWC_TEMP.TXT left for Jw_cad" "drawn" "$(tr -d '\r' <"$work/folder/JWC_TEMP.TXT")"
done

# The symbol typed at quornel_symbol_repeat.bat's prompt, or nothing, reaches quornel.exe.
for typed in /SC2 /S; do
    run_batch quornel_symbol_repeat.bat "$typed"
    check "quornel_symbol_repeat.bat $typed" "args: --repeat $typed" "$(sed -n 1p "$work/folder/quornel.log" | tr -d '\r')"
    check "quornel_symbol_repeat.bat: Jw_cad's file became TEMP.TXT" "TEMP.TXT: hq" "$(sed -n 2p "$work/folder/quornel.log" | tr -d '\r')"
done

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

# The real quornel.exe through quornel_multi_repeat.bat: Jw_cad's file with two more
# crossings in; out, the previous column at the first crossing and at each of the others.
build_dir="$1"
real="$work/real"
mkdir "$real"
cp "$build_dir/quornel.exe" "$source_dir/release/quornel_repeat.bat" \
    "$source_dir/release/quornel_multi_repeat.bat" "$source_dir/demo/quornel_res.dat" \
    "$build_dir/quornel.dat" "$build_dir/quornel_d.dat" "$real/"
(
    cd "$real" &&
        cp "$source_dir/demo/TEMP.TXT" JWC_TEMP.TXT &&
        "$emulator" cmd /c quornel_repeat.bat >/dev/null 2>&1 &&
        mv JWC_TEMP.TXT one.txt &&
        sed 's/^hn .*/&\nhp1-  -39902.7596123089 -21231.6354329471\r\nhp2   1e+06 0\r/' \
            "$source_dir/demo/TEMP.TXT" >JWC_TEMP.TXT &&
        "$emulator" cmd /c quornel_multi_repeat.bat >/dev/null 2>&1
)
commands() { sed -n '/^lg/,$p' "$1" | tr -d '\r'; }  # the selection and the drawing
# A line of the drawing appears once more for each further crossing.
copies() {  # copies PATTERN: how often the output should hold lines matching PATTERN
    local in_selection in_one
    in_selection=$(commands "$source_dir/demo/TEMP.TXT" | grep -c "$1")
    in_one=$(commands "$real/one.txt" | grep -c "$1")
    echo $((in_one + 2 * (in_one - in_selection)))
}
one_lines=$(commands "$real/one.txt" | wc -l)
check "real quornel: every line of the drawing three times" "$(copies .)" \
    "$(commands "$real/JWC_TEMP.TXT" | grep -c .)"
check "real quornel: the symbol at each crossing" "$(copies '^ch ')" \
    "$(commands "$real/JWC_TEMP.TXT" | grep -c '^ch ')"
check "real quornel: the first copy is the single drawing" "$(commands "$real/one.txt")" \
    "$(commands "$real/JWC_TEMP.TXT" | head -n "$one_lines")"
check "real quornel: the header handed back has no point lines" "" "$(grep -a '^hp' "$real/JWC_TEMP.TXT")"
# The symbol's start point moved by each crossing, as the drawing writes numbers.
moved_symbol() {
    commands "$real/one.txt" | grep '^ch ' | awk -v dx="$1" -v dy="$2" '{
        x = $2 + dx; y = $3 + dy
        printf "ch %s%.15g %s%.15g ", (x < 0 ? "" : " "), x, (y < 0 ? "" : " "), y
        for (i = 4; i <= NF; ++i) printf "%s%s", $i, (i < NF ? " " : "\n")
    }'
}
for at in "-39902.7596123089 -21231.6354329471" "1e+06 0"; do
    # shellcheck disable=SC2086
    expected="$(moved_symbol $at)"
    check "real quornel: the symbol moved by $at" "1" \
        "$(commands "$real/JWC_TEMP.TXT" | grep -cxF "$expected")"
done

# quornel_symbol_repeat.bat after the user typed C1 at its prompt: C2 has been drawn since,
# yet C1 is drawn again at every crossing, as the run above drew it, and is the previous
# column again.
(
    cd "$real" &&
        mv JWC_TEMP.TXT multi.txt &&
        cp "$source_dir/release/quornel_symbol_repeat.bat" . &&
        sed 's/^HasiraKigou_d,C1/HasiraKigou_d,C2/' quornel_res.dat >c2.dat &&
        mv c2.dat quornel_res.dat &&
        cp "$source_dir/demo/TEMP.TXT" JWC_TEMP.TXT &&
        "$emulator" cmd /c quornel_repeat.bat >/dev/null 2>&1 &&
        sed 's/^hn .*/&\nhp1-  -39902.7596123089 -21231.6354329471\r\nhp2   1e+06 0\r/' \
            "$source_dir/demo/TEMP.TXT" >JWC_TEMP.TXT &&
        "$emulator" cmd /c quornel_symbol_repeat.bat /SC1 >/dev/null 2>&1
)
check "real quornel: /SC1 draws C1 at every crossing" "$(cksum <"$real/multi.txt")" \
    "$(cksum <"$real/JWC_TEMP.TXT")"
check "real quornel: C1 is the previous column again" "$(cksum <"$source_dir/demo/quornel_res.dat")" \
    "$(cksum <"$real/quornel_res.dat")"
check "real quornel: the types, newest first" "C1 C2" \
    "$(sed -n 's/^HasiraKigou_d,//p' "$real/quornel_types.dat" | tr -d '\r' | xargs)"

[ $failures -eq 0 ] && echo "batch files: all checks passed"
exit $((failures > 0))
