// The line-oriented TCP transport beneath the two-player game: a connection
// that sends and receives CR LF terminated lines, a server that serves one
// client at a time on its own thread, and a client that connects with a
// time-out while its window keeps processing events.
//
// Plain POSIX sockets over IPv6 and IPv4; the core knows nothing of the
// windowing toolkit, the client window hands in an "idle hook" that processes
// its events.
//
// No thread ever waits on the peer to write: a line that the socket does not
// take at once is queued (bounded) and sent by whoever next waits on the
// connection - the server's connection thread, or the client's reads. A peer
// that takes none of the queued bytes for the stall time is treated as gone.
#pragma once

#include "core/platform/systemtext.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

struct pollfd;

namespace quorvex {

// Every failure of the transport is a NetError (a std::runtime_error). Its
// text is a system text: the program's own words, the system's messages and
// the addresses it was given.
class NetError : public qx::SystemError {
public:
    using qx::SystemError::SystemError;
};

// The connection is gone: the peer closed or reset it, or it was closed here.
// Texts: kClosedGracefully, kConnectionReset, kNotConnected.
class ConnectionClosedError : public NetError {
public:
    using NetError::NetError;
};

// A received line grew beyond the maximum length. Its bytes are discarded
// (up to and including its LF), so the next read goes on with the next line.
class LineTooLongError : public NetError {
public:
    using NetError::NetError;
};

// A connect or a server stop took longer than allowed.
class NetTimeoutError : public NetError {
public:
    using NetError::NetError;
};

// Any other failure of the operating system's sockets, or a host name that
// cannot be resolved. The text names the operation and the system's error.
class SocketError : public NetError {
public:
    using NetError::NetError;
};

inline constexpr const char* kClosedGracefully = "Connection closed gracefully.";
inline constexpr const char* kConnectionReset = "Connection reset by peer.";
inline constexpr const char* kNotConnected = "Not connected.";
inline constexpr const char* kLineTooLong = "Max line length exceeded.";
inline constexpr const char* kConnectTimedOut = "Connect timed out.";
inline constexpr const char* kConnectCancelled = "Connect cancelled.";
inline constexpr const char* kAlreadyConnected = "Already connected.";
inline constexpr const char* kTerminateTimedOut = "Terminate thread timeout.";
inline constexpr const char* kPeerStalled = "Connection closed: the peer stopped taking data.";
inline constexpr const char* kUnknownFailure = "Unknown error.";

inline constexpr std::size_t kMaxLineLength = 16384;
// Bytes taken from the socket by one receive; the input buffer never holds
// more than the maximum line length plus this.
inline constexpr std::size_t kReceiveSize = 16384;
// Time-outs in milliseconds: wait without limit, or use the channel's ReadTimeout.
inline constexpr int kInfinite = -1;
inline constexpr int kUseReadTimeout = -2;
// Longest wait between two calls of an idle hook while reading / connecting.
inline constexpr int kIdleSliceMs = 250;
inline constexpr int kConnectSliceMs = 125;
// A peer that takes none of our queued bytes for this long is treated as gone.
inline constexpr int kStallTimeoutMs = 10000;
// Most bytes queued for a peer beyond what its socket has taken; a line that
// would go beyond it while others wait closes the connection as stalled. Far
// more than the game ever has in flight, and the kernel's own buffers come on top.
inline constexpr std::size_t kMaxPendingBytes = 1024 * 1024;
// The socket's send buffer (the kernel doubles it for its bookkeeping).
inline constexpr std::size_t kSendBufferBytes = 64 * 1024;

using IdleHook = std::function<void()>;
// Asked before a connection looks for more input: false holds reading back
// until `resume` is called (from any thread); the peer is only slowed, as the
// kernel's receive buffer fills and TCP holds the sender back.
using InputGate = std::function<bool(std::function<void()> resume)>;

// What the line protocol needs of a connection; implemented by the server's
// LineConnection and by the LineClient.
class LineChannel {
public:
    virtual ~LineChannel() = default;
    // Sends text + CR LF whole and in order, without waiting on the peer:
    // what the socket does not take at once is queued for the connection.
    // Throws ConnectionClosedError when the connection is closed (or found
    // broken or stalled), SocketError on other failures.
    virtual void WriteLn(const std::string& text) = 0;
    // The next line without its LF and without one CR directly before it.
    // Returns "" (and sets ReadLnTimedOut) when no complete line arrives in
    // time. Throws ConnectionClosedError once the peer's close has been seen
    // and every complete line received before it has been returned.
    virtual std::string ReadLn(int timeoutMs = kUseReadTimeout, std::size_t maxLength = kMaxLineLength) = 0;
    virtual bool ReadLnTimedOut() const = 0;
    virtual bool Connected() const = 0;
};

// One open TCP connection. Reads belong to one thread at a time; WriteLn and
// Close may be called from any thread (writes are serialised and never block).
// Queued output goes out while the reading thread waits (ReadLn, AwaitInput,
// Pause). The socket itself is released when the object is destroyed, so a
// thread still using a closed connection never touches a reused descriptor.
class LineConnection : public LineChannel, public std::enable_shared_from_this<LineConnection> {
public:
    // Takes ownership of a connected socket.
    explicit LineConnection(int fd);
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

    // Takes a complete line off the buffer; false if there is none.
    bool TakeLine(std::size_t maxLength, std::string& line);
    void Append(const char* data, std::size_t n);
    void PeerGone();
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

// Listens on all local IPv6 and IPv4 addresses (IPv4 alone where the system
// has no IPv6) and serves at most one client at a time across both, each on a
// connection thread of its own: OnConnect, then OnExecute passes while the
// connection is open (back to back, or each when input is there, see
// SetExecuteOnInput), then OnDisconnect (also when OnConnect or OnExecute threw;
// OnError tells first what ended it, unless the peer closed or a stop did). A
// client arriving while one is served is closed at once without a byte. Set
// the handlers and the port before activating; Active, BoundPort and the
// setters are for one controlling thread.
class LineServer {
public:
    using Handler = std::function<void(const ConnectionPtr&)>;

    static constexpr int kDefaultPort = 9999;
    static constexpr int kMaxConnections = 1;
    static constexpr int kListenQueue = 15;
    static constexpr int kTerminateWaitTime = 5000;
    static constexpr int kTerminateCheckMs = 250;

    LineServer() = default;
    // Stops like SetActive(false) but waits for the connection thread without limit.
    ~LineServer();
    LineServer(const LineServer&) = delete;
    LineServer& operator=(const LineServer&) = delete;

    Handler OnConnect;
    Handler OnExecute;
    Handler OnDisconnect;
    // On the connection thread: the text of the failure that ended the
    // connection (a handler's exception, a socket error, a stall). Must not throw.
    std::function<void(const ConnectionPtr&, const std::string&)> OnError;
    // On the listening thread, which then ends: why it could not go on
    // listening. The server still counts as active until SetActive(false).
    // Must not throw.
    std::function<void(const qx::SystemText&)> OnListenError;

    // Port to listen on; 0 lets the system choose one (see BoundPort).
    void SetDefaultPort(int port) { port_ = port; }
    int DefaultPort() const { return port_; }
    void SetTerminateWaitTime(int ms) { terminateWait_ = ms; }
    int TerminateWaitTime() const { return terminateWait_; }
    // true: the connection thread sleeps until there is input (a buffered
    // line, new bytes, the peer's close) or a stop, and runs one OnExecute
    // pass for it; a silent client costs no wake-ups. false (default): passes
    // back to back, each handler waiting in its own reads.
    void SetExecuteOnInput(bool on) { executeOnInput_ = on; }
    // Stall time given to each connection (kStallTimeoutMs).
    void SetStallTimeout(int ms) { stallMs_ = ms; }
    // false: listen on IPv4 alone, as on a system without IPv6.
    void SetIPv6(bool on) { ipv6_ = on; }
    // Input gate given to each connection (with SetExecuteOnInput).
    void SetInputGate(InputGate gate) { gate_ = std::move(gate); }

    // true: bind, listen and accept on a listening thread; throws SocketError
    // (the server stays inactive) when the port cannot be bound.
    // false: stop listening, close the client's connection and wait for its
    // thread, checking every 250 ms up to TerminateWaitTime; throws
    // NetTimeoutError and stays active when the thread does not end in time.
    void SetActive(bool active);
    bool Active() const { return active_.load(); }
    // The port actually listened on while active.
    int BoundPort() const { return boundPort_; }
    // True while a client is being served.
    bool Serving() const;

private:
    void Start();
    void Stop(bool unlimited);
    void ListenLoop();
    void ServeConnection(ConnectionPtr conn);
    void Report(const ConnectionPtr& conn, const std::string& text);

    int port_ = kDefaultPort;
    int terminateWait_ = kTerminateWaitTime;
    bool executeOnInput_ = false;
    int stallMs_ = kStallTimeoutMs;
    bool ipv6_ = true;
    InputGate gate_;
    std::atomic<bool> active_{false};
    int boundPort_ = 0;

    std::vector<int> listenFds_;
    int wakeRead_ = -1, wakeWrite_ = -1;
    std::thread listener_;

    mutable std::mutex mutex_;
    std::condition_variable threadEnded_;
    bool serving_ = false;       // the connection thread runs
    ConnectionPtr current_;      // its connection
    std::thread connThread_;
};

// Connects to a host's port and reads and writes lines on the thread that
// uses it (the client window's user-interface thread). While it waits - for
// a connect or for data - it calls the idle hook, if one is set, so that the
// window stays responsive; the hook may even close the connection. Lines the
// socket does not take at once wait in the connection's queue and go out
// during the next reads (the client window reads once a second).
class LineClient : public LineChannel {
public:
    static constexpr int kDefaultPort = 9999;
    static constexpr int kDefaultReadTimeout = 5;

    LineClient() = default;
    ~LineClient() override;
    LineClient(const LineClient&) = delete;
    LineClient& operator=(const LineClient&) = delete;

    // Runs inside Connect once the TCP connection is up; an exception that
    // escapes it closes the connection and fails Connect.
    std::function<void()> OnConnected;
    // Runs once after the connection was closed: by Disconnect, by a read or
    // write that found it closed or broken, or by a failed OnConnected.
    std::function<void()> OnDisconnected;

    // A host name, a dotted IPv4 address or an IPv6 address, with or
    // without square brackets.
    void SetHost(const std::string& host) { host_ = host; }
    const std::string& Host() const { return host_; }
    void SetPort(int port) { port_ = port; }
    int Port() const { return port_; }
    void SetReadTimeout(int ms);
    int ReadTimeout() const { return readTimeout_; }
    void SetIdleHook(IdleHook hook);
    void SetStallTimeout(int ms);

    // Resolves the host for IPv6 and IPv4, tries each address in turn until
    // one connects, all within timeoutMs, and runs OnConnected. Throws SocketError (refused, unresolvable, other
    // socket errors), NetTimeoutError, NetError (already connected, cancelled
    // by Disconnect while pending) or whatever OnConnected threw.
    void Connect(int timeoutMs);
    // Closes the connection and runs OnDisconnected; nothing if not connected.
    // During a pending connect it cancels that connect.
    void Disconnect();

    void WriteLn(const std::string& text) override;
    std::string ReadLn(int timeoutMs = kUseReadTimeout, std::size_t maxLength = kMaxLineLength) override;
    bool ReadLnTimedOut() const override;
    bool Connected() const override;
    // The current connection's LineConnection::BufferedBytes; 0 without one.
    std::size_t BufferedBytes() const { return conn_ ? conn_->BufferedBytes() : 0; }
    // The current connection's LineConnection::PendingBytes; 0 without one.
    std::size_t PendingBytes() const { return conn_ ? conn_->PendingBytes() : 0; }

private:
    int ConnectSocket(int timeoutMs);
    void Idle();

    std::string host_ = "localhost";
    int port_ = kDefaultPort;
    int readTimeout_ = kDefaultReadTimeout;
    int stallMs_ = kStallTimeoutMs;
    IdleHook idleHook_;
    ConnectionPtr conn_;  // kept until the next connect: a read may still run on it
    bool connecting_ = false;
    bool cancel_ = false;
};

}  // namespace quorvex
