#!/usr/bin/env bash
# Assembles the release from the Windows build, in DIST_DIR:
#   quornel/                 the release folder as the user unpacks it
#   quornel-VERSION.zip      the download: that folder, quornel/ inside
#   SHA256SUMS               SHA-256 of the zip and of both programs, paths relative to
#                            DIST_DIR (`sha256sum -c SHA256SUMS` there checks them)
#
#   scripts/dist.sh [BUILD_DIR [DIST_DIR]]   defaults: build/windows, dist
#
# The release folder holds, in this order, which is also the order of the zip's entries:
#   quornel.exe, uninstall.exe, quornel.dat, quornel_d.dat   (from the build)
#   quornel.bat, quornel_repeat.bat, quornel_multi.bat,       (from release/, as they ship; the
#   quornel_multi_repeat.bat, quornel_symbol_repeat.bat,       readme with @VERSION@ replaced
#   readme.txt                                                 by the file VERSION)
#   install.ja.html, install.en.html, sakuzu_names.png        (the install guides of docs/ as
#                                                              pages a browser opens, made by
#                                                              scripts/guide_html.py with
#                                                              python3-markdown; their picture)
#   LICENSE, THIRD-PARTY-NOTICES.txt                          (from the repository's top)
#
# The same commit gives the same zip, byte for byte: every file and entry carries the
# committer time of the last commit (UTC; scripts/lib/release.sh), fixed permissions and
# no owner, and the entries follow the list above.
#
# Everything is made in a folder beside the outputs and moved into place only when all of
# it is there, so a failed run leaves the previous release as it was.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build/windows}"
dist="${2:-$root/dist}"
source "$root/scripts/lib/release.sh"

from_build=(quornel.exe uninstall.exe quornel.dat quornel_d.dat)
from_release=(quornel.bat quornel_repeat.bat quornel_multi.bat quornel_multi_repeat.bat
    quornel_symbol_repeat.bat readme.txt)
guides=(install.ja.html install.en.html)
from_docs=(sakuzu_names.png)
from_root=(LICENSE THIRD-PARTY-NOTICES.txt)
shipped=("${from_build[@]}" "${from_release[@]}" "${guides[@]}" "${from_docs[@]}" "${from_root[@]}")
version="$(quornel_release_version "$root" || true)"

missing=()
for f in "${from_build[@]}"; do [ -f "$build/$f" ] || missing+=("$build/$f"); done
for f in "${from_release[@]}"; do [ -f "$root/release/$f" ] || missing+=("$root/release/$f"); done
for f in "${guides[@]}"; do
    [ -f "$root/docs/${f%.html}.md" ] || missing+=("$root/docs/${f%.html}.md")
done
for f in "${from_docs[@]}"; do [ -f "$root/docs/$f" ] || missing+=("$root/docs/$f"); done
for f in "${from_root[@]}"; do [ -f "$root/$f" ] || missing+=("$root/$f"); done
[ -n "$version" ] || missing+=("$root/VERSION")
if [ ${#missing[@]} -gt 0 ]; then
    echo "dist: cannot assemble the release in $dist; missing:" >&2
    printf '  %s\n' "${missing[@]}" >&2
    echo "dist: build the Windows programs first (./test windows)." >&2
    exit 1
fi
if ! command -v zip >/dev/null; then
    echo "dist: the zip program is missing (Debian package zip)." >&2
    exit 1
fi
# Debian's own Python, whatever python3 comes first on the PATH.
if ! /usr/bin/python3 -c 'import markdown' 2>/dev/null; then
    echo "dist: the Markdown converter is missing (Debian package python3-markdown)." >&2
    exit 1
fi
stamp="$(quornel_release_time "$root")"
zip_name="quornel-$version.zip"

mkdir -p "$dist"
staging="$(mktemp -d "$dist/.quornel-dist.XXXXXX")"
trap 'rm -rf "$staging"' EXIT
folder="$staging/quornel"
mkdir "$folder"
for f in "${from_build[@]}"; do cp "$build/$f" "$folder/$f"; done
for f in "${from_release[@]}"; do cp "$root/release/$f" "$folder/$f"; done
for f in "${from_docs[@]}"; do cp "$root/docs/$f" "$folder/$f"; done
for f in "${from_root[@]}"; do cp "$root/$f" "$folder/$f"; done
# Each guide links to the other one beside it.
/usr/bin/python3 "$root/scripts/guide_html.py" "$root/docs/install.ja.md" install.en.html \
    "English (install.en.html)" "$folder/install.ja.html"
/usr/bin/python3 "$root/scripts/guide_html.py" "$root/docs/install.en.md" install.ja.html \
    "日本語 (install.ja.html)" "$folder/install.en.html"
# Byte for byte apart from the placeholder: the readme is CP932 with CR LF.
LC_ALL=C sed "s/@VERSION@/$version/g" "$root/release/readme.txt" >"$folder/readme.txt"

# Permissions and times as the zip stores them, whatever the umask and the clock say.
for f in "${shipped[@]}"; do
    case "$f" in
    *.exe) chmod 0755 "$folder/$f" ;;
    *) chmod 0644 "$folder/$f" ;;
    esac
    touch -d "@$stamp" "$folder/$f"
done
chmod 0755 "$folder" "$staging"
touch -d "@$stamp" "$folder"

# -X leaves out what differs between machines (owner, access time); a zip's times are
# local times without a zone, so zip is told that local time is UTC.
entries=(quornel/)
for f in "${shipped[@]}"; do entries+=("quornel/$f"); done
(cd "$staging" && TZ=UTC zip -X -9 -q "$zip_name" "${entries[@]}")
(cd "$staging" && sha256sum "$zip_name" quornel/quornel.exe quornel/uninstall.exe >SHA256SUMS)

rm -rf "$dist/quornel"
mv "$folder" "$dist/quornel"
# The zip of an earlier version would otherwise sit beside the new one, unlisted.
find "$dist" -maxdepth 1 -name 'quornel-*.zip' ! -name "$zip_name" -delete
mv "$staging/$zip_name" "$dist/$zip_name"
mv "$staging/SHA256SUMS" "$dist/SHA256SUMS"
rmdir "$staging"
trap - EXIT
echo "dist: $dist/quornel, $dist/$zip_name, $dist/SHA256SUMS"
cat "$dist/SHA256SUMS"
