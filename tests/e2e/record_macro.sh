# A macro recorded from the real pointer (moved and pressed from outside, over a probe window of
# another process) plays back the same presses at the same pixels, the pause kept; the command
# line records too.
. "$(dirname "$0")/e2e-lib.sh"
work=$(mktemp -d /tmp/wp-e2e.XXXXXX)
probe_pid=""
trap 'stop_app; [ -z "$probe_pid" ] || kill "$probe_pid" 2>/dev/null; rm -rf "$work"' EXIT
winpath() { echo "Z:${1//\//\\}"; }
presses() { tr -d '\r' <"$work/clicks.log" | awk '{print $1, $2, $3}' | paste -sd ' '; }
# The time of each press after the first one's, in ms, for the eight lines from line $1 on.
gaps() { tr -d '\r' <"$work/clicks.log" | awk -v from="$1" 'NR >= from && NR < from + 8 && $1 ~ /down/ {if (!t0) t0 = $4; printf "%d ", $4 - t0} END {print ""}'; }
"$WINE" reg delete 'HKCU\Software\Wanderpoint' /f >/dev/null 2>&1 || true
"$WINE" "$inspector_exe" probe 60 160 200 200 "$(winpath "$work/clicks.log")" timed &
probe_pid=$!
inspect wait probe || fail "the probe window did not appear"
start_app
click_control "$main_title" cmdMacro
inspect wait Macro || fail "the macro window did not open"
click_control Macro lstCommand
xdotool key F10 Right Right Down Down Return # Options > Record, after File and Edit
inspect wait "Recording Macro - Press F9 or ESC to Stop" || fail "the recording did not start"
# The user's part: a click, a 1 s pause, a double click, a right click; the pointer rests on the probe.
xdotool mousemove 100 200 sleep 0.3 click 1 sleep 1 click --repeat 2 --delay 60 1 sleep 0.4
xdotool mousemove 150 250 click 3 sleep 0.3 mousemove 70 170 key F9
inspect wait Macro || fail "the title did not come back after the recording"
recorded="down 100 200 up 100 200 down 100 200 up 100 200 down 100 200 up 100 200 rdown 150 250 rup 150 250"
expect_eq "$(presses)" "$recorded" "presses while recording"
click_control Macro lstCommand
xdotool key F10 Down s
inspect wait "Save As" || fail "the save dialog did not open"
xdotool type "$(winpath "$work/saved.cmd")"
xdotool key Return
inspect gone "Save As" || fail "the save dialog did not close"
close_app
xdotool mousemove 400 400
timeout 60 "$WINE" "$app_exe" --play "$(winpath "$work/saved.cmd")" </dev/null || fail "exit code $? after playing"
expect_eq "$(presses)" "$recorded $recorded" "presses played back"
expect_eq "$(pointer)" "70 170" "where the pointer rests after the play"
read -r -a by_hand < <(gaps 1)
read -r -a played < <(gaps 9)
for i in 1 2 3; do d=$((played[i] - by_hand[i])) && [ "${d#-}" -le 150 ] ||
    fail "press $((i + 1)) came ${played[i]} ms after the first, by hand ${by_hand[i]} ms"; done
# --times 2 plays a list without a repeat twice in all, --speed 4 its wait in a quarter of the time.
printf '"MVE 100,200"\r\n"LCK"\r\n"SLP 1"\r\n"RCK"\r\n' >"$work/fast.cmd"
timeout 60 "$WINE" "$app_exe" --play "$(winpath "$work/fast.cmd")" --times 2 --speed 4 </dev/null || fail "exit $?"
twice="down 100 200 up 100 200 rdown 100 200 rup 100 200"
expect_eq "$(presses)" "$recorded $recorded $twice $twice" "presses of --times 2"
read -r -a fast < <(gaps 17)
[ "${fast[1]}" -ge 200 ] && [ "${fast[1]}" -le 500 ] || fail "at 4x the wait of 1 s took ${fast[1]} ms"
"$WINE" "$app_exe" --record "$(winpath "$work/line.cmd")" --for 2.5 </dev/null &
sleep 1
xdotool mousemove 120 220 click 3
wait $! || fail "exit code $? after recording from the command line"
expect_eq "$(tr -d '\r' <"$work/line.cmd" | paste -sd ' ')" '"MVE 120,220" "RCK" "MVE 120,220"' "the file recorded"
# The stop key the user chose stops a play from the command line while another program has the keyboard.
"$WINE" reg add 'HKCU\Software\Wanderpoint\Settings' /v StopKey /d 'Ctrl+Alt+P' /f >/dev/null
printf '"SLP 0.5"\r\n"RPT"\r\n' >"$work/long.cmd"
"$WINE" "$app_exe" --play "$(winpath "$work/long.cmd")" </dev/null &
player=$!
sleep 2 && xdotool mousemove 100 200 key ctrl+alt+p
for _ in $(seq 1 50); do kill -0 "$player" 2>/dev/null && sleep 0.1; done
kill -0 "$player" 2>/dev/null && kill "$player" && fail "the chosen stop key did not stop --play"
# The keyboard: a line with punctuation and a combination typed into a key probe of another program
# while --record runs, stopped by F9, then played into a fresh probe: the same characters and presses.
keyprobe() {
    [ -z "$probe_pid" ] || kill "$probe_pid" 2>/dev/null || true
    "$WINE" "$inspector_exe" probe 300 300 200 100 "$(winpath "$work/$1")" keys &
    probe_pid=$!
    inspect wait probe || fail "the key probe did not appear"
    xdotool mousemove 350 350 sleep 0.3
}
keyprobe typed.log
"$WINE" "$app_exe" --record "$(winpath "$work/typed.cmd")" </dev/null &
recorder=$!
sleep 1.5
xdotool type --delay 60 'Hi, you: "ok"?' && xdotool key --delay 60 ctrl+a shift+Home Return F9
wait "$recorder" || fail "exit code $? after recording the keyboard"
keyprobe played.log
timeout 60 "$WINE" "$app_exe" --play "$(winpath "$work/typed.cmd")" </dev/null || fail "exit code $? after playing keys"
sleep 0.5
[ -s "$work/typed.log" ] || fail "the key probe saw no keys while recording"
expect_eq "$(tr -d '\r' <"$work/played.log" | paste -sd ' ')" "$(tr -d '\r' <"$work/typed.log" | paste -sd ' ')" \
    "keys played back, from $(tr -d '\r' <"$work/typed.cmd" | paste -sd ' ')"
echo "e2e record macro: ok"
