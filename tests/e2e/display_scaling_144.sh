# The program on a display of 144 DPI, in a Wine prefix of its own: the window tests of layout and
# text fit, then the real exe: a marker dropped where it was keeps its centre, a drag moves it by
# physical pixels, and a test image puts the X pointer on the very pixel its boxes name.
repo_root=$(cd "$(dirname "$0")/../.." && pwd)
export WANDERPOINT_WINEPREFIX="$repo_root/build/wineprefix-144"
. "$(dirname "$0")/e2e-lib.sh"
wine_tests_exe=$3
trap 'stop_app; "$WINESERVER" -k >/dev/null 2>&1 || true' EXIT

# Wine takes the system DPI from the user's desktop key, the older fonts key as a fallback. A
# process reads it once at start, so the prefix's server is restarted after the change.
wine_prefix_ready
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
"$WINE" reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' /v LogPixels \
    /t REG_DWORD /d 144 /f >/dev/null 2>&1
"$WINESERVER" -k >/dev/null 2>&1 || true
"$WINESERVER" -w
wine_session_ready
"$WINE" reg delete 'HKCU\Software\Wanderpoint' /f >/dev/null 2>&1 || true

gtest_out="$(mktemp)"
if ! "$WINE" "$wine_tests_exe" --gtest_filter='DisplayScaling.*:MainWindow.StatusLineFitsItsRoomWhole' \
    </dev/null >"$gtest_out" 2>&1; then
    tr -d '\r' <"$gtest_out" >&2
    fail "the window tests at 144 DPI"
fi
grep -q 'PASSED.* 3 tests' "$gtest_out" || { tr -d '\r' <"$gtest_out" >&2; fail "not every window test ran"; }
rm -f "$gtest_out"

start_app
click_control "$main_title" Check1
inspect wait circle 5000 || fail "no marker appeared"

# Position 2 is (400, 400), the blue disc's centre: a press and release there without moving writes
# the same centre back.
xdotool mousemove 400 400 mousedown 1
sleep 0.3
xdotool mouseup 1
sleep 0.5
expect_eq "$(inspect text "$main_title" Text3)" "400" "x after a drop without moving"
expect_eq "$(inspect text "$main_title" Text4)" "400" "y after a drop without moving"

# A drag of 10 physical pixels moves the centre by 10, not by 10 scaled.
xdotool mousemove 400 400 mousedown 1
sleep 0.3
xdotool mousemove 405 403
sleep 0.2
xdotool mousemove 410 406
sleep 0.3
xdotool mouseup 1
position2() { echo "$(inspect text "$main_title" Text3)/$(inspect text "$main_title" Text4)"; }
expect_soon "410/406" "the dragged centre" position2

# The test image puts the X pointer on the pixel the boxes name.
xdotool mousemove 700 700
click_control "$main_title" Image2
expect_soon "410 406" "the pointer after a click on the test image of position 2" pointer
echo "e2e display scaling at 144 DPI: ok"
