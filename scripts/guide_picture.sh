#!/usr/bin/env bash
# The install guides' picture of the 「作図」 page: a screenshot of quornel.exe's window with
# every input box numbered, and beside it each number with the box's name, as the box's tip
# and 「作図」's messages give it. tests/e2e/screenshots_windows.sh makes it with its screenshots
# (build/windows/screenshots/sakuzu_names.png); docs/sakuzu_names.png is a copy of it.
#
# Usage: guide_picture.sh BOXES SCREENSHOT OUT
#   BOXES: one box a line, "LEFT TOP WIDTH HEIGHT NAME" in pixels of the screenshot, in the
#   order of the numbers.
set -euo pipefail
boxes="$1" shot="$2" out="$3"

font="$(fc-match -f '%{file}' 'IPAPGothic:lang=ja')"
red='#c0392b'
legend_width=300
pitch=17
read -r width height <<<"$(identify -format '%w %h' "$shot")"

# A number in a red disc centred on (X, Y) of a picture WIDTH × HEIGHT (text is placed from
# the picture's centre, which centres it in the disc).
disc() {  # X Y NUMBER WIDTH HEIGHT
    printf '%s\n' -fill "$red" -stroke white -strokewidth 1 -draw "circle $1,$2 $(($1 + 9)),$2" \
        -fill white -stroke none -pointsize 11 -gravity center \
        -draw "text $(($1 - $4 / 2)),$(($2 - $5 / 2 + 1)) '$3'" -gravity NorthWest
}

# Each box's number just off its upper left corner; the legend, a white strip to the right of the
# window, each number with its name.
marks=()
legend=(-fill black -stroke none -pointsize 14 -draw "text 12,12 '「作図」の入力欄'"
    -pointsize 11 -fill '#555555' -draw "text 12,34 '欄にマウスを置くと、同じ名前が出ます。'")
n=0
while read -r left top _ _ name; do
    n=$((n + 1))
    mapfile -t mark < <(disc "$((left - 6))" "$((top - 2))" "$n" "$width" "$height")
    marks+=("${mark[@]}")
    y=$((66 + (n - 1) * pitch))
    mapfile -t mark < <(disc 22 "$y" "$n" "$legend_width" "$height")
    legend+=("${mark[@]}" -fill black -pointsize 12 -draw "text 38,$((y - 8)) '$name'")
done <"$boxes"

convert "$shot" -font "$font" "${marks[@]}" \
    \( -size "${legend_width}x${height}" xc:white -font "$font" "${legend[@]}" \) \
    +append -strip "PNG8:$out"
