# The switching cycle seen from outside, then the settings kept across a restart.
. "$(dirname "$0")/e2e-lib.sh"
"$WINE" reg delete 'HKCU\Software\Wanderpoint' /f >/dev/null 2>&1 || true

start_app
click_control "$main_title" TimInt
xdotool key End BackSpace BackSpace 1
expect_eq "$(inspect text "$main_title" TimInt)" "1" "interval box"

xdotool mousemove 700 700
click_control "$main_title" Command3
pressed=$(now_ms)

# The period is 900 ms: position 1 first, position 2 one period later.
at_first="" at_second=""
while [ $(($(now_ms) - pressed)) -lt 4000 ] && [ -z "$at_second" ]; do
    where=$(pointer)
    if [ -z "$at_first" ] && [ "$where" = "0 0" ]; then at_first=$(now_ms); fi
    if [ -n "$at_first" ] && [ "$where" = "400 400" ]; then at_second=$(now_ms); fi
    sleep 0.02
done
# Stop at once, well inside the next period. (The pointer has left the window; without a window
# manager the keyboard follows the pointer, so stopping goes by a click.)
[ -n "$at_second" ] && click_control "$main_title" Command3
[ -n "$at_first" ] || fail "the pointer never reached position 1 (0,0)"
[ -n "$at_second" ] || fail "the pointer never reached position 2 (400,400)"
first=$((at_first - pressed))
period=$((at_second - at_first))
echo "first switch after ${first} ms, second ${period} ms later"
[ "$first" -ge 500 ] && [ "$first" -le 1600 ] || fail "first switch after ${first} ms, expected about 900"
[ "$period" -ge 600 ] && [ "$period" -le 1400 ] || fail "second switch ${period} ms later, expected about 900"

# Alt+F4 closes the window, which saves the six values and ends the program.
click_control "$main_title" Text3
xdotool key End BackSpace BackSpace BackSpace 5 5
xdotool key alt+F4
wait_app_exit 10
expect_eq "$(reg_value Position1 x)" "0" "Position1/x"
expect_eq "$(reg_value Position2 x)" "55" "Position2/x"
expect_eq "$(reg_value Settings interval)" "1" "Settings/interval"
expect_eq "$(reg_value Settings ShowHelpers)" "0" "Settings/ShowHelpers"

start_app
expect_eq "$(inspect text "$main_title" TimInt)" "1" "interval loaded"
expect_eq "$(inspect text "$main_title" Text3)" "55" "Position2/x loaded"
expect_eq "$(inspect text "$main_title" Command3)" "Start moving" "nothing starts by itself"
xdotool key alt+F4
wait_app_exit 10
echo "e2e switching and settings: ok"
