# Debian packages the game needs to build, run and test. Sourced by the other scripts.
QUORVEX_PACKAGES="build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev libjpeg-dev \
libx11-dev libxcb1-dev googletest libgtest-dev fonts-dejavu-core xvfb xauth desktop-file-utils appstream \
ccache file debhelper dpkg-dev lintian weston qt6-wayland \
libavahi-client-dev avahi-daemon dbus \
libminiupnpc-dev libnatpmp-dev miniupnpd miniupnpd-iptables iptables iproute2 \
orca at-spi2-core dbus-daemon xdotool"
# The fuzz targets' compiler, with libFuzzer and the sanitizer runtimes.
QUORVEX_FUZZ_PACKAGES="clang libclang-rt-14-dev"

quorvex_install_packages() {
    local missing=""
    for p in $QUORVEX_PACKAGES "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    # miniupnpd is only the router of the router test, which runs its own copy
    # in a network namespace: the machine's service is never started.
    echo "miniupnpd miniupnpd/start_daemon boolean false" | $sudo debconf-set-selections
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
}
