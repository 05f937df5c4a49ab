# The exe started with arguments: --play runs a macro file with no window and ends by itself;
# a file that cannot be read ends the program with exit code 2 before anything moves.
. "$(dirname "$0")/e2e-lib.sh"
work=$(mktemp -d /tmp/wp-e2e-cli.XXXXXX)
probe_pid=""
cleanup() {
    [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
winpath() { echo "Z:${1//\//\\}"; }
# Runs the exe with the arguments, its error output into the work folder; prints the exit code.
run_app() {
    local code=0
    timeout 60 "$WINE" "$app_exe" "$@" 2>"$work/stderr" </dev/null || code=$?
    echo "$code"
}

# The probe window first: Wine's desktop process, started again after a while without windows,
# can centre the pointer as it comes up.
"$WINE" "$inspector_exe" probe 60 160 80 80 "$(winpath "$work/clicks.log")" 60000 topmost &
probe_pid=$!
inspect wait probe 10000 || fail "the probe window did not appear"

xdotool mousemove 300 300
expect_soon "300 300" "pointer before the run" pointer
expect_eq "$(run_app --play "$(winpath "$work/missing.cmd")")" 2 "exit code for a missing file"
grep -q "missing.cmd" "$work/stderr" || fail "the error output does not name the file: $(cat "$work/stderr")"
expect_eq "$(pointer)" "300 300" "pointer after a file that cannot be read"

printf '"MVE 100,200"\r\n"LCK"\r\n"RPT"\r\n' > "$work/click.cmd"
expect_eq "$(run_app --play "$(winpath "$work/click.cmd")" --times 2)" 0 "exit code after playing"
expect_soon "down 100 200|up 100 200|down 100 200|up 100 200" "clicks the probe saw" \
    bash -c "tr -d '\r' < '$work/clicks.log' | paste -sd '|'"
echo "e2e command line: ok"
