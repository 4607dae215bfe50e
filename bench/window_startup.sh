#!/usr/bin/env bash
# Time from starting quornel.exe to its window being shown, under Wine in a private X
# display, against two floors built the same way (static, GUI subsystem):
#   controls_window.exe  the same native controls quornel's first page shows (a tab control,
#                        29 editable combo boxes of five entries, 20 buttons): the fair floor,
#                        since quornel keeps those controls;
#   minimal_window.exe   one empty window: what any window costs under Wine.
# The three start in turn, so that other work on the machine falls on all of them alike.
# With QUORNEL_STARTUP_TRACE=1 it also prints quornel's own start-up trace (median of each
# phase over the same starts).
# Usage: bench/window_startup.sh BUILD_DIR [RUNS]   (BUILD_DIR of the Windows build)
set -u
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
# shellcheck source=../tests/e2e/wine_window.bash
source "$source_dir/tests/e2e/wine_window.bash"
runs="${2:-15}"
want_trace="${QUORNEL_STARTUP_TRACE:-}"
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
wineserver -p >/dev/null 2>&1
# One start of each first, so that none pays for a cold Wine or disk cache.
warm() { (cd "$folder" && exec wine "./$1" >/dev/null 2>&1) & local p=$!; ww_find_window "$2" >/dev/null; kill "$p"; wait "$p" 2>/dev/null; }
warm quornel.exe quornel
warm controls_window.exe controls
warm minimal_window.exe minimal

trace_dir="$WW_WORK/trace"
mkdir -p "$trace_dir"

# Milliseconds from the start to the window being visible (polled every few ms).
measure() {  # EXE TITLE [TRACE_FILE]
    local start end p
    start=$(date +%s%N)
    if [ -n "${3:-}" ]; then
        (cd "$folder" && QUORNEL_STARTUP_TRACE="$3" exec wine "./$1" >/dev/null 2>&1) &
    else
        (cd "$folder" && exec wine "./$1" >/dev/null 2>&1) &
    fi
    p=$!
    until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do sleep 0.002; done
    end=$(date +%s%N)
    # The trace ends with the first paint, which may come just after the window shows.
    [ -n "${3:-}" ] && for _ in $(seq 1 100); do grep -q '^total' "$3" 2>/dev/null && break; sleep 0.02; done
    kill "$p" 2>/dev/null
    wait "$p" 2>/dev/null
    sleep 0.3
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }

q_times=()
c_times=()
m_times=()
for i in $(seq 1 "$runs"); do
    trace=""
    [ -n "$want_trace" ] && trace="Z:$trace_dir/$i.txt"
    q_times+=("$(measure quornel.exe quornel "$trace")")
    c_times+=("$(measure controls_window.exe controls)")
    m_times+=("$(measure minimal_window.exe minimal)")
done
q_median="$(printf '%s\n' "${q_times[@]}" | median)"
c_median="$(printf '%s\n' "${c_times[@]}" | median)"
m_median="$(printf '%s\n' "${m_times[@]}" | median)"
size="$(stat -c %s "$WW_BUILD/quornel.exe")"
ratio() { awk -v q="$1" -v m="$2" 'BEGIN { printf "%.2f", q / m }'; }
echo "runs: $runs, alternating (Wine $(wine --version 2>/dev/null), Xvfb, $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
echo "quornel.exe window shown:     median ${q_median} ms  (all: ${q_times[*]})"
echo "same-controls window shown:   median ${c_median} ms  (all: ${c_times[*]})"
echo "empty window shown:           median ${m_median} ms  (all: ${m_times[*]})"
echo "quornel / same controls: $(ratio "$q_median" "$c_median") (goal 1.2)"
echo "quornel / empty window:  $(ratio "$q_median" "$m_median")"
echo "quornel.exe size: $size bytes ($(awk -v s="$size" 'BEGIN { printf "%.2f", s / 1048576 }') MiB)"
if [ -n "$want_trace" ]; then
    echo "start-up trace, median ms of each phase over $runs starts:"
    cat "$trace_dir"/*.txt | awk '{ n[$1]++; v[$1, n[$1]] = $2; if (!($1 in seen)) { seen[$1] = 1; order[++k] = $1 } }
        END { for (i = 1; i <= k; i++) { p = order[i]; m = n[p];
                  for (a = 1; a <= m; a++) x[a] = v[p, a];
                  for (a = 1; a <= m; a++) for (b = a + 1; b <= m; b++) if (x[b] < x[a]) { t = x[a]; x[a] = x[b]; x[b] = t }
                  printf "  %-18s %8.1f\n", p, (m % 2 ? x[(m + 1) / 2] : (x[m / 2] + x[m / 2 + 1]) / 2) } }'
fi
