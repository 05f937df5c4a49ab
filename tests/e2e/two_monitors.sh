# On a desktop with a monitor left of the primary (Xorg's dummy driver, tools/wine-env.sh), in a prefix
# of its own: the window tests, then the real exe, whose notification icon's menu starts the cycle onto
# both monitors (root x is Windows x plus 1280 here); then the window tests on a screen 11000 pixels wide.
export WANDERPOINT_WINEPREFIX="$(cd "$(dirname "$0")/../.." && pwd)/build/wineprefix-2mon"
. "$(dirname "$0")/e2e-lib.sh"
trap 'stop_app; wine_teardown' EXIT
two_monitor_display_ready || fail "no display with two monitors"
wine_two_monitor_prefix_ready && wine_session_ready
"$WINE" reg delete 'HKCU\Software\Wanderpoint' /f >/dev/null 2>&1 || true
window_test() {
    out=$("$WINE" "$window_tests" --gtest_filter='MainWindow.Positions*' 2>&1 </dev/null) || fail "on $1: $out"
    grep -q 'PASSED.* 1 test' <<<"$out" && ! grep -q SKIPPED <<<"$out" || fail "the window test did not run on $1: $out"
}
window_tests=$3 && window_test "two monitors"
for entry in "Position1 x -680" "Position1 y 300" "Position2 x 300" "Position2 y 20" "Settings interval 1"; do
    set -- $entry && "$WINE" reg add "HKCU\\Software\\Wanderpoint\\$1" /v "$2" /d "$3" /f >/dev/null; done
start_app
tray=$(xdotool search --name '^Wine System Tray$' | head -1)
[ -n "$tray" ] || fail "no notification area"
eval "$(xdotool getwindowgeometry --shell "$tray")"
xdotool mousemove $((X + 8)) $((Y + 8)) click 3 sleep 0.5 key Down Return
expect_soon "600 300" "the pointer on the left monitor after Start moving in the icon's menu" pointer
expect_soon "1580 20" "the pointer on the primary at the next switch" pointer
close_app
wine_teardown && WANDERPOINT_FORCE_XVFB=1 WANDERPOINT_XVFB_SCREEN=11000x800x24 display_ready && wine_session_ready
window_test "a desktop 11000 pixels wide"
echo "e2e two monitors: ok"
