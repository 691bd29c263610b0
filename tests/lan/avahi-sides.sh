# Sourced by the checks that need a local network: two network namespaces
# joined by a virtual link, as two machines on one LAN, each side with its own
# D-Bus bus and avahi-daemon. The caller sets `tag` and `dir` and keeps `pids`.
#   lan_link A B               namespaces $tag-A and $tag-B, linked by qxA and qxB
#   lan_side SIDE ADDRESS      the side's address (/24), its bus (unix:path=$dir/bus-SIDE) and daemon
#   lan_unlink A B             kills $pids, removes both namespaces
lan_link() {
    ip netns add "$tag-$1" 2>/dev/null || return 1
    ip netns add "$tag-$2" && ip -n "$tag-$1" link add "qx$1" type veth peer name "qx$2" netns "$tag-$2"
}

lan_unlink() {
    kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null
    ip netns del "$tag-$1" 2>/dev/null; ip netns del "$tag-$2" 2>/dev/null
}

lan_side() {
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
    cat "$dir/avahi-$side.log"; echo "avahi-daemon ($side) did not come up"; return 1
}
