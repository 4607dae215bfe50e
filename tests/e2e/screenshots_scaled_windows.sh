#!/usr/bin/env bash
# quornel.exe's window at 150 % display scaling (144 DPI, Wine's LogPixels) under Wine: its
# size, every list's items measured against the list by the window's own tests at this
# scaling, and pictures for people to look at (BUILD_DIR/screenshots/*_150*.png): both pages,
# a tip, 「交点ごと」 with its check boxes, and the lists dropped down.
# Usage: screenshots_scaled_windows.sh BUILD_DIR SOURCE_DIR
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine_window.bash
source "$here/wine_window.bash"
wine_window_setup "$1" "$2" screenshots-150
ww_use_dpi 144

shots="$(ww_screenshot_dir)"
folder="$(ww_program_folder screenshots-150)"
ww_model_dump "$folder"
ww_start_quornel "$folder"
# 11700 × 9250 twips outside.
ww_check "the window's outer size at 150 %" test "${WW_MAIN_W}x${WW_MAIN_H}" = 1170x925
ww_shot "$WW_MAIN" "$shots/sakuzu_150.png"

ww_hover cboHsnXU_0
ww_check "a tip shows at 150 %" test -n "$(ww_popups "$WW_MAIN")"
ww_shot "$WW_MAIN" "$shots/sakuzu_tip_150.png"

# The page of the settings, by the keyboard; then each kind of list dropped down.
xdotool key ctrl+Tab
# The page is repainted control by control; under load that takes a while.
sleep 3
ww_shot "$WW_MAIN" "$shots/kihon_settei_150.png"
ww_shot_lists "$shots/kihon_settei_150" cbo_h_ly:layers cbo_h_nPenStyle:line_types \
    cbo_hm_cn:text_types

xdotool mousemove --sync $((WW_MAIN_X - WW_FRAME_X + WW_MAIN_W - 10)) $((WW_MAIN_Y - WW_FRAME_Y + 10)) click 1
ww_check "closing the window ends the program" ww_wait_exit 20

# 「交点ごと」 chosen over six crossings: its check boxes open, the longest on two lines.
floor="$(ww_floor_folder screenshots-150-floor)"
ww_model_dump "$floor"
ww_start_quornel "$floor"
ww_click img_hasira_s 9
ww_model_dump "$floor" "click img_hasira_s(9)"
ww_click chkGaisyuKabe
xdotool mousemove --sync "$WW_MAIN_X" "$((WW_MAIN_Y - 10))"
sleep 0.5
ww_shot "$WW_MAIN" "$shots/sakuzu_floor_150.png"
ww_click cmdClose
ww_check "キャンセル at 150 % ends the program" ww_wait_exit 20

# The window's own tests of the tips and the lists, at this scaling: a list item that does
# not show whole fails here.
exe="$WW_BUILD/tests/test_win32.exe"
if [ -f "$exe" ]; then
    if QUORNEL_WINDOW_TESTS=1 wine "$exe" --gtest_filter='TipTest.*' --gtest_brief=1 \
        >"$WW_WORK/tests.out" 2>&1; then
        ww_pass "the tips and the lists at 150 %"
    else
        cat "$WW_WORK/tests.out" >&2
        ww_fail "the tips and the lists at 150 %"
    fi
fi
ww_finish
