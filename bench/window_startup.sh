#!/usr/bin/env bash
# Time from starting quornel.exe to its window being shown, under Wine in a private X
# display, next to a minimal Win32 program that shows one empty window (the floor under
# Wine), and the size of quornel.exe.
# Usage: bench/window_startup.sh BUILD_DIR [RUNS]   (BUILD_DIR of the Windows build)
set -u
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
# shellcheck source=../tests/e2e/wine_window.bash
source "$source_dir/tests/e2e/wine_window.bash"
runs="${2:-15}"
wine_window_setup "$1" "$source_dir" bench

compiler="$(command -v x86_64-w64-mingw32-g++-posix || command -v x86_64-w64-mingw32-g++)"
mkdir -p "$WW_BUILD/bench"
"$compiler" -O2 -static -municode -mwindows -s -o "$WW_BUILD/bench/minimal_window.exe" \
    "$source_dir/bench/minimal_window.cpp" || exit 1

folder="$(ww_program_folder bench)"
cp "$WW_BUILD/bench/minimal_window.exe" "$folder/"
wineserver -p >/dev/null 2>&1
# One start of each first, so that neither pays for a cold Wine or disk cache.
warm() { (cd "$folder" && exec wine "./$1" >/dev/null 2>&1) & local p=$!; ww_find_window "$2" >/dev/null; kill "$p"; wait "$p" 2>/dev/null; }
warm quornel.exe quornel
warm minimal_window.exe minimal

# Milliseconds from the start to the window being visible (polled every few ms).
measure() {  # EXE TITLE
    local start end p
    start=$(date +%s%N)
    (cd "$folder" && exec wine "./$1" >/dev/null 2>&1) &
    p=$!
    until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do sleep 0.002; done
    end=$(date +%s%N)
    kill "$p" 2>/dev/null
    wait "$p" 2>/dev/null
    sleep 0.3
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }

q_times=()
m_times=()
for i in $(seq 1 "$runs"); do
    q_times+=("$(measure quornel.exe quornel)")
    m_times+=("$(measure minimal_window.exe minimal)")
done
q_median="$(printf '%s\n' "${q_times[@]}" | median)"
m_median="$(printf '%s\n' "${m_times[@]}" | median)"
size="$(stat -c %s "$WW_BUILD/quornel.exe")"
echo "runs: $runs (Wine $(wine --version 2>/dev/null), Xvfb)"
echo "quornel.exe window shown: median ${q_median} ms  (all: ${q_times[*]})"
echo "minimal window shown:     median ${m_median} ms  (all: ${m_times[*]})"
echo "ratio: $(awk -v q="$q_median" -v m="$m_median" 'BEGIN { printf "%.2f", q / m }')"
echo "quornel.exe size: $size bytes"
