/* Times the turns of a program's event loop from outside, loaded with
 * LD_PRELOAD: on the main thread, a turn is the time from the return of one
 * poll() or ppoll() - where the loop sleeps until something happens - to the
 * call of the next one; the program itself is unchanged.
 *
 * QX_TURNS_FILE names the file that gets one line "end_ms turn_ms cpu_ms" for
 * each turn (cpu_ms: the CPU time the thread got in it, so a turn that was
 * long only because other programs had the cores shows as such) of at least QX_TURNS_MIN_MS (default 4) milliseconds, end_ms on
 * CLOCK_MONOTONIC (Python's time.monotonic()), written at once so the program
 * may be killed at any time. Without QX_TURNS_FILE nothing is timed.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

static int out_fd = -2; /* -2: not yet opened, -1: off */
static double min_ms = 4;
static double turn_start = -1; /* when the last poll returned; -1: none yet */
static double turn_cpu;        /* the thread's CPU time then */

static double clock_ms(clockid_t clock) {
    struct timespec t;
    clock_gettime(clock, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}
static double now_ms(void) { return clock_ms(CLOCK_MONOTONIC); }

static int on_main_thread(void) {
    if (out_fd == -2) {
        const char *name = getenv("QX_TURNS_FILE");
        const char *min = getenv("QX_TURNS_MIN_MS");
        if (min) min_ms = atof(min);
        out_fd = name ? open(name, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644) : -1;
    }
    return out_fd >= 0 && syscall(SYS_gettid) == getpid();
}

/* Called as the loop goes to sleep: ends the turn that began at the last wake-up. */
static void turn_ends(void) {
    if (turn_start < 0) return;
    const double end = now_ms(), ms = end - turn_start;
    if (ms < min_ms) return;
    char line[96];
    const int n = snprintf(line, sizeof line, "%.3f %.3f %.3f\n", end, ms,
                           clock_ms(CLOCK_THREAD_CPUTIME_ID) - turn_cpu);
    if (write(out_fd, line, (size_t)n) < 0) out_fd = -1;
}

int poll(struct pollfd *fds, nfds_t n, int timeout) {
    static int (*real)(struct pollfd *, nfds_t, int);
    if (!real) real = (int (*)(struct pollfd *, nfds_t, int))dlsym(RTLD_NEXT, "poll");
    if (!on_main_thread()) return real(fds, n, timeout);
    turn_ends();
    const int r = real(fds, n, timeout);
    turn_start = now_ms();
    turn_cpu = clock_ms(CLOCK_THREAD_CPUTIME_ID);
    return r;
}

int ppoll(struct pollfd *fds, nfds_t n, const struct timespec *timeout, const sigset_t *mask) {
    static int (*real)(struct pollfd *, nfds_t, const struct timespec *, const sigset_t *);
    if (!real) real = (int (*)(struct pollfd *, nfds_t, const struct timespec *, const sigset_t *))dlsym(RTLD_NEXT, "ppoll");
    if (!on_main_thread()) return real(fds, n, timeout, mask);
    turn_ends();
    const int r = real(fds, n, timeout, mask);
    turn_start = now_ms();
    turn_cpu = clock_ms(CLOCK_THREAD_CPUTIME_ID);
    return r;
}
