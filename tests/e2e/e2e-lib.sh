# Sourced by the end-to-end scripts: $1 is Wanderpoint.exe, $2 the inspector.
set -euo pipefail
app_exe=$1
inspector_exe=$2
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
main_title="Switch Mouse positions"
app_pid=""

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
inspect() { "$WINE" "$inspector_exe" "$@" | tr -d '\r'; }
start_app() {
    "$WINE" "$app_exe" &
    app_pid=$!
    inspect wait "$main_title" 20000 || fail "the main window did not appear"
    # Without a window manager the X keyboard focus can stay on the root window after an earlier
    # program ended; keys then follow the pointer, which the program moves. Give it to the window.
    xdotool search --onlyvisible --name "^$main_title\$" windowfocus 2>/dev/null || true
}
stop_app() {
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then kill "$app_pid" 2>/dev/null || true; fi
    app_pid=""
}
trap stop_app EXIT
# Waits for the app to end by itself within the given seconds.
wait_app_exit() {
    local i
    for i in $(seq 1 $(($1 * 10))); do
        kill -0 "$app_pid" 2>/dev/null || { wait "$app_pid" 2>/dev/null || true; app_pid=""; return 0; }
        sleep 0.1
    done
    fail "the program did not end"
}
click_control() {
    local x y
    read -r x y < <(inspect center "$1" "$2") || fail "no control $2 in '$1'"
    xdotool mousemove "$x" "$y" click 1
}
pointer() { xdotool getmouselocation | sed -E 's/x:([-0-9]+) y:([-0-9]+).*/\1 \2/'; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
reg_value() { "$WINE" reg query "HKCU\\Software\\Wanderpoint\\$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v k="$2" '$1 == k { print $3 }'; }
expect_eq() { [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"; }
# expect_soon EXPECTED WHAT COMMAND...: waits up to 3 s for the command to print EXPECTED.
expect_soon() {
    local expected=$1 what=$2 i
    shift 2
    for i in $(seq 1 30); do
        [ "$("$@")" = "$expected" ] && return 0
        sleep 0.1
    done
    expect_eq "$("$@")" "$expected" "$what"
}
