# Renders the hand-derived test drawings (tests/drawing/data/*.txt, *.jwc) and the
# preview's own sample stream into build/native/previews/ for review: NAME.svg, and
# NAME.png when rsvg-convert is there. Fails when the preview refuses a drawing.
set -uo pipefail
root="${QUORNEL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
cd "$root" || exit 1
preview=build/native/quornel-preview
out=build/native/previews

if [ ! -x "$preview" ]; then
    cmake --preset native >/dev/null &&
        cmake --build --preset native --target quornel-preview -j"${QUORNEL_JOBS:-2}" || exit 1
fi
mkdir -p "$out"

# The hand-derived streams hold only what quornel writes after the header echo; they are
# drawn against the exchange header of tests/drawing/cases.cpp (scale 100, text types 1
# and 5), which is put in front of them here.
drawing_header() {
    printf '%s\r\n' \
        "hk 0" \
        "hs 100 100 50 50 60 1 1 1 1 50 50 1 50 50 50 1" \
        "hcw 2 2.5 3 4 3 6 7 8 9 10" \
        "hch 2 2.5 3 4 3 6 7 8 9 10" \
        "hcd 0.5 0 0.5 0.5 0.5 0.5 1 1 1 1" \
        "hcc      1      1      2      2      3      3      4      4      5      5" \
        "hn -2000 -2000 2000 2000" \
        "lg0" "ly4" "lc3" "lt1" "cn3"
}

# render INPUT NAME
failed=0
count=0
render() {
    count=$((count + 1))
    if ! "$preview" "$1" -o "$out/$2.svg" >/dev/null; then
        echo "previews: $1 was refused" >&2
        failed=1
        return
    fi
    if command -v rsvg-convert >/dev/null 2>&1; then
        rsvg-convert -b white "$out/$2.svg" -o "$out/$2.png" || failed=1
    fi
}

render tests/preview/data/column.txt preview-sample
for f in tests/drawing/data/*.txt tests/drawing/data/*.jwc; do
    [ -f "$f" ] || continue
    name="$(basename "$f")"
    name="${name%.*}"
    if grep -q '^hs ' "$f"; then
        render "$f" "$name"
    else
        { drawing_header; cat "$f"; } >"$out/$name.stream.txt"
        render "$out/$name.stream.txt" "$name"
    fi
done
echo "previews: $count drawing(s) in $out"
exit $failed
