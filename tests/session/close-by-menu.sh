#!/usr/bin/env bash
# Closes the real game's network windows as a player's desktop does, many
# times over: the game started from a program folder of its own, the window
# opened from the Multiplayer menu through the X server (xdotool), the close
# asked of the window manager (wmctrl -c). Prints every round whose close was
# not taken and the count. Not part of the suite; run it by hand:
#   tests/session/under-xvfb.sh bash tests/session/close-by-menu.sh build/quorvex <state> [rounds]
# States: client (the idle client window), host-menu (the host window with the
# server name's menu open), fade (the client window while the main window
# fades in: a new start each round), box (the box that a close of a connecting
# client window brings; a listener on 127.0.0.1:9999 holds the connect).
# With WMCLOSE=build/tools/wmclose the window gets WM_DELETE_WINDOW straight
# from that tool instead.
set -u
game="$1"; state="$2"; rounds="${3:-200}"
command -v xdotool >/dev/null || { echo "xdotool is not installed"; exit 77; }
dir="$(mktemp -d "${TMPDIR:-/tmp}/quorvex-close-XXXXXX")"
cp "$game" "$dir/quorvex"
printf '[Einstellungen]\r\nName=A\r\nSplash=nein\r\nFade=ja\r\n' >"$dir/setup.ini"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
await() { for _ in $(seq 500); do w=$(shown "$1"); [ -n "$w" ] && { echo "$w"; return 0; }; sleep 0.01; done; return 1; }
gone() { for _ in $(seq "${2:-300}"); do [ -z "$(shown "$1")" ] && return 0; sleep 0.01; done; return 1; }
start() { "$dir/quorvex" >>"$dir/game.log" 2>&1 & game_pid=$!; pids+=("$game_pid"); main=$(await '^Quorvex$'); }
ask_close() {
    if [ -n "${WMCLOSE:-}" ]; then "$WMCLOSE" "$(printf '0x%x' "$(shown "$1")")"; else wmctrl -c "$2"; fi
}
finish() { kill "$game_pid" 2>/dev/null; wait "$game_pid" 2>/dev/null; }
# The Multiplayer title by mouse; its first (host) or second (join) entry by
# keyboard, or with MOUSE=1 by mouse.
choose() {
    xdotool mousemove --window "$main" 182 9 click 1
    sleep 0.05
    if [ -n "${MOUSE:-}" ]; then xdotool mousemove --window "$main" 190 $((7 + 22 * $1)) click 1; return; fi
    for _ in $(seq "$1"); do xdotool key Down; done
    xdotool key Return
}
if [ "$state" = box ]; then
    python3 -c 'import socket
s = socket.socket(); s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("127.0.0.1", 9999)); s.listen(50); held = []
while True: held.append(s.accept())' &
    pids+=("$!")
    sleep 0.3
fi
misses=0
[ "$state" = fade ] || start
for r in $(seq "$rounds"); do
    [ "$state" = fade ] && start
    title='^\[ Client \]'; wm='[ Client ]'
    [ "$state" = host-menu ] && { title='^\[ Host \]'; wm='[ Host ]'; }
    choose "$([ "$state" = host-menu ] && echo 1 || echo 2)"
    # A key lost before the menu took the keyboard opens the other window or none.
    w=$(await "$title") || { echo "round $r: the window did not open"; xdotool key Escape Escape; continue; }
    case "$state" in
        host-menu) xdotool mousemove --window "$w" 100 74 click 3; sleep 0.1 ;;
        box) xdotool mousemove --window "$w" 60 92 click 1; sleep 0.1; wmctrl -c "$wm"
             title='^Quorvex v1.3$'; wm='Quorvex v1.3'; await "$title" >/dev/null || echo "round $r: no box" ;;
    esac
    # At once, after a moment, after a pause.
    case $((r % 3)) in 1) sleep 0.05 ;; 2) sleep 0.3 ;; esac
    # A window manager that does not manage the window yet is told apart from a close not taken.
    until ask_close "$title" "$wm" 2>/dev/null; do echo "round $r: the request was not sent"; sleep 0.5; done
    if ! gone "$title"; then
        misses=$((misses + 1)); echo "round $r: the close was not taken"
        ask_close "$title" "$wm"; gone "$title" || echo "round $r: nor the second"
    fi
    if [ "$state" = box ]; then
        # Disconnected, then closed (a close still in the connect brings the box again).
        xdotool mousemove --window "$(shown '^\[ Client \]')" 180 92 click 1
        for _ in 1 2 3 4 5; do
            sleep 0.3
            wmctrl -c "[ Client ]"; gone '^\[ Client \]' 100 && break
            wmctrl -c "Quorvex v1.3"; gone '^Quorvex v1.3$' 100
        done
    fi
    [ "$state" = fade ] && finish
done
[ "$state" = fade ] || finish
echo "$state: $misses of $rounds closes not taken"
[ "$misses" -eq 0 ]
