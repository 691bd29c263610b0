#include "core/net/transport/lineserver.h"

#include "core/net/transport/sockets.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quorvex {

using namespace sock;

LineServer::~LineServer() {
    try {
        if (active_) Stop(true);
    } catch (...) {
        // Nothing to report to while being destroyed.
    }
}

void LineServer::SetActive(bool active) {
    if (active && !active_)
        Start();
    else if (!active && active_)
        Stop(false);
}

bool LineServer::Serving() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return serving_;
}

namespace {

// A listening socket on all local addresses of one family; for IPv6 it takes
// IPv4 clients too unless v6only. Returns the socket, or -1 with errno set.
int ListenOn(int family, int port, bool v6only) {
    const int fd = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_storage addr{};
    socklen_t len;
    if (family == AF_INET6) {
        int only = v6only ? 1 : 0;
        if (::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &only, sizeof only) != 0 && !v6only) {
            const int err = errno;
            ::close(fd);
            errno = err;
            return -1;
        }
        auto* a = reinterpret_cast<sockaddr_in6*>(&addr);
        a->sin6_family = AF_INET6;
        a->sin6_addr = in6addr_any;
        a->sin6_port = htons(static_cast<std::uint16_t>(port));
        len = sizeof *a;
    } else {
        auto* a = reinterpret_cast<sockaddr_in*>(&addr);
        a->sin_family = AF_INET;
        a->sin_addr.s_addr = htonl(INADDR_ANY);
        a->sin_port = htons(static_cast<std::uint16_t>(port));
        len = sizeof *a;
    }
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), len) != 0 || ::listen(fd, LineServer::kListenQueue) != 0) {
        const int err = errno;
        ::close(fd);
        errno = err;
        return -1;
    }
    return fd;
}

int LocalPort(int fd) {
    sockaddr_storage addr{};
    socklen_t len = sizeof addr;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) return -1;
    return addr.ss_family == AF_INET6 ? ntohs(reinterpret_cast<sockaddr_in6*>(&addr)->sin6_port)
                                      : ntohs(reinterpret_cast<sockaddr_in*>(&addr)->sin_port);
}

}  // namespace

void LineServer::Start() {
    using K = NetFailureKind;
    if (port_ < 0 || port_ > 65535)
        throw SocketError({K::InvalidPort, 0, port_}, "Invalid port " + qx::SystemText(std::to_string(port_)) + ".");
    std::vector<int> fds;
    auto fail = [&fds, this](K kind, const std::string& what, int err) {
        for (int fd : fds) ::close(fd);
        throw SocketError({kind, err, port_}, Describe(qx::SystemText(what), err));
    };
    const auto bindFailed = [&](int err) {
        fail(K::BindPort, "Could not bind socket to port " + std::to_string(port_), err);
    };
    int port = port_;
    bool needIPv4 = true;
    if (ipv6_) {
        // One dual-stack socket serves both families; where IPv6 sockets cannot
        // take IPv4 clients, an IPv6-only one and an IPv4 one on the same port.
        int fd = ListenOn(AF_INET6, port, false);
        if (fd < 0 && !NoIPv6(errno)) bindFailed(errno);
        if (fd >= 0) {
            needIPv4 = false;
        } else {
            fd = ListenOn(AF_INET6, port, true);
            if (fd < 0 && !NoIPv6(errno)) bindFailed(errno);
        }
        if (fd >= 0) {
            fds.push_back(fd);
            port = LocalPort(fd);
            if (port < 0) fail(K::ReadBoundPort, "Could not read the bound port", errno);
        }
    }
    if (needIPv4) {
        const int fd = ListenOn(AF_INET, port, false);
        if (fd < 0) bindFailed(errno);
        fds.push_back(fd);
        port = LocalPort(fd);
        if (port < 0) fail(K::ReadBoundPort, "Could not read the bound port", errno);
    }
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) fail(K::CreatePipe, "Could not create a pipe", errno);

    boundPort_ = port;
    listenFds_ = std::move(fds);
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
    active_ = true;
    listener_ = std::thread(&LineServer::ListenLoop, this);
}

void LineServer::ListenLoop() {
    NameThread("qx-listen");
    std::vector<pollfd> p;
    for (int fd : listenFds_) p.push_back({fd, POLLIN, 0});
    p.push_back({wakeRead_, POLLIN, 0});
    pollfd& stop = p.back();
    for (;;) {
        if (::poll(p.data(), p.size(), -1) < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            if (OnListenError)
                OnListenError(SocketError({NetFailureKind::WaitForConnections, err},
                                          Describe("Could not wait for connections", err)));
            return;
        }
        if (stop.revents != 0) return;
        for (std::size_t i = 0; i + 1 < p.size(); ++i) {
            if (p[i].revents == 0) continue;
            const int fd = ::accept4(p[i].fd, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0) {
                const int err = errno;
                if (err == EMFILE || err == ENFILE || err == ENOBUFS || err == ENOMEM) {
                    // Out of resources: the pending client stays queued; retry a little later
                    // instead of spinning, but still wake up at once for a stop.
                    ::poll(&stop, 1, 100);
                } else if (err == EBADF || err == EINVAL || err == ENOTSOCK || err == EOPNOTSUPP || err == EFAULT) {
                    // The listening socket itself is broken: no later accept can succeed.
                    if (OnListenError)
                        OnListenError(SocketError({NetFailureKind::AcceptConnection, err},
                                                  Describe("Could not accept a connection", err)));
                    return;
                }
                continue;  // the client gave up, or a network error of its own
            }
            std::unique_lock<std::mutex> lock(mutex_);
            if (serving_) {
                // One connection at a time, over either family: close the newcomer without a byte.
                lock.unlock();
                ::close(fd);
                continue;
            }
            if (connThread_.joinable()) connThread_.join();  // has already ended
            ConnectionPtr conn;
            try {
                conn = std::make_shared<LineConnection>(fd, liveness_);
            } catch (const NetError&) {
                continue;  // it closed the socket; the client sees the close
            }
            conn->SetStallTimeout(stallMs_);
            conn->SetInputGate(gate_);
            current_ = conn;
            serving_ = true;
            connThread_ = std::thread(&LineServer::ServeConnection, this, std::move(conn));
        }
    }
}

void LineServer::ServeConnection(ConnectionPtr conn) {
    NameThread("qx-connection");
    try {
        if (OnConnect) OnConnect(conn);
        while (conn->Connected()) {
            if (OnExecute) {
                if (executeOnInput_ && !conn->AwaitInput()) break;
                OnExecute(conn);
            } else {
                conn->ReadLn(kInfinite);  // nobody listens: drop lines until the close
            }
        }
    } catch (const ConnectionClosedError&) {
        // The peer closed or reset it, or a stop closed it here: the normal end.
        if (conn->Stalled()) Report(conn, NetError(kPeerStalled));
    } catch (const NetError& e) {
        Report(conn, e);
    } catch (const std::exception& e) {
        Report(conn, NetError(qx::SystemText(e.what())));
    } catch (...) {
        Report(conn, NetError(kUnknownFailure));
    }
    try {
        if (OnDisconnect) OnDisconnect(conn);
    } catch (const NetError& e) {
        Report(conn, e);
    } catch (const std::exception& e) {
        Report(conn, NetError(qx::SystemText(e.what())));
    } catch (...) {
        Report(conn, NetError(kUnknownFailure));
    }
    conn->Close();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        serving_ = false;
        current_.reset();
    }
    threadEnded_.notify_all();
}

void LineServer::Report(const ConnectionPtr& conn, const NetError& failure) {
    if (OnError) OnError(conn, failure);
}

void LineServer::Stop(bool unlimited) {
    if (listener_.joinable()) {
        const char b = 1;
        while (::write(wakeWrite_, &b, 1) < 0 && errno == EINTR) {
        }
        listener_.join();
        for (int fd : listenFds_) ::close(fd);
        listenFds_.clear();
        ::close(wakeRead_);
        ::close(wakeWrite_);
        wakeRead_ = wakeWrite_ = -1;
    }
    ConnectionPtr conn;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        conn = current_;
    }
    if (conn) conn->Close();  // wakes the connection thread's read
    conn.reset();
    std::unique_lock<std::mutex> lock(mutex_);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(terminateWait_);
    while (serving_) {
        if (!unlimited && Clock::now() >= deadline) throw NetTimeoutError(kTerminateTimedOut);
        const int slice = unlimited ? kTerminateCheckMs : std::min(MsLeft(deadline), kTerminateCheckMs);
        threadEnded_.wait_for(lock, std::chrono::milliseconds(std::max(slice, 1)));
    }
    std::thread ended = std::move(connThread_);
    lock.unlock();
    if (ended.joinable()) ended.join();
    active_ = false;
}

}  // namespace quorvex
