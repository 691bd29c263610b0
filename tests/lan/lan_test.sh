#!/usr/bin/env bash
# Two network namespaces joined by a virtual link, each with its own D-Bus bus
# and avahi-daemon: the host window announces its game in one, the client
# window finds it in the other and joins it through the link. With "flood",
# 200 other games are announced (by avahi-publish) before the host starts, and
# the host serves on a port of its own: its row still shows, with that port,
# and choosing it joins on that port.
# With "dropped" (a player's check, not run by ctest), a game across a line
# whose client's packets are dropped for 40 s, then taken up again.
# Usage: lan_test.sh <lan_window_tests program> [flood|dropped]. Exit code 77: skipped.
set -u
program="${1:?test program}"
flood="${2:-}"
skip() { echo "SKIPPED: $*"; exit 77; }
tools="ip unshare dbus-daemon dbus-send avahi-daemon"
[ "$flood" = flood ] && tools="$tools avahi-publish"
for tool in $tools; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ "$(id -u)" -eq 0 ] || skip "network namespaces need root"
tag="qx27-$$" dir="$(mktemp -d)" pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null
    ip netns del "$tag-host" 2>/dev/null; ip netns del "$tag-join" 2>/dev/null; rm -rf "$dir"
}
trap cleanup EXIT
ip netns add "$tag-host" 2>/dev/null || skip "cannot make a network namespace"
ip netns add "$tag-join"
ip -n "$tag-host" link add qxhost type veth peer name qxjoin netns "$tag-join"

# side (host, join) and its address: the link's end, a bus and a daemon of its own.
start_side() {
    local side="$1" ns="$tag-$1" bus="unix:path=$dir/bus-$1"
    ip -n "$ns" addr add "$2/24" dev "qx$side"
    ip -n "$ns" link set lo up && ip -n "$ns" link set "qx$side" up
    printf '<busconfig><listen>%s</listen><auth>EXTERNAL</auth><policy context="default"><allow user="*"/><allow own="*"/><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/></policy></busconfig>\n' \
        "$bus" >"$dir/bus-$side.conf"
    printf '[server]\nhost-name=quorvex-%s\nallow-interfaces=qx%s\n[wide-area]\nenable-wide-area=no\n[publish]\npublish-hinfo=no\npublish-workstation=no\n' \
        "$side" "$side" >"$dir/avahi-$side.conf"
    dbus-daemon --config-file="$dir/bus-$side.conf" --nofork --nopidfile & pids+=($!)
    for _ in $(seq 100); do [ -S "$dir/bus-$side" ] && break; sleep 0.1; done
    # The daemon's pid and socket files go to a /run of its own.
    DBUS_SYSTEM_BUS_ADDRESS="$bus" ip netns exec "$ns" unshare -m sh -c \
        'mount -t tmpfs tmpfs /run && exec avahi-daemon -f "$0" --no-drop-root --no-chroot --no-rlimits' \
        "$dir/avahi-$side.conf" >"$dir/avahi-$side.log" 2>&1 & pids+=($!)
    for _ in $(seq 100); do
        dbus-send --bus="$bus" --reply-timeout=1000 --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
            string:org.freedesktop.Avahi 2>/dev/null | grep -q true && return 0
        sleep 0.1
    done
    cat "$dir/avahi-$side.log"; echo "avahi-daemon ($side) did not come up"; exit 1
}
start_side host 10.99.27.1
start_side join 10.99.27.2

export QUORVEX_LAN_DIR="$dir" QUORVEX_LAN_HOST=10.99.27.1 QT_QPA_PLATFORM=offscreen
if [ "$flood" = flood ]; then
    export QUORVEX_LAN_FLOOD=200 QUORVEX_LAN_PORT=4711
    for i in $(seq "$QUORVEX_LAN_FLOOD"); do
        DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/bus-host" ip netns exec "$tag-host" \
            avahi-publish -s "Flood $i" _quorvex._tcp 9999 >/dev/null 2>&1 & pids+=($!)
    done
fi
hosting=LocalNetwork.HostAnnouncesUntilItsClientLeaves joining=LocalNetwork.ClientFindsTheGameAndJoins
if [ "$flood" = dropped ]; then
    # The client's packets dropped for 40 s once it asks, as a pulled cable.
    command -v nft >/dev/null || skip "nft is not installed"
    export QUORVEX_LAN_DROP=1
    hosting=LocalNetwork.HostPlaysAcrossADroppedLine joining=LocalNetwork.ClientPlaysAcrossADroppedLine
    (
        while [ ! -e "$dir/drop" ]; do sleep 0.1; done
        ip netns exec "$tag-join" nft add table inet qxdrop
        ip netns exec "$tag-join" nft add chain inet qxdrop out '{ type filter hook output priority 0; oifname "qxjoin" drop; }'
        touch "$dir/dropping"
        sleep 40
        ip netns exec "$tag-join" nft delete table inet qxdrop
        touch "$dir/restored"
    ) & pids+=($!)
fi
DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/bus-host" ip netns exec "$tag-host" \
    "$program" --gtest_filter=$hosting & host_pid=$!
DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/bus-join" ip netns exec "$tag-join" \
    "$program" --gtest_filter=$joining
join_rc=$?
wait "$host_pid" && [ "$join_rc" -eq 0 ]
