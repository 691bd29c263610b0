#!/usr/bin/env bash
# Runs a test program on the X11 platform against an Xvfb of its own with
# openbox managing its windows, then stops both.
# Usage: under-xvfb.sh <program> [arguments...]
# Exits 77 (skipped) when Xvfb, openbox, xprop or wmctrl is not installed.
set -u
for tool in Xvfb openbox xprop wmctrl; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed"; exit 77; }
done
dir="$(mktemp -d "${TMPDIR:-/tmp}/quorvex-xvfb-XXXXXX")"
# The server picks a free display and tells its number on the descriptor given.
exec 3>"$dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
xvfb_pid=$!
wm_pid=""
stop() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$dir"
}
trap stop EXIT
while [ ! -s "$dir/display" ]; do
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start:"; cat "$dir/xvfb.log"; exit 77; }
    sleep 0.05
done
export DISPLAY=":$(head -n 1 "$dir/display")"
openbox --sm-disable >"$dir/openbox.log" 2>&1 &
wm_pid=$!
# openbox owns the screen's manager selection once it manages windows.
for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.05
done
QT_QPA_PLATFORM=xcb "$@"
