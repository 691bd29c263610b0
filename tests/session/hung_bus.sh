#!/usr/bin/env bash
# A desktop whose system bus has stopped answering: a system bus whose
# dbus-daemon is held by SIGSTOP, a session bus beside it (dbus-run-session),
# and an X display of its own (Xvfb) where one is installed, so that the
# toolkit talks to the session bus as on a desktop. Runs the session-end test
# that needs them.
# Usage: hung_bus.sh <session_end_tests program>. Exit code 77: skipped.
set -u
program="${1:?test program}"
skip() { echo "SKIPPED: $*"; exit 77; }
for tool in dbus-daemon dbus-run-session; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
dir="$(mktemp -d)" bus_pid="" x_pid=""
cleanup() {
    [ -n "$bus_pid" ] && { kill -CONT "$bus_pid"; kill "$bus_pid"; } 2>/dev/null
    [ -n "$x_pid" ] && kill "$x_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
printf '<busconfig><type>system</type><listen>unix:path=%s/system</listen><auth>EXTERNAL</auth><policy context="default"><allow user="*"/><allow own="*"/><allow send_destination="*"/></policy></busconfig>\n' \
    "$dir" >"$dir/system.conf"
dbus-daemon --config-file="$dir/system.conf" --nofork --nopidfile 2>"$dir/bus.log" & bus_pid=$!
for _ in $(seq 100); do [ -S "$dir/system" ] && break; sleep 0.1; done
[ -S "$dir/system" ] || { cat "$dir/bus.log"; echo "the system bus did not come up"; exit 1; }
kill -STOP "$bus_pid"

platform=offscreen
if command -v Xvfb >/dev/null; then
    mkfifo "$dir/display"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3<>"$dir/display" >"$dir/xvfb.log" 2>&1 & x_pid=$!
    read -r -t 30 display <>"$dir/display" && export DISPLAY=":$display" && platform=xcb
fi
echo "platform: $platform"
DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/system" QUORVEX_HUNG_BUS_PID="$bus_pid" QT_QPA_PLATFORM="$platform" \
    dbus-run-session -- "$program" --gtest_filter='HungSystemBus.*'
