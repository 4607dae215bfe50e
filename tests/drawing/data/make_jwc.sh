#!/bin/sh
# Rebuilds each <case>.jwc from <case>.txt: the JWC_TEMP.TXT that quornel writes for the
# case (the test header without its "hq" entry, then the hand-derived stream, CR LF).
# The drawing tests check that every .jwc matches what write_drawing puts on disk.
set -e
cd "$(dirname "$0")"
for txt in *.txt; do
    {
        printf '\nhk 0\r\n'
        printf 'hs 100 100 50 50 60 1 1 1 1 50 50 1 50 50 50 1\r\n'
        printf 'hcw 2 2.5 3 4 3 6 7 8 9 10\r\n'
        printf 'hch 2 2.5 3 4 3 6 7 8 9 10\r\n'
        printf 'hcd 0.5 0 0.5 0.5 0.5 0.5 1 1 1 1\r\n'
        printf 'hcc      1      1      2      2      3      3      4      4      5      5\r\n'
        printf 'hn -2000 -2000 2000 2000\r\n'
        printf 'lg0\r\nly4\r\nlc3\r\nlt1\r\ncn3\r\n\r\n'
        grep -v '^#' "$txt" | sed 's/$/\r/'
    } >"${txt%.txt}.jwc"
done
