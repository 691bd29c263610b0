#!/usr/bin/env bash
# Runs a test program on the Wayland platform against a headless weston of its
# own (own runtime folder and socket), then stops the compositor.
# Usage: under-weston.sh <program> [arguments...]
# Exits 77 (skipped) when weston or Qt's Wayland platform is not installed.
set -u
command -v weston >/dev/null 2>&1 || { echo "weston is not installed"; exit 77; }
if command -v dpkg-query >/dev/null 2>&1 &&
    ! dpkg-query -W -f='${Status}' qt6-wayland 2>/dev/null | grep -q "install ok installed"; then
    echo "qt6-wayland is not installed"; exit 77
fi
runtime="$(mktemp -d "${TMPDIR:-/tmp}/quorvex-weston-XXXXXX")"
chmod 700 "$runtime"
socket="wayland-quorvex"
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    --width=1024 --height=768 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
stop() {
    kill "$weston_pid" 2>/dev/null
    wait "$weston_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap stop EXIT
# Wait for the compositor's socket (or for it to give up).
while [ ! -S "$runtime/$socket" ]; do
    if ! kill -0 "$weston_pid" 2>/dev/null; then
        echo "weston did not start:"; cat "$runtime/weston.log"; exit 77
    fi
    sleep 0.05
done
XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@"
