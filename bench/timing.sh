# Timing helpers of the benchmarks, sourced by them.

ms_of() {  # COMMAND...: runs it (a program or a shell function), prints its wall time in ms
    # The shell's own clock: no process is started to read it, so the time is the
    # command's alone.
    local start=$EPOCHREALTIME end
    "$@" >/dev/null 2>&1 || { echo "bench: $* failed" >&2; exit 1; }
    end=$EPOCHREALTIME
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f\n", (b - a) * 1000 }'
}
median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }
