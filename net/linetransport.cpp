#include "net/linetransport.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace quorvex {

namespace {

using Clock = std::chrono::steady_clock;

std::string ErrnoText(int err) {
    char buf[256];
    // GNU strerror_r returns the text, which may or may not live in buf.
    const char* text = ::strerror_r(err, buf, sizeof buf);
    return text;
}

std::string Describe(const std::string& what, int err) { return what + ": " + ErrnoText(err) + "."; }

// Milliseconds left until the deadline, rounded up (so a wait never ends
// just short of it and spins), at least 0.
int MsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(std::min<long long>(left, 1 << 30)) : 0;
}

bool IsPeerGone(int err) {
    return err == ECONNRESET || err == ECONNABORTED || err == EPIPE || err == ETIMEDOUT || err == ENOTCONN;
}

void SetNoDelay(int fd) {
    // Every write is a whole line and the game waits for replies line by line.
    int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

}  // namespace

// ---------------------------------------------------------------------------
// LineConnection

LineConnection::LineConnection(int fd) : fd_(fd) { SetNoDelay(fd_); }

LineConnection::~LineConnection() { ::close(fd_); }

bool LineConnection::Close() {
    if (!open_.exchange(false)) return false;
    // shutdown, not close: another thread may still be polling this socket.
    ::shutdown(fd_, SHUT_RDWR);
    if (notice_) notice_();
    return true;
}

void LineConnection::PeerGone() {
    peerClosed_ = true;
    Close();
}

std::string LineConnection::PeerAddress() const {
    sockaddr_in a{};
    socklen_t len = sizeof a;
    if (::getpeername(fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0) return {};
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &a.sin_addr, text, sizeof text);
    return std::string(text) + ":" + std::to_string(ntohs(a.sin_port));
}

void LineConnection::WriteLn(const std::string& text) {
    // One call, one line: a break inside would put lines of its own on the wire.
    if (text.find_first_of("\r\n") != std::string::npos) throw NetError("Cannot send a line that holds a line break.");
    std::string data = text;
    data += "\r\n";
    int err = 0;
    {
        std::lock_guard<std::mutex> lock(writeMutex_);
        if (!open_) throw ConnectionClosedError(kNotConnected);
        std::size_t sent = 0;
        while (sent < data.size()) {
            const ssize_t n = ::send(fd_, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
            if (n >= 0) {
                sent += static_cast<std::size_t>(n);
            } else if (errno == EINTR) {
                continue;
            } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
                pollfd p{fd_, POLLOUT, 0};
                ::poll(&p, 1, kIdleSliceMs);
            } else {
                err = errno;
                break;
            }
        }
        if (err == 0) return;
    }
    // Close outside the write lock: the notice may want to write elsewhere.
    if (!open_) throw ConnectionClosedError(kNotConnected);
    if (IsPeerGone(err)) {
        PeerGone();
        throw ConnectionClosedError(kConnectionReset);
    }
    Close();
    throw SocketError(Describe("Could not send", err));
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
    bool firstPass = true;
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
            if (firstPass) throw ConnectionClosedError(peerClosed_ ? kClosedGracefully : kNotConnected);
            // Closed here (by the idle hook or another thread) while we waited.
            timedOut_ = true;
            return {};
        }
        firstPass = false;

        int slice;
        if (infinite)
            slice = idleHook_ ? kIdleSliceMs : -1;
        else
            slice = idleHook_ ? std::min(MsLeft(deadline), kIdleSliceMs) : MsLeft(deadline);
        pollfd p{fd_, POLLIN, 0};
        const int ready = ::poll(&p, 1, slice);
        if (ready < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            Close();
            throw SocketError(Describe("Could not wait for data", err));
        }
        if (ready == 0) {
            if (idleHook_) idleHook_();
            if (!infinite && Clock::now() >= deadline) {
                timedOut_ = true;
                return {};
            }
            continue;
        }
        if (!open_) continue;  // woken by our own shutdown: handled above

        char chunk[kReceiveSize];
        const ssize_t n = ::recv(fd_, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n > 0) {
            Append(chunk, static_cast<std::size_t>(n));
            continue;
        }
        const int err = n < 0 ? errno : 0;
        if (n < 0 && (err == EINTR || err == EAGAIN || err == EWOULDBLOCK)) continue;
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

void LineServer::Start() {
    if (port_ < 0 || port_ > 65535) throw SocketError("Invalid port " + std::to_string(port_) + ".");
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) throw SocketError(Describe("Could not create socket", errno));
    int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_ANY);
    addr.sin_port = htons(static_cast<std::uint16_t>(port_));
    auto fail = [fd](const std::string& what) {
        const int err = errno;
        ::close(fd);
        throw SocketError(Describe(what, err));
    };
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        fail("Could not bind socket to port " + std::to_string(port_));
    if (::listen(fd, kListenQueue) != 0) fail("Could not listen on port " + std::to_string(port_));
    socklen_t len = sizeof addr;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) fail("Could not read the bound port");
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) fail("Could not create a pipe");

    boundPort_ = ntohs(addr.sin_port);
    listenFd_ = fd;
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
    active_ = true;
    listener_ = std::thread(&LineServer::ListenLoop, this);
}

void LineServer::ListenLoop() {
    for (;;) {
        pollfd p[2] = {{listenFd_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        if (::poll(p, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (p[1].revents != 0) return;  // stop
        if (p[0].revents == 0) continue;
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                // Out of resources: the pending client stays queued; retry a little later
                // instead of spinning, but still wake up at once for a stop.
                ::poll(&p[1], 1, 100);
            }
            continue;
        }
        std::unique_lock<std::mutex> lock(mutex_);
        if (serving_) {
            // One connection at a time: close the newcomer without a byte.
            lock.unlock();
            ::close(fd);
            continue;
        }
        if (connThread_.joinable()) connThread_.join();  // has already ended
        auto conn = std::make_shared<LineConnection>(fd);
        current_ = conn;
        serving_ = true;
        connThread_ = std::thread(&LineServer::ServeConnection, this, std::move(conn));
    }
}

void LineServer::ServeConnection(ConnectionPtr conn) {
    try {
        if (OnConnect) OnConnect(conn);
        while (conn->Connected()) {
            if (OnExecute)
                OnExecute(conn);
            else
                conn->ReadLn(kInfinite);  // nobody listens: drop lines until the close
        }
    } catch (...) {
        // A close or reset by the peer, a stop, or a failure of a handler: each
        // ends the connection, and this thread has no one to report to.
    }
    try {
        if (OnDisconnect) OnDisconnect(conn);
    } catch (...) {
    }
    conn->Close();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        serving_ = false;
        current_.reset();
    }
    threadEnded_.notify_all();
}

void LineServer::Stop(bool unlimited) {
    if (listener_.joinable()) {
        const char b = 1;
        while (::write(wakeWrite_, &b, 1) < 0 && errno == EINTR) {
        }
        listener_.join();
        ::close(listenFd_);
        ::close(wakeRead_);
        ::close(wakeWrite_);
        listenFd_ = wakeRead_ = wakeWrite_ = -1;
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

struct ResolveJob {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    int rc = 0;
    std::vector<in_addr> addresses;
};

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
    auto conn = std::make_shared<LineConnection>(fd);
    conn->SetReadTimeout(readTimeout_);
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

    std::vector<in_addr> addresses;
    in_addr numeric{};
    if (::inet_pton(AF_INET, host_.c_str(), &numeric) == 1) {
        addresses.push_back(numeric);
    } else {
        // Name lookups can take long and cannot be interrupted: they run on a
        // thread of their own that we may leave behind when the time runs out.
        auto job = std::make_shared<ResolveJob>();
        std::thread([job, host = host_] {
            addrinfo hints{};
            hints.ai_family = AF_INET;
            hints.ai_socktype = SOCK_STREAM;
            addrinfo* list = nullptr;
            const int rc = ::getaddrinfo(host.c_str(), nullptr, &hints, &list);
            std::vector<in_addr> found;
            for (addrinfo* ai = rc == 0 ? list : nullptr; ai; ai = ai->ai_next)
                if (ai->ai_family == AF_INET) found.push_back(reinterpret_cast<sockaddr_in*>(ai->ai_addr)->sin_addr);
            if (list) ::freeaddrinfo(list);
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
            const std::string reason = job->rc != 0 ? ::gai_strerror(job->rc) : "no IPv4 address";
            throw SocketError("Could not resolve host \"" + host_ + "\": " + reason + ".");
        }
        addresses = job->addresses;
    }

    int lastError = ECONNREFUSED;
    for (const in_addr& address : addresses) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0) throw SocketError(Describe("Could not create socket", errno));
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr = address;
        addr.sin_port = htons(static_cast<std::uint16_t>(port_));
        int err = 0;
        if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
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
        // Reads wait in poll(); writes may block like any plain socket.
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        return fd;
    }
    throw SocketError(Describe("Could not connect to " + host_ + ":" + std::to_string(port_), lastError));
}

}  // namespace quorvex
