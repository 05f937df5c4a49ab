# The real exe against a probe window of another process: the command line plays a file, or refuses a
# bad one before moving; the windows play a macro opened and saved through the system's dialogs; the
# settings go to the registry on close and come back at the next start (the registry of the test's
# own Wine prefix, tools/wine-env.sh).
. "$(dirname "$0")/e2e-lib.sh"
work=$(mktemp -d /tmp/wp-e2e.XXXXXX)
probe_pid=""
trap 'stop_app; [ -z "$probe_pid" ] || kill "$probe_pid" 2>/dev/null; rm -rf "$work"' EXIT
winpath() { echo "Z:${1//\//\\}"; }
clicks() { tr -d '\r' <"$work/clicks.log" | paste -sd ' '; }
play() { timeout 60 "$WINE" "$app_exe" --play "$(winpath "$work/$1")" "${@:2}" 2>"$work/stderr" </dev/null; }
type_into() {
    click_control "$main_title" "$1"
    xdotool key End BackSpace BackSpace BackSpace BackSpace
    xdotool type "$2"
}
"$WINE" reg delete 'HKCU\Software\Wanderpoint' /f >/dev/null 2>&1 || true
printf '"MVE 100,200"\r\n"LCK"\r\n' >"$work/once.cmd"
printf '"MVE 100,200"\r\n"LCK"\r\n"RPT"\r\n' >"$work/repeat.cmd"
{ printf '"MVE 10,10"\r\n'; head -c 100000 /dev/zero | tr '\0' x; } >"$work/bad.cmd" # an entry far too long
# The probe first: Wine's desktop process, started again after a while without windows, can centre
# the pointer as it comes up.
"$WINE" "$inspector_exe" probe 60 160 80 80 "$(winpath "$work/clicks.log")" &
probe_pid=$!
inspect wait probe || fail "the probe window did not appear"

xdotool mousemove 300 300
expect_soon "300 300" "pointer before the run" pointer
code=0 && play bad.cmd || code=$?
expect_eq "$code" 2 "exit code for a file that cannot be read"
grep -q "bad.cmd" "$work/stderr" || fail "the error output does not name the file: $(cat "$work/stderr")"
expect_eq "$(pointer)" "300 300" "pointer after a file that cannot be read"
play repeat.cmd --times 2 || fail "exit code $? after playing"
expect_soon "down 100 200 up 100 200 down 100 200 up 100 200" "clicks of the command line" clicks

start_app
type_into Text3 55
type_into TimInt 1
click_control "$main_title" cmdMacro
inspect wait Macro || fail "the macro window did not open"
# The File menu has no access key: F10, then Down.
click_control Macro lstCommand
xdotool key F10 Down o
inspect wait Open || fail "the open dialog did not open"
xdotool type "$(winpath "$work/once.cmd")"
xdotool key Return
# F9 starts the run: Wine can drop a press that comes soon after a dialog closed.
inspect gone Open && xdotool key F9
expect_soon "down 100 200 up 100 200 down 100 200 up 100 200 down 100 200 up 100 200" "clicks of the window" clicks
inspect wait Macro || fail "the title did not come back after the run"
click_control Macro lstCommand
xdotool key F10 Down s
inspect wait "Save As" || fail "the save dialog did not open"
xdotool type "$(winpath "$work/saved.cmd")"
xdotool key Return
expect_soon "same" "the saved file" bash -c "cmp '$work/saved.cmd' '$work/once.cmd' >/dev/null && echo same"

# A list changed since its Save is kept as the main window ends the program: the first entry moved down.
unsaved() { find "$WINEPREFIX/drive_c/users" -ipath '*/AppData/Local/Wanderpoint/unsaved.cmd' "$@" 2>/dev/null; }
unsaved -delete
click_control Macro lstCommand
xdotool key Home alt+Down

# Closing the main window ends the program, the macro window with it, and saves the settings.
close_app
expect_eq "$(tr -d '\r' <"$(unsaved | head -n 1)" | paste -sd ' ')" '"LCK" "MVE 100,200"' "the unsaved list kept"
reg_value() { "$WINE" reg query "HKCU\\Software\\Wanderpoint\\$1" /v "$2" | awk -F'[ \r]+' '$2 == k {print $4}' k=$2; }
expect_eq "$(reg_value Position2 x) $(reg_value Settings interval)" "55 1" "position and interval saved"
start_app
expect_eq "$(inspect text "$main_title" Text3) $(inspect text "$main_title" TimInt)" "55 1" "loaded"
close_app
echo "e2e app session: ok"
