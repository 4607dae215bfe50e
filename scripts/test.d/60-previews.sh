# Renders the hand-derived test drawings (tests/drawing/data/*.txt, *.jwc, and the T junction
# with the fills of tests/drawing/data/fill/), the preview's own sample stream, the demo's
# column drawn at four crossings, the demo's column filled (docs/demo-filled.png) and drawn
# 「交点ごと」 on an L-shaped floor (docs/demo-floor.png) into
# build/native/previews/ for review: NAME.svg, and NAME.png when rsvg-convert is there.
# Fails when the preview refuses a drawing, leaves a crossing out or shows no fill.
set -uo pipefail
root="${QUORNEL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
cd "$root" || exit 1
preview=build/native/quornel-preview
out=build/native/previews

if [ ! -x "$preview" ] || [ ! -x build/native/quornel ]; then
    cmake --preset native >/dev/null &&
        cmake --build --preset native --target quornel quornel-preview -j"${QUORNEL_JOBS:-2}" ||
        exit 1
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
# The fills worked out by hand come before the T junction's own stream.
for f in tests/drawing/data/fill/*.txt; do
    name="fill-$(basename "$f" .txt)"
    { drawing_header; cat "$f" tests/drawing/data/t_junction.txt; } >"$out/$name.stream.txt"
    render "$out/$name.stream.txt" "$name"
done
# The demo's column where Jw_cad handed over three more crossings, as quornel_multi_repeat.bat
# draws it: the preview shows the column, its dimensions and its symbol four times.
multi="$out/multi"
rm -rf "$multi" && mkdir -p "$multi" && cp demo/* build/native/quornel.dat build/native/quornel_d.dat "$multi/"
sed 's/^hn .*/&\nhp1 4000 0\r\nhp2 0 -3000\r\nhp3- 4000 -3000\r/' demo/TEMP.TXT >"$multi/TEMP.TXT"
if XDG_CONFIG_HOME="$PWD/$multi" build/native/quornel --repeat --dir "$multi" >/dev/null; then
    render "$multi/JWC_TEMP.TXT" demo-four-crossings
    symbols="$(grep -o '>C1</text>' "$out/demo-four-crossings.svg" | wc -l)"
    if [ "$symbols" != 4 ]; then
        echo "previews: the four crossings show $symbols symbols" >&2
        failed=1
    fi
else
    echo "previews: quornel --repeat could not draw the demo at four crossings" >&2
    failed=1
fi

# The demo's column with 「柱の塗り」 ソリッド and 「壁の塗り」 斜線 in 線色 ４ saved on 基本設定,
# as the user's registry gives them to quornel --repeat: one solid and the walls' hatch.
# (quornel takes XDG_CONFIG_HOME only as an absolute path.)
filled="$out/filled"
rm -rf "$filled" && mkdir -p "$filled/quornel" && cp demo/* build/native/quornel.dat build/native/quornel_d.dat "$filled/"
printf '%s\r\n' "Windows Registry Editor Version 5.00" "" \
    '[HKEY_CURRENT_USER\Software\Norvale\quornel\SETTEI]' \
    '"Nuri_pc"=dword:00000003' '"Nuri_Hasira"=dword:00000001' '"Nuri_Kabe"=dword:00000002' \
    >"$filled/quornel/registry.reg"
if XDG_CONFIG_HOME="$PWD/$filled" build/native/quornel --repeat --dir "$filled" >/dev/null; then
    render "$filled/JWC_TEMP.TXT" demo-filled
    solids="$(grep -c '<polygon' "$out/demo-filled.svg")"
    hatch="$(grep -c '^z1' "$filled/JWC_TEMP.TXT")"
    if [ "$solids" != 1 ] || [ "$hatch" -lt 4 ]; then
        echo "previews: the filled demo shows $solids solid(s) and $hatch hatch line(s)" >&2
        failed=1
    fi
else
    echo "previews: quornel --repeat could not draw the filled demo" >&2
    failed=1
fi

# A whole floor: the demo's column 「交点ごと」 at the eight crossings of an L-shaped plan as
# quornel_multi_repeat.bat hands them over, walls joined and hatched, the dimensions at the
# first crossing only (docs/demo-floor.png): every crossing its shape, every wall drawn once.
floor="$out/floor"
rm -rf "$floor" && mkdir -p "$floor/quornel" && cp demo/* build/native/quornel.dat build/native/quornel_d.dat "$floor/"
sed 's/^hn .*/&\nhp1- 3640 0\r\nhp2 7280 0\r\nhp3 0 2730\r\nhp4 3640 2730\r\nhp5 7280 2730\r\nhp6 0 5460\r\nhp7 3640 5460\r/' \
    demo/TEMP.TXT >"$floor/TEMP.TXT"
sed -i 's/^hasira_sd,4\r$/hasira_sd,9\r/' "$floor/quornel_res.dat"
printf '%s\r\n' KabeTunagu_d,1 SunpoHitotu_d,1 GaisyuKabe_d,0 >>"$floor/quornel_res.dat"
printf '%s\r\n' "Windows Registry Editor Version 5.00" "" \
    '[HKEY_CURRENT_USER\Software\Norvale\quornel\SETTEI]' \
    '"Nuri_pc"=dword:00000003' '"Nuri_Hasira"=dword:00000002' '"Nuri_Kabe"=dword:00000002' \
    >"$floor/quornel/registry.reg"
if XDG_CONFIG_HOME="$PWD/$floor" build/native/quornel --repeat --dir "$floor" >/dev/null; then
    render "$floor/JWC_TEMP.TXT" demo-floor
    symbols="$(grep -o '>C1</text>' "$out/demo-floor.svg" | wc -l)"
    hatch="$(grep -c '^z1' "$floor/JWC_TEMP.TXT")"
    chains="$(grep -c '^msg' "$floor/JWC_TEMP.TXT")"
    if [ "$symbols" != 8 ] || [ "$hatch" -lt 100 ] || [ "$chains" != 6 ]; then
        echo "previews: the whole floor shows $symbols symbols, $hatch hatch lines, $chains dimension lines" >&2
        failed=1
    fi
else
    echo "previews: quornel --repeat could not draw the whole floor" >&2
    failed=1
fi

echo "previews: $count drawing(s) in $out"
exit $failed
