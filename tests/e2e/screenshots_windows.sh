#!/usr/bin/env bash
# Pictures of quornel.exe's window under Wine, for people to look at: tab 作図 with the
# column shapes 0 (corner), 4 (crossing) and 8 (corner) in 柱芯 and in 壁芯, the tips of a
# box, of a 「面」 button and of an option button, the crossing filled in, 「交点ごと」 over six
# crossings with its check boxes and a tip, and tab 基本設定 with its lists closed, dropped
# down and with their tips. They go to BUILD_DIR/screenshots (uninstall.exe's come from its
# own test), with the install guides' picture of the page, every box numbered and named
# (sakuzu_names.png; docs/sakuzu_names.png is a copy of it).
# Usage: screenshots_windows.sh BUILD_DIR SOURCE_DIR
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine_window.bash
source "$here/wine_window.bash"
wine_window_setup "$1" "$2" screenshots

shots="$(ww_screenshot_dir)"
folder="$(ww_program_folder screenshots)"
ww_model_dump "$folder"
ww_start_quornel "$folder"
ww_shot "$WW_MAIN" "$shots/sakuzu_start.png"

# The mouse rests on a box that waits for 柱幅 X: its tip says which box it is.
ww_hover cboHsnXU_0
ww_check "a tip shows while the mouse rests on a box" test -n "$(ww_popups "$WW_MAIN")"
ww_shot "$WW_MAIN" "$shots/sakuzu_tip.png"

# Some values, so that the schematic shows its boxes filled in.
ww_split_column 600 500

for shape in 0 4 8; do
    ww_click img_hasira_s "$shape"
    for mode in 0 1; do
        ww_click optSin "$mode"
        name="sakuzu_shape${shape}_$([ "$mode" = 0 ] && echo column_centre || echo wall_centre).png"
        ww_shot "$WW_MAIN" "$shots/$name"
        ww_check "screenshot $name" test -s "$shots/$name"
    done
done

# The crossing with a wall of 150 on every side, each split by its 「割」.
ww_click img_hasira_s 4
ww_click optSin 0
for side in Up:U DOWN:D Right:R Left:L; do
    ww_type "cboKabeSun${side%:*}" 2 150
    ww_key Return
    ww_click "cmdWriK${side#*:}"
done
xdotool mousemove --sync "$WW_MAIN_X" "$((WW_MAIN_Y - 10))"
sleep 0.5
ww_shot "$WW_MAIN" "$shots/sakuzu_crossing.png"

# The guides' picture: every box of the crossing (as the start dump has them) numbered and
# named by the first line of its tip.
boxes="$WW_WORK/guide-boxes.txt"
: >"$boxes"
while IFS=$'\t' read -r name index tip_name; do
    read -r cx cy <<<"$(ww_point "$name" "$index")"
    read -r _ _ width height <<<"$(ww_rect "$name" "$index")"
    w="$(ww_px "$width")"
    h="$(ww_px "$height")"
    printf '%s %s %s %s %s\n' "$((cx - w / 2 - WW_MAIN_X + WW_FRAME_X))" \
        "$((cy - h / 2 - WW_MAIN_Y + WW_FRAME_Y))" "$w" "$h" "$tip_name" >>"$boxes"
done < <(jq -r 'select(.kind == "ComboBox" and .visible and .tip != null)
                | [.name, (.index | tostring), (.tip | split("\n")[0])] | @tsv' "$WW_WORK/dump.jsonl")
bash "$WW_SOURCE/scripts/guide_picture.sh" "$boxes" "$shots/sakuzu_crossing.png" \
    "$shots/sakuzu_names.png"
ww_check "the guides' picture names the boxes" test "$(wc -l <"$boxes")" -gt 20

# Shape 1 in 柱芯: the left wall's button makes its upper face flush with the column's, and
# its tip says so.
ww_click img_hasira_s 1
ww_model_dump "$folder" "click img_hasira_s(1)"
ww_hover cmdWriKL
ww_shot "$WW_MAIN" "$shots/sakuzu_tip_face.png"
# An option button inside its frame has its tip too.
ww_hover optSunpoIti 2
ww_check "a tip shows while the mouse rests on an option button in its frame" \
    test -n "$(ww_popups "$WW_MAIN")"
ww_shot "$WW_MAIN" "$shots/sakuzu_tip_option.png"

# 「交点ごと」 in a folder with six crossings: chosen, with 「外周の壁を柱の外面に合わせる」 checked,
# the walls joined (the boxes below and to the left greyed), and the tip of the check box.
ww_click cmdClose
ww_check "キャンセル ends the program" ww_wait_exit 20
floor="$(ww_floor_folder screenshots-floor)"
ww_model_dump "$floor"
ww_start_quornel "$floor"
ww_split_column 600 600
ww_click img_hasira_s 9
ww_model_dump "$floor" "click img_hasira_s(9)"
ww_type cboKabeSunUp 2 150
ww_click cmdWriKU
ww_type cboKabeSunRight 2 150
ww_click cmdWriKR
ww_click chkGaisyuKabe
ww_hover chkGaisyuKabe
ww_check "a tip shows while the mouse rests on a check box" test -n "$(ww_popups "$WW_MAIN")"
ww_shot "$WW_MAIN" "$shots/sakuzu_floor_tip.png"
xdotool mousemove --sync "$WW_MAIN_X" "$((WW_MAIN_Y - 10))"
sleep 0.5
ww_shot "$WW_MAIN" "$shots/sakuzu_floor.png"
ww_check "screenshot sakuzu_floor.png" test -s "$shots/sakuzu_floor.png"

# The tab of the settings, clicked like a person would.
rect="$(ww_rect SSTab1 1)"
x="$(echo "$rect" | awk '{ printf "%d", $1 / 15 + 85 }')"
y="$(echo "$rect" | awk '{ printf "%d", $2 / 15 + 10 }')"
xdotool mousemove --sync $((WW_MAIN_X + x)) $((WW_MAIN_Y + y)) click 1
# The page is repainted control by control; under load that takes a while.
sleep 3
ww_shot "$WW_MAIN" "$shots/kihon_settei.png"
ww_check "screenshot kihon_settei.png" test -s "$shots/kihon_settei.png"

# A list of the page, and one inside the frame 「塗り」, have their tips.
for list in cbo_kh_ly:structural cbo_nuri_pitch:pitch; do
    ww_hover "${list%:*}"
    ww_check "a tip shows while the mouse rests on the list ${list%:*}" \
        test -n "$(ww_popups "$WW_MAIN")"
    ww_shot "$WW_MAIN" "$shots/kihon_settei_tip_${list#*:}.png"
done

# Each kind of list dropped down: every entry whole.
ww_shot_lists "$shots/kihon_settei" cbo_h_ly:layers cbo_h_nPenStyle:line_types \
    cbo_hm_cn:text_types

# The window is 11700 × 9250 twips outside: 780 × 617 pixels at 96 DPI.
ww_check "the window's outer size" test "${WW_MAIN_W}x${WW_MAIN_H}" = 780x617
ww_check "the window is centred on the screen" \
    test "$((WW_MAIN_X - WW_FRAME_X))x$((WW_MAIN_Y - WW_FRAME_Y))" = "$(((1280 - 780) / 2))x$(((1024 - 617) / 2))"

# The close button in the caption.
xdotool mousemove --sync $((WW_MAIN_X - WW_FRAME_X + WW_MAIN_W - 10)) $((WW_MAIN_Y - WW_FRAME_Y + 10)) click 1
ww_check "closing the window ends the program" ww_wait_exit 20
ww_check "closing the window writes nothing" test ! -e "$folder/JWC_TEMP.TXT"
ww_finish
