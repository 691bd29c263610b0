/* Baseline for the line transport: one line over loopback and back, with
 * nothing but blocking sockets. A server thread echoes every LF-terminated
 * line; the client writes a line and blocks until the echo is complete.
 *
 * Usage: bench_echo [round trips] [warm-up round trips]
 * Prints: rtt_us median=<m> p10=<a> p90=<b> n=<n>
 *
 * Usage: bench_echo --idle
 * The floor for an idle connection served by 5 ms read passes: on a connected
 * socket that receives nothing, block in poll() for 5 ms again and again,
 * until killed. Its CPU time is measured from outside, like the game's.
 */
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

/* A typical line of the two-player protocol, CR LF as the game sends it. */
static const char kLine[] = "CHAT:Remote Victim: are you still there?\r\n";

static void die(const char *what) {
    perror(what);
    exit(1);
}

static void no_delay(int fd) {
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

/* Writes all n bytes. */
static void send_all(int fd, const char *p, size_t n) {
    while (n > 0) {
        ssize_t w = send(fd, p, n, MSG_NOSIGNAL);
        if (w <= 0) die("send");
        p += w;
        n -= (size_t)w;
    }
}

static void *serve(void *arg) {
    int lfd = *(int *)arg;
    int fd = accept(lfd, NULL, NULL);
    if (fd < 0) die("accept");
    no_delay(fd);
    char buf[65536];
    size_t have = 0;
    for (;;) {
        ssize_t r = recv(fd, buf + have, sizeof buf - have, 0);
        if (r <= 0) break;
        have += (size_t)r;
        size_t start = 0;
        for (size_t i = 0; i < have; i++) {
            if (buf[i] == '\n') {
                send_all(fd, buf + start, i + 1 - start);
                start = i + 1;
            }
        }
        memmove(buf, buf + start, have - start);
        have -= start;
        if (have == sizeof buf) break;
    }
    close(fd);
    return NULL;
}

static double now_us(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

static int cmp_double(const void *a, const void *b) {
    double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

int main(int argc, char **argv) {
    const int idle = argc > 1 && strcmp(argv[1], "--idle") == 0;
    int count = idle ? 1 : argc > 1 ? atoi(argv[1]) : 5000;
    int warmup = argc > 2 ? atoi(argv[2]) : 500;
    if (count < 1 || warmup < 0) {
        fprintf(stderr, "usage: bench_echo [round trips] [warm-up]\n");
        return 2;
    }

    int lfd = socket(AF_INET, SOCK_STREAM, 0);
    if (lfd < 0) die("socket");
    struct sockaddr_in a;
    memset(&a, 0, sizeof a);
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    if (bind(lfd, (struct sockaddr *)&a, sizeof a) != 0) die("bind");
    if (listen(lfd, 1) != 0) die("listen");
    socklen_t len = sizeof a;
    if (getsockname(lfd, (struct sockaddr *)&a, &len) != 0) die("getsockname");

    pthread_t server;
    if (pthread_create(&server, NULL, serve, &lfd) != 0) die("pthread_create");

    int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) die("socket");
    if (connect(fd, (struct sockaddr *)&a, sizeof a) != 0) die("connect");
    no_delay(fd);

    if (idle) {
        for (;;) {
            struct pollfd p = {fd, POLLIN, 0};
            if (poll(&p, 1, 5) != 0) {
                fprintf(stderr, "unexpected data or error\n");
                return 1;
            }
        }
    }

    double *rtt = malloc(sizeof(double) * (size_t)count);
    if (!rtt) die("malloc");
    const size_t line_len = sizeof kLine - 1;
    char buf[4096];
    for (int i = 0; i < warmup + count; i++) {
        double t0 = now_us();
        send_all(fd, kLine, line_len);
        size_t got = 0;
        while (got == 0 || buf[got - 1] != '\n') {
            ssize_t r = recv(fd, buf + got, sizeof buf - got, 0);
            if (r <= 0) die("recv");
            got += (size_t)r;
        }
        double t1 = now_us();
        if (got != line_len || memcmp(buf, kLine, line_len) != 0) {
            fprintf(stderr, "echo differs\n");
            return 1;
        }
        if (i >= warmup) rtt[i - warmup] = t1 - t0;
    }
    close(fd);
    pthread_join(server, NULL);
    close(lfd);

    qsort(rtt, (size_t)count, sizeof(double), cmp_double);
    printf("rtt_us median=%.2f p10=%.2f p90=%.2f n=%d\n", rtt[count / 2], rtt[count / 10],
           rtt[count * 9 / 10], count);
    free(rtt);
    return 0;
}
