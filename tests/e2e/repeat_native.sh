#!/bin/bash
# The native quornel repeats the previous drawing in a copy of the demo folder:
#   repeat_native.sh BUILD_DIR SOURCE_DIR
# The output must exist, nothing may be said on standard error, and the pick lists and the
# previous values must be left byte for byte as they were.
set -u
build="$1"
source="$2"
quornel="${QUORNEL_EMULATOR:-} $build/quornel${QUORNEL_EXE_SUFFIX:-}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/demo" "$work/config"
cp -R "$source/demo/." "$work/demo/"
cp "$build/quornel.dat" "$build/quornel_d.dat" "$work/demo/"  # the pick lists the build makes
export XDG_CONFIG_HOME="$work/config"  # a registry of its own, not the user's

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Jw_cad's exchange header, when the demo folder has none.
if [ ! -f "$work/demo/TEMP.TXT" ]; then
    printf 'hq\r\nhk 0\r\nhs 100 100 50 50 60 1 1 1 1 50 50 1 50 50 50 1 \r\n' >"$work/demo/TEMP.TXT"
    printf 'hcw 2 2.5 3 4 3 6 7 8 9 10 \r\nhch 2 2.5 3 4 3 6 7 8 9 10 \r\n' >>"$work/demo/TEMP.TXT"
    printf 'hcd 0.5 0 0.5 0.5 0.5 0.5 1 1 1 1 \r\nlg0\r\n' >>"$work/demo/TEMP.TXT"
fi

# A first drawing made through the scripted window, when there is no previous one.
if [ ! -f "$work/demo/quornel_res.dat" ]; then
    cat >"$work/script" <<'SCRIPT'
click img_hasira_s(3)
type cboHsnXG 600
leave cboHsnXG
click cmdWriHX
type cboHsnYG 600
leave cboHsnYG
click cmdWriHY
type cboKabeSunRight(2) 150
leave cboKabeSunRight(2)
click cmdWriKR
type cboKabeSunUp(2) 150
leave cboKabeSunUp(2)
click cmdWriKU
click cmdSakuzu
SCRIPT
    out="$($quornel --script "$work/script" --dir "$work/demo" 2>"$work/script.err")" ||
        fail "the first drawing failed: $(cat "$work/script.err")"
    [ "$out" = '{"closed":true}' ] || fail "the first drawing said: $out"
fi

cp "$work/demo/quornel.dat" "$work/lists.before"
cp "$work/demo/quornel_res.dat" "$work/previous.before"
rm -f "$work/demo/JWC_TEMP.TXT"

$quornel --repeat --dir "$work/demo" >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 0 ] || fail "quornel --repeat ended with $status: $(cat "$work/err")"
[ -s "$work/demo/JWC_TEMP.TXT" ] || fail "no JWC_TEMP.TXT"
[ ! -s "$work/err" ] || fail "standard error is not empty: $(cat "$work/err")"
cmp -s "$work/lists.before" "$work/demo/quornel.dat" || fail "quornel.dat changed"
cmp -s "$work/previous.before" "$work/demo/quornel_res.dat" || fail "quornel_res.dat changed"
head -c 3 "$work/demo/JWC_TEMP.TXT" | grep -q 'hq' && fail "the header still holds its hq entry"
echo "ok: $(wc -l <"$work/demo/JWC_TEMP.TXT") lines drawn"
