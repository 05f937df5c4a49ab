# The markers and the main window's commands seen from outside: a real drag of the blue disc, its
# test image, and a click beside the disc that goes to the window below.
. "$(dirname "$0")/e2e-lib.sh"
"$WINE" reg delete 'HKCU\Software\Wanderpoint' /f >/dev/null 2>&1 || true
probe_pid=""
trap 'stop_app; if [ -n "$probe_pid" ]; then kill "$probe_pid" 2>/dev/null || true; fi' EXIT

# Waits until a control of the main window reads the given text, for up to 3 seconds.
wait_text() { expect_soon "$2" "$1" inspect text "$main_title" "$1"; }

start_app
click_control "$main_title" Check1
expect_eq "$(inspect checked "$main_title" Check1)" "1" "Show helpers"
inspect wait circle 5000 || fail "no marker appeared"

# Position 2 is (400, 400): the blue disc's centre. Drag it right by 10 pixels.
xdotool mousemove 400 400 mousedown 1
sleep 0.3
xdotool mousemove 405 400
sleep 0.2
xdotool mousemove 410 400
sleep 0.3
xdotool mouseup 1
wait_text Text3 410
wait_text Text4 400

# Its test image puts the X pointer on the new position 2 at once.
xdotool mousemove 700 700
click_control "$main_title" Image2
expect_soon "410 400" "the pointer after a click on the test image of position 2" pointer

# The disc's square now runs from (389, 379) to (430, 420); its corner pixel (390, 380) lies
# outside the disc, so a click there belongs to the window underneath.
probe_out="$(mktemp)"
inspect probe 350 340 120 120 15000 >"$probe_out" &
probe_pid=$!
inspect wait probe 10000 || fail "the probe window did not appear"
xdotool mousemove 390 380 click 1
wait "$probe_pid" || fail "the click at (390, 380) did not reach the window under the marker"
probe_pid=""
expect_eq "$(tr -d '\r' <"$probe_out")" "390 380" "the click seen by the window under the marker"
rm -f "$probe_out"
expect_eq "$(inspect text "$main_title" Text3)" "410" "position 2 after the click beside the disc"

# Unticking hides both markers; closing saves the dragged position and the tick.
click_control "$main_title" Check1
inspect gone circle 5000 || fail "the markers are still shown after unticking"
click_control "$main_title" Check1
inspect wait circle 5000 || fail "the markers did not come back"
click_control "$main_title" Text1
xdotool key alt+F4
wait_app_exit 10
expect_eq "$(reg_value Position2 x)" "410" "Position2/x"
expect_eq "$(reg_value Settings ShowHelpers)" "1" "Settings/ShowHelpers"
echo "e2e markers and commands: ok"
