# The markers seen from outside: a real click beside the blue disc goes to the window below, and the
# marker choice is kept. (A real drag and the test image are checked at 144 DPI.)
. "$(dirname "$0")/e2e-lib.sh"
"$WINE" reg delete 'HKCU\Software\Wanderpoint' /f >/dev/null 2>&1 || true
probe_pid=""
trap 'stop_app; if [ -n "$probe_pid" ]; then kill "$probe_pid" 2>/dev/null || true; fi' EXIT

start_app
click_control "$main_title" Check1
expect_eq "$(inspect checked "$main_title" Check1)" "1" "Show helpers"
inspect wait circle 5000 || fail "no marker appeared"

# Position 2 is (400, 400): the disc's square runs from (379, 379) to (420, 420); its corner pixel
# (380, 380) lies outside the disc, so a click there belongs to the window underneath.
probe_out="$(mktemp)"
inspect probe 350 340 120 120 15000 >"$probe_out" &
probe_pid=$!
inspect wait probe 10000 || fail "the probe window did not appear"
xdotool mousemove 380 380 click 1
wait "$probe_pid" || fail "the click at (380, 380) did not reach the window under the marker"
probe_pid=""
expect_eq "$(tr -d '\r' <"$probe_out")" "380 380" "the click seen by the window under the marker"
rm -f "$probe_out"
expect_eq "$(inspect text "$main_title" Text3)" "400" "position 2 after the click beside the disc"

# Unticking hides both markers; closing saves the tick.
click_control "$main_title" Check1
inspect gone circle 5000 || fail "the markers are still shown after unticking"
click_control "$main_title" Check1
inspect wait circle 5000 || fail "the markers did not come back"
click_control "$main_title" Text1
xdotool key alt+F4
wait_app_exit 10
expect_eq "$(reg_value Settings ShowHelpers)" "1" "Settings/ShowHelpers"
echo "e2e markers and commands: ok"
