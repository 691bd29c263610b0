#!/usr/bin/env bash
# Plays one keyboard-only turn with the Orca screen reader listening and checks
# what it speaks: the focused cell with its state, each new state after Space,
# the result after the bomb, a revealed cell, the statistics figures and the
# save price; the help text line by line, the main window's figures and what
# it announces; then a hosted two-player game against a scripted peer on the
# loopback, whose news is spoken while the focus stays in the chat line, and
# the link copied from the server name's menu. Orca runs in a private desktop (orca-session.sh) and writes its
# speech to its debug log; every check waits for its line, up to a cap.
#   orca-check.sh [GAME-EXECUTABLE]    (default: build/quorvex)
# ORCA_CHECK_KEEP=FILE keeps Orca's whole log there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" != "--play" ]; then
    game=$(realpath "${1:-$here/../../build/quorvex}")
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    status=0
    "$here/orca-session.sh" "$work" "$0" --play "$game" || status=$?
    if [ -n "${ORCA_CHECK_KEEP:-}" ]; then
        cp "$work/orca.log" "$ORCA_CHECK_KEEP"
        echo "Orca's log: $ORCA_CHECK_KEEP" >&2
    fi
    exit "$status"
fi

game=$2
cap=${ORCA_CHECK_CAP:-30}  # seconds any one step may take to be spoken

# What Orca has spoken, one utterance a line.
spoken() { sed -n "s/.*SPEECH OUTPUT: '\(.*\)' *{.*/\1/p" "$ORCA_LOG" 2>/dev/null || true; }
from=0
# Forgets what was spoken so far: the next check looks at newer lines only.
mark() { from=$(spoken | wc -l); }
# Waits until one line spoken since the mark matches the extended regex.
said() {
    local i
    for ((i = 0; i < cap * 10; i++)); do
        if spoken | tail -n +"$((from + 1))" | grep -Eq -- "$1"; then
            echo "  spoken: $(spoken | tail -n +"$((from + 1))" | grep -E -m1 -- "$1")"
            return 0
        fi
        sleep 0.1
    done
    echo "NOT SPOKEN: $1" >&2
    echo "Orca spoke instead:" >&2
    spoken | tail -n +"$((from + 1))" | sed 's/^/    /' >&2
    exit 1
}
# Presses keys, each after the mark, as a player would.
press() { mark; xdotool key --delay 150 "$@"; }
# Gives the X input focus to the window with this title (there is no window manager).
# A window found before it is mapped refuses the focus: tried again until it takes it.
focus_window() {
    local i
    for ((i = 0; i < cap * 5; i++)); do
        xdotool search --name "^$1\$" windowfocus 2>/dev/null && return 0
        sleep 0.2
    done
    echo "NO WINDOW: $1" >&2
    exit 1
}

echo "Orca starts"
said "Screen reader on"

folder="$(dirname "$ORCA_LOG")/game"
mkdir -p "$folder"
cp "$game" "$folder/quorvex"
printf '[Einstellungen]\r\nName=Ears\r\nSplash=nein\r\nFade=nein\r\n[Multiplayer]\r\nName=Ears\r\nServer=Ears server\r\n' \
    >"$folder/setup.ini"
# The help text is read from the folder the game starts in.
cp "$here/../../help.txt" "$folder/help.txt"
mark
(cd "$folder" && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec ./quorvex >game.out 2>&1) &
game_pid=$!
peer_pid=
trap 'kill $game_pid $peer_pid 2>/dev/null || true' EXIT
focus_window Quorvex
said "^Quorvex frame"

echo "A new game; the arrow keys move in the field"
# Tab enters the field (or, when the new game gave it the focus already, stays
# in it); the arrow keys stop at the edges, so the focus ends on cell 1.
press ctrl+n Tab Up Up Up Up Left Left Left Left
press Right
said "^Cell 2, row 1, column 2 push button"
press Left
said "^Cell 1, row 1, column 1 push button"
said "^unmarked"

echo "Space marks and unmarks the focused cell"
press space
said "^Cell 1, row 1, column 1 push button"
said "^marked\.?$"
press space
said "^Cell 1, row 1, column 1 push button"
said "^unmarked\.?$"
press space
said "^marked\.?$"
for column in 2 3 4 5; do
    press Right
    said "^Cell $column, row 1, column $column push button"
    press space
    said "^marked\.?$"
done

echo "The bomb: the result is spoken"
press Tab
said "^Quorvex! push button"
press space
said "^Reload push button"
said "^Victims Bombed! [0-9] hits, [0-9] miss -- "

echo "The revealed field is read cell by cell"
press shift+Tab
said "^Cell [0-9]+, row [0-9], column [0-9] push button"
said "^(Victim hit|Victim|Dragon hit|Dragon|marked, empty|empty)\.?$"
press Up
said "^Cell [0-9]+, row [0-9], column [0-9] push button"
said "^(Victim hit|Victim|Dragon hit|Dragon|marked, empty|empty)\.?$"

echo "The statistics window reads its figures"
press F10
said "^Game"
press Return
said "^Statistic"
press Return
focus_window "Game statistic"
said "^Game statistic dialog"
press Tab
said "^Double kills: [0-9]+"
press Tab Tab Tab Tab
said "^# of games: 1"
press Tab
said "^Total hits: [0-9]+"
press Escape

echo "The save dialog reads its slots and its price"
focus_window Quorvex
press ctrl+s
focus_window "Save game"
said "No data present"
press Tab Tab Tab Tab
said "^current price for saving: \\\$[0-9]+"
press Escape

# Presses key until a line spoken since the mark matches the regex (at most 15 times).
press_until() {
    local i
    for ((i = 0; i < 15; i++)); do
        press "$1"
        sleep 0.5
        if spoken | tail -n +"$((from + 1))" | grep -Eq -- "$2"; then
            echo "  spoken: $(spoken | tail -n +"$((from + 1))" | grep -E -m1 -- "$2")"
            return 0
        fi
    done
    said "$2"
}

echo "The help text is read line by line"
focus_window Quorvex
press F1
focus_window Help
said "^Help text"
press Down
said "^ ?(===|19 equals)"
press Down
press Down
said "^$(sed -n 4p "$folder/help.txt" | cut -c1-20)"
press Escape

echo "The main window tells a new game and the marks left; its figures are Tab stops"
focus_window Quorvex
press ctrl+n
said "^notification .*New game: Endless game"
press_until Tab "^Cell [0-9]+, row [0-9], column [0-9] push button"
press space
said "^notification .*4 marks left"
press Tab
said "^Money: \\\$[0-9]+"

echo "The host window speaks its news while the focus stays in the chat line"
press F10 Escape Right Right Down
said "Host game"
press Return
focus_window "\\[ Host \\] Quorvex Multiplayer - Beta1"
press_until Tab "^Start server push button"
press space
said "^notification .*Server active"
fifo="$folder/peer.fifo"
mkfifo "$fifo"
# The scripted peer: joins as "Peer", confirms every position it gets, and
# sends what the check writes to it, a line at a time.
python3 -u -c '
import socket, sys, threading
s = socket.create_connection(("127.0.0.1", 9999), timeout=60)
def send(line): s.sendall(line.encode("cp1252") + b"\r\n")
def confirm():
    for line in s.makefile("rb"):
        if line.startswith((b"[100]", b"[200]")): send("[500] Pos. received and confirmed!")
threading.Thread(target=confirm, daemon=True).start()
send("Peer")
for line in open(sys.argv[1]):
    send(line.rstrip("\n"))
' "$fifo" >"$folder/peer.out" 2>&1 &
peer_pid=$!
exec 5>"$fifo"
said '^notification .*conn\. w/ "Peer"'
# Five Victims in the first row, five Dragons in the second: the own
# battlefield comes right after the stop button.
press_until shift+Tab "^Stop server push button"
press Tab
said "^Cell 1, row 1, column 1 push button"
press space Right space Right space Right space Right space Down space space
for _ in 1 2 3 4; do press Left space space; done
press Tab
said "^Send battlefield push button"
press space
said "^notification .*All positions send"
press_until Tab "^Chat message"
mark
echo "<Peer> hello there" >&5
said "^notification .*hello there"
for cell in 26 27 28 29 30; do echo "[100] [$cell] Victim" >&5; done
for cell in 31 32 33 34 35; do echo "[200] [$cell] Dragon" >&5; done
said "^notification .*All positions received! please bomb now"
echo "[700] You lost" >&5
said "^notification .*Battlefield result \\[ You lost \\]"
# Typed into the chat line, where the focus still is.
press h i Return
said "^notification .*<Ears> hi"

echo "Shift+F10 opens the running server's link menu"
press Tab
said "^Send push button"
press shift+F10
press Down
said "Copy link"
press Return
said "^notification .*Link copied"
exec 5>&-

echo "Orca spoke everything checked"
