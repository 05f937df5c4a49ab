# The switching cycle stays out of the user's way: with the pause on it sits still while the user
# moves the pointer (the real pointer, moved from outside) and goes on when the user stops; with it
# off, it never switches while a button is held and switches at once on the release.
. "$(dirname "$0")/e2e-lib.sh"
trap stop_app EXIT
ms() { echo $(($(date +%s%N) / 1000000)); }
settings() {
    "$WINE" reg delete 'HKCU\Software\Wanderpoint' /f >/dev/null 2>&1 || true
    for entry in "Position1 x 150" "Position1 y 20" "Position2 x 250" "Position2 y 20" "Settings interval 1" \
        "Settings ShowHelpers 0" "Settings PauseWhileActive $1"; do
        set -- $entry
        "$WINE" reg add "HKCU\\Software\\Wanderpoint\\$1" /v "$2" /d "$3" /f >/dev/null
    done
}

settings 1
start_app
read -r x y < <(inspect center "$main_title" Label5)
click_control "$main_title" Command3
for i in $(seq 1 13); do
    xdotool mousemove $((x + i % 2 * 4)) "$y"
    sleep 0.3
    expect_eq "$(pointer)" "$((x + i % 2 * 4)) $y" "pointer while the user moves it (move $i)"
done
expect_soon "150 20" "the first switch once the user stopped" pointer
expect_soon "250 20" "the next switch: the program's own moves are not the user's" pointer
close_app

settings 0
start_app
click_control "$main_title" Command3
xdotool mousemove "$x" "$y" mousedown 1
sleep 2.5
expect_eq "$(pointer)" "$x $y" "pointer while the button is held"
xdotool mouseup 1
released=$(ms)
while [ "$(pointer)" != "150 20" ] && [ $(($(ms) - released)) -lt 2000 ]; do :; done
[ $(($(ms) - released)) -le 300 ] || fail "no switch within 0.3 s of the release: $(pointer) after $(($(ms) - released)) ms"
close_app
echo "e2e switch waits: ok"
