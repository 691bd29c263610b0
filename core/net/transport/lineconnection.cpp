#include "core/net/transport/lineconnection.h"

#include "core/net/transport/sockets.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quorvex {

using namespace sock;

LineConnection::LineConnection(int fd, const LineLiveness& liveness) : fd_(fd) {
    SetNoDelay(fd_);
    SetLiveness(fd_, liveness);
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
        throw SocketError({NetFailureKind::CreateEvent, err}, Describe("Could not create an event", err));
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

void LineConnection::PeerGone(int err) {
    goneErr_ = err;
    peerClosed_ = true;
    Close();
}

const char* LineConnection::GoneText(const char* usual) const {
    return goneErr_ == ETIMEDOUT ? kPeerSilent : usual;
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

std::chrono::steady_clock::time_point LineConnection::ServiceOutput() {
    int err = 0;
    Clock::time_point due = Clock::time_point::max();
    {
        std::lock_guard<std::mutex> lock(writeMutex_);
        if (!open_ || outbox_.empty()) return due;
        err = FlushLocked();
        if (err == 0 && !outbox_.empty()) due = lastProgress_ + std::chrono::milliseconds(stallMs_.load());
    }
    if (err != 0) {
        IsPeerGone(err) ? PeerGone(err) : (void)Close();
    } else if (due != Clock::time_point::max() && Clock::now() >= due) {
        GiveUpStalled();
        due = Clock::time_point::max();
    }
    return due;
}

void LineConnection::WriteLn(const std::string& text) {
    // One call, one line: a break inside would put lines of its own on the wire.
    if (text.find_first_of("\r\n") != std::string::npos) throw NetError(kLineBreakInLine);
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
        PeerGone(err);
        throw ConnectionClosedError(GoneText(kConnectionReset));
    }
    Close();
    throw SocketError({NetFailureKind::Send, err}, Describe("Could not send", err));
}

bool LineConnection::PollBoth(pollfd (&fds)[2], int timeoutMs) {
    if (::poll(fds, 2, timeoutMs) >= 0) return true;
    if (errno == EINTR) return false;
    const int err = errno;
    Close();
    throw SocketError({NetFailureKind::WaitForData, err}, Describe("Could not wait for data", err));
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
            if (firstPass) throw ConnectionClosedError(peerClosed_ ? GoneText(kClosedGracefully) : kNotConnected);
            // Closed here (by the idle hook or another thread) while we waited.
            timedOut_ = true;
            return {};
        }
        firstPass = false;
        if (!receiveFirst) {
            const ReadWait w = WaitToReceive(infinite, deadline);
            if (w == ReadWait::Again) continue;
            if (w == ReadWait::TimedOut) {
                timedOut_ = true;
                return {};
            }
        }
        receiveFirst = false;
        if (!Receive()) {
            timedOut_ = true;
            return {};
        }
    }
}

LineConnection::ReadWait LineConnection::WaitToReceive(bool infinite, Clock::time_point deadline) {
    int slice;
    if (infinite)
        slice = idleHook_ ? kIdleSliceMs : kInfinite;
    else
        slice = idleHook_ ? std::min(MsLeft(deadline), kIdleSliceMs) : MsLeft(deadline);
    const Woken woken = Wait(slice, true);
    if (woken == Woken::Input) return ReadWait::Receive;
    if (woken == Woken::Closed) return ReadWait::Again;  // the read finds out how
    if (idleHook_) idleHook_();
    return !infinite && Clock::now() >= deadline ? ReadWait::TimedOut : ReadWait::Again;
}

bool LineConnection::Receive() {
    char chunk[kReceiveSize];
    const ssize_t n = ::recv(fd_, chunk, sizeof chunk, MSG_DONTWAIT);
    if (n > 0) {
        Append(chunk, static_cast<std::size_t>(n));
        return true;
    }
    const int err = n < 0 ? errno : 0;
    if (n < 0 && (err == EINTR || err == EAGAIN || err == EWOULDBLOCK)) return true;
    if (!open_) return true;  // closed here meanwhile: the read finds out
    if (n == 0 || IsPeerGone(err)) {
        const bool unfinished = !buffer_.empty();
        buffer_.clear();
        PeerGone(err);
        // The bytes of an unfinished line end this read quietly, as a read
        // without a line (not an empty line); the next one fails.
        if (unfinished) return false;
        throw ConnectionClosedError(n == 0 ? kClosedGracefully : GoneText(kConnectionReset));
    }
    Close();
    throw SocketError({NetFailureKind::Receive, err}, Describe("Could not receive", err));
}

}  // namespace quorvex
