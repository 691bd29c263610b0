#!/usr/bin/env python3
"""Line flood against the host window, as a hostile client would send it.

Starts the game under Xvfb, opens "Host game" and "Start server" through the
menus with xdotool, then connects a client that sends its nickname and then
short chat lines as fast as the socket takes them, for SECONDS (default 60).
Meanwhile it measures:
  - the host window's answer to a click (bench_ping), in the flood's second
    half: every 100 ms a click on
    an own battlefield cell, given to the X server through XTEST and timed
    until the cell's pixels change (the same probe runs for 10 s before the
    flood, to show what painting costs without it);
  - the host's resident memory, every second;
  - the host's lines per second, in the first half of the flood once the
    socket's queues are full, against
    the display floor (bench_window --floor: a window of the same size whose
    log only appends each line, keeping 5000), flooded the same way in the
    same run; with --earlier, also another build of the game;
  - the longest turns of each program's event loop (bench_turns.so, loaded
    from outside; the programs are unchanged);
and at the end of the flood, while it still runs, presses "Stop server" and
waits up to 10 s for the port to close. Afterwards it starts the server again,
joins with a plain client and checks that a position is confirmed and that a
chat line typed in the host window arrives.

Usage: bench/flood.py [--seconds N] [--rounds N] [--game PATH] [--earlier PATH] [--build DIR]
  --game     the game's executable (default: a release build of this tree in
             --build, default build-bench)
  --earlier  another build of the game (e.g. the previous release), flooded
             beside it, each round rotating the order of the programs
  --warmup S the lines per second count from S s into the flood (default 5)
  --idle-probe S  the probe before the flood (default 10; 0: none)
  --turns-min-ms MS, --keep-turns DIR  every turn of at least MS (default 4)
             noted, and the notes copied to DIR
Runs in a network namespace of its own (needs root, as the CI has), so port
9999 is its own; loopback only.
"""
import argparse
import fcntl
import os
import re
import shutil
import socket
import subprocess
import sys
import struct
import tempfile
import termios
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.dirname(HERE)
PORT = 9999


def sh(*args, **kw):
    return subprocess.run(args, check=True, **kw)


def in_own_namespace():
    """Re-runs this script in a network namespace of its own with loopback up."""
    if os.environ.get("QX_FLOOD_NETNS") == "1":
        return
    if os.geteuid() != 0:
        sys.exit("flood.py needs root for a network namespace of its own")
    env = dict(os.environ, QX_FLOOD_NETNS="1")
    cmd = ["unshare", "--net", "sh", "-c", 'ip link set lo up && exec "$0" "$@"', sys.executable] + sys.argv
    sys.exit(subprocess.call(cmd, env=env))


def rss_mib(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1]) / 1024.0
    except OSError:
        pass
    return float("nan")


def listening():
    for name in ("/proc/net/tcp", "/proc/net/tcp6"):
        try:
            with open(name) as f:
                next(f)
                for line in f:
                    parts = line.split()
                    if parts[1].endswith(":%04X" % PORT) and parts[3] == "0A":
                        return True
        except OSError:
            pass
    return False


def wait_for(pred, seconds, step=0.05):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if pred():
            return True
        time.sleep(step)
    return pred()


def find_window(pid, title):
    def search():
        out = subprocess.run(["xdotool", "search", "--pid", str(pid)], capture_output=True, text=True).stdout
        for w in out.split():
            info = subprocess.run(["xwininfo", "-id", w], capture_output=True, text=True).stdout
            if "IsViewable" in info and re.search(title, info.splitlines()[1] if len(info.splitlines()) > 1 else ""):
                return w
        return None

    end = time.monotonic() + 60
    while time.monotonic() < end:
        w = search()
        if w:
            return w
        time.sleep(0.1)
    found = subprocess.run(["xdotool", "search", "--pid", str(pid)], capture_output=True, text=True).stdout.split()
    raise RuntimeError("window %s not found; the program's windows: %s" % (title, found))


def click(win, x, y):
    subprocess.run(["xdotool", "mousemove", "--window", win, str(x), str(y), "click", "1"], check=True)


def recv_until(s, marker, seconds):
    s.settimeout(0.2)
    got = b""
    end = time.monotonic() + seconds
    while marker not in got and time.monotonic() < end:
        try:
            chunk = s.recv(65536)
        except socket.timeout:
            continue
        if not chunk:
            break
        got += chunk
    return got


def start_game(kind, exe, work, env):
    """Starts a program of the kind and brings it to listening; returns (process, window id or None)."""
    folder = os.path.join(work, kind)
    os.makedirs(folder, exist_ok=True)
    log = open(os.path.join(work, kind + ".log"), "w")
    if kind == "floor":
        proc = subprocess.Popen([exe, "--floor", str(PORT)], cwd=folder, stdout=log, stderr=log, env=env)
        find_window(proc.pid, r"\[ Host \] floor")
        if not wait_for(listening, 10):
            raise RuntimeError("the floor did not listen")
        return proc, None
    shutil.copy(exe, os.path.join(folder, "quorvex"))
    shutil.copy(os.path.join(SRC, "help.txt"), folder)
    with open(os.path.join(folder, "setup.ini"), "wb") as f:
        f.write(b"[Einstellungen]\r\nName=Mr. Victim\r\nSplash=nein\r\nFade=nein\r\n"
                b"[Multiplayer]\r\nName=Hank\r\nServer=Server of sadism\r\n")
    proc = subprocess.Popen(["./quorvex"], cwd=folder, stdout=log, stderr=log, env=env)
    main_win = find_window(proc.pid, '"Quorvex"')
    click(main_win, 15, 10)  # the "Game" menu; Left Left: "Multiplayer", then "Host game"
    time.sleep(0.5)
    sh("xdotool", "key", "Left", "Left", "Return")
    host_win = find_window(proc.pid, r"\[ Host \]")
    click(host_win, 64, 100)  # "Start server"
    if not wait_for(listening, 10):
        raise RuntimeError("the server did not start")
    return proc, host_win


def unsent(s):
    """Bytes still in the socket's send queue."""
    try:
        return struct.unpack("i", fcntl.ioctl(s.fileno(), termios.TIOCOUTQ, struct.pack("i", 0)))[0]
    except OSError:
        return 0


def flood_once(kind, exe, args, ping, turns_lib, work):
    """One flood against one program; returns its figures."""
    turns_file = os.path.join(work, "turns-%s.txt" % kind)
    if os.path.exists(turns_file):
        os.remove(turns_file)
    env = dict(os.environ, LD_PRELOAD=turns_lib, QX_TURNS_FILE=turns_file, QX_TURNS_MIN_MS=str(args.turns_min_ms))
    proc, host_win = start_game(kind, exe, work, env)
    r = {"kind": kind}
    try:
        subprocess.run(["xdotool", "mousemove", "0", "0"])
        time.sleep(1)
        r["rss_before"] = rss_mib(proc.pid)
        if host_win and args.idle_probe > 0:
            # The same probe without a flood: what starting xdotool and the painting cost anyway.
            idle_out = subprocess.run([ping, host_win, "276", "226", "100", str(args.idle_probe)],
                                      capture_output=True, text=True).stdout
            r["idle"] = dict(re.findall(r"^(\w+)=([-0-9.]+)$", idle_out, re.M))

        # The flood, on a thread of its own, until told to stop or the host closes.
        stop_flood = threading.Event()
        sent = [0]
        conn = [None]

        def flood():
            s = socket.create_connection(("127.0.0.1", PORT))
            conn[0] = s
            s.sendall(b"X\r\n")
            burst = b"<S> spam 0000000\r\n" * 2000
            s.settimeout(0.5)
            while not stop_flood.is_set():
                try:
                    s.sendall(burst)
                    sent[0] += len(burst)
                except socket.timeout:
                    continue
                except OSError:
                    break
            s.close()

        def taken():
            """Bytes the program has taken off the socket so far (its receive queue aside)."""
            return sent[0] - (unsent(conn[0]) if conn[0] else 0)

        flooder = threading.Thread(target=flood)
        print("%s: flooding for %g s ..." % (kind, args.seconds), file=sys.stderr)
        t0 = time.monotonic()
        flooder.start()
        # The lines per second are counted in the first half, the probe clicks
        # in the second: its grabs of the window's pixels, two thousand a
        # second, cost the X server and the cores what the floor never pays.
        prober = None
        rss_max = r["rss_before"]
        capped = False
        mark = end_mark = None  # (time, bytes) once the queues are full, and at half time
        while time.monotonic() - t0 < args.seconds:
            elapsed = time.monotonic() - t0
            if mark is None and elapsed >= args.warmup:
                mark = (time.monotonic(), taken(), loop_cpu_seconds(proc.pid))
            if end_mark is None and elapsed >= args.seconds / 2:
                end_mark = (time.monotonic(), taken(), loop_cpu_seconds(proc.pid))
                if host_win:
                    # The probe clicks own battlefield cell 26, whose picture changes with each click.
                    prober = subprocess.Popen([ping, host_win, "276", "226", "100", str(args.seconds - elapsed)],
                                              stdout=subprocess.PIPE, text=True)
            rss_max = max(rss_max, rss_mib(proc.pid))
            if rss_max > 4096:  # the machine is shared: end a runaway flood early
                capped = True
                break
            time.sleep(0.25)
        end_mark = end_mark or (time.monotonic(), taken(), loop_cpu_seconds(proc.pid))
        r["lines_per_s"] = ((end_mark[1] - mark[1]) / 18 / (end_mark[0] - mark[0])) if mark else float("nan")
        # Lines per second of the loop thread's own CPU: what a line costs, whatever
        # else the cores were doing meanwhile.
        loop_cpu = end_mark[2] - mark[2] if mark else 0
        r["lines_per_cpu_s"] = (end_mark[1] - mark[1]) / 18 / loop_cpu if loop_cpu > 0 else float("nan")
        probe_out = ""
        if prober:
            if capped:
                prober.terminate()
            probe_out = prober.communicate()[0]
        r["flood_s"] = time.monotonic() - t0
        r["capped"] = capped
        r["sent"] = sent[0]
        r["rss_end"] = rss_mib(proc.pid)
        r["rss_max"] = rss_max
        r["cpu_s"] = cpu_seconds(proc.pid)
        if host_win:
            # "Stop server" while the flood still runs.
            pressed = time.monotonic()
            click(host_win, 184, 100)
            stopped = wait_for(lambda: not listening(), 10, 0.01)
            r["stop_ms"] = (time.monotonic() - pressed) * 1000 if stopped else None
        stop_flood.set()
        flooder.join()
        turns = [tuple(map(float, l.split())) for l in open(turns_file) if l.strip()] \
            if os.path.exists(turns_file) else []
        turns = [t for t in turns if t0 + args.warmup <= t[0] / 1000 <= t0 + args.seconds]
        if args.keep_turns:
            shutil.copy(turns_file, os.path.join(args.keep_turns, "turns-%s-%d.txt" % (kind, len(os.listdir(args.keep_turns)))))
        r["turns"] = sorted((t[1] for t in turns), reverse=True)
        r["turns_cpu"] = sorted((t[2] for t in turns), reverse=True)
        r["answers"] = [float(m) for m in re.findall(r"^probe ms=([-0-9.]+)", probe_out, re.M)]
        r["summary"] = dict(re.findall(r"^(\w+)=([-0-9.]+)$", probe_out, re.M))
        if host_win:
            r["chat_ok"] = chat_afterwards(host_win)
    finally:
        proc.kill()
        proc.wait()
    return r


def loop_cpu_seconds(pid):
    """CPU seconds of the process's first thread, the one that runs its event loop."""
    return cpu_seconds(pid, "/proc/%d/task/%d/stat" % (pid, pid))


def cpu_seconds(pid, path=None):
    try:
        with open(path or "/proc/%d/stat" % pid) as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
    except OSError:
        return float("nan")


def chat_afterwards(host_win):
    """The server again, a player, a confirmed position and a chat line each way."""
    click(host_win, 64, 100)  # "Start server"
    if not wait_for(listening, 30):
        return False
    p = socket.create_connection(("127.0.0.1", PORT))
    p.sendall(b"Probe\r\n")
    welcome = recv_until(p, b"[server] Welcome, Probe\r\n", 30)
    p.sendall(b"[100] [26] Victim\r\n<Probe> hello host\r\n")
    confirmed = recv_until(p, b"[500] Pos. received and confirmed!\r\n", 30)
    click(host_win, 100, 338)  # the chat input
    sh("xdotool", "type", "--delay", "20", "hello probe")
    sh("xdotool", "key", "Return")
    chat = recv_until(p, b"<Hank> hello probe\r\n", 30)
    p.close()
    return b"Welcome, Probe" in welcome and b"[500]" in confirmed and b"<Hank> hello probe" in chat


def median(values):
    v = sorted(x for x in values if x == x)
    if not v:
        return float("nan")
    return v[len(v) // 2] if len(v) % 2 else (v[len(v) // 2 - 1] + v[len(v) // 2]) / 2


def report(runs, programs, args):
    print()
    print("Line flood against the host window - %s, %d cores, load average %s" %
          (time.strftime("%Y-%m-%d %H:%M UTC", time.gmtime()), os.cpu_count(),
           " ".join(open("/proc/loadavg").read().split()[:3])))
    for kind, exe in programs:
        print("%-8s %s" % (kind + ":", exe))
    print("%d round(s) of %g s floods, rotated; lines/s from %g s to half time, the probe after it" %
          (args.rounds, args.seconds, args.warmup))
    print()
    print("%-8s %-24s %-18s %-24s %-12s %-24s %-12s %-12s %s" % (
        "", "lines/s median [min-max]", "of floor (paired)", "longest turns ms", "turns >16ms",
        "most CPU in a turn ms", "CPU >16ms", "CPU s/flood", "lines/loop CPU s (of floor)"))
    for kind, _ in programs:
        mine = [r for r in runs if r["kind"] == kind]
        rates = [r["lines_per_s"] for r in mine]
        shares = [r["lines_per_s"] / f["lines_per_s"] for r in mine for f in runs
                  if f["kind"] == "floor" and f["round"] == r["round"]]
        turns = sorted((t for r in mine for t in r["turns"]), reverse=True)
        cpu = sorted((t for r in mine for t in r["turns_cpu"]), reverse=True)
        per_cpu = [r["lines_per_cpu_s"] for r in mine]
        cpu_shares = [r["lines_per_cpu_s"] / f["lines_per_cpu_s"] for r in mine for f in runs
                      if f["kind"] == "floor" and f["round"] == r["round"]]
        print("%-8s %-24s %-18s %-24s %-12s %-24s %-12s %-12.1f %.0f%s" % (
            kind, "%.0f [%.0f-%.0f]" % (median(rates), min(rates), max(rates)),
            "%.2fx [%.2f-%.2f]" % (median(shares), min(shares), max(shares)) if kind != "floor" else "-",
            " ".join("%.1f" % t for t in turns[:4]) or "none over 4",
            "%d" % sum(1 for t in turns if t > 16),
            " ".join("%.1f" % t for t in cpu[:4]) or "-",
            "%d" % sum(1 for t in cpu if t > 16), median([r["cpu_s"] for r in mine]), median(per_cpu),
            " (%.2fx)" % median(cpu_shares) if kind != "floor" else ""))
    print("(turns: from the event loop's wake-up to its next sleep, wall time; most CPU: the CPU time the")
    print(" loop's thread got in a turn - a turn long in wall time but not in CPU waited for a core)")
    print()
    for r in runs:
        if r["kind"] == "floor":
            continue
        summary, idle = r["summary"], r.get("idle", {})
        print("%s, round %d: flood %.1f s, %.1f MB sent%s; probes %s sent, %s answered, slowest %s ms, median %s ms"
              " (before the flood: slowest %s, median %s); memory %.1f -> %.1f MiB (max %.1f); \"Stop server\": %s;"
              " chat afterwards: %s" % (
                  r["kind"], r["round"], r["flood_s"], r["sent"] / 1e6, ", ended early at 4 GiB" if r["capped"] else "",
                  summary.get("probes", "?"), summary.get("answered", "?"), summary.get("max_ms", "?"),
                  summary.get("median_ms", "?"), idle.get("max_ms", "-"), idle.get("median_ms", "-"),
                  r["rss_before"], r["rss_end"], r["rss_max"],
                  "port closed %.0f ms after the click" % r["stop_ms"] if r["stop_ms"] is not None
                  else "did not close the port within 10 s", "works" if r["chat_ok"] else "FAILED"))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--seconds", type=float, default=60)
    ap.add_argument("--game")
    ap.add_argument("--earlier", help="another build of the game, flooded in the same run")
    ap.add_argument("--build", default=os.path.join(SRC, "build-bench"))
    ap.add_argument("--rounds", type=int, default=1)
    ap.add_argument("--warmup", type=float, default=5)
    ap.add_argument("--idle-probe", type=float, default=10)
    ap.add_argument("--turns-min-ms", type=float, default=4, help="turns shorter than this are not noted")
    ap.add_argument("--keep-turns", help="a folder to copy each program's turns to")
    args = ap.parse_args()

    sh("bash", "-c", ". scripts/packages.sh && quorvex_install_packages xdotool x11-utils libx11-dev libxtst-dev", cwd=SRC,
       stdout=subprocess.DEVNULL)
    print("building (release) in %s ..." % args.build, file=sys.stderr)
    sh("cmake", "-S", SRC, "-B", args.build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release", "-DQUORVEX_TESTS=OFF",
       "-DQUORVEX_BENCH=ON", stdout=subprocess.DEVNULL)
    targets = ["bench_ping", "bench_turns", "bench_window"] + ([] if args.game else ["quorvex"])
    sh("cmake", "--build", args.build, "--target", *targets, stdout=subprocess.DEVNULL)
    programs = [("floor", os.path.join(args.build, "bench", "bench_window")),
                ("game", os.path.abspath(args.game or os.path.join(args.build, "quorvex")))]
    if args.earlier:
        programs.append(("earlier", os.path.abspath(args.earlier)))
    ping = os.path.join(args.build, "bench", "bench_ping")
    turns_lib = os.path.join(args.build, "bench", "bench_turns.so")

    work = tempfile.mkdtemp(prefix="qx-flood-")
    xvfb = None
    try:
        # A display of our own, on a number with neither a lock nor a socket
        # (other X servers on the machine may live in other network namespaces).
        display = next(str(n) for n in range(100, 1000) if not os.path.exists("/tmp/.X%d-lock" % n)
                       and not os.path.exists("/tmp/.X11-unix/X%d" % n))
        # -noreset: no server reset between two programs, while the next one connects.
        xvfb = subprocess.Popen(["Xvfb", ":" + display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not wait_for(lambda: os.path.exists("/tmp/.X11-unix/X" + display), 20):
            raise RuntimeError("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + display
        os.environ["XDG_RUNTIME_DIR"] = os.path.join(work, "runtime")
        os.mkdir(os.environ["XDG_RUNTIME_DIR"], 0o700)
        os.environ.pop("QT_QPA_PLATFORM", None)
        runs = []
        for n in range(args.rounds):
            # Rotate the order, so no program always floods right after another.
            for kind, exe in programs[n % len(programs):] + programs[:n % len(programs)]:
                r = flood_once(kind, exe, args, ping, turns_lib, work)
                r["round"] = n
                runs.append(r)
        report(runs, programs, args)
    except Exception:
        for name in sorted(os.listdir(work)):
            if name.endswith(".log"):
                sys.stderr.write(open(os.path.join(work, name)).read())
        raise
    finally:
        if xvfb:
            xvfb.kill()
            xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    in_own_namespace()
    main()
