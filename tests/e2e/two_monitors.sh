# On a desktop with a monitor left of the primary (Xorg's dummy driver, tools/wine-env.sh), in a
# prefix of its own: the window tests of such a desktop, then the real exe: the notification icon's
# menu starts the cycle, which puts the pointer on both monitors. Root x is Windows x plus 1280 here.
export WANDERPOINT_WINEPREFIX="$(cd "$(dirname "$0")/../.." && pwd)/build/wineprefix-2mon"
. "$(dirname "$0")/e2e-lib.sh"
trap 'stop_app; wine_teardown' EXIT
two_monitor_display_ready || fail "no display with two monitors"
wine_two_monitor_prefix_ready
wine_session_ready
"$WINE" reg delete 'HKCU\Software\Wanderpoint' /f >/dev/null 2>&1 || true
out=$("$WINE" "$3" --gtest_filter='MainWindow.Positions*' 2>&1 </dev/null) || fail "on two monitors: $out"
grep -q 'PASSED.* 1 test' <<<"$out" && ! grep -q SKIPPED <<<"$out" || fail "the two-monitor window test did not run: $out"
for entry in "Position1 x -680" "Position1 y 300" "Position2 x 300" "Position2 y 20" "Settings interval 1"; do
    set -- $entry && "$WINE" reg add "HKCU\\Software\\Wanderpoint\\$1" /v "$2" /d "$3" /f >/dev/null; done
start_app
tray=$(xdotool search --name '^Wine System Tray$' | head -1)
[ -n "$tray" ] || fail "no notification area"
eval "$(xdotool getwindowgeometry --shell "$tray")"
xdotool mousemove $((X + 8)) $((Y + 8)) click 3
sleep 0.5
xdotool key Down Return
expect_soon "600 300" "the pointer on the left monitor after Start moving in the icon's menu" pointer
expect_soon "1580 20" "the pointer on the primary at the next switch" pointer
close_app
echo "e2e two monitors: ok"
