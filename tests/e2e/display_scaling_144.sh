# At 144 DPI, in a Wine prefix of its own: the window tests of layout and text fit, then the real exe:
# a marker dragged with the real pointer moves by physical pixels, and its test image puts the X
# pointer on the very pixel the boxes name.
export WANDERPOINT_WINEPREFIX="$(cd "$(dirname "$0")/../.." && pwd)/build/wineprefix-144"
. "$(dirname "$0")/e2e-lib.sh"
trap 'stop_app; "$WINESERVER" -k >/dev/null 2>&1 || true' EXIT

# Wine takes the system DPI from the user's desktop key, the older fonts key as a fallback. A
# process reads it once at start, so the prefix's server is restarted after the change.
wine_prefix_ready
for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    "$WINE" reg add "$key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
done
"$WINESERVER" -k >/dev/null 2>&1 || true
"$WINESERVER" -w
wine_session_ready
"$WINE" reg delete 'HKCU\Software\Wanderpoint' /f >/dev/null 2>&1 || true

out=$("$WINE" "$3" --gtest_filter='DisplayScaling.*:MainWindow.StatusLine*:MacroEditing.*Scale*' 2>&1 </dev/null) || fail "at 144 DPI: $out"
grep -q 'PASSED.* [1-9][0-9]* test' <<<"$out" || fail "no window test ran at 144 DPI: $out"

start_app
click_control "$main_title" Check1
inspect wait circle 5000 || fail "no marker appeared"
x=$(inspect text "$main_title" Text3)
y=$(inspect text "$main_title" Text4)
# A drag of 10 by 6 physical pixels from the disc's centre moves it by that, not by that scaled.
xdotool mousemove "$x" "$y" mousedown 1
sleep 0.3
xdotool mousemove $((x + 5)) $((y + 3))
sleep 0.2
xdotool mousemove $((x + 10)) $((y + 6))
sleep 0.3
xdotool mouseup 1
position2() { echo "$(inspect text "$main_title" Text3) $(inspect text "$main_title" Text4)"; }
expect_soon "$((x + 10)) $((y + 6))" "the dragged centre" position2

xdotool mousemove 700 700
click_control "$main_title" Image2
expect_soon "$((x + 10)) $((y + 6))" "the pointer after a click on the test image of position 2" pointer
echo "e2e display scaling at 144 DPI: ok"
