# Sourced by the tools: Wine in a prefix of our own under build/, never the user's.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WANDERPOINT_WINEPREFIX:-$repo_root/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)

# Creates the prefix on first use (about ten seconds).
wine_prefix_ready() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        "$WINE" wineboot --init >/dev/null 2>&1 || true
        "$WINESERVER" -w
    fi
    wine_fonts_ready
}

# Debian's Wine 8 never looks in its own font folder (/usr/share/wine/fonts, from fonts-wine): it
# reads only the prefix's C:\windows\Fonts, which a new prefix leaves empty, and fontconfig's
# fonts. So "MS Sans Serif" and Tahoma fall back to a wider font. Linked there, Wine finds its own.
wine_fonts_ready() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts" f
    [ -d "$fonts" ] || return 0
    # links to a font set removed since
    find "$fonts" -maxdepth 1 -xtype l -delete
    for f in /usr/share/wine/fonts/*; do
        [ -f "$f" ] || continue
        [ -e "$fonts/${f##*/}" ] || ln -sf "$f" "$fonts/"
    done
}

# Starts Xvfb on a free display unless one is given; sets DISPLAY and xvfb_pid. A number can be
# taken without a file showing it (another Xvfb in a chroot holds the abstract socket), so a server
# that quits at once means: try the next.
xvfb_pid=""
display_ready() {
    if [ -n "${DISPLAY:-}" ] && [ -z "${WANDERPOINT_FORCE_XVFB:-}" ]; then return 0; fi
    local n i
    for n in $(seq 90 140); do
        if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then continue; fi
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for i in $(seq 1 50); do
            if [ -e "/tmp/.X11-unix/X$n" ]; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    done
    echo "no free X display number" >&2
    return 1
}

# Keeps one wineserver for a whole run and starts Wine's own services with their output going
# nowhere: a service started by a test process would inherit that test's output pipe and keep
# whoever reads it (CTest) waiting until its timeout.
wine_session_ready() {
    wine_prefix_ready
    "$WINESERVER" -p
    "$WINE" cmd.exe /c exit 0 >/dev/null 2>&1 </dev/null || true
}

# Ends only what we started: our Xvfb and the wineserver of our own prefix.
wine_teardown() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
}
