#!/bin/bash
# Headless drawing on a large exchange file, against a plain copy of the same file.
#
# Jw_cad hands quornel the whole selection after the exchange header, so TEMP.TXT can be
# tens of megabytes. quornel --repeat reads it, draws the previous column and writes
# JWC_TEMP.TXT (the header echo is the whole buffer again). Goals: wall time within 1.5x of
# `cp` of the same file, peak memory under 1.3x the file size.
#
# Usage: RUNS=15 bench/run.sh [QUORNEL_BINARY] [SIZE_MIB]
# Needs /usr/bin/time (Debian package time).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-}
size_mib=${2:-64}
if [[ -z $binary ]]; then
    for candidate in "$root/build/native/quornel" "$root/build/h-drawing/quornel"; do
        if [[ -x $candidate ]]; then
            binary=$candidate
            break
        fi
    done
fi
if [[ -z $binary || ! -x $binary ]]; then
    echo "bench: no quornel binary; build it first (cmake --preset native && cmake --build build/native --target quornel)" >&2
    exit 1
fi
command -v /usr/bin/time >/dev/null || { echo "bench: /usr/bin/time is missing (apt-get install time)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/quornel-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
dir=$work/program
mkdir -p "$dir" "$work/config"

# The header as Jw_cad writes it, then selected elements: lines, circles, points and
# texts, some of them Japanese (CP932 bytes), in blocks of 1 MiB.
cp "$root/demo/TEMP.TXT" "$dir/TEMP.TXT"
block=$work/block
awk 'BEGIN {
    srand(7);
    kanji = sprintf("%c%c%c%c", 0x92, 0x8C, 0x95, 0x5C);  # 柱表 in CP932
    while (bytes < 1048576) {
        x = int(rand() * 20000) - 10000; y = int(rand() * 14000) - 7000;
        k = NR++ % 8;
        if (k == 0) s = sprintf("lc%d\r\n", 1 + int(rand() * 6));
        else if (k == 5) s = sprintf("ci %d.25 %d.5 %d\r\n", x, y, 50 + int(rand() * 500));
        else if (k == 6) s = sprintf("ch %d %d 1 0 \"%s%d\r\n", x, y, kanji, NR);
        else if (k == 7) s = sprintf("pt %d %d\r\n", x, y);
        else s = sprintf(" %d.125  %d.5  %d  %d\r\n", x, y, x + 3000, y - 1200);
        printf "%s", s; bytes += length(s);
    }
}' LC_ALL=C >"$block"
for ((i = 0; i < size_mib; i++)); do cat "$block"; done >>"$dir/TEMP.TXT"

# The pick lists a new user starts with, as the user's lists and as the default ones.
cp "$root/data/quornel_d.dat" "$dir/quornel.dat"
cp "$root/data/quornel_d.dat" "$dir/quornel_d.dat"
# The previous column: a crossing of four walls with 「柱増打」 and 「壁増打」.
res_lines=(
    "optSin_d,0" "hasira_sd,4" "M_h,25" "M_k,15" "SunpoIti_d,4" "HasiraIti_d,0" "HasiraKigou_d,C1"
    "HsnXG,800" "HsnXU_0,400" "HsnXU_1,400" "HsnXM_0,25" "HsnXM_1,25"
    "HsnYG,800" "HsnYU_0,400" "HsnYU_1,400" "HsnYM_0,25" "HsnYM_1,25")
for side in DOWN Up Right Left; do
    res_lines+=("KabeSun${side}_d_0,90" "KabeSun${side}_d_1,90" "KabeSun${side}_d_2,180"
                "KabeSun${side}_d_3,15" "KabeSun${side}_d_4,15")
done
printf '%s\r\n' "${res_lines[@]}" >"$dir/quornel_res.dat"

export XDG_CONFIG_HOME=$work/config  # the registry file of a fresh user, not yours
size=$(stat -c %s "$dir/TEMP.TXT")
echo "TEMP.TXT: $size bytes ($(numfmt --to=iec "$size"))"

"$binary" --repeat --dir "$dir" || { echo "bench: quornel --repeat failed" >&2; exit 1; }
out_size=$(stat -c %s "$dir/JWC_TEMP.TXT")
echo "JWC_TEMP.TXT: $out_size bytes"

source "$root/bench/timing.sh"

# Paired runs: quornel, then cp of the same file, then the same copy flushed to the disk
# (what quornel did before it left JWC_TEMP.TXT to the system), in turn, so that other
# work on the machine and the system's own write-back fall on all three alike.
runs=${RUNS:-15}
q=() c=() d=()
# Each command writes a new file, as on a user's machine: the batch file moves Jw_cad's
# JWC_TEMP.TXT to TEMP.TXT before quornel starts, so quornel never finds one to replace.
# REPLACE=1 leaves the previous outputs in place instead (a run started by hand twice).
fresh() { [[ ${REPLACE:-0} == 1 ]] || rm -f "$dir/JWC_TEMP.TXT" "$dir/copy.TXT"; }
for ((i = 0; i < runs + 2; i++)); do
    fresh
    tq=$(ms_of "$binary" --repeat --dir "$dir")
    fresh
    tc=$(ms_of cp "$dir/TEMP.TXT" "$dir/copy.TXT")
    fresh
    td=$(ms_of dd if="$dir/TEMP.TXT" of="$dir/copy.TXT" bs=1M conv=fsync)
    ((i < 2)) && continue  # two rounds to warm the caches
    q+=("$tq") c+=("$tc") d+=("$td")
done
q_med=$(printf '%s\n' "${q[@]}" | median)
c_med=$(printf '%s\n' "${c[@]}" | median)
d_med=$(printf '%s\n' "${d[@]}" | median)
echo "runs: $runs, paired ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
echo "quornel --repeat:        median $q_med ms  (all: ${q[*]})"
echo "cp:                      median $c_med ms  (all: ${c[*]})"
echo "dd conv=fsync (flushed): median $d_med ms  (all: ${d[*]})"
awk -v q="$q_med" -v c="$c_med" 'BEGIN { printf "quornel / cp: %.2f (goal 1.5)\n", q / c }'

/usr/bin/time -v "$binary" --repeat --dir "$dir" 2>"$work/time.txt" >/dev/null
peak_kib=$(awk -F: '/Maximum resident set size/ {gsub(/ /, "", $2); print $2}' "$work/time.txt")
awk -v peak="$peak_kib" -v size="$size" 'BEGIN {
    ratio = peak * 1024 / size;
    printf "peak memory: %d KiB = %.2f x the file size (goal < 1.3)\n", peak, ratio;
    exit ratio < 1.3 ? 0 : 2;
}'
