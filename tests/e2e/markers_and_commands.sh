# A real click beside the blue disc goes to the window below. (A real drag and the test image are
# checked at 144 DPI.)
. "$(dirname "$0")/e2e-lib.sh"
"$WINE" reg delete 'HKCU\Software\Wanderpoint' /f >/dev/null 2>&1 || true
probe_pid=""
trap 'stop_app; if [ -n "$probe_pid" ]; then kill "$probe_pid" 2>/dev/null || true; fi' EXIT

start_app
click_control "$main_title" Check1
inspect wait circle 5000 || fail "no marker appeared"

# Position 2 is (400, 400): the disc's square runs from (379, 379) to (420, 420); its corner pixel
# (380, 380) lies outside the disc, so a click there belongs to the window underneath.
probe_log="$(mktemp)"
"$WINE" "$inspector_exe" probe 350 340 120 120 "Z:${probe_log//\//\\}" 15000 &
probe_pid=$!
inspect wait probe 10000 || fail "the probe window did not appear"
xdotool mousemove 380 380 click 1
first_click() { tr -d '\r' <"$probe_log" | head -1; }
expect_soon "down 380 380" "the click seen by the window under the marker" first_click
rm -f "$probe_log"
expect_eq "$(inspect text "$main_title" Text3)" "400" "position 2 after the click beside the disc"

echo "e2e markers and commands: ok"
