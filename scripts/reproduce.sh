#!/usr/bin/env bash
# Shows that the release can be built again byte for byte: makes the release of the last
# commit here (build/windows, then dist/), builds the same commit a second time from a
# copy in another folder, and compares quornel.exe, uninstall.exe, the zip and SHA256SUMS.
#
#   scripts/reproduce.sh [--keep]      --keep: leave the second build's folder in place
#
# The checkout must hold exactly the last commit (no changed or new files), so that both
# builds are of that commit. The second build differs in what must not matter: the folder
# (another path of another length), the home folder, the time zone, the locale and the
# umask, and it compiles everything anew (no ccache). It prints the commit, the toolchain
# and the outcome, and exits 0 when every file is the same. A few minutes on 2 cores;
# ./test does not run it (docs/reproducible.md has the last result).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
source scripts/lib/setup.sh
source scripts/lib/release.sh
keep=false
[ "${1:-}" = --keep ] && keep=true
jobs="${QUORNEL_JOBS:-2}"

# What the two builds need, and no more (no Wine: nothing is run).
quornel_install_missing git cmake make g++ g++-mingw-w64-x86-64-posix zip python3-markdown
if [ -n "$(git status --porcelain)" ]; then
    echo "reproduce: the checkout differs from its last commit; commit or stash first:" >&2
    git status --short >&2
    exit 1
fi
commit="$(git rev-parse HEAD)"
SOURCE_DATE_EPOCH="$(git log -1 --format=%ct)"
export SOURCE_DATE_EPOCH
version="$(quornel_release_version "$root")"
outputs=(quornel/quornel.exe quornel/uninstall.exe "quornel-$version.zip" SHA256SUMS)

echo "reproduce: $(date -u '+%Y-%m-%d %H:%M UTC'), commit $commit"
dpkg-query -W -f='  ${Package} ${Version}\n' g++-mingw-w64-x86-64-posix \
    gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev zip cmake \
    python3-markdown

# build_release DIR: the programs of the preset windows and the release in DIR/dist.
build_release() {
    (cd "$1" && cmake --preset windows >/dev/null &&
        cmake --build --preset windows -j"$jobs" --target quornel uninstall >/dev/null &&
        bash scripts/dist.sh build/windows dist >/dev/null)
}

echo "reproduce: first build, in $root"
build_release "$root"

work="$(mktemp -d "${TMPDIR:-/tmp}/quornel-reproduce.XXXXXX")"
second="$work/another/place/for/a/second/quornel"
mkdir -p "$second" "$work/home"
git archive HEAD | tar -x -C "$second"
echo "reproduce: second build, in $second"
(
    export HOME="$work/home" TZ=Asia/Tokyo LC_ALL=C.UTF-8 CCACHE_DISABLE=1
    umask 077
    build_release "$second"
)

same=true
for f in "${outputs[@]}"; do
    if cmp -s "$root/dist/$f" "$second/dist/$f"; then
        echo "  same       $(sha256sum "$root/dist/$f" | cut -d' ' -f1)  $f"
    else
        echo "  DIFFERENT  $f"
        same=false
    fi
done
if $same; then
    $keep || rm -rf "$work"
    echo "reproduce: both builds gave the same bytes"
else
    echo "reproduce: the builds differ; the second one is kept in $second" >&2
    exit 1
fi
