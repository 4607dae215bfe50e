# Shared by the *_windows.sh window tests: runs the real Windows programs under Wine in a
# private X display and drives them through the normal input path (xdotool clicks and
# keystrokes). Source it; then call `wine_window_setup BUILD_DIR SOURCE_DIR NAME`.
#
# Positions: a control is found where the window model says it is. The model's own state
# is read with `quornel.exe --script` (a "dump" after the same actions), converted from
# twips to pixels (96 DPI: 15 twips a pixel) and offset by its containers, exactly as the
# window places it. A control the window put elsewhere is therefore missed by the click,
# and the test fails on what lands on disk.

set -u

WW_BUILD=""
WW_SOURCE=""
WW_NAME=""
WW_XVFB_PID=""
WW_WORK=""
WW_FAILURES=0
# The display scaling the programs run at (ww_use_dpi): pixels per inch.
WW_DPI=96
# Client-area offset of a top-level window inside its frame as Wine draws it for an
# unmanaged window with its default metrics: 3-pixel border, 19-pixel caption.
WW_FRAME_X=3
WW_FRAME_Y=22
# Picture2 has a sunken 2-pixel edge; its controls are placed inside it.
WW_PICTURE_EDGE=2

ww_log() { printf '%s\n' "$*" >&2; }

ww_fail() {
    WW_FAILURES=$((WW_FAILURES + 1))
    ww_log "FAIL: $*"
}

ww_pass() { ww_log "ok: $*"; }

ww_check() {  # ww_check DESCRIPTION COMMAND...
    local what="$1"
    shift
    if "$@"; then ww_pass "$what"; else ww_fail "$what"; fi
}

ww_cleanup() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
    if [ -n "$WW_XVFB_PID" ]; then kill "$WW_XVFB_PID" 2>/dev/null || true; fi
    if [ -n "$WW_WORK" ] && [ -z "${WW_KEEP:-}" ]; then rm -rf "$WW_WORK"; fi
}

# Skips the test (exit 0 with a note) when something it needs is missing.
ww_require() {
    local tool
    for tool in wine wineserver Xvfb xdotool xwd convert jq; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            ww_log "SKIP: $tool is not installed"
            exit 0
        fi
    done
}

# Xvfb picks a free display number itself and reports it when it is ready: scripts that
# start at the same moment (ctest -j, or several checkouts on one machine) each get their
# own display instead of finding one another's.
ww_start_display() {
    # Xvfb picks a free display itself and reports it (-displayfd): two tests that start
    # at the same moment never share one, as they could when each probed for a free number
    # and the loser's checks then reached the winner's server.
    local number_file="$WW_WORK/display-number" i
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    WW_XVFB_PID=$!
    for i in $(seq 1 300); do
        if [ -s "$number_file" ]; then
            export DISPLAY=":$(tr -dc '0-9' <"$number_file")"
            if xdotool getdisplaygeometry >/dev/null 2>&1; then return 0; fi
        fi
        kill -0 "$WW_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill "$WW_XVFB_PID" 2>/dev/null
    WW_XVFB_PID=""
    ww_log "no X display"
    exit 1
}

ww_wine_prefix() {
    export WINEPREFIX="$WW_BUILD/wine-e2e-$WW_NAME"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    # Japanese window fonts: the UI font the program asks for is drawn with IPA Gothic.
    # Unmanaged windows: Wine draws the frames and captions itself (no window manager).
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d 'IPAPGothic' /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Gothic' /d 'IPAGothic' /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS PGothic' /d 'IPAPGothic' /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # The caption's buttons are glyphs of Wine's own Marlett font, which Debian's Wine keeps
    # out of the prefix's reach: without it Wine writes the glyph's letter (「r」 for the close
    # box), and the pictures would not look like the window on Windows.
    local marlett=/usr/share/wine/fonts/marlett.ttf fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ -f "$marlett" ] && [ ! -f "$fonts/marlett.ttf" ]; then
        mkdir -p "$fonts" && cp "$marlett" "$fonts/"
    fi
}

# The programs started from now on run at this display scaling (96: 100 %, 144: 150 %), as
# a user's Windows sets it: Wine's LogPixels in the prefix of this test.
ww_use_dpi() {  # DPI
    WW_DPI="$1"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
    # Wine's frame at that scaling (measured on its screenshots): the border stays 3 pixels,
    # the caption grows; the sunken edge of Picture2 grows with the scaling.
    case "$1" in
        144) WW_FRAME_Y=31 WW_PICTURE_EDGE=3 ;;
        *) WW_FRAME_Y=22 WW_PICTURE_EDGE=2 ;;
    esac
}

# Twips to pixels at the programs' scaling, rounded as the window rounds them.
ww_px() { echo "$1" | awk -v dpi="$WW_DPI" '{ printf "%d", $1 * dpi / 1440 + 0.5 }'; }

wine_window_setup() {  # BUILD_DIR SOURCE_DIR NAME
    WW_BUILD="$(cd "$1" && pwd)"
    WW_SOURCE="$(cd "$2" && pwd)"
    WW_NAME="$3"
    ww_require
    if [ ! -f "$WW_BUILD/quornel.exe" ]; then
        ww_log "SKIP: $WW_BUILD/quornel.exe has not been built"
        exit 0
    fi
    if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
        ww_log "SKIP: the ja_JP.UTF-8 locale is missing (Wine needs it for code page 932)"
        exit 0
    fi
    WW_WORK="$(mktemp -d)"
    trap ww_cleanup EXIT
    # The display first: Wine's desktop belongs to the display of the first process that
    # the prefix's server runs.
    ww_start_display
    ww_wine_prefix
}

# A program folder as a user has it, under a path with Japanese characters and a blank.
ww_program_folder() {  # NAME -> prints the folder
    local dir="$WW_WORK/図面 $1/quornel"
    mkdir -p "$dir"
    cp "$WW_BUILD/quornel.exe" "$WW_BUILD/uninstall.exe" "$dir/"
    cp "$WW_SOURCE/demo/TEMP.TXT" "$dir/"
    cp "$WW_BUILD/quornel.dat" "$WW_BUILD/quornel_d.dat" "$dir/"
    printf '%s\n' "$dir"
}

# The same folder, with a TEMP.TXT that hands over the six crossings of a 3 × 2 grid, 6000 apart
# across and 5000 up: 「交点ごと」 can be chosen.
# ww_split_column X Y: types 柱幅 X and 柱せい Y, each confirmed with Enter and split in half by
# its 「割」, as a person starts a column.
ww_split_column() {
    ww_type cboHsnXG "" "$1"
    ww_key Return
    ww_click cmdWriHX
    ww_type cboHsnYG "" "$2"
    ww_key Return
    ww_click cmdWriHY
}

ww_floor_folder() {  # NAME -> prints the folder
    local dir
    dir="$(ww_program_folder "$1")"
    sed -i '0,/^lg0\r$/s//hp1 6000 0\r\nhp2 12000 0\r\nhp3 0 5000\r\nhp4 6000 5000\r\nhp5 12000 5000\r\nlg0\r/' \
        "$dir/TEMP.TXT"
    printf '%s\n' "$dir"
}

ww_screenshot_dir() {
    local dir="$WW_BUILD/screenshots"
    mkdir -p "$dir"
    printf '%s\n' "$dir"
}

# ---- windows ------------------------------------------------------------------------------

# The X window of a top-level window with this exact title, the largest when several have
# it (the program's messages carry its title too). Waits up to 30 seconds.
ww_find_window() {  # TITLE [MIN_WIDTH]
    local title="$1" min="${2:-0}" i w best="" best_area=0
    for i in $(seq 1 300); do
        for w in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
            local geo width height
            geo="$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
            width="$(printf '%s\n' "$geo" | sed -n 's/^WIDTH=//p')"
            height="$(printf '%s\n' "$geo" | sed -n 's/^HEIGHT=//p')"
            if [ "$width" -ge "$min" ] && [ $((width * height)) -gt "$best_area" ]; then
                best="$w"
                best_area=$((width * height))
            fi
        done
        if [ -n "$best" ]; then
            printf '%s\n' "$best"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# True while a visible window with this title exists.
ww_window_exists() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

ww_wait_gone() {  # TITLE [SECONDS]
    local i
    for i in $(seq 1 $((${2:-20} * 10))); do
        ww_window_exists "$1" || return 0
        sleep 0.1
    done
    return 1
}

# A message box: a small window with the given title. Prints its id.
ww_wait_box() {  # TITLE
    local i w
    for i in $(seq 1 100); do
        for w in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
            local width
            width="$(xdotool getwindowgeometry --shell "$w" | sed -n 's/^WIDTH=//p')"
            if [ "$width" -lt 600 ]; then
                printf '%s\n' "$w"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# Answers the message box with this title: yes/ok (its default button, Enter) or no.
ww_answer() {  # TITLE yes|no|ok
    local box
    if ! box="$(ww_wait_box "$1")"; then
        ww_fail "no message box titled $1"
        return 1
    fi
    sleep 0.5
    # The box has the keyboard focus: Enter presses its default button (Yes), Tab moves
    # on to No.
    case "$2" in
        no) xdotool key Tab; sleep 0.2; xdotool key Return ;;
        *) xdotool key Return ;;
    esac
    local i
    for i in $(seq 1 50); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -qx "$box" || break
        sleep 0.1
    done
    sleep 0.3
}

# Starts quornel.exe in its folder and waits for its window. Sets WW_MAIN_X/Y (client
# origin on the screen) and WW_MAIN (X window).
ww_start_quornel() {  # FOLDER [ARGS...]
    local dir="$1"
    shift
    # Wine itself is started once before, so that the window test does not race with
    # the first start of a fresh prefix.
    wineserver -p >/dev/null 2>&1
    (cd "$dir" && exec wine ./quornel.exe "$@" >"$WW_WORK/quornel.out" 2>&1) &
    WW_MAIN_PID=$!
    # Its caption counts the crossings handed over (「quornel（6 か所）」); its messages, titled
    # 「quornel」 too, are narrower.
    if ! WW_MAIN="$(ww_find_window 'quornel.*' 600)"; then
        ww_fail "quornel.exe showed no window"
        return 1
    fi
    local geo
    geo="$(xdotool getwindowgeometry --shell "$WW_MAIN")"
    WW_MAIN_X=$(($(printf '%s\n' "$geo" | sed -n 's/^X=//p') + WW_FRAME_X))
    WW_MAIN_Y=$(($(printf '%s\n' "$geo" | sed -n 's/^Y=//p') + WW_FRAME_Y))
    WW_MAIN_W="$(printf '%s\n' "$geo" | sed -n 's/^WIDTH=//p')"
    WW_MAIN_H="$(printf '%s\n' "$geo" | sed -n 's/^HEIGHT=//p')"
    sleep 1
}

# Waits for quornel.exe to end (after 作図 or キャンセル).
ww_wait_exit() {  # [SECONDS]
    local i
    for i in $(seq 1 $((${1:-20} * 10))); do
        if ! kill -0 "$WW_MAIN_PID" 2>/dev/null; then
            wait "$WW_MAIN_PID" 2>/dev/null
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# ---- where the controls are -----------------------------------------------------------------

# Reads the window model's state after the given script lines (one per argument) by
# running the same program headless in a copy of the folder.
ww_model_dump() {  # FOLDER [SCRIPT LINES...]
    local dir="$1"
    shift
    local copy="$WW_WORK/dump-folder"
    rm -rf "$copy"
    cp -r "$dir" "$copy"
    local script="$copy/dump.txt"
    : >"$script"
    local line
    for line in "$@"; do printf '%s\n' "$line" >>"$script"; done
    printf 'dump\n' >>"$script"
    (cd "$copy" && wine ./quornel.exe --script dump.txt) >"$WW_WORK/dump.jsonl" 2>"$WW_WORK/dump.err"
    if ! grep -q '"state"' "$WW_WORK/dump.jsonl"; then
        ww_fail "the model dump did not run: $(cat "$WW_WORK/dump.err")"
    fi
}

# The rectangle in twips of a control in the last dump: "left top width height".
ww_rect() {  # NAME [INDEX]
    local index="${2:-null}"
    jq -r --arg name "$1" --argjson index "$index" \
        'select(.name == $name and .index == $index) | "\(.left) \(.top) \(.width) \(.height)"' \
        "$WW_WORK/dump.jsonl" | head -1
}

# Which container holds a control, as the window is built.
ww_container() {  # NAME
    case "$1" in
        SSTab1) echo frmMain ;;
        optSin) echo Frame1 ;;
        optSunpoIti) echo Frame2 ;;
        optHasiraMoji) echo Frame3 ;;
        cbo_nuri_hasira | cbo_nuri_kabe | cbo_nuri_pitch) echo Frame4 ;;
        cboHsn* | cboKabeSun* | cmdWriH* | cmdWriK*) echo Picture2 ;;
        *) echo SSTab1 ;;
    esac
}

# The screen point at the middle of a control.
ww_point() {  # NAME [INDEX] -> "X Y"
    local name="$1" index="${2:-null}"
    local rect container
    rect="$(ww_rect "$name" "$index")"
    if [ -z "$rect" ]; then
        ww_fail "no control $name($index) in the model"
        echo "0 0"
        return 1
    fi
    # Twips summed along the containers, then one conversion, as the window does it.
    local sum_x sum_y edge=0
    sum_x="$(echo "$rect" | awk '{ printf "%.3f", $1 + $3 / 2 }')"
    sum_y="$(echo "$rect" | awk '{ printf "%.3f", $2 + $4 / 2 }')"
    container="$(ww_container "$name")"
    while [ "$container" != frmMain ]; do
        local crect cindex=null
        [ "$container" = SSTab1 ] && cindex=1
        crect="$(ww_rect "$container" "$cindex")"
        sum_x="$(echo "$sum_x $crect" | awk '{ printf "%.3f", $1 + $2 }')"
        sum_y="$(echo "$sum_y $crect" | awk '{ printf "%.3f", $1 + $3 }')"
        [ "$container" = Picture2 ] && edge=$WW_PICTURE_EDGE
        container="$(ww_container "$container")"
    done
    local x y
    x="$(ww_px "$sum_x")"
    y="$(ww_px "$sum_y")"
    echo "$((WW_MAIN_X + x + edge)) $((WW_MAIN_Y + y + edge))"
}

# ---- acting as a person ---------------------------------------------------------------------

ww_click() {  # NAME [INDEX]
    local p
    p="$(ww_point "$@")"
    # shellcheck disable=SC2086
    xdotool mousemove --sync $p click 1
    sleep 0.4
}

# Rests the mouse on a control, arriving from its left as a hand does, until its tip shows.
ww_hover() {  # NAME [INDEX]
    local p
    p="$(ww_point "$@")"
    set -- $p
    xdotool mousemove --sync $(($1 - 6)) "$2"
    sleep 0.2
    xdotool mousemove --sync "$1" "$2"
    sleep 1.5
}

# Drops down each of the given lists of a page in turn, as a click does, and takes its picture
# (FILE_STEM_NAME.png); checks that the list showed.
ww_shot_lists() {  # FILE_STEM NAME:PICTURE_NAME...
    local stem="$1" list
    shift
    for list in "$@"; do
        ww_click "${list%:*}"
        sleep 0.5
        ww_check "the list ${list%:*} drops down" test -n "$(ww_popups "$WW_MAIN")"
        ww_shot "$WW_MAIN" "${stem}_${list#*:}.png"
        ww_key Escape
    done
}

# Clicks into a box, replaces its text by typing, and leaves the focus there.
ww_type() {  # NAME INDEX|"" TEXT
    local name="$1" index="${2:-}" text="$3"
    if [ -n "$index" ]; then ww_click "$name" "$index"; else ww_click "$name"; fi
    xdotool key Home shift+End BackSpace
    xdotool type --delay 40 "$text"
    sleep 0.2
}

ww_key() {
    xdotool key --delay 60 "$@"
    sleep 0.4
}

# The screen, cut to the given window, as a PNG.
ww_shot() {  # WINDOW FILE
    local geo x y w h
    geo="$(xdotool getwindowgeometry --shell "$1")"
    x="$(printf '%s\n' "$geo" | sed -n 's/^X=//p')"
    y="$(printf '%s\n' "$geo" | sed -n 's/^Y=//p')"
    w="$(printf '%s\n' "$geo" | sed -n 's/^WIDTH=//p')"
    h="$(printf '%s\n' "$geo" | sed -n 's/^HEIGHT=//p')"
    xwd -root -silent | convert xwd:- -crop "${w}x${h}+${x}+${y}" +repage "$2"
    # A dropped-down list and a tip are windows of their own, which the screen's picture shows
    # black: each is taken by itself and laid over the picture where it stands.
    local other px py pw ph
    while read -r other px py pw ph; do
        [ $((px + pw)) -le "$x" ] || [ "$px" -ge $((x + w)) ] && continue
        [ $((py + ph)) -le "$y" ] || [ "$py" -ge $((y + h)) ] && continue
        xwd -id "$other" -silent |
            convert "$2" xwd:- -geometry "+$((px - x))+$((py - y))" -composite "$2"
    done < <(ww_popups "$1")
}

# The windows that show now besides the given one and Wine's desktop (a tip, a dropped-down
# list, a message box): "ID X Y WIDTH HEIGHT" on the screen, one a line.
ww_popups() {  # WINDOW
    local screen other geo
    screen="$(xdotool getdisplaygeometry | tr ' ' x)"
    for other in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        [ "$other" = "$1" ] && continue
        geo="$(xdotool getwindowgeometry --shell "$other" 2>/dev/null)" || continue
        local px py pw ph
        px="$(printf '%s\n' "$geo" | sed -n 's/^X=//p')"
        py="$(printf '%s\n' "$geo" | sed -n 's/^Y=//p')"
        pw="$(printf '%s\n' "$geo" | sed -n 's/^WIDTH=//p')"
        ph="$(printf '%s\n' "$geo" | sed -n 's/^HEIGHT=//p')"
        [ "${pw}x${ph}" = "$screen" ] && continue
        printf '%s %s %s %s %s\n' "$other" "$px" "$py" "$pw" "$ph"
    done
}

# ---- what landed on disk ----------------------------------------------------------------------

# Runs the same actions through the window model headless, in a copy of the folder as it
# was before the window run, so that the two results can be compared byte for byte.
ww_reference_run() {  # FOLDER_BEFORE OUT_FOLDER [SCRIPT LINES...]
    local before="$1" out="$2"
    shift 2
    rm -rf "$out"
    cp -r "$before" "$out"
    : >"$out/actions.txt"
    local line
    for line in "$@"; do printf '%s\n' "$line" >>"$out/actions.txt"; done
    (cd "$out" && wine ./quornel.exe --script actions.txt) >"$out/script.out" 2>"$out/script.err"
    rm -f "$out/actions.txt"
}

ww_same_file() {  # A B
    if [ ! -f "$1" ]; then
        ww_log "  missing: $1"
        return 1
    fi
    if ! cmp -s "$1" "$2"; then
        ww_log "  differs: $1 vs $2"
        diff <(iconv -f CP932 -t UTF-8 "$1" 2>/dev/null || cat "$1") \
            <(iconv -f CP932 -t UTF-8 "$2" 2>/dev/null || cat "$2") | head -10 >&2
        return 1
    fi
}

ww_finish() {
    if [ "$WW_FAILURES" -gt 0 ]; then
        ww_log "$WW_FAILURES check(s) failed"
        WW_KEEP=1
        ww_log "work folder kept: $WW_WORK"
        exit 1
    fi
    ww_log "all checks passed"
    exit 0
}
