// Helpers for the network tests: raw sockets on 127.0.0.1 and ::1 to send exact
// bytes, a relay that records every line passing through it, and waiting on
// a condition with a generous upper bound.
#pragma once

#include "support/wait_until.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace nettest {

inline constexpr auto kPatience = std::chrono::seconds(20);

// Polls pred (and runs pump between tries) until it holds or kPatience ends.
inline bool WaitUntil(const std::function<bool()>& pred, const std::function<void()>& pump = {}) {
    return qxtest::WaitUntil(pred, pump, kPatience);
}

inline sockaddr_in Loopback(int port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    return a;
}

inline sockaddr_in6 Loopback6(int port) {
    sockaddr_in6 a{};
    a.sin6_family = AF_INET6;
    a.sin6_addr = in6addr_loopback;
    a.sin6_port = htons(static_cast<std::uint16_t>(port));
    return a;
}

// A plain socket that owns its descriptor.
class RawSocket {
public:
    explicit RawSocket(int fd = -1) : fd_(fd) {
        int one = 1;
        if (fd_ >= 0) ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    }
    ~RawSocket() { Close(); }
    RawSocket(RawSocket&& o) noexcept : fd_(o.fd_) { o.fd_ = -1; }
    RawSocket& operator=(RawSocket&& o) noexcept {
        Close();
        fd_ = o.fd_;
        o.fd_ = -1;
        return *this;
    }
    int Fd() const { return fd_; }
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    // Closes with a reset, as a line that died takes along whatever was still on it.
    void Abort() {
        const linger l{1, 0};
        ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &l, sizeof l);
        Close();
    }

    // receiveBuffer > 0: a small receive buffer, set before connecting, so
    // that a peer that never reads is full after a few kilobytes.
    static RawSocket Connect(int port, int receiveBuffer = 0) {
        RawSocket s(::socket(AF_INET, SOCK_STREAM, 0));
        s.SetReceiveBuffer(receiveBuffer);
        const sockaddr_in a = Loopback(port);
        if (::connect(s.fd_, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0)
            throw std::runtime_error("raw connect failed");
        return s;
    }
    // The same over ::1.
    static RawSocket Connect6(int port, int receiveBuffer = 0) {
        RawSocket s(::socket(AF_INET6, SOCK_STREAM, 0));
        s.SetReceiveBuffer(receiveBuffer);
        const sockaddr_in6 a = Loopback6(port);
        if (::connect(s.fd_, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0)
            throw std::runtime_error("raw connect over ::1 failed");
        return s;
    }
    void SetReceiveBuffer(int bytes) const {
        if (bytes > 0) ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
    }

    void Send(const std::string& bytes) const {
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) throw std::runtime_error("raw send failed");
            sent += static_cast<std::size_t>(n);
        }
    }

    // Receives until `until` is found in what came, or the peer closes.
    // Returns everything received; eof tells whether the peer closed.
    std::string ReceiveUntil(const std::string& until, bool* eof = nullptr) const {
        std::string got;
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        if (eof) *eof = false;
        while (until.empty() || got.find(until) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline) break;
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0) continue;
            char buf[4096];
            const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
            if (n <= 0) {
                if (eof) *eof = true;
                break;
            }
            got.append(buf, static_cast<std::size_t>(n));
        }
        return got;
    }

private:
    int fd_;
};

// Listens on a free loopback port, on 127.0.0.1 or (ipv6) on ::1 alone.
class RawListener {
public:
    explicit RawListener(bool ipv6 = false) : sock_(::socket(ipv6 ? AF_INET6 : AF_INET, SOCK_STREAM, 0)) {
        int one = 1;
        ::setsockopt(sock_.Fd(), SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        int bound;
        if (ipv6) {
            ::setsockopt(sock_.Fd(), IPPROTO_IPV6, IPV6_V6ONLY, &one, sizeof one);
            sockaddr_in6 a = Loopback6(0);
            socklen_t len = sizeof a;
            bound = ::bind(sock_.Fd(), reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && ::listen(sock_.Fd(), 4) == 0 &&
                    ::getsockname(sock_.Fd(), reinterpret_cast<sockaddr*>(&a), &len) == 0
                        ? ntohs(a.sin6_port)
                        : -1;
        } else {
            sockaddr_in a = Loopback(0);
            socklen_t len = sizeof a;
            bound = ::bind(sock_.Fd(), reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && ::listen(sock_.Fd(), 4) == 0 &&
                    ::getsockname(sock_.Fd(), reinterpret_cast<sockaddr*>(&a), &len) == 0
                        ? ntohs(a.sin_port)
                        : -1;
        }
        if (bound < 0) throw std::runtime_error("raw listen failed");
        port_ = bound;
    }
    int Port() const { return port_; }
    // Whether a client waits to be accepted, looking for at most ms.
    bool Pending(int ms) const {
        pollfd p{sock_.Fd(), POLLIN, 0};
        return ::poll(&p, 1, ms) > 0;
    }
    // Waits for the next client (which may already be queued).
    RawSocket Accept() const {
        pollfd p{sock_.Fd(), POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(std::chrono::milliseconds(kPatience).count())) <= 0)
            throw std::runtime_error("nobody connected");
        return RawSocket(::accept(sock_.Fd(), nullptr, nullptr));
    }

private:
    RawSocket sock_;
    int port_ = 0;
};

// A port that nothing listens on (bound once, then released).
inline int UnusedPort() {
    RawListener l;
    return l.Port();
}

// Forwards connections, one at a time, from its own port to a target port and
// records each line (without CR LF) in the order it passes, tagged with its
// direction. Drop and Cut play a line that dies: from Drop on nothing passes
// either way (as with a pulled cable), Cut resets both connections; the next
// client is forwarded as before.
class Relay {
public:
    struct Line {
        bool fromClient;
        std::string text;
        bool operator==(const Line&) const = default;
    };

    explicit Relay(int targetPort) : target_(targetPort) {
        thread_ = std::thread([this] { Run(); });
    }
    ~Relay() {
        stop_ = true;
        thread_.join();
    }
    int Port() const { return listener_.Port(); }
    std::vector<Line> Lines() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return lines_;
    }
    // Every byte that passed in one direction, CR LF and all.
    std::string BytesFrom(bool fromClient) const {
        std::lock_guard<std::mutex> lock(mutex_);
        return bytes_[fromClient ? 0 : 1];
    }
    std::vector<std::string> LinesFrom(bool fromClient) const {
        std::vector<std::string> out;
        for (const Line& l : Lines())
            if (l.fromClient == fromClient) out.push_back(l.text);
        return out;
    }
    void Drop() { drop_ = true; }
    // Returns once both connections are reset.
    void Cut() {
        cut_ = true;
        while (cut_ && !stop_) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

private:
    void Run() {
        while (!stop_) {
            if (!listener_.Pending(20)) {
                cut_ = false;  // nothing to cut
                continue;
            }
            try {
                Forward(listener_.Accept(), RawSocket::Connect(target_));
            } catch (const std::exception&) {
                // The target is gone: the test's own checks report it.
                return;
            }
        }
    }

    void Forward(RawSocket client, RawSocket server) {
        std::string partial[2];
        bool open[2] = {true, true};
        drop_ = false;
        while (!stop_ && (open[0] || open[1])) {
            if (cut_) {
                client.Abort();
                server.Abort();
                cut_ = false;
                return;
            }
            pollfd p[2] = {{client.Fd(), static_cast<short>(open[0] ? POLLIN : 0), 0},
                           {server.Fd(), static_cast<short>(open[1] ? POLLIN : 0), 0}};
            if (::poll(p, 2, 20) <= 0) continue;
            for (int side = 0; side < 2; ++side) {
                if (!open[side] || p[side].revents == 0) continue;
                char buf[4096];
                const ssize_t n = ::recv(p[side].fd, buf, sizeof buf, 0);
                const int to = side == 0 ? server.Fd() : client.Fd();
                if (n <= 0) {
                    open[side] = false;
                    ::shutdown(to, SHUT_WR);
                    continue;
                }
                if (drop_) continue;
                // Record before forwarding, so that a reply is never recorded first.
                partial[side].append(buf, static_cast<std::size_t>(n));
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    bytes_[side].append(buf, static_cast<std::size_t>(n));
                }
                std::size_t lf;
                while ((lf = partial[side].find('\n')) != std::string::npos) {
                    std::string text = partial[side].substr(0, lf);
                    if (!text.empty() && text.back() == '\r') text.pop_back();
                    partial[side].erase(0, lf + 1);
                    std::lock_guard<std::mutex> lock(mutex_);
                    lines_.push_back({side == 0, text});
                }
                ::send(to, buf, static_cast<std::size_t>(n), MSG_NOSIGNAL);
            }
        }
    }

    int target_;
    RawListener listener_;
    std::atomic<bool> stop_{false}, drop_{false}, cut_{false};
    mutable std::mutex mutex_;
    std::vector<Line> lines_;
    std::string bytes_[2];  // from the client, from the server
    std::thread thread_;
};

}  // namespace nettest
