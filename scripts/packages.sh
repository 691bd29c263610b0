# shellcheck shell=bash disable=SC2034
# Debian packages the game needs. Sourced by the other scripts.
# Building and playing (scripts/play.sh): the compiler, the toolkit, the
# libraries, a font, the desktop's helpers and the daemons the network game uses;
# the translation tools (Qt Linguist's lupdate/lrelease, gettext's msgfmt,
# po4a for the manual page), the toolkit's own catalogues and a font with
# Chinese and Japanese glyphs.
QUORVEX_PLAY_PACKAGES="build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev libjpeg-dev libpng-dev \
libx11-dev libxcb1-dev libavahi-client-dev libminiupnpc-dev libnatpmp-dev \
qt6-tools-dev qt6-l10n-tools gettext po4a appstream qt6-translations-l10n fonts-wqy-microhei \
fonts-dejavu-core qt6-wayland avahi-daemon dbus xdg-utils"
# The tests and checks on top (scripts/test.sh and the other tools): the test
# framework, headless displays and a window manager, the package and metadata checkers, a router
# daemon and firewall for the router test, the screen reader, and the tags
# program that measures the functions, and the announcer of the crowded local network.
QUORVEX_TEST_PACKAGES="googletest libgtest-dev xvfb xauth desktop-file-utils appstream \
ccache file debhelper dpkg-dev lintian weston \
miniupnpd miniupnpd-iptables iptables iproute2 \
orca at-spi2-core dbus-daemon xdotool universal-ctags avahi-utils openbox x11-utils wmctrl"
# The fuzz targets' compiler, with libFuzzer and the sanitizer runtimes.
QUORVEX_FUZZ_PACKAGES="clang libclang-rt-14-dev"

# Runs a command as root: directly when this is root, otherwise through sudo.
quorvex_as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "$1 needs root: run this as root, or install sudo" >&2
        return 1
    fi
}

# Installs the given packages where missing.
quorvex_install() {
    local missing=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    quorvex_as_root apt-get update
    # miniupnpd is only the router of the router test, which runs its own copy
    # in a network namespace: the machine's service is never started.
    case " $missing " in
    *" miniupnpd "*) echo "miniupnpd miniupnpd/start_daemon boolean false" | quorvex_as_root debconf-set-selections ;;
    esac
    # Set past sudo, which would drop it from the environment.
    # shellcheck disable=SC2086
    quorvex_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
}

# What building and playing need.
quorvex_install_play_packages() {
    # shellcheck disable=SC2086
    quorvex_install $QUORVEX_PLAY_PACKAGES
}

# Everything the tests and tools need, and any packages given.
quorvex_install_packages() {
    # shellcheck disable=SC2086
    quorvex_install $QUORVEX_PLAY_PACKAGES $QUORVEX_TEST_PACKAGES "$@"
}
