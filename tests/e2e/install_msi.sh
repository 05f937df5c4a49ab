# What tools/package makes, in a Wine prefix of its own made anew: packaged twice, the same bytes; the
# zip's exe starts; the MSI installs silently, its exe starts with --tray hidden in the notification
# area and comes back from the icon; a higher version replaces it under one entry; the uninstall
# leaves no file, shortcut, entry or Run value, and the settings stay.
root=$(cd "$(dirname "$0")/../.." && pwd)
export WANDERPOINT_WINEPREFIX="$root/build/wineprefix-msi"
. "$(dirname "$0")/e2e-lib.sh"
work=$(mktemp -d /tmp/wp-msi.XXXXXX)
trap 'stop_app; "$WINESERVER" -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
"$WINESERVER" -k >/dev/null 2>&1 || true
rm -rf "$WINEPREFIX" && wine_session_ready

for out in a b; do "$root/tools/package" --exe "$app_exe" --out "$work/$out" >/dev/null; done
diff -r "$work/a" "$work/b" || fail "two package runs differ"
(cd "$work/a" && sha256sum --quiet -c SHA256SUMS) || fail "the checksums do not match"
version=$(ls "$work/a" | sed -n 's/^Wanderpoint-\(.*\)-x64\.msi$/\1/p')
IFS=. read -r major minor revision <<<"$version"
higher=$major.$(printf %02d $((10#$minor + 1))).$revision
"$root/tools/package" --exe "$app_exe" --out "$work/c" --version "$higher" >/dev/null

unzip -q "$work/a/Wanderpoint-$version-portable.zip" -d "$work/zip"
app_exe="$work/zip/Wanderpoint.exe" && start_app && close_app

user="$WINEPREFIX/drive_c/users/$(id -un)"
installed="$user/AppData/Local/Programs/Wanderpoint/Wanderpoint.exe"
shortcut="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Wanderpoint.lnk"
run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
# The versions of the "Apps & features" entries named Wanderpoint (Wine keeps per-user ones in HKLM).
entries() {
    for hive in HKCU HKLM; do "$WINE" reg query "$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s; done \
        2>/dev/null | tr -d '\r' | awk '/^HK/ {n = 0} $1 == "DisplayName" && $3 == "Wanderpoint" {n = 1}
                                        n && $1 == "DisplayVersion" {print $3}' | paste -sd ' '
}
msi() { "$WINE" msiexec "$1" "Z:${2//\//\\}" /qn || fail "msiexec $1 $2: exit code $?"; }

msi /i "$work/a/Wanderpoint-$version-x64.msi"
[ -f "$installed" ] && [ -f "$shortcut" ] || fail "the exe or the shortcut is not where it belongs"
expect_eq "$(entries)" "$version" "the entry"
"$WINE" "$installed" --tray &
app_pid=$!
for _ in $(seq 1 100); do xdotool search --onlyvisible --name '^Wine System Tray$' >/dev/null && break || sleep 0.1; done
tray=$(xdotool search --onlyvisible --name '^Wine System Tray$' | head -1)
[ -n "$tray" ] || fail "--tray shows no icon"
inspect gone "$main_title" || fail "--tray shows the main window"
eval "$(xdotool getwindowgeometry --shell "$tray")"
xdotool mousemove $((X + 8)) $((Y + 8)) click --repeat 2 --delay 100 1
inspect wait "$main_title" || fail "the icon does not bring the main window back"
close_app # saves the settings

msi /i "$work/c/Wanderpoint-$higher-x64.msi"
expect_eq "$(entries)" "$higher" "the one entry after the upgrade"
"$WINE" reg add "$run" /v Wanderpoint /d "\"C:\\x\\Wanderpoint.exe\" --tray" /f >/dev/null
msi /x "$work/c/Wanderpoint-$higher-x64.msi"
[ ! -e "$installed" ] && [ ! -e "$shortcut" ] || fail "files are left after the uninstall"
expect_eq "$(entries)" "" "entries after the uninstall"
"$WINE" reg query "$run" /v Wanderpoint >/dev/null 2>&1 && fail "the Run value is left"
"$WINE" reg query 'HKCU\Software\Wanderpoint\Settings' >/dev/null 2>&1 || fail "the settings went with the uninstall"
echo "e2e install: ok"
