#!/usr/bin/env bash
# Plays one keyboard-only turn with the Orca screen reader listening and checks
# what it speaks: the focused cell with its state, each new state after Space,
# the result after the bomb, a revealed cell, the statistics figures and the
# save price. Orca runs in a private desktop (orca-session.sh) and writes its
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
printf '[Einstellungen]\r\nName=Ears\r\nSplash=nein\r\nFade=nein\r\n' >"$folder/setup.ini"
mark
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$folder/quorvex" >"$folder/game.out" 2>&1 &
game_pid=$!
trap 'kill $game_pid 2>/dev/null || true' EXIT
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

echo "Orca spoke everything checked"
