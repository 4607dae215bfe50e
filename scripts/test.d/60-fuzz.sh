# Every libFuzzer target (fuzz/*.cpp) built with clang, ASan and UBSan in build/fuzz: first
# the saved reproducers of fuzz/regressions/ run once through their target, then each
# target runs its fixed number of executions (scripts/fuzz.sh), two at a time, from the
# seeds in fuzz/corpus/<target>/ and a seed the commit fixes, so the step gives the same
# result on every machine. A crash or a broken property fails the step and leaves the input
# in build/fuzz/artifacts/<target>/.
set -uo pipefail
cd "${QUORNEL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
bash scripts/fuzz.sh
