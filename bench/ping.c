/* Probes how fast a window answers a click: clicks a point of the window
 * through the XTEST extension (a real input event through the X server, as a
 * mouse would give it) every interval and
 * watches the pixels around the point until they change, that is until the
 * window has handled the click and painted its answer. The point must be a
 * control whose look changes with every click (an own battlefield cell of a
 * network window cycles through three pictures).
 *
 * Usage: bench_ping WINDOW-ID X Y INTERVAL-MS SECONDS
 * Each answer is timed from the moment the X server has taken the click
 * until the pixels show the answer, read every half millisecond.
 * Prints one "probe ms=..." line per click (ms=-1: no answer by the end)
 * and a summary: probes, answered, max_ms, median_ms.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
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

enum { kSide = 12 };

/* The pixels of a kSide x kSide square around (x, y); 0 when unreadable. */
static int grab(Display *dpy, Window win, int x, int y, unsigned long *out) {
    XImage *img = XGetImage(dpy, win, x - kSide / 2, y - kSide / 2, kSide, kSide, AllPlanes, ZPixmap);
    if (!img) return 0;
    for (int j = 0; j < kSide; ++j)
        for (int i = 0; i < kSide; ++i) out[j * kSide + i] = XGetPixel(img, i, j);
    XDestroyImage(img);
    return 1;
}

/* Moves the pointer to (x, y) of the window and clicks there; returns once
 * the X server has the events. */
static void click(Display *dpy, Window win, int x, int y) {
    int rx, ry;
    Window child;
    XTranslateCoordinates(dpy, win, DefaultRootWindow(dpy), x, y, &rx, &ry, &child);
    XTestFakeMotionEvent(dpy, -1, rx, ry, CurrentTime);
    XTestFakeButtonEvent(dpy, 1, True, CurrentTime);
    XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
    XSync(dpy, False);
}

int main(int argc, char **argv) {
    if (argc != 6) {
        fprintf(stderr, "usage: %s WINDOW-ID X Y INTERVAL-MS SECONDS\n", argv[0]);
        return 2;
    }
    const Window win = (Window)strtoul(argv[1], NULL, 0);
    const int x = atoi(argv[2]), y = atoi(argv[3]), interval = atoi(argv[4]);
    const double end = now_ms() + atof(argv[5]) * 1e3;
    Display *dpy = XOpenDisplay(NULL);
    if (!dpy) return 1;

    static double lat[100000];
    int probes = 0, answered = 0;
    double worst = 0;
    unsigned long before[kSide * kSide], after[kSide * kSide];
    while (now_ms() < end && probes < 100000) {
        if (!grab(dpy, win, x, y, before)) break;
        const double sent = now_ms();
        click(dpy, win, x, y);
        ++probes;
        int got = 0;
        while (!got && now_ms() < end) {
            got = grab(dpy, win, x, y, after) && memcmp(before, after, sizeof before) != 0;
            if (!got) usleep(500);
        }
        const double ms = now_ms() - sent;
        if (ms > worst) worst = ms;
        if (got)
            lat[answered++] = ms;
        printf("probe ms=%.1f\n", got ? ms : -1.0);
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
