# Sourced by the end-to-end scripts: $1 is Wanderpoint.exe, $2 the inspector, $3 the window tests.
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
    inspect wait "$main_title" || fail "the main window did not appear"
    # With no window manager the X keyboard focus can stay on the root window, following the pointer.
    xdotool search --onlyvisible --name "^$main_title\$" windowfocus 2>/dev/null || true
}
stop_app() { [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true; }
# Asks the main window to close, as its frame's button does, and waits for the program to end.
close_app() {
    inspect close "$main_title" || fail "no main window to close"
    for _ in $(seq 1 100); do kill -0 "$app_pid" 2>/dev/null && sleep 0.1 || { app_pid="" && return 0; }; done
    fail "the program did not end"
}
click_control() {
    local x y
    read -r x y < <(inspect center "$1" "$2") || fail "no control $2 in '$1'"
    xdotool mousemove "$x" "$y" click 1
}
pointer() { xdotool getmouselocation | sed -E 's/x:([-0-9]+) y:([-0-9]+).*/\1 \2/'; }
expect_eq() { [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"; }
# expect_soon EXPECTED WHAT COMMAND...: waits up to 5 s for the command to print EXPECTED.
expect_soon() {
    for _ in $(seq 1 50); do [ "$("${@:3}")" = "$1" ] && return 0 || sleep 0.1; done
    expect_eq "$("${@:3}")" "$1" "$2"
}
