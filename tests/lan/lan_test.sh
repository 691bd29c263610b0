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
. "$(dirname "$0")/avahi-sides.sh"
cleanup() { lan_unlink host join; rm -rf "$dir"; }
trap cleanup EXIT
lan_link host join || skip "cannot make a network namespace"
lan_side host 10.99.27.1 || exit 1
lan_side join 10.99.27.2 || exit 1

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
