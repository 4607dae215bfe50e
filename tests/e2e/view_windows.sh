#!/usr/bin/env bash
# The in-process tests of the native window (tests/win32) need a display to make their
# windows; ctest runs them without one, where they skip. Here they run inside a private X
# display under Wine, with real input.
# Usage: view_windows.sh BUILD_DIR SOURCE_DIR
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine_window.bash
source "$here/wine_window.bash"
wine_window_setup "$1" "$2" view
exe="$WW_BUILD/tests/test_win32.exe"
if [ ! -f "$exe" ]; then
    ww_log "SKIP: $exe has not been built"
    exit 0
fi
wineserver -p >/dev/null 2>&1
export QUORNEL_WINDOW_TESTS=1
if wine "$exe" --gtest_brief=1 >"$WW_WORK/view.out" 2>&1; then
    ww_pass "the window's in-process tests"
    grep -E '^\[  PASSED' "$WW_WORK/view.out" >&2
else
    cat "$WW_WORK/view.out" >&2
    ww_fail "the window's in-process tests"
fi
ww_finish
