#include "core/net/linetransport.h"

#include "core/platform/errnotext.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace quorvex {

namespace {

using Clock = std::chrono::steady_clock;

// Takes the pending wake-ups of an eventfd, so the next poll sleeps again.
void DrainWake(int fd) {
    std::uint64_t count;
    while (::read(fd, &count, sizeof count) < 0 && errno == EINTR) {
    }
}

qx::SystemText Describe(const qx::SystemText& what, int err) { return what + ": " + qx::ErrnoText(err) + "."; }
qx::SystemText Describe(const char* what, int err) { return Describe(qx::SystemText(what), err); }

// Milliseconds left until the deadline, rounded up (so a wait never ends
// just short of it and spins), at least 0.
int MsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(std::min<long long>(left, 1 << 30)) : 0;
}

bool IsPeerGone(int err) {
    return err == ECONNRESET || err == ECONNABORTED || err == EPIPE || err == ETIMEDOUT || err == ENOTCONN;
}

// "127.0.0.1:4711", "[2001:db8::1]:4711"; an IPv4 client of a dual-stack
// socket (::ffff:127.0.0.1) shows as plain IPv4.
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
    return "[" + host + "]:" + port;
}

// Names the calling thread for tools that list a process's threads.
void NameThread(const char* name) { ::pthread_setname_np(::pthread_self(), name); }

void SetNoDelay(int fd) {
    // Every write is a whole line and the game waits for replies line by line.
    int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

}  // namespace

// ---------------------------------------------------------------------------
// LineConnection

LineConnection::LineConnection(int fd) : fd_(fd) {
    SetNoDelay(fd_);
    // A fixed share of kernel memory instead of one that grows to megabytes
    // for a peer that does not read: beyond it lines wait in our own queue,
    // where the stall time and the queue's bound apply.
    const int sendBuffer = static_cast<int>(kSendBufferBytes);
    ::setsockopt(fd_, SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof sendBuffer);
    // Writes must never wait on the peer; reads wait in poll() anyway.
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
    wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0) {
        const int err = errno;
        ::close(fd_);
        throw SocketError(Describe("Could not create an event", err));
    }
}

LineConnection::~LineConnection() {
    ::close(fd_);
    ::close(wakeFd_);
}

void LineConnection::Wake() {
    const std::uint64_t one = 1;
    // A full counter still wakes the waiter: nothing to retry.
    while (::write(wakeFd_, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

bool LineConnection::Close() {
    if (!open_.exchange(false)) return false;
    // shutdown, not close: another thread may still be polling this socket.
    ::shutdown(fd_, SHUT_RDWR);
    Wake();
    if (notice_) notice_();
    return true;
}

void LineConnection::PeerGone() {
    peerClosed_ = true;
    Close();
}

void LineConnection::GiveUpStalled() {
    if (!open_) return;
    stalled_ = true;
    // The queued bytes will never be taken: drop them (the peer sees a reset)
    // instead of leaving them to the kernel once the socket is released.
    const linger off{1, 0};
    ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &off, sizeof off);
    {
        std::lock_guard<std::mutex> lock(writeMutex_);
        outbox_.clear();
        outbox_.shrink_to_fit();
    }
    Close();
}

std::string LineConnection::PeerAddress() const {
    sockaddr_storage a{};
    socklen_t len = sizeof a;
    if (::getpeername(fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0) return {};
    return AddressText(reinterpret_cast<const sockaddr*>(&a));
}

std::size_t LineConnection::PendingBytes() const {
    std::lock_guard<std::mutex> lock(writeMutex_);
    return outbox_.size();
}

int LineConnection::FlushLocked() {
    while (!outbox_.empty()) {
        const ssize_t n = ::send(fd_, outbox_.data(), outbox_.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            outbox_.erase(0, static_cast<std::size_t>(n));
            lastProgress_ = Clock::now();
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return 0;
        } else {
            return n < 0 ? errno : EPIPE;
        }
    }
    return 0;
}

Clock::time_point LineConnection::ServiceOutput() {
    int err = 0;
    Clock::time_point due = Clock::time_point::max();
    {
        std::lock_guard<std::mutex> lock(writeMutex_);
        if (!open_ || outbox_.empty()) return due;
        err = FlushLocked();
        if (err == 0 && !outbox_.empty()) due = lastProgress_ + std::chrono::milliseconds(stallMs_.load());
    }
    if (err != 0) {
        IsPeerGone(err) ? PeerGone() : (void)Close();
    } else if (due != Clock::time_point::max() && Clock::now() >= due) {
        GiveUpStalled();
        due = Clock::time_point::max();
    }
    return due;
}

void LineConnection::WriteLn(const std::string& text) {
    // One call, one line: a break inside would put lines of its own on the wire.
    if (text.find_first_of("\r\n") != std::string::npos) throw NetError("Cannot send a line that holds a line break.");
    std::string data = text;
    data += "\r\n";
    int err = 0;
    bool stalled = false;
    {
        std::lock_guard<std::mutex> lock(writeMutex_);
        if (!open_) throw ConnectionClosedError(kNotConnected);
        if (!outbox_.empty() && outbox_.size() + data.size() > kMaxPendingBytes) {
            stalled = true;
        } else {
            // The stall clock runs from the moment bytes wait for the peer.
            if (outbox_.empty()) lastProgress_ = Clock::now();
            outbox_ += data;
            err = FlushLocked();
            if (err == 0) {
                if (outbox_.empty()) return;
                stalled = Clock::now() - lastProgress_ >= std::chrono::milliseconds(stallMs_.load());
                if (!stalled) {
                    // Whoever waits on the connection sends the rest.
                    Wake();
                    return;
                }
            }
        }
    }
    // Close outside the write lock: the notice may want to write elsewhere.
    if (stalled) {
        GiveUpStalled();
        throw ConnectionClosedError(kPeerStalled);
    }
    if (!open_) throw ConnectionClosedError(kNotConnected);
    if (IsPeerGone(err)) {
        PeerGone();
        throw ConnectionClosedError(kConnectionReset);
    }
    Close();
    throw SocketError(Describe("Could not send", err));
}

bool LineConnection::PollBoth(pollfd (&fds)[2], int timeoutMs) {
    if (::poll(fds, 2, timeoutMs) >= 0) return true;
    if (errno == EINTR) return false;
    const int err = errno;
    Close();
    throw SocketError(Describe("Could not wait for data", err));
}

LineConnection::Woken LineConnection::Wait(int timeoutMs, bool wantInput) {
    const bool infinite = timeoutMs < 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(infinite ? 0 : timeoutMs);
    for (;;) {
        const Clock::time_point due = ServiceOutput();
        if (!open_) return Woken::Closed;
        const bool pending = due != Clock::time_point::max();
        int wait = infinite ? -1 : MsLeft(deadline);
        if (pending) wait = wait < 0 ? MsLeft(due) : std::min(wait, MsLeft(due));
        short events = POLLRDHUP;
        if (wantInput) events |= POLLIN;
        if (pending) events |= POLLOUT;
        pollfd p[2] = {{fd_, events, 0}, {wakeFd_, POLLIN, 0}};
        if (!PollBoth(p, wait)) continue;
        if (p[1].revents != 0) {
            DrainWake(wakeFd_);
        }
        if (!open_) return Woken::Closed;
        if ((p[0].revents & (POLLIN | POLLRDHUP | POLLHUP | POLLERR)) != 0) {
            // A hang-up while only pausing: the next read finds out how it ended.
            return Woken::Input;
        }
        if (!infinite && Clock::now() >= deadline) return Woken::TimedOut;
    }
}

void LineConnection::WaitForWake() {
    for (;;) {
        const Clock::time_point due = ServiceOutput();
        if (!open_) return;
        const bool pending = due != Clock::time_point::max();
        // The socket only matters for queued output; its input waits for the gate.
        pollfd p[2] = {{pending ? fd_ : -1, POLLOUT, 0}, {wakeFd_, POLLIN, 0}};
        if (!PollBoth(p, pending ? MsLeft(due) : -1)) continue;
        if (p[1].revents != 0) {
            DrainWake(wakeFd_);
            return;
        }
    }
}

bool LineConnection::AwaitInput() {
    for (;;) {
        if (!open_) return false;
        if (gate_) {
            std::weak_ptr<LineConnection> self = weak_from_this();
            if (!gate_([self] {
                    if (const ConnectionPtr c = self.lock()) c->Wake();
                })) {
                WaitForWake();
                continue;
            }
        }
        if (buffer_.find('\n') != std::string::npos || (!discarding_ && buffer_.size() > kMaxLineLength)) return true;
        if (Wait(kInfinite, true) == Woken::Input) {
            readable_ = true;
            return true;
        }
    }
}

void LineConnection::Pause(int ms) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(ms);
    while (open_) {
        const int left = MsLeft(deadline);
        if (left == 0) return;
        // A hang-up ends the pause; mere data does not (it waits for the read).
        if (Wait(left, false) != Woken::TimedOut) return;
    }
}

void LineConnection::Append(const char* data, std::size_t n) {
    if (discarding_) {
        const char* lf = static_cast<const char*>(std::memchr(data, '\n', n));
        if (!lf) return;
        discarding_ = false;
        n -= static_cast<std::size_t>(lf + 1 - data);
        data = lf + 1;
    }
    buffer_.append(data, n);
}

bool LineConnection::TakeLine(std::size_t maxLength, std::string& line) {
    const std::size_t lf = buffer_.find('\n');
    if (lf == std::string::npos) return false;
    if (lf > maxLength) {
        buffer_.erase(0, lf + 1);
        throw LineTooLongError(kLineTooLong);
    }
    line.assign(buffer_, 0, lf);
    buffer_.erase(0, lf + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

std::string LineConnection::ReadLn(int timeoutMs, std::size_t maxLength) {
    if (timeoutMs == kUseReadTimeout) timeoutMs = readTimeout_;
    timedOut_ = false;
    const bool infinite = timeoutMs < 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(infinite ? 0 : timeoutMs);
    // A peer that keeps sending but takes nothing is caught here too, even
    // when lines are already buffered and this read does not wait.
    ServiceOutput();
    bool firstPass = true;
    // When AwaitInput has just seen the socket readable, take the bytes
    // before waiting: that saves a poll per line.
    bool receiveFirst = readable_;
    readable_ = false;
    for (;;) {
        std::string line;
        if (TakeLine(maxLength, line)) return line;
        if (!discarding_ && buffer_.size() > maxLength) {
            // Drop this line's bytes now and the rest of it as it arrives.
            buffer_.clear();
            discarding_ = true;
            throw LineTooLongError(kLineTooLong);
        }
        if (!open_) {
            if (stalled_) throw ConnectionClosedError(kPeerStalled);
            if (firstPass) throw ConnectionClosedError(peerClosed_ ? kClosedGracefully : kNotConnected);
            // Closed here (by the idle hook or another thread) while we waited.
            timedOut_ = true;
            return {};
        }
        firstPass = false;

        if (!receiveFirst) {
            int slice;
            if (infinite)
                slice = idleHook_ ? kIdleSliceMs : kInfinite;
            else
                slice = idleHook_ ? std::min(MsLeft(deadline), kIdleSliceMs) : MsLeft(deadline);
            const Woken woken = Wait(slice, true);
            if (woken == Woken::Closed) continue;  // handled above
            if (woken == Woken::TimedOut) {
                if (idleHook_) idleHook_();
                if (!infinite && Clock::now() >= deadline) {
                    timedOut_ = true;
                    return {};
                }
                continue;
            }
        }
        receiveFirst = false;

        char chunk[kReceiveSize];
        const ssize_t n = ::recv(fd_, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n > 0) {
            Append(chunk, static_cast<std::size_t>(n));
            continue;
        }
        const int err = n < 0 ? errno : 0;
        if (n < 0 && (err == EINTR || err == EAGAIN || err == EWOULDBLOCK)) continue;
        if (!open_) continue;  // closed here meanwhile: handled above
        if (n == 0 || IsPeerGone(err)) {
            const bool unfinished = !buffer_.empty();
            buffer_.clear();
            PeerGone();
            // The bytes of an unfinished line end this read quietly, as a read
            // without a line (not an empty line); the next one fails.
            if (unfinished) {
                timedOut_ = true;
                return {};
            }
            throw ConnectionClosedError(n == 0 ? kClosedGracefully : kConnectionReset);
        }
        Close();
        throw SocketError(Describe("Could not receive", err));
    }
}

// ---------------------------------------------------------------------------
// LineServer

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

// The system has no IPv6 (or none that can listen): IPv4 alone will do.
bool NoIPv6(int err) {
    return err == EAFNOSUPPORT || err == EPROTONOSUPPORT || err == EADDRNOTAVAIL || err == EINVAL ||
           err == ENOPROTOOPT;
}

}  // namespace

void LineServer::Start() {
    if (port_ < 0 || port_ > 65535) throw SocketError("Invalid port " + qx::SystemText(std::to_string(port_)) + ".");
    std::vector<int> fds;
    auto fail = [&fds](const std::string& what, int err) {
        for (int fd : fds) ::close(fd);
        throw SocketError(Describe(qx::SystemText(what), err));
    };
    const std::string bindWhat = "Could not bind socket to port " + std::to_string(port_);
    int port = port_;
    bool needIPv4 = true;
    if (ipv6_) {
        // One dual-stack socket serves both families; where IPv6 sockets cannot
        // take IPv4 clients, an IPv6-only one and an IPv4 one on the same port.
        int fd = ListenOn(AF_INET6, port, false);
        if (fd < 0 && !NoIPv6(errno)) fail(bindWhat, errno);
        if (fd >= 0) {
            needIPv4 = false;
        } else {
            fd = ListenOn(AF_INET6, port, true);
            if (fd < 0 && !NoIPv6(errno)) fail(bindWhat, errno);
        }
        if (fd >= 0) {
            fds.push_back(fd);
            port = LocalPort(fd);
            if (port < 0) fail("Could not read the bound port", errno);
        }
    }
    if (needIPv4) {
        const int fd = ListenOn(AF_INET, port, false);
        if (fd < 0) fail(bindWhat, errno);
        fds.push_back(fd);
        port = LocalPort(fd);
        if (port < 0) fail("Could not read the bound port", errno);
    }
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) fail("Could not create a pipe", errno);

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
            if (OnListenError) OnListenError(Describe("Could not wait for connections", errno));
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
                    if (OnListenError) OnListenError(Describe("Could not accept a connection", err));
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
                conn = std::make_shared<LineConnection>(fd);
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
        if (conn->Stalled()) Report(conn, kPeerStalled);
    } catch (const std::exception& e) {
        Report(conn, e.what());
    } catch (...) {
        Report(conn, kUnknownFailure);
    }
    try {
        if (OnDisconnect) OnDisconnect(conn);
    } catch (const std::exception& e) {
        Report(conn, e.what());
    } catch (...) {
        Report(conn, kUnknownFailure);
    }
    conn->Close();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        serving_ = false;
        current_.reset();
    }
    threadEnded_.notify_all();
}

void LineServer::Report(const ConnectionPtr& conn, const std::string& text) {
    if (OnError) OnError(conn, text);
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

// ---------------------------------------------------------------------------
// LineClient

namespace {

using Address = sockaddr_storage;

struct ResolveJob {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    int rc = 0;
    std::vector<Address> addresses;
};

// The addresses of host, IPv6 and IPv4, in the system's order of preference;
// the getaddrinfo code (0 for success).
int Resolve(const std::string& host, int port, int flags, std::vector<Address>& out) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags | AI_NUMERICSERV;
    addrinfo* list = nullptr;
    const int rc = ::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &list);
    for (addrinfo* ai = rc == 0 ? list : nullptr; ai; ai = ai->ai_next) {
        if ((ai->ai_family != AF_INET && ai->ai_family != AF_INET6) || ai->ai_addrlen > sizeof(Address)) continue;
        Address a{};
        std::memcpy(&a, ai->ai_addr, ai->ai_addrlen);
        out.push_back(a);
    }
    if (list) ::freeaddrinfo(list);
    return rc;
}

// The host as the resolver wants it: an IPv6 address may come in square brackets.
std::string Unbracketed(const std::string& host) {
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') return host.substr(1, host.size() - 2);
    return host;
}

socklen_t AddressLength(const Address& a) {
    return a.ss_family == AF_INET6 ? sizeof(sockaddr_in6) : sizeof(sockaddr_in);
}

}  // namespace

LineClient::~LineClient() {
    if (conn_) {
        // The window that gave the notice may be half gone: close silently.
        conn_->SetDisconnectNotice(nullptr);
        conn_->Close();
    }
}

void LineClient::SetReadTimeout(int ms) {
    readTimeout_ = ms;
    if (conn_) conn_->SetReadTimeout(ms);
}

void LineClient::SetIdleHook(IdleHook hook) {
    idleHook_ = std::move(hook);
    if (conn_) conn_->SetIdleHook(idleHook_);
}

void LineClient::SetStallTimeout(int ms) {
    stallMs_ = ms;
    if (conn_) conn_->SetStallTimeout(ms);
}

void LineClient::Idle() {
    if (idleHook_) idleHook_();
}

bool LineClient::Connected() const { return conn_ && conn_->Connected(); }

bool LineClient::ReadLnTimedOut() const { return conn_ && conn_->ReadLnTimedOut(); }

void LineClient::WriteLn(const std::string& text) {
    const ConnectionPtr conn = conn_;  // the idle hook of a nested read may replace conn_
    if (!conn) throw ConnectionClosedError(kNotConnected);
    conn->WriteLn(text);
}

std::string LineClient::ReadLn(int timeoutMs, std::size_t maxLength) {
    const ConnectionPtr conn = conn_;
    if (!conn) throw ConnectionClosedError(kNotConnected);
    return conn->ReadLn(timeoutMs == kUseReadTimeout ? readTimeout_ : timeoutMs, maxLength);
}

void LineClient::Disconnect() {
    if (connecting_) {
        cancel_ = true;
        return;
    }
    if (conn_) conn_->Close();  // runs OnDisconnected if it was open
}

void LineClient::Connect(int timeoutMs) {
    if (connecting_ || Connected()) throw NetError(kAlreadyConnected);
    connecting_ = true;
    cancel_ = false;
    int fd;
    try {
        fd = ConnectSocket(timeoutMs);
    } catch (...) {
        connecting_ = false;
        throw;
    }
    ConnectionPtr conn;
    try {
        conn = std::make_shared<LineConnection>(fd);
    } catch (...) {
        connecting_ = false;
        throw;
    }
    conn->SetReadTimeout(readTimeout_);
    conn->SetStallTimeout(stallMs_);
    conn->SetIdleHook(idleHook_);
    conn->SetDisconnectNotice([this] {
        if (OnDisconnected) OnDisconnected();
    });
    conn_ = conn;
    connecting_ = false;
    if (!OnConnected) return;
    try {
        OnConnected();
    } catch (...) {
        conn->Close();
        throw;
    }
}

int LineClient::ConnectSocket(int timeoutMs) {
    const bool infinite = timeoutMs < 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(infinite ? 0 : timeoutMs);
    // Each wait is cut into slices so that the idle hook keeps the window alive.
    auto nextSlice = [&]() -> int {
        if (!infinite && MsLeft(deadline) == 0) throw NetTimeoutError(kConnectTimedOut);
        const int left = infinite ? kConnectSliceMs : MsLeft(deadline);
        return idleHook_ ? std::min(left, kConnectSliceMs) : left;
    };
    auto afterIdleSlice = [&] {
        Idle();
        if (cancel_) throw NetError(kConnectCancelled);
    };

    const std::string host = Unbracketed(host_);
    std::vector<Address> addresses;
    // Numeric addresses of either family need no lookup.
    if (Resolve(host, port_, AI_NUMERICHOST, addresses) != 0 || addresses.empty()) {
        addresses.clear();
        // Name lookups can take long and cannot be interrupted: they run on a
        // thread of their own that we may leave behind when the time runs out.
        auto job = std::make_shared<ResolveJob>();
        std::thread([job, host, port = port_] {
            std::vector<Address> found;
            const int rc = Resolve(host, port, 0, found);
            {
                std::lock_guard<std::mutex> lock(job->mutex);
                job->rc = rc;
                job->addresses = std::move(found);
                job->finished = true;
            }
            job->done.notify_all();
        }).detach();
        std::unique_lock<std::mutex> lock(job->mutex);
        while (!job->finished) {
            const int slice = nextSlice();
            if (job->done.wait_for(lock, std::chrono::milliseconds(slice), [&] { return job->finished; })) break;
            lock.unlock();
            afterIdleSlice();
            lock.lock();
        }
        if (job->rc != 0 || job->addresses.empty()) {
            const std::string reason = job->rc != 0 ? ::gai_strerror(job->rc) : "no address";
            // The name goes to the resolver as the player typed it.
            throw SocketError("Could not resolve host \"" + qx::SystemText(host_) + "\": " + qx::SystemText(reason) + ".");
        }
        addresses = job->addresses;
    }

    int lastError = ECONNREFUSED;
    // Each address in turn (IPv6 and IPv4 as the resolver orders them), all
    // within the one time-out.
    for (const Address& address : addresses) {
        const int fd = ::socket(address.ss_family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0) {
            lastError = errno;
            if (NoIPv6(lastError)) continue;  // a family this system lacks
            throw SocketError(Describe("Could not create socket", lastError));
        }
        int err = 0;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), AddressLength(address)) != 0) {
            err = errno;
            while (err == EINPROGRESS || err == EINTR) {
                int slice;
                try {
                    slice = nextSlice();
                } catch (...) {
                    ::close(fd);
                    throw;
                }
                pollfd p{fd, POLLOUT, 0};
                const int ready = ::poll(&p, 1, slice);
                if (ready < 0) {
                    if (errno != EINTR) err = errno;
                    continue;
                }
                if (ready == 0) {
                    try {
                        afterIdleSlice();
                    } catch (...) {
                        ::close(fd);
                        throw;
                    }
                    continue;
                }
                socklen_t len = sizeof err;
                if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) != 0) err = errno;
            }
        }
        if (err != 0) {
            lastError = err;
            ::close(fd);
            continue;
        }
        return fd;  // stays non-blocking: nothing waits on the peer
    }
    const std::string where = host.find(':') != std::string::npos ? "[" + host + "]" : host;
    throw SocketError(
        Describe(qx::SystemText("Could not connect to " + where + ":" + std::to_string(port_)), lastError));
}

}  // namespace quorvex
