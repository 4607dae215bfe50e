# Assembles the release folder dist/quornel/ from the Windows build (scripts/dist.sh).
set -uo pipefail
root="${QUORNEL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
exec bash "$root/scripts/dist.sh" "$root/build/windows" "$root/dist/quornel"
