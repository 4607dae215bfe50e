#!/usr/bin/env bash
# uninstall.exe's window under Wine: 「ＯＫ」 clicked or pressed with Enter removes quornel's
# registry key (and only that), a second use finds nothing to remove, and a key that
# holds something besides quornel's settings is left in place.
# Usage: uninstall_windows.sh BUILD_DIR SOURCE_DIR
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine_window.bash
source "$here/wine_window.bash"
wine_window_setup "$1" "$2" uninstall

if [ ! -f "$WW_BUILD/uninstall.exe" ]; then
    ww_log "SKIP: uninstall.exe has not been built"
    exit 0
fi

key_exists() { wine reg query "$1" >/dev/null 2>&1; }
add_settings() {
    wine reg add 'HKCU\Software\Norvale\quornel\SETTEI' /v IHasira_ly /t REG_DWORD /d 2 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Norvale\quornel\SETTEI' /v Kigou_cn /t REG_DWORD /d 9 /f >/dev/null 2>&1
}

wine reg delete 'HKCU\Software\Norvale' /f >/dev/null 2>&1
folder="$(ww_program_folder uninstall)"
(cd "$folder" && exec wine ./uninstall.exe >"$WW_WORK/uninstall.out" 2>&1) &
pid=$!
if ! form="$(ww_find_window "quornel の設定の削除")"; then
    ww_fail "uninstall.exe showed no window"
    ww_finish
fi
sleep 1
geo="$(xdotool getwindowgeometry --shell "$form")"
left="$(printf '%s\n' "$geo" | sed -n 's/^X=//p')"
top="$(printf '%s\n' "$geo" | sed -n 's/^Y=//p')"
width="$(printf '%s\n' "$geo" | sed -n 's/^WIDTH=//p')"
height="$(printf '%s\n' "$geo" | sed -n 's/^HEIGHT=//p')"
ww_check "the window's client area is 3615 × 1500 twips" \
    test "$((width - 2 * WW_FRAME_X))x$((height - WW_FRAME_Y - WW_FRAME_X))" = 241x100
ww_shot "$form" "$(ww_screenshot_dir)/uninstall.png"
# 「ＯＫ」 at 1290, 960, 975 × 375 twips in the client area.
ok_x=$((left + WW_FRAME_X + (1290 + 975 / 2) / 15))
ok_y=$((top + WW_FRAME_Y + (960 + 375 / 2) / 15))
press_ok() { xdotool mousemove --sync "$ok_x" "$ok_y" click 1; sleep 0.5; }

add_settings
ww_check "the settings are there before" key_exists 'HKCU\Software\Norvale\quornel\SETTEI'
press_ok
box="$(ww_wait_box uninstall)" && xwd -id "$box" -silent | convert xwd:- "$(ww_screenshot_dir)/uninstall_deleted.png"
ww_answer uninstall ok
ww_check "ＯＫ removed quornel's key" bash -c "! wine reg query 'HKCU\\Software\\Norvale\\quornel' >/dev/null 2>&1"
ww_check "the maker's key stays" key_exists 'HKCU\Software\Norvale'

press_ok
ww_answer uninstall ok
ww_check "a second ＯＫ finds nothing and changes nothing" key_exists 'HKCU\Software\Norvale'

# Enter on the focused button does the same as a click.
add_settings
xdotool key Return
sleep 0.5
ww_answer uninstall ok
ww_check "Enter on ＯＫ removed quornel's key" bash -c "! wine reg query 'HKCU\\Software\\Norvale\\quornel' >/dev/null 2>&1"

# Something else lives under quornel's key: it must not be deleted, and the user is told.
add_settings
wine reg add 'HKCU\Software\Norvale\quornel\Other' /v Keep /d yes /f >/dev/null 2>&1
press_ok
box="$(ww_wait_box uninstall)" && xwd -id "$box" -silent | convert xwd:- "$(ww_screenshot_dir)/uninstall_not_deleted.png"
ww_answer uninstall ok
ww_check "a key with other contents stays" key_exists 'HKCU\Software\Norvale\quornel\Other'
ww_check "quornel's own settings went" bash -c "! wine reg query 'HKCU\\Software\\Norvale\\quornel\\SETTEI' >/dev/null 2>&1"

# The window stays open after each message; its close button ends the program.
ww_check "the window stays open" ww_window_exists "quornel の設定の削除"
xdotool mousemove --sync "$((left + width - 10))" "$((top + 10))" click 1
for i in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
ww_check "the close button ends uninstall.exe" bash -c "! kill -0 $pid 2>/dev/null"

ww_finish
