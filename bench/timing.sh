# Timing helpers of the benchmarks, sourced by them.

ms_of() {  # COMMAND...: runs it, prints its wall time in milliseconds
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || { echo "bench: $* failed" >&2; exit 1; }
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN { printf "%.1f\n", ns / 1e6 }'
}
median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }
