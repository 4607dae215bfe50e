#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan, UBSan) in build/fuzz and runs them.
#
#   scripts/fuzz.sh [SECONDS [TARGET...]]
#
# SECONDS per target (default 30); TARGET names as in fuzz/ (number_text, host_header, ...),
# all when none are given. FUZZ_JOBS targets run at once (default QUORNEL_JOBS or 2).
# Reproducers in fuzz/regressions/TARGET-*.* are run first, once each. The inputs a run
# finds worth keeping stay in build/fuzz/corpus/TARGET/ for the next run; the repository's
# seeds in fuzz/corpus/TARGET/ are only read. Prints one line of figures per target.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
seconds="${1:-30}"
shift || true
build="${FUZZ_BUILD:-build/fuzz}"
jobs="${FUZZ_JOBS:-${QUORNEL_JOBS:-2}}"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/*.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
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

run_target() {
    local target="$1" corpus="$build/corpus/$1" artifacts="$build/artifacts/$1/"
    rm -rf "$artifacts"
    mkdir -p "$corpus" "$artifacts"
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$artifacts" "$corpus" "fuzz/corpus/$target" \
        >"$build/fuzz-$target.log" 2>&1
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

printf '%-16s %12s %10s %8s %8s\n' target executions "exec/s" corpus crashes
for target in "${targets[@]}"; do
    log="$build/fuzz-$target.log"
    execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)"
    corpus="$(ls "$build/corpus/$target" | wc -l)"
    crashes="$(ls "$build/artifacts/$target" | grep -cE '^(crash|leak|timeout|oom)-')"
    printf '%-16s %12s %10s %8s %8s\n' "$target" "${execs:-?}" "${rate:-?}" "$corpus" "$crashes"
    if [ "$crashes" -ne 0 ] || ! grep -q '^stat::number_of_executed_units' "$log"; then
        echo "  fuzz_$target found a fault; log: $log"
        grep -m3 -E 'ERROR|property failed|SUMMARY' "$log" | sed 's/^/    /'
        ls "$build/artifacts/$target" | grep -E '^(crash|leak|timeout|oom)-' | sed "s|^|    $build/artifacts/$target/|"
        failed=1
    fi
done
exit $failed
