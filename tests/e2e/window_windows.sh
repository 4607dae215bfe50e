#!/usr/bin/env bash
# quornel.exe's real window under Wine, driven with the mouse and the keyboard. Each
# session is also replayed through the window model headless (quornel.exe --script) in a
# copy of the folder as it was before; the files the window wrote must match that run byte
# for byte, and the registry must hold what the user saved.
# Usage: window_windows.sh BUILD_DIR SOURCE_DIR
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine_window.bash
source "$here/wine_window.bash"
wine_window_setup "$1" "$2" window

snapshot() { rm -rf "$2"; cp -r "$1" "$2"; }

compare_outputs() {  # WHAT WINDOW_FOLDER REFERENCE_FOLDER
    local f
    for f in JWC_TEMP.TXT quornel.dat quornel_res.dat quornel_types.dat; do
        ww_check "$1: $f as the model writes it" ww_same_file "$2/$f" "$3/$f"
    done
}

# ---- a whole drawing: shape, section, walls, options, symbol, 作図 ----------------------
folder="$(ww_program_folder drawing)"
snapshot "$folder" "$WW_WORK/drawing-before"
actions=(
    "click img_hasira_s(0)"
    "type cboHsnXG 600" "enter cboHsnXG" "click cmdWriHX"
    "type cboHsnYG 500" "enter cboHsnYG" "type cboHsnYU_0 200"
    "type cboM_h 15" "enter cboM_h"
    "type cboKabeSunRight(2) 150" "type cboKabeSunRight(0) 50" "click cmdWriKR"
    "type cboKabeSunDOWN(2) 120" "click cmdWriKD"
    "click optSin(1)" "click optSunpoIti(1)" "click optHasiraMoji(2)"
    "type cboHasiraKigou C2"
    "click cmdSakuzu"
)
ww_model_dump "$folder"
ww_start_quornel "$folder"
ww_click img_hasira_s 0
ww_model_dump "$folder" "click img_hasira_s(0)"
ww_type cboHsnXG "" 600
ww_key Return  # Enter in the box validates it and enables its parts
ww_click cmdWriHX
ww_type cboHsnYG "" 500
ww_key Return
ww_type cboHsnYU_0 "" 200
ww_type cboM_h "" 15
ww_key Return
ww_type cboKabeSunRight 2 150
ww_type cboKabeSunRight 0 50
ww_click cmdWriKR
ww_type cboKabeSunDOWN 2 120
ww_click cmdWriKD
ww_click optSin 1
ww_click optSunpoIti 1
ww_click optHasiraMoji 2
ww_type cboHasiraKigou "" C2
ww_click cmdSakuzu
ww_check "作図 ends the program" ww_wait_exit 20
ww_reference_run "$WW_WORK/drawing-before" "$WW_WORK/drawing-model" "${actions[@]}"
compare_outputs "drawing run" "$folder" "$WW_WORK/drawing-model"
ww_check "the typed total reached the previous values" \
    grep -q '^HsnXG,600' <(iconv -f CP932 -t UTF-8 "$folder/quornel_res.dat" | tr -d '\r')
ww_check "割 split the total in two" \
    grep -q '^HsnXU_0,300' <(iconv -f CP932 -t UTF-8 "$folder/quornel_res.dat" | tr -d '\r')
ww_check "leaving the part box computed the other part" \
    grep -q '^HsnYU_1,300' <(iconv -f CP932 -t UTF-8 "$folder/quornel_res.dat" | tr -d '\r')
ww_check "the symbol typed is drawn" grep -q 'C2' "$folder/JWC_TEMP.TXT"
header_echoed() {  # the header as read, without its leading "hq" entry, starts the file
    local size
    size=$(($(wc -c <"$1/TEMP.TXT") - 3))
    cmp -s <(tail -c +4 "$1/TEMP.TXT") <(head -c "$size" "$1/JWC_TEMP.TXT")
}
ww_check "the exchange header is echoed first" header_echoed "$folder"

# ---- 前回値 restores that drawing; 作図 draws it again --------------------------------------
rm -f "$folder/JWC_TEMP.TXT"
mv "$WW_WORK/drawing-model/JWC_TEMP.TXT" "$WW_WORK/first-drawing.txt"
snapshot "$folder" "$WW_WORK/repeat-before"
ww_model_dump "$folder"
ww_start_quornel "$folder"
ww_click cmdResData
ww_click cmdSakuzu
ww_check "作図 after 前回値 ends the program" ww_wait_exit 20
ww_reference_run "$WW_WORK/repeat-before" "$WW_WORK/repeat-model" "click cmdResData" "click cmdSakuzu"
compare_outputs "前回値 and 作図" "$folder" "$WW_WORK/repeat-model"
ww_check "前回値 gives the same drawing as the run it came from" \
    ww_same_file "$folder/JWC_TEMP.TXT" "$WW_WORK/first-drawing.txt"

# ---- 記号で呼出: the symbol typed, its column called back, 作図 draws it ------------------------
rm -f "$folder/JWC_TEMP.TXT"
snapshot "$folder" "$WW_WORK/kigou-before"
ww_model_dump "$folder"
ww_start_quornel "$folder"
ww_type cboHasiraKigou "" C2
ww_click cmdKigouData
ww_click cmdSakuzu
ww_check "作図 after 記号で呼出 ends the program" ww_wait_exit 20
ww_reference_run "$WW_WORK/kigou-before" "$WW_WORK/kigou-model" "type cboHasiraKigou C2" \
    "click cmdKigouData" "click cmdSakuzu"
compare_outputs "記号で呼出 and 作図" "$folder" "$WW_WORK/kigou-model"
ww_check "記号で呼出 gives the drawing made under that symbol" \
    ww_same_file "$folder/JWC_TEMP.TXT" "$WW_WORK/first-drawing.txt"

# ---- quornel.exe --repeat: the same drawing without a window --------------------------------
snapshot "$WW_WORK/repeat-before" "$WW_WORK/repeat-headless"
(cd "$WW_WORK/repeat-headless" && wine ./quornel.exe --repeat >/dev/null 2>&1)
ww_check "--repeat draws the previous values again" \
    ww_same_file "$WW_WORK/repeat-headless/JWC_TEMP.TXT" "$WW_WORK/first-drawing.txt"
# Without previous values it says so in a message box and writes nothing.
norepeat="$(ww_program_folder norepeat)"
(cd "$norepeat" && exec wine ./quornel.exe --repeat >/dev/null 2>&1) &
repeat_pid=$!
if box="$(ww_wait_box quornel)"; then
    xwd -id "$box" -silent | convert xwd:- "$(ww_screenshot_dir)/repeat_message.png"
    ww_answer quornel ok
    ww_pass "--repeat without previous values shows a message"
else
    ww_fail "--repeat without previous values showed no message"
fi
wait "$repeat_pid" 2>/dev/null
ww_check "--repeat without previous values writes no drawing" test ! -e "$norepeat/JWC_TEMP.TXT"

# ---- 交点ごと: the tenth choice and its check boxes clicked, the walls unjoined, 作図 ------------
folder="$(ww_floor_folder floor)"
snapshot "$folder" "$WW_WORK/floor-before"
actions=(
    "type cboHsnXG 600" "enter cboHsnXG" "click cmdWriHX"
    "type cboHsnYG 600" "enter cboHsnYG" "click cmdWriHY"
    "click img_hasira_s(9)"
    "type cboKabeSunUp(2) 150" "click cmdWriKU"
    "click chkKabeTunagu" "click chkSunpoHitotu"
    "type cboKabeSunDOWN(2) 180" "click cmdWriKD"
    "type cboKabeSunRight(2) 120" "click cmdWriKR"
    "click cmdSakuzu"
)
ww_model_dump "$folder"
ww_start_quornel "$folder"
ww_split_column 600 600
ww_click img_hasira_s 9
ww_model_dump "$folder" "click img_hasira_s(9)"
ww_type cboKabeSunUp 2 150
ww_click cmdWriKU
ww_click chkKabeTunagu
ww_click chkSunpoHitotu
ww_type cboKabeSunDOWN 2 180
ww_click cmdWriKD
ww_type cboKabeSunRight 2 120
ww_click cmdWriKR
ww_click cmdSakuzu
ww_check "作図 of 交点ごと ends the program" ww_wait_exit 20
ww_reference_run "$WW_WORK/floor-before" "$WW_WORK/floor-model" "${actions[@]}"
compare_outputs "交点ごと" "$folder" "$WW_WORK/floor-model"
ww_check "the clicked check boxes reached the previous values" \
    test "$(iconv -f CP932 -t UTF-8 "$folder/quornel_res.dat" | tr -d '\r' | tail -3 | tr '\n' ' ')" = \
    "KabeTunagu_d,0 SunpoHitotu_d,1 GaisyuKabe_d,0 "
ww_check "the unjoined wall below kept its own thickness" \
    grep -q '^KabeSunDOWN_d_2,180' <(iconv -f CP932 -t UTF-8 "$folder/quornel_res.dat" | tr -d '\r')

# ---- Tab: the reading order, the whole text selected on the way in, Shift+Tab, the arrow keys ----
# The keys alone take the person from box to box: each digit typed replaces what the box held
# (「7」, not 「70」; 「C2」, not 「C1C2」), and the files are those of the same session replayed in the model.
folder="$(ww_program_folder tab)"
snapshot "$folder" "$WW_WORK/tab-before"
actions=(
    "type cboHsnXG 600" "tab" "click cmdWriHX"
    "tab" "type cboKabeSunDOWN(3) 7" "tab" "type cboKabeSunDOWN(2) 150" "tab" "click cmdWriKD"
    "shift-tab" "type cboKabeSunDOWN(2) 180" "tab" "click cmdWriKD"
    "type cboHsnYG 600" "tab" "click cmdWriHY"
    "type cboM_h 0" "tab" "tab" "click optSunpoIti(3)" "tab" "click optHasiraMoji(3)"
    "tab" "type cboHasiraKigou C2" "click cmdSakuzu"
)
ww_model_dump "$folder"
ww_start_quornel "$folder"
ww_type cboHsnXG "" 600
ww_key Tab    # its 「割」
ww_key space
ww_key Tab    # past the parts of the wall below, which wait for its thickness
ww_key 7
ww_key Tab    # the wall's thickness
ww_key 1 5 0
ww_key Tab    # its 「割」
ww_key space
ww_key shift+Tab
ww_key 1 8 0  # over the 150 selected
ww_key Tab
ww_key space
ww_type cboHsnYG "" 600
ww_key Tab
ww_key space
ww_click cboM_h
ww_key Tab    # 壁増打, left as it is: the wall's own extra thickness stays
ww_key Tab    # 寸法位置: one stop at its chosen button, the arrow keys choose
ww_key Left
ww_key Tab    # 柱記号位置
ww_key Up
ww_key Tab    # 柱記号, whose 「C1」 the symbol typed replaces
xdotool type --delay 60 C2
ww_click cmdSakuzu
ww_check "作図 after a session of keys ends the program" ww_wait_exit 20
ww_reference_run "$WW_WORK/tab-before" "$WW_WORK/tab-model" "${actions[@]}"
compare_outputs "Tab" "$folder" "$WW_WORK/tab-model"
res_line() { iconv -f CP932 -t UTF-8 "$folder/quornel_res.dat" | tr -d '\r' | grep -x "$1"; }
ww_check "a digit typed after Tab replaced the box's 0, and 壁増打 passed kept it" \
    res_line 'KabeSunDOWN_d_3,7'
ww_check "Shift+Tab selected the thickness typed over" res_line 'KabeSunDOWN_d_2,180'
ww_check "the 「割」 reached with Tab split the new thickness" res_line 'KabeSunDOWN_d_0,90'
ww_check "Tab went from 柱幅 X to its 「割」" res_line 'HsnXU_0,300'
ww_check "the arrow keys chose 寸法位置" res_line 'SunpoIti_d,3'
ww_check "the arrow keys chose 柱記号位置" res_line 'HasiraIti_d,3'
ww_check "the symbol typed after Tab replaced 「C1」" res_line 'HasiraKigou_d,C2'

# ---- キャンセル writes nothing ------------------------------------------------------------------
folder="$(ww_program_folder cancel)"
snapshot "$folder" "$WW_WORK/cancel-before"
ww_model_dump "$folder"
ww_start_quornel "$folder"
ww_type cboHsnXG "" 700
ww_key Return
ww_click cmdClose
ww_check "キャンセル ends the program" ww_wait_exit 20
ww_check "キャンセル writes no drawing" test ! -e "$folder/JWC_TEMP.TXT"
ww_check "キャンセル writes no previous values" test ! -e "$folder/quornel_res.dat"
ww_check "キャンセル leaves the pick lists alone" cmp -s "$folder/quornel.dat" "$WW_WORK/cancel-before/quornel.dat"
ww_check "nothing else appeared in the folder" \
    test "$(ls "$folder" | sort)" = "$(ls "$WW_WORK/cancel-before" | sort)"

# ---- Esc: a dropped-down list closes first, then the window, writing nothing -------------------
folder="$(ww_program_folder escape)"
snapshot "$folder" "$WW_WORK/escape-before"
ww_model_dump "$folder"
ww_start_quornel "$folder"
ww_type cboHsnXG "" 700
xdotool mousemove --sync "$WW_MAIN_X" "$((WW_MAIN_Y - 10))"  # no tip in the way
ww_key F4
ww_check "F4 drops the box's list down" test -n "$(ww_popups "$WW_MAIN")"
ww_key Escape
ww_check "Esc in a dropped-down list closes only the list" test -z "$(ww_popups "$WW_MAIN")"
ww_check "the window stays open after that Esc" kill -0 "$WW_MAIN_PID"
ww_key Escape
ww_check "Esc ends the program" ww_wait_exit 20
ww_reference_run "$WW_WORK/escape-before" "$WW_WORK/escape-model" "type cboHsnXG 700" "escape"
for run in "window:$folder" "model:$WW_WORK/escape-model"; do
    f="${run#*:}"
    ww_check "Esc writes nothing (${run%%:*})" \
        test "$(cd "$f" && ls | grep -v '^script\.' | sort)" = "$(ls "$WW_WORK/escape-before" | sort)"
    ww_check "Esc leaves the pick lists alone (${run%%:*})" \
        cmp -s "$f/quornel.dat" "$WW_WORK/escape-before/quornel.dat"
done

# ---- リセット on tab 作図: No keeps the inputs, Yes clears them ------------------------------
folder="$(ww_program_folder reset)"
snapshot "$folder" "$WW_WORK/reset-before"
ww_model_dump "$folder"
ww_start_quornel "$folder"
ww_type cboM_h "" 25
ww_key Return
ww_click cmdReset
ww_answer 設定リセット no
ww_type cboHsnXG "" 800
ww_key Return
ww_click cmdWriHX
ww_type cboHsnYG "" 800
ww_key Return
ww_click cmdWriHY
ww_click img_hasira_s 8
ww_model_dump "$folder" "click img_hasira_s(8)"
ww_click cmdSakuzu
ww_check "作図 after a refused リセット ends the program" ww_wait_exit 20
ww_reference_run "$WW_WORK/reset-before" "$WW_WORK/reset-no-model" \
    "type cboM_h 25" "enter cboM_h" "answer no" "click cmdReset" \
    "type cboHsnXG 800" "enter cboHsnXG" "click cmdWriHX" \
    "type cboHsnYG 800" "enter cboHsnYG" "click cmdWriHY" "click img_hasira_s(8)" "click cmdSakuzu"
compare_outputs "リセット answered No" "$folder" "$WW_WORK/reset-no-model"
ww_check "No kept the column extra thickness" \
    grep -q '^M_h,25' <(iconv -f CP932 -t UTF-8 "$folder/quornel_res.dat" | tr -d '\r')

folder="$(ww_program_folder reset-yes)"
snapshot "$folder" "$WW_WORK/reset-yes-before"
ww_model_dump "$folder"
ww_start_quornel "$folder"
ww_type cboM_h "" 25
ww_key Return
ww_click cmdReset
ww_answer 設定リセット yes
ww_model_dump "$folder" "answer yes" "click cmdReset"
ww_type cboHsnXG "" 400
ww_key Return
ww_click cmdWriHX
ww_type cboHsnYG "" 400
ww_key Return
ww_click cmdWriHY
ww_click cmdSakuzu
ww_check "作図 after リセット ends the program" ww_wait_exit 20
ww_reference_run "$WW_WORK/reset-yes-before" "$WW_WORK/reset-yes-model" \
    "type cboM_h 25" "enter cboM_h" "answer yes" "click cmdReset" \
    "type cboHsnXG 400" "enter cboHsnXG" "click cmdWriHX" \
    "type cboHsnYG 400" "enter cboHsnYG" "click cmdWriHY" "click cmdSakuzu"
compare_outputs "リセット answered Yes" "$folder" "$WW_WORK/reset-yes-model"
ww_check "Yes cleared the column extra thickness" \
    grep -q '^M_h,0' <(iconv -f CP932 -t UTF-8 "$folder/quornel_res.dat" | tr -d '\r')

# ---- 基本設定: choose pens, save them to the registry, リセット ------------------------------
settei='HKCU\Software\Norvale\quornel\SETTEI'
reg_value() {  # NAME -> the DWORD as a number, empty when missing
    local raw
    raw="$(wine reg query "$settei" /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n { print $3 }')"
    if [ -n "$raw" ]; then echo $((raw)); fi
}
tab_page() {  # PAGE: click on the page's tab at the top of the tab control
    local rect x y
    rect="$(ww_rect SSTab1 1)"
    x="$(echo "$rect" | awk -v p="$1" '{ printf "%d", $1 / 15 + (p == 0 ? 25 : 85) }')"
    y="$(echo "$rect" | awk '{ printf "%d", $2 / 15 + 10 }')"
    xdotool mousemove --sync $((WW_MAIN_X + x)) $((WW_MAIN_Y + y)) click 1
    sleep 0.5
}
choose() {  # NAME STEPS: open the list with a click, go down STEPS entries, Enter
    ww_click "$1"
    local i
    for i in $(seq 1 "$2"); do xdotool key Down; done
    ww_key Return
}
wine reg delete 'HKCU\Software\Norvale' /f >/dev/null 2>&1
folder="$(ww_program_folder settings)"
ww_model_dump "$folder" "click SSTab1(1)"
ww_start_quornel "$folder"
tab_page 1
choose cbo_h_ly 2
choose cbo_k_nPenColor 3
choose cbo_kh_nPenStyle 8
choose cbo_hm_cn 9
ww_click cmdS_hozon
ww_answer 設定保存 ok
ww_check "基本設定保存 stored the chosen layer" test "$(reg_value IHasira_ly)" = 2
ww_check "基本設定保存 stored the chosen colour" test "$(reg_value Kabe_pc)" = 3
ww_check "基本設定保存 stored the chosen line type" test "$(reg_value KHasira_ps)" = 8
ww_check "基本設定保存 stored the chosen text type" test "$(reg_value Kigou_cn)" = 9
ww_check "基本設定保存 stored an untouched list as its first entry" test "$(reg_value Sunpou_ly)" = 0
ww_click cmdS_reset
ww_answer 設定リセット no
ww_click cmdS_hozon
ww_answer 設定保存 ok
ww_check "リセット answered No kept the choices" test "$(reg_value IHasira_ly)" = 2
ww_click cmdS_reset
ww_answer 設定リセット yes
ww_check "リセット does not touch the registry by itself" test "$(reg_value Kabe_pc)" = 3
ww_click cmdS_hozon
ww_answer 設定保存 ok
ww_check "リセット answered Yes chose the first entries" \
    test "$(reg_value IHasira_ly)$(reg_value Kabe_pc)$(reg_value KHasira_ps)$(reg_value Kigou_cn)" = 0000
# Back from 基本設定保存 into the frame 「塗り」 with Shift+Tab, a choice with the arrow key,
# and on with Tab to the button, which the space bar presses.
ww_key shift+Tab shift+Tab shift+Tab
ww_key Down
ww_key Tab Tab Tab space
ww_answer 設定保存 ok
ww_check "Tab and the keys reached 「柱の塗り」 and 基本設定保存" test "$(reg_value Nuri_Hasira)" = 1
tab_page 0
ww_model_dump "$folder"
ww_click cmdClose
ww_check "キャンセル on tab 作図 after the settings ends the program" ww_wait_exit 20

ww_finish
