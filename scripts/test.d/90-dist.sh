# Assembles the release in dist/ from the Windows build (scripts/dist.sh), then checks what
# a user downloads and what makes it the same when built again (scripts/reproduce.sh
# builds it a second time and compares the bytes):
# - the zip holds the release folder, quornel/ inside, and every entry carries the time
#   of the last commit (UTC); SHA256SUMS matches the files;
# - neither program carries its link time in its PE header, nor the path of the source
#   folder, the build folder or the home folder (as bytes or as UTF-16);
# - assembled again from the same build, in another folder, time zone, locale and umask,
#   the zip and SHA256SUMS are the same bytes;
# - the install guides list exactly the files of the release folder, and a batch file they
#   show is the shipped one, line for line; their pages in the folder find every picture and
#   page they link to there;
# - readme.txt names the guide in its first lines, and every file of the release folder.
set -uo pipefail
root="${QUORNEL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
build="$root/build/windows"
dist="$root/dist"
source "$root/scripts/lib/release.sh"
bash "$root/scripts/dist.sh" "$build" "$dist" || exit 1

failures=0
fail() {
    echo "dist: $*" >&2
    failures=$((failures + 1))
}

# The zip: quornel/ first, then exactly the folder's files with the folder's bytes, all at
# the release time.
zip="$dist/quornel-$(quornel_release_version "$root").zip"
stamp="$(quornel_release_time "$root")" || exit 1
expected_time="$(TZ=UTC date -d "@$stamp" +%Y%m%d.%H%M%S)"
names=()
while read -r perms _ _ _ _ _ time name; do
    names+=("$name")
    [ "$time" = "$expected_time" ] || fail "$name is dated $time in the zip, not $expected_time"
done < <(unzip -Z -T "$zip" | grep -E '^[-d]')
[ "${names[0]:-}" = quornel/ ] || fail "the zip does not start with the folder quornel/"
in_zip="$(printf '%s\n' "${names[@]:1}" | sort)"
in_folder="$(cd "$dist" && find quornel -type f | sort)"
[ "$in_zip" = "$in_folder" ] ||
    fail "the zip's files differ from dist/quornel/: $(diff <(echo "$in_zip") <(echo "$in_folder") | grep '^[<>]' | tr '\n' ' ')"
for name in "${names[@]:1}"; do
    unzip -p "$zip" "$name" | cmp -s - "$dist/$name" || fail "$name differs in the zip"
done
(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match"

# The same release once more, from the same build, where nothing that must not matter is the
# same (the Windows programs' own bytes are compared by scripts/reproduce.sh).
again="$(mktemp -d "${TMPDIR:-/tmp}/quornel-dist-again.XXXXXX")"
(umask 077 && TZ=Asia/Tokyo LC_ALL=C.UTF-8 bash "$root/scripts/dist.sh" "$build" "$again/a/b" \
    >/dev/null) || fail "the release could not be made a second time"
for f in "$(basename "$zip")" SHA256SUMS; do
    cmp -s "$dist/$f" "$again/a/b/$f" || fail "$f differs when the release is made again"
done
rm -rf "$again"

# The programs.
places=("$root" "$(cd "$build" && pwd -P)")
[ -n "${HOME:-}" ] && [ "$HOME" != / ] && places+=("$HOME/")
for exe in quornel.exe uninstall.exe; do
    file="$dist/quornel/$exe"
    pe="$(od -An -tu4 -j60 -N4 "$file" | tr -d ' ')"
    if [ "$(od -An -tx1 -j"$pe" -N4 "$file" | tr -d ' ')" != 50450000 ]; then
        fail "$exe is not a PE file"
        continue
    fi
    time="$(od -An -tu4 -j$((pe + 8)) -N4 "$file" | tr -d ' ')"
    [ "$time" = 0 ] || fail "$exe carries its link time in its PE header ($time)"
    while read -r place; do
        fail "$exe contains the path $place"
    done < <(perl -e '
        open(my $f, "<:raw", shift) or die; local $/; my $bytes = <$f>;
        for my $s (@ARGV) {
            (my $wide = $s) =~ s/(.)/$1\0/gs;
            print "$s\n" if index($bytes, $s) >= 0 || index($bytes, $wide) >= 0;
        }' "$file" "${places[@]}")
done

# The guides, against the folder a user unpacks: the table of the folder's files, and every
# batch file shown, which must be the shipped file with the same first line.
shipped="$(cd "$dist/quornel" && ls -1 | sort)"
shown="$(mktemp -d)"
for guide in "$root"/docs/install.*.md; do
    name="$(basename "$guide")"
    listed="$(awk '/^\| (ファイル|file) \|/ { on = 1; next }
                   on && !/^\|/ { exit }
                   on && match($0, /^\| `[^`]*`/) { print substr($0, 4, RLENGTH - 4) }' "$guide" |
        sort)"
    [ "$listed" = "$shipped" ] ||
        fail "$name lists other files than the release folder: $(diff <(echo "$listed") <(echo "$shipped") | grep '^[<>]' | tr '\n' ' ')"
    rm -f "$shown"/*
    awk -v dir="$shown" '/^```bat$/ { on = 1; n++; next }
                         /^```$/ { on = 0; next }
                         on { print > (dir "/" n) }' "$guide"
    [ -n "$(ls "$shown")" ] || fail "$name shows no batch file"
    for block in "$shown"/*; do
        [ -e "$block" ] || continue
        match=""
        for bat in "$dist"/quornel/*.bat; do
            if [ "$(iconv -f CP932 -t UTF-8 "$bat" | head -n1 | tr -d '\r')" = "$(head -n1 "$block")" ]; then
                match="$bat"
                break
            fi
        done
        if [ -z "$match" ]; then
            fail "$name shows a batch file that is not shipped: $(head -n1 "$block")"
        elif ! iconv -f CP932 -t UTF-8 "$match" | tr -d '\r' | cmp -s - "$block"; then
            fail "$name shows $(basename "$match") otherwise than it ships"
        fi
    done
done
rm -rf "$shown"

# The guides' pages: every picture and page they link to is beside them.
for page in "$dist"/quornel/*.html; do
    while read -r target; do
        [ -f "$dist/quornel/$target" ] ||
            fail "$(basename "$page") links to $target, which is not in the folder"
    done < <(grep -oE '(src|href)="[^"#:]+"' "$page" | sed -E 's/^[a-z]+="//; s/"$//')
done
[ -f "$dist/quornel/install.ja.html" ] || fail "the release folder has no install.ja.html"

# The readme: the guide in its first lines, then every file of the folder.
readme="$(iconv -f CP932 -t UTF-8 "$dist/quornel/readme.txt" | tr -d '\r')"
head -n 8 <<<"$readme" | grep -q 'install\.ja\.html' ||
    fail "readme.txt does not name the guide in its first lines"
for f in $shipped; do
    grep -qF "$f" <<<"$readme" || fail "readme.txt does not name $f"
done

[ $failures -eq 0 ] && echo "dist: the release checks out" || exit 1
