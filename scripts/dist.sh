#!/usr/bin/env bash
# Assembles the release folder from the Windows build, ready to zip:
#   quornel.exe, uninstall.exe, quornel.dat, quornel_d.dat   (from the build)
#   quornel.bat, quornel_repeat.bat, quornel_multi.bat,
#   quornel_multi_repeat.bat                                 (from dist/, as they ship)
#   readme.txt                     (from dist/, with @VERSION@ replaced by the file VERSION)
#
#   scripts/dist.sh [BUILD_DIR [OUT_DIR]]   defaults: build/windows, dist/quornel
#
# The folder is built beside OUT_DIR and moved into place only when every file is there,
# so a failed run leaves the previous release folder as it was.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build/windows}"
out="${2:-$root/dist/quornel}"

from_build=(quornel.exe uninstall.exe quornel.dat quornel_d.dat)
from_dist=(quornel.bat quornel_repeat.bat quornel_multi.bat quornel_multi_repeat.bat readme.txt)
version="$(head -n 1 "$root/VERSION" 2>/dev/null || true)"

missing=()
for f in "${from_build[@]}"; do [ -f "$build/$f" ] || missing+=("$build/$f"); done
for f in "${from_dist[@]}"; do [ -f "$root/dist/$f" ] || missing+=("$root/dist/$f"); done
[ -n "$version" ] || missing+=("$root/VERSION")
if [ ${#missing[@]} -gt 0 ]; then
    echo "dist: cannot assemble $out; missing:" >&2
    printf '  %s\n' "${missing[@]}" >&2
    echo "dist: build the Windows programs first (./test windows)." >&2
    exit 1
fi

mkdir -p "$(dirname "$out")"
staging="$(mktemp -d "$(dirname "$out")/.quornel-dist.XXXXXX")"
trap 'rm -rf "$staging"' EXIT
for f in "${from_build[@]}"; do cp "$build/$f" "$staging/$f"; done
for f in "${from_dist[@]}"; do cp "$root/dist/$f" "$staging/$f"; done
# Byte for byte apart from the placeholder: the readme is CP932 with CR LF.
LC_ALL=C sed "s/@VERSION@/$version/g" "$root/dist/readme.txt" >"$staging/readme.txt"
chmod 755 "$staging"
rm -rf "$out"
mv "$staging" "$out"
trap - EXIT
echo "dist: $out"
ls -l "$out"
