#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan, UBSan) in build/fuzz and runs them.
#
#   scripts/fuzz.sh [TARGET...]
#       the gate of ./test: a fixed number of executions per target (gate_runs below), from a
#       seed the commit fixes
#   scripts/fuzz.sh --long SECONDS [TARGET...]
#       open-ended: SECONDS per target, a new random seed each time, starting also from the
#       inputs earlier long runs kept in build/fuzz/corpus/TARGET/
#
# TARGET names as in fuzz/ (number_text, host_header, ...), all when none are given.
# FUZZ_JOBS targets run at once (default QUORNEL_JOBS or 2), each as one process. The
# reproducers fuzz/regressions/TARGET-* run first, once each. Prints the seed, then one line
# of figures per target; exits non-zero when an input crashed or broke a property.
#
# The gate starts each target from the repository's inputs only (fuzz/corpus/TARGET and its
# reproducers) with -seed and -runs, so that a commit fuzzes the same inputs on any machine:
# a fault it finds is found again by anyone who runs that commit, and the next commit's seed
# tries others. FUZZ_SEED=N repeats the run of seed N. --long gates nothing: it looks for
# faults to mend (docs/robustness.md).
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
build="${FUZZ_BUILD:-build/fuzz}"
jobs="${FUZZ_JOBS:-${QUORNEL_JOBS:-2}}"

# Executions per target in the gate: about 30 s each, two targets at a time, on the 2-core
# development machine (docs/robustness.md). A window_events input starts the window twice.
declare -A gate_runs=(
    [host_header]=50000
    [list_data]=18000
    [number_text]=200000
    [reg_file]=26000
    [res_data]=30000
    [text_codec]=900000
    [types_data]=4500
    [window_events]=3300
)

long=0
seconds=0
if [ "${1:-}" = --long ]; then
    long=1
    seconds="${2:-}"
    if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
        echo "usage: scripts/fuzz.sh --long SECONDS [TARGET...]" >&2
        exit 2
    fi
    shift 2
fi

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/*.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi
for target in "${targets[@]}"; do
    if [ ! -f "fuzz/$target.cpp" ]; then
        echo "no fuzz target $target (fuzz/$target.cpp)" >&2
        exit 2
    fi
    if [ $long -eq 0 ] && [ -z "${gate_runs[$target]:-}" ]; then
        echo "fuzz_$target has no number of executions in scripts/fuzz.sh (gate_runs)" >&2
        exit 2
    fi
done

# The gate's seed: from the commit, 1 to 2^28. --long: a new one each run, up to 999999999.
if [ $long -eq 1 ]; then
    seed="${FUZZ_SEED:-$(((RANDOM << 15 | RANDOM) % 999999999 + 1))}"
    origin="${FUZZ_SEED:+FUZZ_SEED}"
    origin="${origin:-random}"
elif [ -n "${FUZZ_SEED:-}" ]; then
    seed="$FUZZ_SEED"
    origin="FUZZ_SEED"
elif head="$(git rev-parse HEAD 2>/dev/null)"; then
    seed=$((16#${head:0:7} + 1))
    origin="commit ${head:0:12}"
    [ -n "$(git status --porcelain --untracked-files=no 2>/dev/null)" ] &&
        origin="$origin, with changes not committed"
else
    seed=1
    origin="no git commit"
fi
if ! [[ "$seed" =~ ^[1-9][0-9]{0,8}$ ]]; then
    echo "FUZZ_SEED must be a number from 1 to 999999999, not '$seed'" >&2
    exit 2
fi

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORNEL_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null || exit 1
cmake --build "$build" -j"$jobs" --target "${targets[@]/#/fuzz_}" || exit 1

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=0

# Saved reproducers: each must now run clean.
for input in fuzz/regressions/*; do
    [ -f "$input" ] || continue
    name="$(basename "$input")"
    target="${name%%-*}"
    [ -x "$build/fuzz/fuzz_$target" ] || continue
    if ! "$build/fuzz/fuzz_$target" "$input" >"$build/regression-$name.log" 2>&1; then
        echo "REGRESSION $name: fuzz_$target fails again (log: $build/regression-$name.log)"
        failed=1
    fi
done

# The first folder is where libFuzzer writes what it keeps. The gate's is made anew from
# the reproducers, so that nothing a machine kept from earlier runs changes what it tries;
# -reload=0 keeps it from reading that folder again while it runs. -use_cmp=0: the values
# the code compares, which libFuzzer otherwise writes into inputs, include addresses
# (libstdc++ compares pointers as integers), which differ from run to run.
run_target() {
    local target="$1" artifacts="$build/artifacts/$1/" corpus limit=()
    if [ $long -eq 1 ]; then
        corpus="$build/corpus/$target"
        limit=(-max_total_time="$seconds")
    else
        corpus="$build/gate/$target"
        limit=(-runs="${gate_runs[$target]}" -use_cmp=0)
        rm -rf "$corpus"
    fi
    rm -rf "$artifacts"
    mkdir -p "$corpus" "$artifacts"
    [ $long -eq 1 ] || find fuzz/regressions -name "$target-*" -type f -exec cp {} "$corpus/" \;
    local start=${EPOCHREALTIME/./}
    "$build/fuzz/fuzz_$target" "${limit[@]}" -seed="$seed" -reload=0 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$artifacts" "$corpus" "fuzz/corpus/$target" \
        >"$build/fuzz-$target.log" 2>&1
    # Seconds of the clock, then of the processor (the fuzzer's user and system time, from
    # `times`, which must run in this shell): on a machine busy with other work the first
    # grows, the second hardly.
    local figures="$build/fuzz-$target.time"
    local wall=$(((${EPOCHREALTIME/./} - start + 500000) / 1000000))
    times >"$figures"
    # Its last line: the children's user and system time, as "0m1.234s 0m0.056s".
    awk -v wall="$wall" \
        'END { gsub(/[ms]/, " "); printf "%d %.0f\n", wall, $1 * 60 + $2 + $3 * 60 + $4 }' \
        "$figures" >"$figures.new" && mv "$figures.new" "$figures"
}

running=0
for target in "${targets[@]}"; do
    if [ "$running" -ge "$jobs" ]; then
        wait -n
        running=$((running - 1))
    fi
    run_target "$target" &
    running=$((running + 1))
done
wait

if [ $long -eq 1 ]; then
    echo "fuzz seed $seed ($origin), $seconds s per target"
else
    echo "fuzz seed $seed ($origin); FUZZ_SEED=$seed scripts/fuzz.sh TARGET repeats a target"
fi
printf '%-14s %10s %8s %6s %6s %8s %8s %7s %7s\n' target executions "exec/s" time cpu coverage \
    features corpus crashes
for target in "${targets[@]}"; do
    log="$build/fuzz-$target.log"
    execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)"
    # The last status line: "#N DONE cov: C ft: F corp: K/SIZE ...".
    cov="$(sed -n 's/.* cov: \([0-9]*\) ft: \([0-9]*\) corp: \([0-9]*\)\/.*/\1 \2 \3/p' "$log" |
        tail -1)"
    read -r coverage features corpus <<<"${cov:-? ? ?}"
    crashes="$(ls "$build/artifacts/$target" | grep -cE '^(crash|leak|timeout|oom)-')"
    read -r wall cpu <"$build/fuzz-$target.time"
    printf '%-14s %10s %8s %5ss %5ss %8s %8s %7s %7s\n' "$target" "${execs:-?}" "${rate:-?}" \
        "$wall" "$cpu" "$coverage" "$features" "$corpus" "$crashes"
    if [ "$crashes" -ne 0 ] || ! grep -q '^stat::number_of_executed_units' "$log"; then
        echo "  fuzz_$target found a fault; log: $log"
        grep -m3 -E 'ERROR|property failed|SUMMARY' "$log" | sed 's/^/    /'
        for artifact in "$build/artifacts/$target"/*; do
            [ -f "$artifact" ] || continue
            echo "    $artifact: run it again with $build/fuzz/fuzz_$target $artifact," \
                "keep it as fuzz/regressions/$target-NAME"
        done
        failed=1
    fi
done
exit $failed
