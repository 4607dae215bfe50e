# The whole native test suite again, built with AddressSanitizer and UndefinedBehavior-
# Sanitizer (preset "sanitize", build/sanitize): any out-of-bounds access, use after free,
# leak, overflow or undefined conversion fails the run, even where a test's checks pass.
set -euo pipefail
cd "${QUORNEL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
jobs="${QUORNEL_JOBS:-2}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize -j"$jobs" --timeout 900
