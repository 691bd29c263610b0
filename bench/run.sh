#!/usr/bin/env bash
# Benchmark of the game against the floor that Qt and the kernel set, each
# figure measured side by side with its baseline in the same run:
#   start-up and memory   the game under Xvfb against bench_window (a bare Qt window of the same size)
#   idle CPU, wake-ups    host and client windows, driven through the real menus with xdotool, against
#                         a bare 5 ms poll loop (bench_echo --idle) and the idle bare Qt window
#   transport             LineServer/LineClient round trip against a blocking C echo
#   fade-in               the main window's opacity steps, read from the X server
#   Wayland               CPU to the first frame under a headless weston, against the text floor
# The game is started as it is, with no option or variable of its own: each
# run gets a program folder with a copy of the executable and a setup.ini.
#
# Usage: bench/run.sh [repetitions]        (default 7; idle CPU uses 3 windows of 10 s)
# Environment: IDLE_REPS, IDLE_SECONDS, BENCH_BUILD (build folder, default build-bench),
#   BENCH_EARLIER (another build of the game, e.g. of an earlier commit: its start-up and
#   memory are measured in the same runs, beside this one's), BENCH_STARTUP_ONLY=1 (start-up
#   and memory only).
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
reps=${1:-7}
idle_reps=${IDLE_REPS:-3}
idle_seconds=${IDLE_SECONDS:-10}
build=${BENCH_BUILD:-build-bench}

. scripts/packages.sh
quorvex_install_packages xdotool x11-utils libx11-dev libxtst-dev libxdamage-dev

echo "building (release) in $build ..." >&2
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEX_TESTS=OFF -DQUORVEX_BENCH=ON >/dev/null
cmake --build "$build" --target quorvex bench_xwatch bench_echo bench_transport bench_window >/dev/null
bin=$src/$build
xwatch=$bin/bench/bench_xwatch

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own; Xvfb picks a free number and tells it through fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# program_folder <name> <Splash> <Fade>: a copy of the game with its settings.
program_folder() {
    local dir="$work/$1"
    mkdir -p "$dir"
    cp "$bin/quorvex" "$dir/"
    cp "$src/help.txt" "$dir/"
    printf '[Einstellungen]\r\nName=Mr. Victim\r\nSplash=%s\r\nFade=%s\r\n[Multiplayer]\r\nName=Remote Victim\r\nServer=Server of sadism\r\n' \
        "$2" "$3" >"$dir/setup.ini"
    echo "$dir"
}
plain=$(program_folder plain nein nein)
if [ -n "${BENCH_EARLIER:-}" ]; then
    cp "$BENCH_EARLIER" "$plain/quorvex-earlier"
fi
fading=$(program_folder fading nein ja)

# value <key> <file>: the value of a key=value line.
value() { sed -n "s/^$1=//p" "$2" | head -1; }

# stats <numbers...>: "median min max" (median of an even count: mean of the middle two).
stats() {
    printf '%s\n' "$@" | grep -v '^$' | sort -g | awk '{v[NR]=$1} END {
        if (NR == 0) { print "n/a n/a n/a"; exit }
        m = (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2
        printf "%g %g %g\n", m, v[1], v[NR] }'
}

# report: the table of every row so far, with the machine and the baselines.
report() {
    cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
    echo
    echo "Quorvex benchmark - $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) x $cpu, $(uname -r), Qt $(pkg-config --modversion Qt6Widgets 2>/dev/null || echo '?')"
    echo "median [min-max] of $reps runs (idle CPU: $idle_reps windows of $idle_seconds s); baselines in the same run"
    echo
    {
        echo "Figure|Unit|Game|Baseline|Ratio|Goal|Met"
        for r in "${rows[@]}"; do echo "$r"; done
    } | awk -F'|' '{ printf "%-32s %-7s %-22s %-22s %-7s %-12s %s\n", $1, $2, $3, $4, $5, $6, $7 }'
    echo
    echo "Baselines: start-up, memory, client CPU - bench_window ${width}x${height} with no text; text floor -"
    echo "bench_window --text (menu bar, label, status bar); host CPU - bench_echo --idle (5 ms poll loop on a"
    echo "silent socket); round trip - bench_echo (blocking C sockets). Idle CPU is utime+stime from /proc;"
    echo "wake-ups are voluntary + involuntary context switches from /proc/<pid>/task/*/status. The first frame"
    echo "is the first damage the X server reports for the mapped window; its CPU time is the sum over threads"
    echo "of /proc/<pid>/task/*/schedstat, its libraries the distinct .so files in /proc/<pid>/maps."
}

rows=()
# row <figure> <unit> <game values> <baseline values|-> <goal text> <awk check on g, b, r | ->
row() {
    local figure=$1 unit=$2 gv=$3 bv=$4 goal=$5 check=$6
    local gm=n/a gmin bmin gmax bmax bm=n/a game=n/a base=- ratio=- rnum=0 met=-
    if [ -n "$gv" ]; then
        read -r gm gmin gmax <<<"$(stats $gv)"
        game="$gm [$gmin-$gmax]"
    fi
    if [ "$bv" != "-" ] && [ -n "$bv" ]; then
        read -r bm bmin bmax <<<"$(stats $bv)"
        base="$bm [$bmin-$bmax]"
        if [ "$gm" != n/a ] && awk -v b="$bm" 'BEGIN { exit !(b > 0) }'; then
            rnum=$(awk -v g="$gm" -v b="$bm" 'BEGIN { printf "%.2f", g / b }')
            ratio="${rnum}x"
        fi
    fi
    if [ "$check" != "-" ]; then
        if [ "$gm" = n/a ]; then
            met=NO
        else
            met=$(awk -v g="$gm" -v b="$bm" -v r="$rnum" "BEGIN { print (($check) ? \"yes\" : \"NO\") }")
        fi
    fi
    rows+=("$figure|$unit|$game|$base|$ratio|$goal|$met")
}

# ---------------------------------------------------------------------------
# 1, 2: start-up until the main window is mapped, and resident memory 1 s later.
echo "start-up and memory: $reps runs each ..." >&2
(cd "$plain" && "$xwatch" --settle 200 -- ./quorvex >"$work/size.txt")  # warm the caches
width=$(value width "$work/size.txt")
height=$(value height "$work/size.txt")
(cd "$plain" && "$xwatch" --settle 200 -- "$bin/bench/bench_window" "$width" "$height" >/dev/null)
(cd "$plain" && "$xwatch" --settle 200 -- "$bin/bench/bench_window" "$width" "$height" --text >/dev/null)
g_map=() b_map=() t_map=() g_rss=() b_rss=() t_rss=() e_rss=()
# At the first painted frame: CPU time (ms), resident memory (MiB), libraries mapped.
declare -A f_cpu=() f_rss=() f_libs=() i_cpu=() k_map=() k_built=()
# measure <who> <program...>: one start, appends map_ms and RSS (MiB) 1 s later,
# and the figures at the first frame.
measure() {
    local which=$1
    shift
    (cd "$plain" && "$xwatch" --frame --settle 1000 -- "$@" >"$work/out.txt")
    local ms rss
    ms=$(value map_ms "$work/out.txt")
    rss=$(awk -v k="$(value rss_kb "$work/out.txt")" 'BEGIN { printf "%.1f", k / 1024 }')
    f_cpu[$which]+=" $(value frame_cpu_ms "$work/out.txt")"
    f_rss[$which]+=" $(awk -v k="$(value frame_rss_kb "$work/out.txt")" 'BEGIN { printf "%.1f", k / 1024 }')"
    f_libs[$which]+=" $(value frame_libs "$work/out.txt")"
    i_cpu[$which]+=" $(value idle_cpu_ms "$work/out.txt")"
    case $which in
        game) g_map+=("$ms") g_rss+=("$rss") ;;
        bare) b_map+=("$ms") b_rss+=("$rss") ;;
        text) t_map+=("$ms") t_rss+=("$rss") ;;
        earlier) e_rss+=("$rss") ;;
    esac
}
programs="game bare text"
[ -f "$plain/quorvex-earlier" ] && programs="$programs earlier"
for r in $(seq "$reps"); do
    # Rotate the order, so no program always runs right after another.
    order=$(printf '%s\n' $programs | awk -v r="$r" '{ p[NR - 1] = $0 } END { for (i = 0; i < NR; i++) print p[(i + r) % NR] }')
    for who in $order; do
        case $who in
            game) measure game ./quorvex ;;
            earlier) measure earlier ./quorvex-earlier ;;
            bare) measure bare "$bin/bench/bench_window" "$width" "$height" ;;
            text) measure text "$bin/bench/bench_window" "$width" "$height" --text ;;
        esac
    done
done
# The first input: a click on the "Game" menu's title the moment the window is
# mapped, against the same click once the start is over (1.5 s later), from
# the click until the menu is mapped.
# click_once <who> <program...>
click_once() {
    local which=$1
    shift
    (cd "$plain" && "$xwatch" --click 0 --settle 100 -- "$@" >"$work/out.txt") || true
    k_map[$which]+=" $(value click_ms "$work/out.txt")"
    (cd "$plain" && "$xwatch" --click 1500 --settle 100 -- "$@" >"$work/out.txt") || true
    k_built[$which]+=" $(value click_ms "$work/out.txt")"
}
clickers="game text"
[ -f "$plain/quorvex-earlier" ] && clickers="$clickers earlier"
for r in $(seq "$reps"); do
    order=$(printf '%s\n' $clickers | awk -v r="$r" '{ p[NR - 1] = $0 } END { for (i = 0; i < NR; i++) print p[(i + r) % NR] }')
    for who in $order; do
        case $who in
            game) click_once game ./quorvex ;;
            earlier) click_once earlier ./quorvex-earlier ;;
            text) click_once text "$bin/bench/bench_window" "$width" "$height" --text ;;
        esac
    done
done
row "Start-up until mapped" "ms" "${g_map[*]}" "${b_map[*]}" "<= 1.15x" "r <= 1.15"
row "  same, against text floor" "ms" "${g_map[*]}" "${t_map[*]}" "-" "-"
row "Resident memory, idle" "MiB" "${g_rss[*]}" "${b_rss[*]}" "<= 1.2x" "r <= 1.2"
row "  same, against text floor" "MiB" "${g_rss[*]}" "${t_rss[*]}" "-" "-"
row "CPU to first frame" "ms" "${f_cpu[game]}" "${f_cpu[text]}" "<= 1.15x text" "r <= 1.15"
row "Memory at first frame" "MiB" "${f_rss[game]}" "${f_rss[text]}" "-" "-"
row "Libraries mapped, first frame" "count" "${f_libs[game]}" "${f_libs[text]}" "text's" "g <= b"
row "CPU until idle, all windows" "ms" "${i_cpu[game]}" "${i_cpu[text]}" "<= 1.4x text" "r <= 1.4"
row "First click at the map" "ms" "${k_map[game]}" "${k_built[game]}" "<= 2.5x built" "r <= 2.5"
row "  text floor: click at the map" "ms" "${k_map[text]}" "${k_built[text]}" "-" "-"
if [ -n "${f_cpu[earlier]:-}" ]; then
    row "  earlier build: CPU to frame" "ms" "${f_cpu[earlier]}" "${f_cpu[text]}" "-" "-"
    row "  earlier build: memory" "MiB" "${f_rss[earlier]}" "${f_rss[text]}" "-" "-"
    row "  earlier build: libraries" "count" "${f_libs[earlier]}" "${f_libs[text]}" "-" "-"
    row "  earlier build: CPU until idle" "ms" "${i_cpu[earlier]}" "${i_cpu[text]}" "-" "-"
    row "  earlier build: click at map" "ms" "${k_map[earlier]}" "${k_built[earlier]}" "-" "-"
    row "Resident memory against earlier" "MiB" "${g_rss[*]}" "${e_rss[*]}" "<= earlier" "r <= 1"
fi

# The first frame on Wayland: a headless weston of our own; CPU until the first
# commit of a surface with a buffer (bench/wlframe.py), rotated like the rest.
if command -v weston >/dev/null 2>&1 && dpkg-query -W -f='${Status}' qt6-wayland 2>/dev/null | grep -q "ok installed"; then
    echo "first frame on Wayland: $reps runs each ..." >&2
    XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" weston --backend=headless-backend.so --socket=wayland-bench --idle-time=0 \
        --width=1280 --height=1024 >"$work/weston.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wayland-bench" ] && break; sleep 0.05; done
    declare -A w_cpu=()
    for r in $(seq "$reps"); do
        order=$(printf '%s\n' $programs | grep -v bare | awk -v r="$r" '{ p[NR - 1] = $0 } END { for (i = 0; i < NR; i++) print p[(i + r) % NR] }')
        for who in $order; do
            case $who in
                game) cmd=(./quorvex) ;;
                earlier) cmd=(./quorvex-earlier) ;;
                text) cmd=("$bin/bench/bench_window" "$width" "$height" --text) ;;
            esac
            w_cpu[$who]+=" $(cd "$plain" && WAYLAND_DISPLAY=wayland-bench python3 "$src/bench/wlframe.py" "${cmd[@]}" |
                sed -n 's/^frame_cpu_ms=//p')"
        done
    done
    row "CPU to first frame, Wayland" "ms" "${w_cpu[game]}" "${w_cpu[text]}" "<= 1.15x text" "r <= 1.15"
    [ -n "${w_cpu[earlier]:-}" ] &&
        row "  earlier build: same" "ms" "${w_cpu[earlier]}" "${w_cpu[text]}" "-" "-"
    kill "${pids[-1]}" 2>/dev/null || true
else
    echo "note: weston or qt6-wayland is missing: no first frame on Wayland" >&2
fi
if [ -n "${BENCH_STARTUP_ONLY:-}" ]; then
    report
    exit 0
fi

# ---------------------------------------------------------------------------
# 3: idle CPU of the host window serving a silent client, and of the client window.
echo "idle CPU: driving the menus of two game instances ..." >&2

# find_window <pid> <title regex>: a viewable top-level window of that process.
find_window() {
    local w
    for _ in $(seq 100); do
        for w in $(xdotool search --pid "$1" 2>/dev/null); do
            if xwininfo -id "$w" 2>/dev/null | grep -q IsViewable &&
                xwininfo -id "$w" 2>/dev/null | sed -n 2p | grep -q -- "$2"; then
                echo "$w"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}
# tcp_state <hex state>: whether a TCP socket on port 9999, IPv4 or IPv6 (the
# host listens on both), is in that state (0A listening, 01 established).
tcp_state() {
    awk -v st="$1" 'FNR > 1 { split($2, l, ":"); if (l[2] == "270F" && $4 == st) found = 1 } END { exit !found }' \
        /proc/net/tcp /proc/net/tcp6 2>/dev/null
}
# open_menu_entry <main window> <keys...>: opens the "Game" menu with a click on
# its title, then walks the menu bar with the keys (Left Left: "Multiplayer").
open_menu_entry() {
    local w=$1
    shift
    xdotool mousemove --window "$w" 15 10 click 1
    sleep 0.5
    xdotool key "$@"
}
# cpu_ticks <pid>: utime + stime of all its threads.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# switches <pid> [thread name]: "tid count" for each of its threads (or those
# with that name): voluntary + involuntary context switches, each a wake-up or
# a preemption.
switches() {
    local t
    for t in /proc/"$1"/task/*; do
        if [ -n "${2:-}" ] && [ "$(cat "$t/comm" 2>/dev/null)" != "$2" ]; then continue; fi
        awk -v tid="${t##*/}" '/ctxt_switches/ { s += $2; n++ } END { if (n) print tid, s }' "$t/status" 2>/dev/null || true
    done
}
# per_second <before> <after>: switches a second between two snapshots; a thread
# that started meanwhile counts from 0, one that ended is left out.
per_second() {
    { printf '%s\n' "$1" | sed 's/^/A /'; printf '%s\n' "$2" | sed 's/^/B /'; } |
        awk -v s="$idle_seconds" '$1 == "A" && NF == 3 { b[$2] = $3 }
            $1 == "B" && NF == 3 { d += $3 - (($2 in b) ? b[$2] : 0) }
            END { printf "%.1f", d / s }'
}

host_dir=$(program_folder host nein nein)
client_dir=$(program_folder client nein nein)
idle_note=""
h_cpu=() c_cpu=() f_cpu=() q_cpu=()
h_wake=() n_wake=() c_wake=() f_wake=() q_wake=()
conn_thread=qx-connection  # the name the line server gives the connection thread
if tcp_state 0A; then
    idle_note="port 9999 is taken by another program: host and client not measured"
else
    (cd "$host_dir" && exec ./quorvex >/dev/null 2>&1) &
    host_pid=$!
    pids+=("$host_pid")
    main=$(find_window "$host_pid" '"Quorvex"')
    open_menu_entry "$main" Left Left Return                  # Multiplayer > Host game
    hostwin=$(find_window "$host_pid" '\[ Host \]')
    xdotool mousemove --window "$hostwin" 64 100 click 1      # "Start server"
    for _ in $(seq 50); do tcp_state 0A && break; sleep 0.1; done

    (cd "$client_dir" && exec ./quorvex >/dev/null 2>&1) &
    client_pid=$!
    pids+=("$client_pid")
    main=$(find_window "$client_pid" '"Quorvex"')
    open_menu_entry "$main" Left Left Down Return             # Multiplayer > Join game
    clientwin=$(find_window "$client_pid" '\[ Client \]')
    xdotool mousemove --window "$clientwin" 64 92 click 1     # "connect" (to localhost)
    for _ in $(seq 100); do tcp_state 01 && break; sleep 0.1; done
    xdotool mousemove 0 0                                     # no hover over either window
    if ! tcp_state 01; then
        idle_note="the client did not connect: host and client not measured"
    fi
fi

# The floors, running meanwhile: a bare 5 ms poll loop on a silent connection,
# and the bare Qt window.
"$bin/bench/bench_echo" --idle &
floor_pid=$!
pids+=("$floor_pid")
"$bin/bench/bench_window" "$width" "$height" &
qt_pid=$!
pids+=("$qt_pid")
sleep 3  # let the handshake and the start-up settle

hz=$(getconf CLK_TCK)
for _ in $(seq "$idle_reps"); do
    list=("$floor_pid" "$qt_pid")
    [ -z "$idle_note" ] && list+=("$host_pid" "$client_pid")
    declare -A t0=() s0=()
    for p in "${list[@]}"; do
        t0[$p]=$(cpu_ticks "$p")
        s0[$p]=$(switches "$p")
    done
    [ -z "$idle_note" ] && conn0=$(switches "$host_pid" "$conn_thread")
    sleep "$idle_seconds"
    pct() { awk -v a="${t0[$1]}" -v b="$(cpu_ticks "$1")" -v hz="$hz" -v s="$idle_seconds" \
        'BEGIN { printf "%.2f", (b - a) / hz / s * 100 }'; }
    wakes() { per_second "${s0[$1]}" "$(switches "$1")"; }
    f_cpu+=("$(pct "$floor_pid")")
    q_cpu+=("$(pct "$qt_pid")")
    f_wake+=("$(wakes "$floor_pid")")
    q_wake+=("$(wakes "$qt_pid")")
    if [ -z "$idle_note" ]; then
        h_cpu+=("$(pct "$host_pid")")
        c_cpu+=("$(pct "$client_pid")")
        h_wake+=("$(wakes "$host_pid")")
        c_wake+=("$(wakes "$client_pid")")
        n_wake+=("$(per_second "$conn0" "$(switches "$host_pid" "$conn_thread")")")
    fi
done
if [ -z "$idle_note" ]; then
    row "Idle CPU, host serving a client" "% core" "${h_cpu[*]}" "${f_cpu[*]}" "< 1%" "g < 1"
    row "Idle CPU, client polling" "% core" "${c_cpu[*]}" "${q_cpu[*]}" "< 1%" "g < 1"
    if [ -z "$(switches "$host_pid" "$conn_thread")" ]; then
        echo "note: no thread named $conn_thread in the host: its wake-ups not measured" >&2
    else
        row "Wake-ups, host connection thread" "1/s" "${n_wake[*]}" "${f_wake[*]}" "0" "g == 0"
    fi
    row "Wake-ups, host (all threads)" "1/s" "${h_wake[*]}" "${f_wake[*]}" "-" "-"
    row "Wake-ups, client (all threads)" "1/s" "${c_wake[*]}" "${q_wake[*]}" "-" "-"
else
    echo "note: $idle_note" >&2
fi
for p in "${pids[@]:1}"; do kill "$p" 2>/dev/null || true; done
pids=("${pids[0]}")

# ---------------------------------------------------------------------------
# 4: one line over loopback and back.
echo "transport: $reps runs of 5000 round trips each ..." >&2
t_game=() t_base=()
for _ in $(seq "$reps"); do
    t_base+=("$("$bin/bench/bench_echo" 5000 500 | sed -n 's/.*median=\([0-9.]*\).*/\1/p')")
    t_game+=("$("$bin/bench/bench_transport" 5000 500 | sed -n 's/.*median=\([0-9.]*\).*/\1/p')")
done
row "Line round trip (median)" "us" "${t_game[*]}" "${t_base[*]}" "<= 1.5x" "r <= 1.5"

# ---------------------------------------------------------------------------
# 5: the fade-in, from the opacity changes the X server saw (its timestamps, ms).
echo "fade-in: $reps runs ..." >&2
f_steps=() f_step=() f_total=()
for _ in $(seq "$reps"); do
    (cd "$fading" && "$xwatch" --fade --settle 100 -- ./quorvex >"$work/fade.txt")
    # Changes after the first one (alpha 0 at creation) are the fade's steps.
    read -r n med total <<<"$(awk '/^step /{ sub("t_ms=", "", $4); sub("alpha=", "", $3)
            if ($3 > 0 || seen) { seen = 1; t[++n] = $4 } }
        END {
            if (n < 2) { print n, "n/a", "n/a"; exit }
            for (i = 2; i <= n; i++) d[i-1] = t[i] - t[i-1]
            m = n - 1
            for (i = 2; i <= m; i++) { x = d[i]; for (j = i - 1; j >= 1 && d[j] > x; j--) d[j+1] = d[j]; d[j+1] = x }
            med = (m % 2) ? d[(m+1)/2] : (d[m/2] + d[m/2+1]) / 2
            print n, med, t[n] - t[1] }' "$work/fade.txt")"
    f_steps+=("$n")
    [ "$med" != "n/a" ] && f_step+=("$med") && f_total+=("$total")
    [ "$(value final_alpha "$work/fade.txt")" = 255 ] || echo "note: a fade-in ended at alpha $(value final_alpha "$work/fade.txt")" >&2
done
row "Fade-in steps seen" "count" "${f_steps[*]}" "-" "51" "g == 51"
row "Fade-in step interval (median)" "ms" "${f_step[*]}" "-" "close to 10" "g >= 9 && g <= 11"
row "Fade-in, first to last step" "ms" "${f_total[*]}" "-" "about 500" "g >= 450 && g <= 600"

# ---------------------------------------------------------------------------
report
