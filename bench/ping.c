/* Probes how fast a window's event loop answers: sends the window the window
 * manager's ping (_NET_WM_PING, which Qt answers on its user-interface thread
 * by sending the message back to the root window) every interval, waits for
 * each answer and notes how long it took.
 *
 * Usage: bench_ping WINDOW-ID INTERVAL-MS SECONDS
 * Prints one "probe ms=..." line per answer (ms=-1: no answer by the end)
 * and a summary: probes, answered, max_ms, median_ms.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static int cmp(const void *a, const void *b) {
    const double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

int main(int argc, char **argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: %s WINDOW-ID INTERVAL-MS SECONDS\n", argv[0]);
        return 2;
    }
    const Window win = (Window)strtoul(argv[1], NULL, 0);
    const int interval = atoi(argv[2]);
    const double end = now_ms() + atof(argv[3]) * 1e3;
    Display *dpy = XOpenDisplay(NULL);
    if (!dpy) return 1;
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    const Atom protocols = XInternAtom(dpy, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(dpy, "_NET_WM_PING", False);

    double *lat = calloc(100000, sizeof *lat);
    int probes = 0, answered = 0;
    double worst = 0;
    for (long serial = 1; now_ms() < end && probes < 100000; ++serial) {
        XEvent ev = {0};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = win;
        ev.xclient.message_type = protocols;
        ev.xclient.format = 32;
        ev.xclient.data.l[0] = (long)ping;
        ev.xclient.data.l[1] = serial; /* the timestamp field: our serial */
        ev.xclient.data.l[2] = (long)win;
        const double sent = now_ms();
        XSendEvent(dpy, win, False, NoEventMask, &ev);
        XFlush(dpy);
        ++probes;
        int got = 0;
        while (!got) {
            while (!got && XPending(dpy)) {
                XEvent r;
                XNextEvent(dpy, &r);
                got = r.type == ClientMessage && (Atom)r.xclient.data.l[0] == ping && r.xclient.data.l[1] == serial;
            }
            if (got) break;
            const double left = end - now_ms();
            if (left <= 0) break;
            struct pollfd p = {ConnectionNumber(dpy), POLLIN, 0};
            poll(&p, 1, left > 100 ? 100 : (int)left + 1);
        }
        const double ms = now_ms() - sent;
        if (ms > worst) worst = ms;
        if (got) {
            lat[answered++] = ms;
            printf("probe ms=%.1f\n", ms);
        } else {
            printf("probe ms=-1 waited=%.1f\n", ms);
        }
        fflush(stdout);
        const double rest = interval - (now_ms() - sent);
        if (rest > 0 && now_ms() + rest < end) usleep((useconds_t)(rest * 1e3));
    }
    qsort(lat, (size_t)answered, sizeof *lat, cmp);
    printf("probes=%d\nanswered=%d\nmax_ms=%.1f\nmedian_ms=%.1f\n", probes, answered, worst,
           answered ? lat[answered / 2] : -1.0);
    XCloseDisplay(dpy);
    return 0;
}
