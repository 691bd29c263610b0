#!/usr/bin/env bash
# Two network namespaces joined by a virtual link, each with its own D-Bus bus
# and avahi-daemon: the host window announces its game in one, the client
# window finds it in the other and joins it through the link.
# Usage: lan_test.sh <lan_window_tests program>. Exit code 77: skipped.
set -u
program="${1:?test program}"
skip() { echo "SKIPPED: $*"; exit 77; }
for tool in ip unshare dbus-daemon dbus-send avahi-daemon; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ "$(id -u)" -eq 0 ] || skip "network namespaces need root"

tag="qx27-$$"
host_ns="$tag-host" join_ns="$tag-join"
host_address=10.99.27.1 join_address=10.99.27.2
dir="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    ip netns del "$host_ns" 2>/dev/null
    ip netns del "$join_ns" 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
ip netns add "$host_ns" 2>/dev/null || skip "cannot make a network namespace"
ip netns add "$join_ns"
ip -n "$host_ns" link add qxhost type veth peer name qxjoin netns "$join_ns"
ip -n "$host_ns" addr add "$host_address/24" dev qxhost
ip -n "$join_ns" addr add "$join_address/24" dev qxjoin
for ns in "$host_ns" "$join_ns"; do
    ip -n "$ns" link set lo up
done
ip -n "$host_ns" link set qxhost up
ip -n "$join_ns" link set qxjoin up

# side: host or join; its bus, its daemon on its end of the link.
start_daemons() {
    local side="$1" ns="$2" link="$3"
    cat >"$dir/bus-$side.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <listen>unix:path=$dir/bus-$side</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
  </policy>
</busconfig>
CONF
    cat >"$dir/avahi-$side.conf" <<CONF
[server]
host-name=quorvex-$side
use-ipv4=yes
use-ipv6=yes
allow-interfaces=$link
enable-dbus=yes
[wide-area]
enable-wide-area=no
[publish]
publish-hinfo=no
publish-workstation=no
CONF
    dbus-daemon --config-file="$dir/bus-$side.conf" --nofork --nopidfile &
    pids+=($!)
    for _ in $(seq 100); do [ -S "$dir/bus-$side" ] && break; sleep 0.1; done
    # The daemon's pid and socket files go to a /run of its own.
    DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/bus-$side" ip netns exec "$ns" unshare -m sh -c \
        'mount -t tmpfs tmpfs /run && exec avahi-daemon -f "$0" --no-drop-root --no-chroot --no-rlimits' \
        "$dir/avahi-$side.conf" >"$dir/avahi-$side.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        dbus-send --bus="unix:path=$dir/bus-$side" --print-reply --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Avahi 2>/dev/null | grep -q true && return 0
        sleep 0.1
    done
    cat "$dir/avahi-$side.log"
    echo "avahi-daemon ($side) did not come up"
    exit 1
}
start_daemons host "$host_ns" qxhost
start_daemons join "$join_ns" qxjoin

export QUORVEX_LAN_DIR="$dir" QUORVEX_LAN_HOST="$host_address" QT_QPA_PLATFORM=offscreen
DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/bus-host" ip netns exec "$host_ns" \
    "$program" --gtest_filter=LocalNetwork.HostAnnouncesUntilItsClientLeaves &
host_pid=$!
DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/bus-join" ip netns exec "$join_ns" \
    "$program" --gtest_filter=LocalNetwork.ClientFindsTheGameAndJoins
join_rc=$?
# The host ends once its client has left (or gives up on its own).
wait "$host_pid"
host_rc=$?
[ "$join_rc" -eq 0 ] && [ "$host_rc" -eq 0 ]
