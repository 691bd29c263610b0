#include "core/net/transport/sockets.h"

#include "core/net/transport/endpoint.h"
#include "core/platform/errnotext.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstdint>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <pthread.h>
#include <unistd.h>

namespace quorvex::sock {

void DrainWake(int fd) {
    std::uint64_t count;
    while (::read(fd, &count, sizeof count) < 0 && errno == EINTR) {
    }
}

qx::SystemText Describe(const qx::SystemText& what, int err) { return what + ": " + qx::ErrnoText(err) + "."; }
qx::SystemText Describe(const char* what, int err) { return Describe(qx::SystemText(what), err); }

int MsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(std::min<long long>(left, 1 << 30)) : 0;
}

bool IsPeerGone(int err) {
    return err == ECONNRESET || err == ECONNABORTED || err == EPIPE || err == ETIMEDOUT || err == ENOTCONN;
}

bool NoIPv6(int err) {
    return err == EAFNOSUPPORT || err == EPROTONOSUPPORT || err == EADDRNOTAVAIL || err == EINVAL ||
           err == ENOPROTOOPT;
}

std::string AddressText(const sockaddr* a) {
    char text[INET6_ADDRSTRLEN] = {};
    if (a->sa_family == AF_INET) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(a);
        ::inet_ntop(AF_INET, &v4->sin_addr, text, sizeof text);
        return std::string(text) + ":" + std::to_string(ntohs(v4->sin_port));
    }
    if (a->sa_family != AF_INET6) return {};
    const auto* v6 = reinterpret_cast<const sockaddr_in6*>(a);
    const std::string port = std::to_string(ntohs(v6->sin6_port));
    if (IN6_IS_ADDR_V4MAPPED(&v6->sin6_addr)) {
        ::inet_ntop(AF_INET, &v6->sin6_addr.s6_addr[12], text, sizeof text);
        return std::string(text) + ":" + port;
    }
    ::inet_ntop(AF_INET6, &v6->sin6_addr, text, sizeof text);
    std::string host = text;
    // Appended piecewise: "%" + a temporary makes GCC 12 warn falsely (-Wrestrict).
    if (v6->sin6_scope_id != 0) host.append("%").append(std::to_string(v6->sin6_scope_id));
    return BracketedHost(host) + ":" + port;
}

std::string HostText(const sockaddr* a) {
    char text[INET6_ADDRSTRLEN] = {};
    if (a->sa_family == AF_INET)
        ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(a)->sin_addr, text, sizeof text);
    else if (a->sa_family == AF_INET6)
        ::inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(a)->sin6_addr, text, sizeof text);
    return text;
}

socklen_t AddressLength(const Address& a) {
    return a.ss_family == AF_INET6 ? sizeof(sockaddr_in6) : sizeof(sockaddr_in);
}

void NameThread(const char* name) { ::pthread_setname_np(::pthread_self(), name); }

void SetNoDelay(int fd) {
    int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

void SetLiveness(int fd, const LineLiveness& liveness) {
    // Best effort: a system without one of them keeps its own defaults.
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &liveness.idleS, sizeof liveness.idleS);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &liveness.intervalS, sizeof liveness.intervalS);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &liveness.probes, sizeof liveness.probes);
    // Without it a line that went dead under unacknowledged bytes would be
    // retried for a quarter of an hour, keep-alive being held back meanwhile.
    const unsigned userTimeout = static_cast<unsigned>(liveness.userTimeoutMs);
    ::setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &userTimeout, sizeof userTimeout);
}

}  // namespace quorvex::sock
