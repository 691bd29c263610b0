#!/usr/bin/env bash
# Runs a command inside a private desktop for the Orca check: its own X
# server (Xvfb), its own D-Bus session with the accessibility bus, and Orca
# writing everything it would speak to its debug log (no synthesizer).
#   orca-session.sh WORKDIR COMMAND...
# The command finds ORCA_LOG, DISPLAY and DBUS_SESSION_BUS_ADDRESS set.
set -euo pipefail
work=$1
shift
mkdir -p "$work/home" "$work/run" "$work/orca"
chmod 700 "$work/run"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_DATA_HOME="$work/home/.local/share" XDG_CACHE_HOME="$work/home/.cache"
export ORCA_LOG="$work/orca.log"

if [ -z "${QX_IN_BUS:-}" ]; then
    # A free display number, chosen by the server itself.
    Xvfb -displayfd 4 -screen 0 1280x800x24 -nolisten tcp 4>"$work/display" 2>"$work/xvfb.log" &
    echo $! > "$work/xvfb.pid"
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$work/display")"
    status=0
    # The buses' own chatter (start-up notes) stays out of the check's output.
    QX_IN_BUS=1 dbus-run-session -- "$0" "$work" "$@" 2> >(grep -v "^dbus-daemon\|^SpiRegistry" >&2) ||
        status=$?
    kill "$(cat "$work/xvfb.pid")" 2>/dev/null || true
    exit "$status"
fi

# Inside the session bus: the accessibility bus comes up on first use;
# Orca then says a screen reader is running, which turns Qt's bridge on.
# Orca writes its log in blocks; opened line by line, each utterance can be
# waited for as it is spoken.
"$(sed -n "1s/^#! *//p" "$(command -v orca)")" -c '
import builtins, runpy, sys
plain_open = builtins.open
log = sys.argv[1]
def line_by_line(file, mode="r", buffering=-1, *args, **kwargs):
    if file == log and "w" in mode:
        buffering = 1
    return plain_open(file, mode, buffering, *args, **kwargs)
builtins.open = line_by_line
orca = sys.argv[3]
sys.argv = [orca, "--debug-file=" + log, "-u", sys.argv[2]]
runpy.run_path(orca, run_name="__main__")
' "$ORCA_LOG" "$work/orca" "$(command -v orca)" >"$work/orca.out" 2>&1 &
echo $! > "$work/orca.pid"
status=0
"$@" || status=$?
kill "$(cat "$work/orca.pid")" 2>/dev/null || true
exit "$status"
