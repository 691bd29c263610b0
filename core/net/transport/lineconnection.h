#pragma once

#include "core/net/transport/linechannel.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

struct pollfd;

namespace quorvex {

// One open TCP connection. Reads belong to one thread at a time; WriteLn and
// Close may be called from any thread (writes are serialised and never block).
// Queued output goes out while the reading thread waits (ReadLn, AwaitInput,
// Pause). The socket itself is released when the object is destroyed, so a
// thread still using a closed connection never touches a reused descriptor.
class LineConnection : public LineChannel, public std::enable_shared_from_this<LineConnection> {
public:
    // Takes ownership of a connected socket; a peer that falls silent is
    // given up as liveness says.
    explicit LineConnection(int fd, const LineLiveness& liveness = {});
    ~LineConnection() override;
    LineConnection(const LineConnection&) = delete;
    LineConnection& operator=(const LineConnection&) = delete;

    void WriteLn(const std::string& text) override;
    std::string ReadLn(int timeoutMs = kUseReadTimeout, std::size_t maxLength = kMaxLineLength) override;
    bool ReadLnTimedOut() const override { return timedOut_; }
    bool Connected() const override { return open_.load(); }

    // Shuts the socket down (the peer sees the close, a waiting read here
    // wakes up) and runs the disconnect notice once. True if it was open.
    bool Close();

    // Sleeps until a read would find something - a complete line already
    // buffered, new bytes, the peer's close - or the connection is closed
    // here; sends queued output meanwhile. While the input gate is shut it
    // first sleeps until the gate resumes it. False once the connection is
    // closed. Reader's thread.
    bool AwaitInput();
    // Set before the reading starts (the connection must be owned by a ConnectionPtr).
    void SetInputGate(InputGate gate) { gate_ = std::move(gate); }
    // Waits ms milliseconds without reading, ending early when the connection
    // closes (here or by the peer); sends queued output meanwhile.
    void Pause(int ms);
    // Bytes queued and not yet taken by the socket.
    std::size_t PendingBytes() const;
    // True when the connection was closed because the peer took no data.
    bool Stalled() const { return stalled_.load(); }
    // How long a peer may take none of the queued bytes (kStallTimeoutMs).
    void SetStallTimeout(int ms) { stallMs_ = ms; }

    // Default time-out of ReadLn (kInfinite unless set).
    void SetReadTimeout(int ms) { readTimeout_ = ms; }
    // Called after every slice of a read's wait that ends without data.
    void SetIdleHook(IdleHook hook) { idleHook_ = std::move(hook); }
    // Runs once when the connection goes from open to closed.
    void SetDisconnectNotice(std::function<void()> notice) { notice_ = std::move(notice); }

    // Text form of the peer's address ("127.0.0.1:4711", "[::1]:4711"), for logs.
    std::string PeerAddress() const;

    // Bytes received and not yet returned as lines. Reader's state: ask on
    // the reading thread.
    std::size_t BufferedBytes() const { return buffer_.size(); }

private:
    enum class Woken { Input, TimedOut, Closed };
    // What a read's wait came to: bytes to receive, look again, or the read's time is up.
    enum class ReadWait { Receive, Again, TimedOut };

    // Takes a complete line off the buffer; false if there is none.
    bool TakeLine(std::size_t maxLength, std::string& line);
    void Append(const char* data, std::size_t n);
    // The peer closed (err 0) or the socket failed with err.
    void PeerGone(int err);
    // The text of the peer's end: kPeerSilent for a line that went dead, else usual.
    const char* GoneText(const char* usual) const;
    // Closes with the peer's pending data dropped: it took none of it for too long.
    void GiveUpStalled();
    // Sends what the socket takes of the queue now; the errno of a failure or 0.
    // Caller holds writeMutex_.
    int FlushLocked();
    // Flushes the queue and closes the connection if it failed or stalled;
    // the time by which the queue must move next (max() when it is empty).
    std::chrono::steady_clock::time_point ServiceOutput();
    // Waits up to timeoutMs (kInfinite: no limit) for the socket to become
    // readable (wantInput) or only for its close, sending queued output.
    Woken Wait(int timeoutMs, bool wantInput);
    // One slice of a read's wait; the idle hook runs after a slice without data.
    ReadWait WaitToReceive(bool infinite, std::chrono::steady_clock::time_point deadline);
    // Takes what the socket has into the buffer. False when the peer closed
    // in the middle of a line (the read ends without one); throws when it
    // closed between lines or the socket failed.
    bool Receive();
    // Sleeps until Wake() or the close, sending queued output meanwhile.
    void WaitForWake();
    // poll() on the socket and the wake-up descriptor: false when a signal
    // interrupted it; any other failure closes the connection and throws.
    bool PollBoth(pollfd (&fds)[2], int timeoutMs);
    void Wake();

    const int fd_;
    int wakeFd_ = -1;  // eventfd: a line was queued, or the connection closed
    std::atomic<bool> open_{true};
    std::atomic<bool> peerClosed_{false};
    std::atomic<int> goneErr_{0};
    std::atomic<bool> stalled_{false};
    std::atomic<int> stallMs_{kStallTimeoutMs};
    mutable std::mutex writeMutex_;
    // Writers' state, under writeMutex_.
    std::string outbox_;  // whole lines not yet taken by the socket
    std::chrono::steady_clock::time_point lastProgress_;
    // Reader's state.
    std::string buffer_;
    bool discarding_ = false;  // dropping the rest of an over-long line
    bool timedOut_ = false;
    bool readable_ = false;  // AwaitInput saw the socket readable
    int readTimeout_ = kInfinite;
    IdleHook idleHook_;
    InputGate gate_;
    std::function<void()> notice_;
};

using ConnectionPtr = std::shared_ptr<LineConnection>;

}  // namespace quorvex
