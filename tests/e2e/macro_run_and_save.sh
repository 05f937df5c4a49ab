# The macro window from outside: compose MVE 100,200 and LCK, run them onto a probe window, then
# save the list through the system's save dialog and find its exact bytes on disk.
. "$(dirname "$0")/e2e-lib.sh"
work=$(mktemp -d /tmp/wp-e2e-macro.XXXXXX)
probe_pid=""
cleanup() {
    [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null || true
    stop_app
    rm -rf "$work"
}
trap cleanup EXIT
# Replaces the text of a box by typing, as a user does.
type_into() {
    click_control Macro "$1"
    xdotool key End BackSpace BackSpace BackSpace BackSpace
    xdotool type "$2"
}

start_app
click_control "$main_title" cmdMacro
inspect wait Macro 10000 || fail "the macro window did not open"

type_into txtX 100
type_into txtY 200
click_control Macro cmdAddCmd
click_control Macro optCommands0
click_control Macro cmdAddCmd
expect_eq "$(inspect items Macro | paste -sd '|')" "MVE 100,200|LCK" "composed list"

"$WINE" "$inspector_exe" probe 60 160 80 80 "Z:${work//\//\\}\\clicks.log" 60000 topmost &
probe_pid=$!
inspect wait probe 10000 || fail "the probe window did not appear"

click_control Macro cmdRun
for _ in $(seq 1 50); do
    grep -q "^up " "$work/clicks.log" 2>/dev/null && break
    sleep 0.1
done
expect_eq "$(pointer)" "100 200" "pointer after the run"
expect_eq "$(tr -d '\r' < "$work/clicks.log" | paste -sd '|')" "down 100 200|up 100 200" "clicks the probe saw"
inspect wait Macro 5000 || fail "the title did not come back after the run"

# File > Save (the File menu has no access key: F10, then Down), a typed Z: path, Return.
click_control Macro lstCommand
xdotool key F10 Down s
inspect wait "Save As" 10000 || fail "the save dialog did not open"
xdotool type "Z:${work//\//\\}\\saved.cmd"
xdotool key Return
for _ in $(seq 1 50); do
    [ -f "$work/saved.cmd" ] && break
    sleep 0.1
done
[ -f "$work/saved.cmd" ] || fail "nothing was saved"
expected="$work/expected.cmd"
printf '"MVE 100,200"\r\n"LCK"\r\n' > "$expected"
cmp "$work/saved.cmd" "$expected" || fail "saved bytes: $(od -c "$work/saved.cmd" | head -5)"

# Closing the main window ends the program, the open macro window with it.
kill "$probe_pid" 2>/dev/null || true
wait "$probe_pid" 2>/dev/null || true
probe_pid=""
# (Without a window manager the keyboard focus stays with the macro window, so the main window is
# closed as its frame's close button would: by WM_CLOSE.)
inspect close "$main_title" || fail "no main window to close"

wait_app_exit 10
inspect gone Macro 2000 || fail "the macro window outlived the program"
echo "e2e macro run and save: ok"
