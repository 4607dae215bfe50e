#!/usr/bin/env bash
# Pictures of quornel.exe's window under Wine, for people to look at: tab 作図 with the
# column shapes 0 (corner), 4 (crossing) and 8 (corner) in 柱芯 and in 壁芯, and tab
# 基本設定. They go to BUILD_DIR/screenshots (uninstall.exe's come from its own test).
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

# Some values, so that the schematic shows its boxes filled in.
ww_type cboHsnXG "" 600
ww_key Return
ww_click cmdWriHX
ww_type cboHsnYG "" 500
ww_key Return
ww_click cmdWriHY

for shape in 0 4 8; do
    ww_click img_hasira_s "$shape"
    for mode in 0 1; do
        ww_click optSin "$mode"
        name="sakuzu_shape${shape}_$([ "$mode" = 0 ] && echo column_centre || echo wall_centre).png"
        ww_shot "$WW_MAIN" "$shots/$name"
        ww_check "screenshot $name" test -s "$shots/$name"
    done
done

# The tab of the settings, clicked like a person would.
rect="$(ww_rect SSTab1 1)"
x="$(echo "$rect" | awk '{ printf "%d", $1 / 15 + 85 }')"
y="$(echo "$rect" | awk '{ printf "%d", $2 / 15 + 10 }')"
xdotool mousemove --sync $((WW_MAIN_X + x)) $((WW_MAIN_Y + y)) click 1
# The page is repainted control by control; under load that takes a while.
sleep 3
ww_shot "$WW_MAIN" "$shots/kihon_settei.png"
ww_check "screenshot kihon_settei.png" test -s "$shots/kihon_settei.png"

# The window is 11700 × 9250 twips outside: 780 × 617 pixels at 96 DPI.
ww_check "the window's outer size" test "${WW_MAIN_W}x${WW_MAIN_H}" = 780x617
ww_check "the window is centred on the screen" \
    test "$((WW_MAIN_X - WW_FRAME_X))x$((WW_MAIN_Y - WW_FRAME_Y))" = "$(((1280 - 780) / 2))x$(((1024 - 617) / 2))"

# The close button in the caption.
xdotool mousemove --sync $((WW_MAIN_X - WW_FRAME_X + WW_MAIN_W - 10)) $((WW_MAIN_Y - WW_FRAME_Y + 10)) click 1
ww_check "closing the window ends the program" ww_wait_exit 20
ww_check "closing the window writes nothing" test ! -e "$folder/JWC_TEMP.TXT"
ww_finish
