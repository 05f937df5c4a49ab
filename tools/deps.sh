# Sourced by the tools: installs the Debian packages that are missing (as root), or says how.
need_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Run as root:" >&2
        echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build_packages=(g++ cmake make git googletest g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
# fonts-liberation's Liberation Sans has Arial's metrics; Wine's own fonts (fonts-wine) bring
# "MS Sans Serif" and Tahoma. Without them Wine draws with a wider stand-in.
# Wine's X11 driver loads the X extension libraries when it finds them; apt only recommends them.
# Without libxi6 it cannot confine the pointer (ClipCursor is refused), without libxcursor1 it draws
# no cursor shapes of its own.
# Xvfb puts every screen at 0,0; a monitor left of the primary takes Xorg with its dummy driver.
wine_packages=(wine64 libwine fonts-wine fonts-liberation xvfb xauth xdotool
    libxi6 libxcursor1 libxrandr2 libxrender1 libxinerama1 libxfixes3
    xserver-xorg-core xserver-xorg-video-dummy)
# clang's libFuzzer and sanitizer runtimes are only recommended by clang, so they are named here.
fuzz_packages=(clang libclang-rt-dev)
# tools/package: wixl makes the MSI, msitools' msibuild and faketime give it fixed stamps, zip the
# portable zip (unzip for its test).
package_packages=(wixl msitools faketime zip unzip)
