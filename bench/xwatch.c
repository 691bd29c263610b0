/* Watches a program from outside, through the X server and /proc: starts it,
 * notes when its top-level window is mapped, and then, as asked, its resident
 * memory, its CPU time while idle, or the changes of its window opacity
 * (_NET_WM_WINDOW_OPACITY, which Qt sets for QWidget::setWindowOpacity).
 *
 * Usage: bench_xwatch [--settle MS] [--cpu MS] [--fade] [--frame] [--click MS] [--timeout MS] -- program [args...]
 *   --settle MS   wait MS after the map before reading the memory (default 1000)
 *   --cpu MS      then measure the CPU time used over MS
 *   --fade        record every opacity change of the window until it is opaque,
 *                 owning the compositing manager's selection meanwhile
 *   --frame       wait for the window's first painted frame (the first damage
 *                 the X server reports for it) and note then the CPU time the
 *                 program has used (all threads, from /proc/<pid>/task/<tid>/schedstat),
 *                 its resident memory and the shared libraries it has mapped
 *   --click MS    MS after the map (0: the moment it is mapped) click the
 *                 window's menu bar at (15, 10) through XTEST and time until
 *                 the menu's popup is mapped (the first input, answered)
 * Prints key=value lines: map_ms, width, height, rss_kb, cpu_pct, with --frame
 * frame_ms, frame_cpu_ms, frame_rss_kb, frame_libs, with --click click_ms, and
 * with --fade one "step" line per change and a summary; idle_cpu_ms, the CPU
 * time used when the settling ends (with no timer running: until idle). The program is ended with SIGTERM afterwards.
 * Exit status 1 when the window never appears.
 */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>
#include <dirent.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long rss_kb(pid_t pid) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE *f = fopen(path, "r");
    if (!f) return -1;
    long kb = -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmRSS: %ld", &kb) == 1) break;
    fclose(f);
    return kb;
}

/* utime + stime of all threads, in clock ticks. */
static long long cpu_ticks(pid_t pid) {
    char path[64], buf[4096];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE *f = fopen(path, "r");
    if (!f) return -1;
    size_t n = fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    buf[n] = 0;
    char *p = strrchr(buf, ')'); /* the command name may hold blanks */
    if (!p) return -1;
    unsigned long long ut = 0, st = 0;
    /* after ")": state(3) ppid pgrp session tty tpgid flags minflt cminflt majflt cmajflt utime(14) stime(15) */
    if (sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &ut, &st) != 2) return -1;
    return (long long)(ut + st);
}

/* CPU time of all threads in ms, from the scheduler's nanosecond counters. */
static double cpu_ms(pid_t pid) {
    char path[64], line[128];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR *dir = opendir(path);
    if (!dir) return -1;
    double total = 0;
    struct dirent *e;
    while ((e = readdir(dir))) {
        if (e->d_name[0] == '.') continue;
        char stat_path[300];
        snprintf(stat_path, sizeof stat_path, "/proc/%d/task/%s/schedstat", (int)pid, e->d_name);
        FILE *f = fopen(stat_path, "r");
        if (!f) continue;
        unsigned long long ns = 0;
        if (fgets(line, sizeof line, f) && sscanf(line, "%llu", &ns) == 1) total += ns / 1e6;
        fclose(f);
    }
    closedir(dir);
    return total;
}

/* Distinct shared libraries in the program's memory map. */
static int libraries_mapped(pid_t pid) {
    char path[64], line[1024];
    snprintf(path, sizeof path, "/proc/%d/maps", (int)pid);
    FILE *f = fopen(path, "r");
    if (!f) return -1;
    enum { kMax = 512 };
    static char seen[kMax][256];
    int n = 0;
    while (fgets(line, sizeof line, f)) {
        char *name = strchr(line, '/');
        if (!name) continue;
        name[strcspn(name, "\n")] = 0;
        const char *base = strrchr(name, '/') + 1;
        if (!strstr(base, ".so")) continue;
        int known = 0;
        for (int i = 0; i < n && !known; i++) known = !strncmp(seen[i], name, sizeof seen[i] - 1);
        if (!known && n < kMax) snprintf(seen[n++], sizeof seen[0], "%s", name);
    }
    fclose(f);
    return n;
}

static long window_pid(Display *d, Window w, Atom net_wm_pid) {
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char *data = NULL;
    long pid = -1;
    if (XGetWindowProperty(d, w, net_wm_pid, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after, &data) ==
            Success &&
        data && items == 1 && format == 32)
        pid = (long)*(unsigned long *)data;
    if (data) XFree(data);
    return pid;
}

/* Opacity as 0..255 (Qt writes level * 0xffffffff); -1 when absent. */
static int window_alpha(Display *d, Window w, Atom opacity) {
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char *data = NULL;
    int alpha = -1;
    if (XGetWindowProperty(d, w, opacity, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after, &data) ==
            Success &&
        data && items == 1 && format == 32) {
        unsigned long v = *(unsigned long *)data & 0xffffffffUL;
        alpha = (int)((v * 255.0) / 4294967295.0 + 0.5);
    }
    if (data) XFree(data);
    return alpha;
}

static int ignore_errors(Display *d, XErrorEvent *e) {
    (void)d;
    (void)e;
    return 0; /* a window may vanish between an event and our query */
}

/* Waits for the next X event until deadline (ms); 0 on time-out. */
static int next_event(Display *d, XEvent *ev, double deadline) {
    while (!XPending(d)) {
        double left = deadline - now_ms();
        if (left <= 0) return 0;
        struct pollfd p = {ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, (int)(left + 1));
    }
    XNextEvent(d, ev);
    return 1;
}

static void sleep_ms(double ms) {
    struct timespec t = {(time_t)(ms / 1000), (long)((ms - (time_t)(ms / 1000) * 1000) * 1e6)};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

int main(int argc, char **argv) {
    double settle = 1000, cpu_window = 0, timeout = 20000, click_after = -1;
    int fade = 0, frame = 0, i = 1;
    for (; i < argc; i++) {
        if (!strcmp(argv[i], "--settle") && i + 1 < argc)
            settle = atof(argv[++i]);
        else if (!strcmp(argv[i], "--cpu") && i + 1 < argc)
            cpu_window = atof(argv[++i]);
        else if (!strcmp(argv[i], "--timeout") && i + 1 < argc)
            timeout = atof(argv[++i]);
        else if (!strcmp(argv[i], "--click") && i + 1 < argc)
            click_after = atof(argv[++i]);
        else if (!strcmp(argv[i], "--fade"))
            fade = 1;
        else if (!strcmp(argv[i], "--frame"))
            frame = 1;
        else if (!strcmp(argv[i], "--")) {
            i++;
            break;
        } else {
            fprintf(stderr, "bench_xwatch: unknown option %s\n", argv[i]);
            return 2;
        }
    }
    if (i >= argc) {
        fprintf(stderr, "usage: bench_xwatch [--settle MS] [--cpu MS] [--fade] -- program [args...]\n");
        return 2;
    }

    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "bench_xwatch: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    Window root = DefaultRootWindow(d);
    Atom net_wm_pid = XInternAtom(d, "_NET_WM_PID", False);
    Atom opacity = XInternAtom(d, "_NET_WM_WINDOW_OPACITY", False);
    XSelectInput(d, root, SubstructureNotifyMask);
    if (fade) {
        /* The game fades by its opacity only where a compositing manager runs
         * (one owns _NET_WM_CM_S<screen>): stand in for one. */
        char name[32];
        snprintf(name, sizeof name, "_NET_WM_CM_S%d", DefaultScreen(d));
        Window owner = XCreateSimpleWindow(d, root, 0, 0, 1, 1, 0, 0, 0);
        XSetSelectionOwner(d, XInternAtom(d, name, False), owner, CurrentTime);
    }
    int damage_event = 0, damage_error = 0;
    if (frame && !XDamageQueryExtension(d, &damage_event, &damage_error)) {
        fprintf(stderr, "bench_xwatch: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSync(d, False);

    const double t0 = now_ms();
    pid_t pid = fork();
    if (pid < 0) {
        perror("fork");
        return 2;
    }
    if (pid == 0) {
        close(ConnectionNumber(d));
        execvp(argv[i], argv + i);
        perror("exec");
        _exit(127);
    }

    /* Until the map: every new top-level is watched for opacity changes. */
    Window win = 0;
    double map_ms = -1;
    int width = 0, height = 0;
    XEvent ev;
    enum { kMaxSteps = 1024 };
    static Time step_time[kMaxSteps];
    static int step_alpha[kMaxSteps];
    int steps = 0;
    Window fade_win = 0;
    const double give_up = t0 + timeout;
    while (!win && next_event(d, &ev, give_up)) {
        if (ev.type == CreateNotify && ev.xcreatewindow.parent == root && (fade || frame)) {
            if (fade) XSelectInput(d, ev.xcreatewindow.window, PropertyChangeMask);
            /* From its creation, so no paint can come before we watch. */
            if (frame) XDamageCreate(d, ev.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (ev.type == MapNotify && ev.xmap.event == root && !ev.xmap.override_redirect) {
            long owner = window_pid(d, ev.xmap.window, net_wm_pid);
            if (owner >= 0 && owner != pid) continue;
            map_ms = now_ms() - t0;
            win = ev.xmap.window;
            XWindowAttributes wa;
            if (XGetWindowAttributes(d, win, &wa)) {
                width = wa.width;
                height = wa.height;
            }
        } else if (ev.type == PropertyNotify && ev.xproperty.atom == opacity && steps < kMaxSteps) {
            step_time[steps] = ev.xproperty.time;
            step_alpha[steps++] = window_alpha(d, ev.xproperty.window, opacity);
            fade_win = ev.xproperty.window;
        }
    }
    int rc = 0;
    if (!win) {
        fprintf(stderr, "bench_xwatch: no window within %.0f ms\n", timeout);
        rc = 1;
        goto done;
    }
    printf("pid=%d\nmap_ms=%.1f\nwidth=%d\nheight=%d\n", (int)pid, map_ms, width, height);
    fflush(stdout);

    if (click_after >= 0) {
        /* Damage and other events before the click are of no interest here. */
        if (click_after > 0) sleep_ms(click_after);
        int rx, ry;
        Window child;
        XTranslateCoordinates(d, win, root, 15, 10, &rx, &ry, &child);
        XTestFakeMotionEvent(d, -1, rx, ry, CurrentTime);
        XSync(d, False);
        while (XPending(d)) XNextEvent(d, &ev);
        const double clicked = now_ms();
        XTestFakeButtonEvent(d, 1, True, CurrentTime);
        XTestFakeButtonEvent(d, 1, False, CurrentTime);
        XFlush(d);
        int opened = 0;
        while (!opened && next_event(d, &ev, clicked + timeout))
            opened = ev.type == MapNotify && ev.xmap.event == root && ev.xmap.override_redirect;
        if (opened)
            printf("click_ms=%.2f\n", now_ms() - clicked);
        else
            fprintf(stderr, "bench_xwatch: no menu within %.0f ms of the click\n", timeout);
        fflush(stdout);
    }

    if (frame) {
        /* The first damage of the mapped window: its first frame is on the screen. */
        int painted = 0;
        while (!painted && next_event(d, &ev, give_up))
            painted = ev.type == damage_event + XDamageNotify && ((XDamageNotifyEvent *)&ev)->drawable == win;
        if (painted) {
            const double at = now_ms() - t0;
            const double cpu = cpu_ms(pid);
            const long rss = rss_kb(pid);
            const int libs = libraries_mapped(pid);
            printf("frame_ms=%.1f\nframe_cpu_ms=%.1f\nframe_rss_kb=%ld\nframe_libs=%d\n", at, cpu, rss, libs);
        } else {
            fprintf(stderr, "bench_xwatch: no frame within %.0f ms\n", timeout);
        }
        fflush(stdout);
    }

    if (fade) {
        /* Until the opacity is full, or 3 s without a change. */
        if (!fade_win) fade_win = win;
        int last = steps ? step_alpha[steps - 1] : window_alpha(d, win, opacity);
        double quiet_until = now_ms() + 3000;
        while (last != 255 && next_event(d, &ev, quiet_until)) {
            if (ev.type == PropertyNotify && ev.xproperty.atom == opacity && steps < kMaxSteps) {
                step_time[steps] = ev.xproperty.time;
                last = step_alpha[steps++] = window_alpha(d, ev.xproperty.window, opacity);
                quiet_until = now_ms() + 3000;
            }
        }
        printf("opacity_property=%s\n", steps || window_alpha(d, win, opacity) >= 0 ? "yes" : "no");
        for (int s = 0; s < steps; s++)
            printf("step %d alpha=%d t_ms=%lu\n", s, step_alpha[s], (unsigned long)(step_time[s] - step_time[0]));
        printf("steps=%d\nfinal_alpha=%d\n", steps, last);
    }

    sleep_ms(settle);
    printf("rss_kb=%ld\nidle_cpu_ms=%.1f\n", rss_kb(pid), cpu_ms(pid));
    if (cpu_window > 0) {
        long long c0 = cpu_ticks(pid);
        double w0 = now_ms();
        sleep_ms(cpu_window);
        long long c1 = cpu_ticks(pid);
        double w1 = now_ms();
        double pct = (double)(c1 - c0) / sysconf(_SC_CLK_TCK) * 1000.0 / (w1 - w0) * 100.0;
        printf("cpu_pct=%.2f\n", pct);
    }

done:
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    XCloseDisplay(d);
    return rc;
}
