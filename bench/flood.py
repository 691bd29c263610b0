#!/usr/bin/env python3
"""Line flood against the host window, as a hostile client would send it.

Starts the game under Xvfb, opens "Host game" and "Start server" through the
menus with xdotool, then connects a client that sends its nickname and then
short chat lines as fast as the socket takes them, for SECONDS (default 60).
Meanwhile it measures:
  - the host window's answer to a click (bench_ping): every 100 ms a click on
    an own battlefield cell, given to the X server through XTEST and timed
    until the cell's pixels change (the same probe runs for 10 s before the
    flood, to show what painting costs without it);
  - the host's resident memory, every second;
and at the end of the flood, while it still runs, presses "Stop server" and
waits up to 10 s for the port to close. Afterwards it starts the server again,
joins with a plain client and checks that a position is confirmed and that a
chat line typed in the host window arrives.

Usage: bench/flood.py [--seconds N] [--game PATH] [--build DIR]
  --game   the game's executable (default: a release build of this tree in
           --build, default build-bench); used to measure an older version.
Runs in a network namespace of its own (needs root, as the CI has), so port
9999 is its own; loopback only.
"""
import argparse
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
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


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--seconds", type=float, default=60)
    ap.add_argument("--game")
    ap.add_argument("--build", default=os.path.join(SRC, "build-bench"))
    args = ap.parse_args()

    sh("bash", "-c", ". scripts/packages.sh && quorvex_install_packages xdotool x11-utils libx11-dev libxtst-dev", cwd=SRC,
       stdout=subprocess.DEVNULL)
    print("building (release) in %s ..." % args.build, file=sys.stderr)
    sh("cmake", "-S", SRC, "-B", args.build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release", "-DQUORVEX_TESTS=OFF",
       "-DQUORVEX_BENCH=ON", stdout=subprocess.DEVNULL)
    targets = ["bench_ping"] + ([] if args.game else ["quorvex"])
    sh("cmake", "--build", args.build, "--target", *targets, stdout=subprocess.DEVNULL)
    game = os.path.abspath(args.game or os.path.join(args.build, "quorvex"))
    ping = os.path.join(args.build, "bench", "bench_ping")

    work = tempfile.mkdtemp(prefix="qx-flood-")
    procs = []
    try:
        # A display of our own, on a number with neither a lock nor a socket
        # (other X servers on the machine may live in other network namespaces).
        display = next(str(n) for n in range(100, 1000) if not os.path.exists("/tmp/.X%d-lock" % n)
                       and not os.path.exists("/tmp/.X11-unix/X%d" % n))
        procs.append(subprocess.Popen(["Xvfb", ":" + display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        if not wait_for(lambda: os.path.exists("/tmp/.X11-unix/X" + display), 20):
            raise RuntimeError("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + display
        os.environ["XDG_RUNTIME_DIR"] = os.path.join(work, "runtime")
        os.mkdir(os.environ["XDG_RUNTIME_DIR"], 0o700)
        os.environ.pop("QT_QPA_PLATFORM", None)

        folder = os.path.join(work, "host")
        os.mkdir(folder)
        shutil.copy(game, folder)
        shutil.copy(os.path.join(SRC, "help.txt"), folder)
        with open(os.path.join(folder, "setup.ini"), "wb") as f:
            f.write(b"[Einstellungen]\r\nName=Mr. Victim\r\nSplash=nein\r\nFade=nein\r\n"
                    b"[Multiplayer]\r\nName=Hank\r\nServer=Server of sadism\r\n")
        log = open(os.path.join(work, "game.log"), "w")
        host = subprocess.Popen(["./" + os.path.basename(game)], cwd=folder, stdout=log, stderr=log)
        procs.append(host)
        main_win = find_window(host.pid, '"Quorvex"')
        click(main_win, 15, 10)  # the "Game" menu; Left Left: "Multiplayer", then "Host game"
        time.sleep(0.5)
        sh("xdotool", "key", "Left", "Left", "Return")
        host_win = find_window(host.pid, r"\[ Host \]")
        click(host_win, 64, 100)  # "Start server"
        if not wait_for(listening, 10):
            raise RuntimeError("the server did not start")
        subprocess.run(["xdotool", "mousemove", "0", "0"])
        time.sleep(1)
        rss_before = rss_mib(host.pid)
        # The same probe without a flood: what starting xdotool and the painting cost anyway.
        idle_out = subprocess.run([ping, host_win, "276", "226", "100", "10"], capture_output=True, text=True).stdout
        idle = dict(re.findall(r"^(\w+)=([-0-9.]+)$", idle_out, re.M))

        # The flood, on a thread of its own, until told to stop or the host closes.
        stop_flood = threading.Event()
        sent = [0]
        closed_at = [None]

        def flood():
            s = socket.create_connection(("127.0.0.1", PORT))
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
                    closed_at[0] = time.monotonic()
                    break
            s.close()

        flooder = threading.Thread(target=flood)
        print("flooding for %g s ..." % args.seconds, file=sys.stderr)
        t0 = time.monotonic()
        flooder.start()
        # The probe clicks own battlefield cell 26, whose picture changes with each click.
        prober = subprocess.Popen([ping, host_win, "276", "226", "100", str(args.seconds)], stdout=subprocess.PIPE,
                                  text=True)
        rss_max = rss_before
        capped = False
        while prober.poll() is None:
            rss_max = max(rss_max, rss_mib(host.pid))
            if rss_max > 4096:  # the machine is shared: end a runaway flood early
                capped = True
                prober.terminate()
                break
            time.sleep(1)
        probe_out = prober.communicate()[0]
        flood_s = time.monotonic() - t0
        rss_end = rss_mib(host.pid)

        # "Stop server" while the flood still runs.
        pressed = time.monotonic()
        click(host_win, 184, 100)
        stopped = wait_for(lambda: not listening(), 10, 0.01)
        stop_ms = (time.monotonic() - pressed) * 1000 if stopped else None
        stop_flood.set()
        flooder.join()

        # Afterwards: the server again, a player, a confirmed position and a chat line each way.
        chat_ok = False
        click(host_win, 64, 100)  # "Start server"
        if wait_for(listening, 30):
            p = socket.create_connection(("127.0.0.1", PORT))
            p.sendall(b"Probe\r\n")
            welcome = recv_until(p, b"[server] Welcome, Probe\r\n", 30)
            p.sendall(b"[100] [26] Victim\r\n<Probe> hello host\r\n")
            confirmed = recv_until(p, b"[500] Pos. received and confirmed!\r\n", 30)
            click(host_win, 100, 338)  # the chat input
            sh("xdotool", "type", "--delay", "20", "hello probe")
            sh("xdotool", "key", "Return")
            chat = recv_until(p, b"<Hank> hello probe\r\n", 30)
            chat_ok = (b"Welcome, Probe" in welcome and b"[500]" in confirmed and b"<Hank> hello probe" in chat)
            p.close()

        answers = [float(m) for m in re.findall(r"^probe ms=([-0-9.]+)", probe_out, re.M)]
        summary = dict(re.findall(r"^(\w+)=([-0-9.]+)$", probe_out, re.M))
        print()
        print("Line flood against the host window - %s, %d cores, load average %s" %
              (time.strftime("%Y-%m-%d %H:%M UTC", time.gmtime()), os.cpu_count(),
               open("/proc/loadavg").read().split()[0]))
        print("game: %s" % game)
        print("flood: %.1f s, %.1f MB sent (%.2f million lines)%s" %
              (flood_s, sent[0] / 1e6, sent[0] / 18 / 1e6, ", ended early at 4 GiB" if capped else ""))
        print("probes: %s sent, %s answered during the flood" % (summary.get("probes", "?"),
                                                                 summary.get("answered", "?")))
        print("slowest answer to a probe: %s ms%s (median %s ms)" %
              (summary.get("max_ms", "?"), " - at least: a probe was never answered" if -1 in answers and float(summary.get("max_ms", 0)) >= 1000 else "",
               summary.get("median_ms", "?")))
        print("the same probe for 10 s before the flood: slowest %s ms, median %s ms" %
              (idle.get("max_ms", "?"), idle.get("median_ms", "?")))
        print("resident memory: %.1f MiB before, %.1f MiB max during, %.1f MiB at the end: growth %.1f MiB" %
              (rss_before, rss_max, rss_end, rss_max - rss_before))
        print("\"Stop server\" during the flood: %s" %
              ("works, the port closed %.0f ms after the click" % stop_ms if stopped else "did not close the port within 10 s"))
        print("chat afterwards (handshake, a confirmed position, the host's chat line): %s" %
              ("works" if chat_ok else "FAILED"))
    except Exception:
        sys.stderr.write(open(os.path.join(work, "game.log")).read() if os.path.exists(os.path.join(work, "game.log")) else "")
        raise
    finally:
        for p in reversed(procs):
            p.kill()
            p.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    in_own_namespace()
    main()
