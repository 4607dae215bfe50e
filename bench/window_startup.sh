#!/usr/bin/env bash
# Start-up of quornel.exe under Wine in a private X display, against two floors built the
# same way (static, GUI subsystem, quornel's own manifest):
#   controls_window.exe  the native controls quornel's first page shows (a tab control, 29
#                        editable combo boxes of five entries, 21 buttons, 11 option buttons,
#                        3 check boxes, frames): the fair floor, since quornel keeps those
#                        controls;
#   minimal_window.exe   one empty window: what any window costs under Wine.
# Two figures for each, as the median over RUNS starts made in turn (so that other work on
# the machine falls on all three alike):
#   shown    from starting the program to its window being on the screen, seen from
#            outside (xdotool, polled every few milliseconds);
#   painted  from the creation of the process to the end of the window's first paint, as
#            the program itself measures it (QUORNEL_STARTUP_TRACE).
# Then quornel's start-up trace: the median of each phase.
# Usage: bench/window_startup.sh BUILD_DIR [RUNS]   (BUILD_DIR of the Windows build)
set -u
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
# shellcheck source=../tests/e2e/wine_window.bash
source "$source_dir/tests/e2e/wine_window.bash"
runs="${2:-15}"
unset QUORNEL_STARTUP_TRACE
wine_window_setup "$1" "$source_dir" bench

compiler="$(command -v x86_64-w64-mingw32-g++-posix || command -v x86_64-w64-mingw32-g++)"
mkdir -p "$WW_BUILD/bench"
# The floors carry quornel's own manifest: the same version of the common controls (with
# visual styles) and the same DPI awareness, so that they show the very same controls.
manifest="$WW_BUILD/res/quornel.manifest"
[ -f "$manifest" ] || { ww_log "no $manifest: build quornel.exe first"; exit 1; }
printf '#include <winuser.h>\nCREATEPROCESS_MANIFEST_RESOURCE_ID RT_MANIFEST "%s"\n' "$manifest" \
    >"$WW_BUILD/bench/floor.rc"
x86_64-w64-mingw32-windres "$WW_BUILD/bench/floor.rc" -O coff -o "$WW_BUILD/bench/floor.res" || exit 1
for floor in minimal_window controls_window; do
    "$compiler" -O2 -static -municode -mwindows -s -o "$WW_BUILD/bench/$floor.exe" \
        "$source_dir/bench/$floor.cpp" "$WW_BUILD/bench/floor.res" -lcomctl32 || exit 1
done

folder="$(ww_program_folder bench)"
cp "$WW_BUILD/bench/minimal_window.exe" "$WW_BUILD/bench/controls_window.exe" "$folder/"
traces="$WW_WORK/traces"
mkdir -p "$traces"
wineserver -p >/dev/null 2>&1

# Starts one program, waits for its window and its trace; prints the milliseconds until
# the window was seen.
measure() {  # EXE TITLE TRACE_FILE
    local start end p
    start=$(date +%s%N)
    (cd "$folder" && QUORNEL_STARTUP_TRACE="Z:$3" exec wine "./$1" >/dev/null 2>&1) &
    p=$!
    until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do sleep 0.002; done
    end=$(date +%s%N)
    # The trace is written after the first paint, which may come just after the window
    # shows.
    for _ in $(seq 1 250); do
        grep -q '^total' "$3" 2>/dev/null && break
        sleep 0.02
    done
    kill "$p" 2>/dev/null
    wait "$p" 2>/dev/null
    sleep 0.3
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }
painted() { awk -v key="${2:-total}" '$1 == key { print $2 }' "$traces/$1".*.txt | median; }
ratio() { awk -v q="$1" -v m="$2" 'BEGIN { printf "%.2f", q / m }'; }

programs=(quornel controls_window minimal_window)
titles=(quornel controls minimal)
# One start of each first, so that none pays for a cold Wine or disk cache.
for k in 0 1 2; do measure "${programs[$k]}.exe" "${titles[$k]}" "$traces/warm.txt" >/dev/null; done

declare -A shown
for i in $(seq 1 "$runs"); do
    for k in 0 1 2; do
        shown[$k]+="$(measure "${programs[$k]}.exe" "${titles[$k]}" "$traces/${programs[$k]}.$i.txt") "
    done
done

q_shown="$(printf '%s\n' ${shown[0]} | median)"
c_shown="$(printf '%s\n' ${shown[1]} | median)"
m_shown="$(printf '%s\n' ${shown[2]} | median)"
q_painted="$(painted quornel)"
c_painted="$(painted controls_window)"
m_painted="$(painted minimal_window)"
size="$(stat -c %s "$WW_BUILD/quornel.exe")"
echo "runs: $runs each, in turn (Wine $(wine --version 2>/dev/null), Xvfb, $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%-34s %8s %8s\n' "median ms" shown painted
printf '%-34s %8s %8s\n' "quornel.exe" "$q_shown" "$q_painted"
printf '%-34s %8s %8s\n' "same controls (controls_window)" "$c_shown" "$c_painted"
printf '%-34s %8s %8s\n' "empty window (minimal_window)" "$m_shown" "$m_painted"
printf '%-34s %8s %8s   (goal 1.2)\n' "quornel / same controls" "$(ratio "$q_shown" "$c_shown")" "$(ratio "$q_painted" "$c_painted")"
printf '%-34s %8s %8s\n' "quornel / empty window" "$(ratio "$q_shown" "$m_shown")" "$(ratio "$q_painted" "$m_painted")"
# The figure the goal is judged by: the median of the rounds' own ratios, each round's
# quornel against the floor started just after it.
round_ratios() {  # SHOWN_QUORNEL SHOWN_FLOOR: per-round ratios of shown, then of painted
    local i q c
    read -ra qs <<<"$1"
    read -ra cs <<<"$2"
    for i in $(seq 1 "$runs"); do
        q="${qs[$((i - 1))]}" c="${cs[$((i - 1))]}"
        printf '%s %s\n' "$(ratio "$q" "$c")" \
            "$(ratio "$(awk '$1 == "total" { print $2 }' "$traces/quornel.$i.txt")" \
                "$(awk '$1 == "total" { print $2 }' "$traces/controls_window.$i.txt")")"
    done
}
round_ratios "${shown[0]}" "${shown[1]}" >"$traces/ratios.txt"
printf '%-34s %8s %8s   (goal 1.2)\n' "median of the rounds' ratios" \
    "$(awk '{ print $1 }' "$traces/ratios.txt" | median)" "$(awk '{ print $2 }' "$traces/ratios.txt" | median)"
echo "process start (creation to first line): quornel $(painted quornel process_start), same controls $(painted controls_window process_start), empty $(painted minimal_window process_start)"
echo "all shown, quornel:        ${shown[0]}"
echo "all shown, same controls:  ${shown[1]}"
echo "all shown, empty window:   ${shown[2]}"
echo "quornel.exe size: $size bytes ($(awk -v s="$size" 'BEGIN { printf "%.2f", s / 1048576 }') MiB)"
# Phase by phase against the floors, which mark the same phases: what quornel does beyond
# showing the same kinds of controls.
echo "phases, median ms:            quornel  same controls  empty window"
group() {  # FILE_PREFIX PHASE...: the median over the rounds of the phases' sum
    local prefix="$1"
    shift
    for f in "$traces/$prefix".[0-9]*.txt; do
        awk -v list=" $* " 'index(list, " " $1 " ") { s += $2 } END { print s + 0 }' "$f"
    done | median
}
phase_row() {  # LABEL "QUORNEL PHASES" "FLOOR PHASES"
    printf '  %-28s %7s %14s %13s\n' "$1" "$(group quornel $2)" "$(group controls_window $3)" \
        "$(group minimal_window $3)"
}
phase_row "process start" process_start process_start
phase_row "files, registry, model" "model registry header layout pick_lists" "-"
phase_row "window, font" "common_controls window font" window
phase_row "control creation" "control_list control_creation" control_creation
phase_row "show, focus" "show focus" show
phase_row "first paint" first_paint first_paint
phase_row "total (painted)" total total
echo "quornel's start-up trace, median ms of each phase:"
cat "$traces"/quornel.*.txt | awk '
    { n[$1]++; v[$1, n[$1]] = $2; if (!($1 in seen)) { seen[$1] = 1; order[++k] = $1 } }
    END {
        for (i = 1; i <= k; i++) {
            p = order[i]; m = n[p]
            for (a = 1; a <= m; a++) x[a] = v[p, a]
            for (a = 1; a <= m; a++) for (b = a + 1; b <= m; b++) if (x[b] < x[a]) { t = x[a]; x[a] = x[b]; x[b] = t }
            printf "  %-18s %8.1f\n", p, (m % 2 ? x[(m + 1) / 2] : (x[m / 2] + x[m / 2 + 1]) / 2)
        }
    }'
