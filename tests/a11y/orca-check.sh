#!/usr/bin/env bash
# Plays one keyboard-only turn with the Orca screen reader listening and checks
# what it speaks: the focused cell with its state, each new state after Space,
# the result after the bomb, a revealed cell, the statistics figures and the
# save price; the help text line by line, the new record the ended endless
# game made, the main window's figures and what it announces; the menu bar's
# titles and, as root, a game chosen from the local network's list (announced
# by a daemon in a namespace linked to the desktop's); then a hosted two-player game against a scripted peer on the
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
    run=("$here/orca-session.sh" "$work" "$0" --play "$game")
    # The local network's list needs a daemon and a game announced on another
    # machine: the desktop runs in a namespace linked to one that announces.
    tag="qxears-$$" dir="$work" pids=()
    . "$here/../lan/avahi-sides.sh"
    if [ "$(id -u)" -eq 0 ] && command -v avahi-daemon avahi-publish unshare >/dev/null && lan_link ears peer; then
        trap 'lan_unlink ears peer; rm -rf "$work"' EXIT
        lan_side ears 10.98.44.1 && lan_side peer 10.98.44.2 || exit 1
        DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/bus-peer" ip netns exec "$tag-peer" \
            avahi-publish -s "Blind game" _quorvex._tcp 9999 >/dev/null 2>&1 & pids+=($!)
        export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/bus-ears" ORCA_CHECK_LAN=10.98.44.2
        run=(ip netns exec "$tag-ears" "${run[@]}")
    else
        echo "(no local network list: it needs root, avahi-daemon and avahi-publish)"
    fi
    status=0
    "${run[@]}" || status=$?
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
printf '[Einstellungen]\r\nName=Ears\r\nSplash=nein\r\nFade=nein\r\n[Multiplayer]\r\nName=Ears\r\n' >"$folder/setup.ini"
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
focus_window Quorvex
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

# Presses a key until a line spoken since the mark matches the regex (15 times at most).
press_until() {
    local i j
    for ((i = 0; i < 14; i++)); do
        press "$1"
        # A loaded machine speaks late: a line missed here would be lost with the next press.
        for ((j = 0; j < 20; j++)); do
            spoken | tail -n +"$((from + 1))" | grep -Eq -- "$2" && break 2
            sleep 0.1
        done
    done
    said "$2"
}
news() { said "^notification .*$1"; }

echo "The help text is read line by line; the main window tells its news and reads its figures"
focus_window Quorvex
press F1
focus_window Help
press Down
said "^ ?(===|19 equals)"
press Escape
focus_window Quorvex
press ctrl+n
# The endless game played above ends with it and makes the empty records:
# their window opens on its row and tells it; Escape keeps the name, then closes.
focus_window Records
news "New record: place 1, \\\$[0-9]+"
press Escape Escape
focus_window Quorvex
news "New game: Endless game"
press_until Tab "^Cell [0-9]+, row [0-9], column [0-9] push button"
press space
news "4 marks left"
press Tab
said "^Money: \\\$[0-9]+"

if [ -n "${ORCA_CHECK_LAN:-}" ]; then
    echo "The local network's list by keyboard: Down chooses a game, Return fills in its address"
    # The menu bar's titles are spoken as the arrows move along the open menus.
    press F10 Right
    said "^Singleplayer"
    press Right
    said "^Multiplayer"
    press Down Down Return
    focus_window "\\[ Client \\]  Quorvex Multiplayer - Beta1"
    press_until Tab "^Server address"
    press_until Down "Blind game"
    press Return
    news "Address filled in: $ORCA_CHECK_LAN"
    press Escape
    focus_window Quorvex
fi

echo "The host window speaks its news while the focus stays in the chat line"
press F10 Escape Right Right Down Return
focus_window "\\[ Host \\] Quorvex Multiplayer - Beta1"
press_until Tab "^Start server push button"
echo "A focused field is read whole"
# Tab selects a field's text, which Orca reads after its name.
press_until shift+Tab "^Nickname text"
said "^Ears selected\.?$"
press_until Tab "^Start server push button"
press space
news "Server active"
# The peer on the loopback joins as "Peer", confirms each position and sends the lines written to fd 5.
mkfifo "$folder/peer"
python3 -c '
import socket, sys, threading
s = socket.create_connection(("127.0.0.1", 9999), timeout=60)
send = lambda line: s.sendall(line.encode("cp1252") + b"\r\n")
threading.Thread(target=lambda: [send("[500] Pos. received and confirmed!") for line in s.makefile("rb")
                                 if line[:5] in (b"[100]", b"[200]")], daemon=True).start()
send("Peer")
for line in open(sys.argv[1]): send(line.rstrip("\n"))
' "$folder/peer" &
peer_pid=$!
exec 5>"$folder/peer"
news 'conn\. w/ "Peer"'
# Five Victims in the first row and five Dragons in the second of the field after the stop button.
press_until shift+Tab "^Stop server push button"
press Tab space
news "4 Victims and 5 Dragons left to place"
press Right space Right space Right space Right space Down space space
news "0 Victims and 4 Dragons left to place"
for _ in 1 2 3 4; do press Left space space; done
news "All figures placed, ready to send"
press Tab space
news "All positions send"
press_until Tab "^Chat message"
printf '<Peer> hello there\n' >&5
news "hello there"
printf '[100] [%d] Victim\n' 26 27 28 29 30 >&5
printf '[200] [%d] Dragon\n' 31 32 33 34 35 >&5
news "All positions received! please bomb now"
printf '[700] You lost\n' >&5
news "Battlefield result \\[ You lost \\]"
press h i Return
news "<Ears> hi"

echo "Shift+F10 on a button opens the running server's link menu"
press Tab shift+F10
press Down
said "^Ask the router to open the port, not checked"
press_until Down "^Copy link"
press Return
news "Link copied"

echo "The own bomb is spoken with its figures"
press_until Tab "^Cell 1, row 1, column 1 push button"
press space
news "4 marks left"
for _ in 1 2 3 4; do press Right space; done
news "No marks left, ready to bomb"
press Tab
said "^Quorvex! push button"
press space
said "^Bomb result: You won, 5 Victims and 0 Dragons hit"
press Tab
said "^Play again push button"
press space
said "^Cell 1, row 1, column 1 push button"
news "new game started!"

echo "Orca spoke everything checked"
