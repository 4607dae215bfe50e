#!/bin/bash
# The same column at 99 crossings against the column at one: quornel --repeat on the demo's
# TEMP.TXT, once as Jw_cad writes it after one crossing and once with 98 more point lines
# (hp1 … hp98, every place a different one, so the column is drawn 99 times). The floor is
# the single drawing: the goal is about its time, the work of 98 more copies being small
# beside starting the program and reading and writing its files.
#
# Usage: RUNS=21 bench/crossings.sh [QUORNEL_BINARY]
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
export XDG_CONFIG_HOME=$work/config  # the registry file of a fresh user, not yours
for n in 1 99; do
    mkdir -p "$work/$n"
    # The demo's previous column, and the pick lists a new user starts with.
    cp "$root/demo/quornel_res.dat" "$work/$n/"
    cp "$root/data/quornel_d.dat" "$work/$n/quornel.dat"
    cp "$root/data/quornel_d.dat" "$work/$n/quornel_d.dat"
    # Point lines as Jw_cad writes them, between "hn" and the first "lg".
    awk -v n="$n" '{ print } /^hn / {
        for (i = 1; i < n; ++i) printf "hp%d   %.10f %.10f\r\n", i, (i % 10) * 3600.5, -int(i / 10) * 2700.25
    }' "$root/demo/TEMP.TXT" >"$work/$n/TEMP.TXT"
    "$binary" --repeat --dir "$work/$n" || { echo "bench: quornel --repeat failed" >&2; exit 1; }
    echo "$n crossing(s): JWC_TEMP.TXT of $(wc -l <"$work/$n/JWC_TEMP.TXT") lines, $(stat -c %s "$work/$n/JWC_TEMP.TXT") bytes"
done

runs=${RUNS:-21}
one=() many=()
for ((i = 0; i < runs + 2; i++)); do
    rm -f "$work/1/JWC_TEMP.TXT" "$work/99/JWC_TEMP.TXT"
    t1=$(ms_of "$binary" --repeat --dir "$work/1")
    t99=$(ms_of "$binary" --repeat --dir "$work/99")
    ((i < 2)) && continue  # two rounds to warm the caches
    one+=("$t1") many+=("$t99")
done
one_med=$(printf '%s\n' "${one[@]}" | median)
many_med=$(printf '%s\n' "${many[@]}" | median)
echo "runs: $runs, paired ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
echo "1 crossing:   median $one_med ms  (all: ${one[*]})"
echo "99 crossings: median $many_med ms  (all: ${many[*]})"
awk -v a="$many_med" -v b="$one_med" 'BEGIN { printf "99 / 1: %.2f (goal: about 1)\n", a / b }'
