#!/bin/bash
# The same column at 99 crossings against the column at one: quornel --repeat on the demo's
# TEMP.TXT, once as Jw_cad writes it after one crossing (the floor) and once with 98 more
# point lines, so that the column is drawn 99 times. The work of 98 more copies should be
# small beside starting the program and reading and writing its files. A whole floor
# (「交点ごと」, each crossing its own shape) on a plan's grid is measured against the same
# grid drawn in one shape.
#
# Usage: RUNS=31 bench/crossings.sh [QUORNEL_BINARY]
#        INSTRUCTIONS=1 bench/crossings.sh   also counts each case's instructions (callgrind)
#        COMPARE=1 bench/crossings.sh        also times the standard library's formatting
#        CASES="one jw99 grid99" bench/crossings.sh OLD_BINARY
#                                            only those cases (an older quornel has no 塗り)
# Needs g++ (the formatting floor is built here) and, for INSTRUCTIONS=1, valgrind.
#
# Each case is a folder of its own: program/ (what Jw_cad's batch file leaves beside
# quornel: TEMP.TXT and the data files) and config/ (the user's registry file, read through
# XDG_CONFIG_HOME). A case is made by a function and named in `cases`; a ratio to report is
# named in `ratios`. To add one, write its folder in make_cases and add two lines.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-$root/build/native/quornel}
if [[ ! -x $binary ]]; then
    echo "bench: no quornel binary; build it first (cmake --preset native && cmake --build build/native --target quornel)" >&2
    exit 1
fi
source "$root/bench/timing.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/quornel-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# new_case NAME: the demo folder as a new user has it: the demo's previous column (a
# crossing of four walls) and the pick lists a new user starts with; no registry file.
new_case() {
    local dir=$work/$1
    mkdir -p "$dir/program" "$dir/config"
    cp "$root/demo/quornel_res.dat" "$dir/program/"
    cp "$root/data/quornel_d.dat" "$dir/program/quornel.dat"
    cp "$root/data/quornel_d.dat" "$dir/program/quornel_d.dat"
}

# with_points NAME COUNT KIND: the demo's TEMP.TXT with COUNT point lines (see
# crossing_points.awk for the kinds).
with_points() {
    awk -v points="$2" -v kind="$3" -f "$root/bench/crossing_points.awk" "$root/demo/TEMP.TXT" \
        >"$work/$1/program/TEMP.TXT"
}

# run_case NAME: one drawing in the case's folder, as the batch file starts it (under the
# command in `wrap`, if any).
wrap=()
run_case() {
    rm -f "$work/$1/program/JWC_TEMP.TXT"  # the batch file leaves none behind
    XDG_CONFIG_HOME=$work/$1/config "${wrap[@]}" "$binary" --repeat --dir "$work/$1/program"
}

# hatched NAME: 柱の塗り and 壁の塗り set to 斜線 with 「斜線の間隔」 1 mm, as 「基本設定保存」
# stores them (the demo's scale is 1:50: 73 hatch lines a copy).
hatched() {
    mkdir -p "$work/$1/config/quornel"
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CURRENT_USER\Software\Norvale\quornel\SETTEI]' \
        '"Nuri_Hasira"=dword:00000002' '"Nuri_Kabe"=dword:00000002' \
        '"Nuri_Pitch"=dword:00000000' '' >"$work/$1/config/quornel/registry.reg"
}

# whole_floor NAME: 「交点ごと」 with 「壁をつなぐ」 on, as a drawing of it stores the previous
# values (the demo's walls and column, every crossing its own shape).
whole_floor() {
    local res=$work/$1/program/quornel_res.dat
    sed -i 's/^hasira_sd,4\r$/hasira_sd,9\r/' "$res"
    printf '%s\r\n' KabeTunagu_d,1 SunpoHitotu_d,0 GaisyuKabe_d,0 >>"$res"
}

make_cases() {
    new_case one && with_points one 0 jw
    new_case jw99 && with_points jw99 98 jw
    new_case grid99 && with_points grid99 98 grid
    new_case hatch1 && with_points hatch1 0 jw && hatched hatch1
    new_case hatch99 && with_points hatch99 98 jw && hatched hatch99
    new_case plan99 && with_points plan99 98 floor
    new_case floor99 && with_points floor99 98 floor && whole_floor floor99
    new_case floorhatch99 && with_points floorhatch99 98 floor && whole_floor floorhatch99 &&
        hatched floorhatch99
}
# Case names with what they are, in the order each round runs them.
read -ra cases <<<"${CASES:-one jw99 grid99 hatch1 hatch99 plan99 floor99 floorhatch99}"
declare -A about=(
    [one]="1 crossing"
    [jw99]="99 crossings as Jw_cad hands them over (distinct, 15 digits)"
    [grid99]="99 crossings on a grid (numbers repeat)"
    [hatch1]="1 crossing, column and walls hatched (1:50, 1 mm)"
    [hatch99]="99 crossings as Jw_cad hands them over, hatched"
    [plan99]="a plan's 11 × 9 grid of crossings as Jw_cad hands them over, one shape"
    [floor99]="the same grid 「交点ごと」, walls joined"
    [floorhatch99]="the same grid 「交点ごと」, walls joined, hatched"
)
# Ratios reported: "CASE FLOOR GOAL".
ratios=("jw99 one 1.3" "grid99 one 1.3" "hatch99 hatch1 1.3" "floor99 plan99 1.3")
# The floor of formatting: "CASE FLOOR GOAL" compares the case with FLOOR plus the time
# that only formatting the case's numbers and writing them takes (bench/format_floor.cpp,
# with quornel's own number writer).
format_ratios=("jw99 one 1.2" "hatch99 hatch1 1.2" "floorhatch99 hatch1 1.2")

make_cases
# Only the ratios of the cases that run.
has_case() { [[ " ${cases[*]} " == *" $1 "* ]]; }
keep=()
for r in "${ratios[@]}"; do read -r c f _ <<<"$r"; has_case "$c" && has_case "$f" && keep+=("$r"); done
ratios=("${keep[@]}")
keep=()
for r in "${format_ratios[@]}"; do read -r c f _ <<<"$r"; has_case "$c" && has_case "$f" && keep+=("$r"); done
format_ratios=("${keep[@]}")
for c in "${cases[@]}"; do
    run_case "$c" >/dev/null || { echo "bench: quornel --repeat failed in case $c" >&2; exit 1; }
    out=$work/$c/program/JWC_TEMP.TXT
    printf '%-8s %s: JWC_TEMP.TXT of %d lines, %d bytes\n' "$c" "${about[$c]}" \
        "$(wc -l <"$out")" "$(stat -c %s "$out")"
done
for c in "${cases[@]}"; do
    [[ $c == *hatch* ]] || continue
    grep -q $'^z1\r$' "$work/$c/program/JWC_TEMP.TXT" ||
        { echo "bench: case $c drew no hatch (its registry file was not read)" >&2; exit 1; }
done

# The formatting floor, built as the native preset builds quornel (-O2).
floor_program=$work/format_floor
"${CXX:-g++}" -std=c++20 -O2 -I"$root/src" -o "$floor_program" "$root/bench/format_floor.cpp" \
    "$root/src/exchange/number_text.cpp" "$root/src/exchange/decimal_digits.cpp"
for r in "${format_ratios[@]}"; do
    read -r c _ <<<"$r"
    cp "$work/$c/program/JWC_TEMP.TXT" "$work/$c.numbers"
done

runs=${RUNS:-21}
declare -A times
for ((i = 0; i < runs + 2; i++)); do
    for c in "${cases[@]}"; do
        t=$(ms_of run_case "$c")
        ((i < 2)) || times[$c]+="$t "  # two rounds to warm the caches
    done
    for r in "${format_ratios[@]}"; do
        read -r c _ <<<"$r"
        t=$("$floor_program" "$work/$c.numbers" "$work/format_floor.txt" 1 | awk '{ print $3 }')
        ((i < 2)) || times[format:$c]+="$t "
    done
done
declare -A med
echo "runs: $runs, in turn ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
for c in "${cases[@]}"; do
    med[$c]=$(printf '%s\n' ${times[$c]} | median)
    printf '%-8s median %6s ms  (all: %s)\n' "$c" "${med[$c]}" "${times[$c]}"
done
for r in "${ratios[@]}"; do
    read -r c f goal <<<"$r"
    awk -v a="${med[$c]}" -v b="${med[$f]}" -v c="$c" -v f="$f" -v g="$goal" \
        'BEGIN { printf "%s / %s: %.2f (goal %s)\n", c, f, a / b, g }'
done
for r in "${format_ratios[@]}"; do
    read -r c f goal <<<"$r"
    m=$(printf '%s\n' ${times[format:$c]} | median)
    printf 'formatting and writing the numbers of %s alone: median %s ms  (all: %s)\n' \
        "$c" "$m" "${times[format:$c]}"
    awk -v a="${med[$c]}" -v b="${med[$f]}" -v m="$m" -v c="$c" -v f="$f" -v g="$goal" \
        'BEGIN { printf "%s / (%s + formatting alone): %.2f (goal %s)\n", c, f, a / (b + m), g }'
done
if [[ ${COMPARE:-0} == 1 ]]; then
    for r in "${format_ratios[@]}"; do
        read -r c _ <<<"$r"
        echo "the numbers of $c formatted by quornel and by the standard library (median of 21):"
        "$floor_program" "$work/$c.numbers" "$work/format_floor.txt" 21 --compare
    done
fi

if [[ ${INSTRUCTIONS:-0} == 1 ]]; then
    command -v valgrind >/dev/null || { echo "bench: valgrind is missing (apt-get install valgrind)" >&2; exit 1; }
    declare -A ir
    wrap=(valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out")
    for c in "${cases[@]}"; do
        run_case "$c" >/dev/null 2>&1
        ir[$c]=$(awk '/^totals:/ { print $2 }' "$work/callgrind.out")
        printf '%-8s %12d instructions\n' "$c" "${ir[$c]}"
    done
    for r in "${ratios[@]}"; do
        read -r c f goal <<<"$r"
        awk -v a="${ir[$c]}" -v b="${ir[$f]}" -v c="$c" -v f="$f" \
            'BEGIN { printf "%s / %s in instructions: %.2f\n", c, f, a / b }'
    done
fi
