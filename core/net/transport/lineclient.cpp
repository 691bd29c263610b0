#include "core/net/transport/lineclient.h"

#include "core/net/transport/resolver.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace quorvex {

using namespace sock;

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
        conn = std::make_shared<LineConnection>(fd, liveness_);
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
    const WaitSlices wait{[this, infinite, deadline] {
                              if (!infinite && MsLeft(deadline) == 0) throw NetTimeoutError(kConnectTimedOut);
                              const int left = infinite ? kConnectSliceMs : MsLeft(deadline);
                              return idleHook_ ? std::min(left, kConnectSliceMs) : left;
                          },
                          [this] {
                              Idle();
                              if (cancel_) throw NetError(kConnectCancelled);
                          }};
    int lastError = ECONNREFUSED;
    // Each address in turn (IPv6 and IPv4 as the resolver orders them), all
    // within the one time-out.
    for (const Address& address : ResolveHost(host_, port_, wait)) {
        const int fd = ConnectTo(address, wait, lastError);
        if (fd >= 0) return fd;  // stays non-blocking: nothing waits on the peer
    }
    const std::string host = BracketedHost(UnbracketedHost(host_));
    throw SocketError({NetFailureKind::Connect, lastError, port_, qx::SystemText(host)},
                      Describe(qx::SystemText("Could not connect to " + host + ":" + std::to_string(port_)), lastError));
}

namespace {

// Closes a socket unless it is released.
struct SocketOwner {
    int fd;
    ~SocketOwner() {
        if (fd >= 0) ::close(fd);
    }
    int Release() { return std::exchange(fd, -1); }
};

}  // namespace

int LineClient::ConnectTo(const Address& address, const WaitSlices& wait, int& lastError) {
    SocketOwner s{::socket(address.ss_family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)};
    if (s.fd < 0) {
        lastError = errno;
        if (NoIPv6(lastError)) return -1;  // a family this system lacks
        throw SocketError({NetFailureKind::CreateSocket, lastError}, Describe("Could not create socket", lastError));
    }
    int err = 0;
    if (::connect(s.fd, reinterpret_cast<const sockaddr*>(&address), AddressLength(address)) != 0) {
        err = errno;
        while (err == EINPROGRESS || err == EINTR) {
            pollfd p{s.fd, POLLOUT, 0};
            const int ready = ::poll(&p, 1, wait.next());
            if (ready < 0) {
                if (errno != EINTR) err = errno;
                continue;
            }
            if (ready == 0) {
                wait.idle();
                continue;
            }
            socklen_t len = sizeof err;
            if (::getsockopt(s.fd, SOL_SOCKET, SO_ERROR, &err, &len) != 0) err = errno;
        }
    }
    if (err != 0) {
        lastError = err;
        return -1;
    }
    return s.Release();
}

}  // namespace quorvex
