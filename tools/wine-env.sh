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

# Starts Xvfb on a free display unless one is given; sets DISPLAY and xvfb_pid. Its screen is
# WANDERPOINT_XVFB_SCREEN (width x height x depth), 1280x1024x24 unless set. A number can be
# taken without a file showing it (another Xvfb in a chroot holds the abstract socket), so a server
# that quits at once means: try the next.
xvfb_pid=""
display_ready() {
    if [ -n "${DISPLAY:-}" ] && [ -z "${WANDERPOINT_FORCE_XVFB:-}" ]; then return 0; fi
    local n i
    for n in $(seq 90 140); do
        if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then continue; fi
        Xvfb ":$n" -screen 0 "${WANDERPOINT_XVFB_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
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

# Starts Xorg on a free display with two 1280x800 monitors, the second left of the primary, so
# Windows x runs from -1280 and root x is Windows x plus 1280. Xvfb stacks its screens at 0,0, hence
# Xorg's dummy driver; that driver needs no console, so it also runs as root in a chroot without
# VTs. Sets DISPLAY and xorg_pid. A number taken unseen makes Xorg quit at once: try the next.
xorg_pid=""
xorg_dir=""
two_monitor_display_ready() {
    local n i
    if ! command -v Xorg >/dev/null; then
        echo "no Xorg: install xserver-xorg-core and xserver-xorg-video-dummy" >&2
        return 1
    fi
    xorg_dir=$(mktemp -d)
    mkdir "$xorg_dir/conf.d"
    for n in $(seq 90 140); do
        if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then continue; fi
        # The empty -configdir keeps the machine's own xorg.conf.d out; -sharevts: never take a VT.
        Xorg ":$n" -config "$repo_root/tools/xorg-two-monitors.conf" -configdir "$xorg_dir/conf.d" \
            -noreset -nolisten tcp -sharevts -novtswitch -logfile "$xorg_dir/log" \
            >"$xorg_dir/out" 2>&1 </dev/null &
        xorg_pid=$!
        # Its socket comes before its screens: ready once a client gets an answer.
        for i in $(seq 1 100); do
            kill -0 "$xorg_pid" 2>/dev/null || break
            if [ -e "/tmp/.X11-unix/X$n" ] && DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1; then
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.1
        done
        kill "$xorg_pid" 2>/dev/null || true
        wait "$xorg_pid" 2>/dev/null || true
        xorg_pid=""
        grep -q 'listening sockets\|already active' "$xorg_dir/out" || break
    done
    echo "Xorg with two monitors did not start; the end of its log:" >&2
    tail -n 20 "$xorg_dir/log" >&2 2>/dev/null || cat "$xorg_dir/out" >&2
    rm -rf "$xorg_dir"
    xorg_dir=""
    return 1
}

# Wine 8 dies listing the second monitor through XF86VidMode and then reports one, so this prefix
# goes without it. Wine's processes read it at start: the prefix's server is restarted, so call
# this before wine_session_ready.
wine_two_monitor_prefix_ready() {
    wine_prefix_ready
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXVidMode /t REG_SZ /d N /f >/dev/null 2>&1
    "$WINESERVER" -k >/dev/null 2>&1 || true
    "$WINESERVER" -w
}

# Keeps one wineserver for a whole run and starts Wine's own services with their output going
# nowhere: a service started by a test process would inherit that test's output pipe and keep
# whoever reads it (CTest) waiting until its timeout.
wine_session_ready() {
    wine_prefix_ready
    "$WINESERVER" -p
    "$WINE" cmd.exe /c exit 0 >/dev/null 2>&1 </dev/null || true
}

# Ends only what we started: our X server and the wineserver of our own prefix. A display can be
# made ready again afterwards.
wine_teardown() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    if [ -n "$xorg_pid" ]; then kill "$xorg_pid" 2>/dev/null || true; wait "$xorg_pid" 2>/dev/null || true; fi
    if [ -n "$xorg_dir" ]; then rm -rf "$xorg_dir"; fi
    xvfb_pid="" xorg_pid="" xorg_dir=""
}
