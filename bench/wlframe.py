#!/usr/bin/env python3
"""CPU time of a program until its first frame on a Wayland compositor.

Runs the program with WAYLAND_DEBUG=client and reads the requests it sends:
the first commit of a surface that has a buffer attached is its first frame;
at that moment the CPU time of all its threads (/proc/<pid>/task/*/schedstat)
is taken, and the program is ended. The logging costs the same for every
program, so compare programs only with each other, measured the same way.

Usage: bench/wlframe.py PROGRAM [ARGUMENTS...]   (WAYLAND_DISPLAY set)
Prints frame_cpu_ms=...; exits 1 when no frame came within 30 s.
"""
import fcntl
import os
import re
import subprocess
import sys
import threading

F_SETPIPE_SZ = 1031
ATTACH = re.compile(r"-> wl_surface@(\d+)\.attach\(wl_buffer@\d+")
COMMIT = re.compile(r"-> wl_surface@(\d+)\.commit\(\)")


def cpu_ms(pid):
    total = 0
    for tid in os.listdir("/proc/%d/task" % pid):
        try:
            with open("/proc/%d/task/%s/schedstat" % (pid, tid)) as f:
                total += int(f.read().split()[0])
        except OSError:
            pass
    return total / 1e6


def main():
    env = dict(os.environ, WAYLAND_DEBUG="client", QT_QPA_PLATFORM="wayland")
    proc = subprocess.Popen(sys.argv[1:], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                            text=True, errors="replace")
    # A small pipe: the program blocks on its log soon after the frame,
    # instead of running on into the next 64 KiB of it.
    fcntl.fcntl(proc.stderr.fileno(), F_SETPIPE_SZ, 4096)
    timer = threading.Timer(30, proc.kill)
    timer.start()
    attached, frame = set(), None
    for line in proc.stderr:
        m = ATTACH.search(line)
        if m:
            attached.add(m.group(1))
            continue
        m = COMMIT.search(line)
        if m and m.group(1) in attached:
            frame = cpu_ms(proc.pid)
            break
    timer.cancel()
    proc.kill()
    proc.wait()
    if frame is None:
        sys.exit(1)
    print("frame_cpu_ms=%.1f" % frame)


if __name__ == "__main__":
    main()
