# Named steps with a summary at the end, for ./test. Source, then call.

quornel_step_names=()
quornel_step_results=()
quornel_step_seconds=()

# quornel_step NAME COMMAND...: runs the command as one step and records the outcome.
quornel_step() {
    local name="$1"
    shift
    local start=$SECONDS
    echo
    echo "==== $name"
    "$@"
    local rc=$?
    quornel_step_names+=("$name")
    quornel_step_seconds+=($((SECONDS - start)))
    if [ $rc -eq 0 ]; then
        quornel_step_results+=(PASS)
    else
        quornel_step_results+=("FAIL (exit $rc)")
        echo "==== $name FAILED (exit $rc)"
    fi
    return $rc
}

# quornel_summary: prints every step's outcome; returns non-zero when any step failed.
quornel_summary() {
    local i failed=0
    echo
    echo "==== summary"
    for i in "${!quornel_step_names[@]}"; do
        printf '  %-24s %-16s %5ss\n' "${quornel_step_names[$i]}" \
            "${quornel_step_results[$i]}" "${quornel_step_seconds[$i]}"
        [ "${quornel_step_results[$i]}" = PASS ] || failed=1
    done
    if [ ${#quornel_step_names[@]} -eq 0 ]; then
        echo "  no step was selected"
        failed=1
    fi
    if [ $failed -eq 0 ]; then
        echo "All steps passed."
    else
        echo "Some steps FAILED."
    fi
    return $failed
}
