#pragma once

#include "core/net/transport/endpoint.h"
#include "core/net/transport/lineconnection.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quorvex {

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

    static constexpr int kDefaultPort = kGamePort;
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
    // On the connection thread: the failure that ended the connection (a
    // socket error, a stall, a handler's exception: another one than a
    // NetError comes as one of kind Other with its text). Must not throw.
    std::function<void(const ConnectionPtr&, const NetError&)> OnError;
    // On the listening thread, which then ends: why it could not go on
    // listening. The server still counts as active until SetActive(false).
    // Must not throw.
    std::function<void(const NetError&)> OnListenError;

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
    // How soon each connection's silent peer counts as gone (about 30 s).
    void SetLiveness(const LineLiveness& liveness) { liveness_ = liveness; }
    // false: listen on IPv4 alone, as on a system without IPv6.
    void SetIPv6(bool on) { ipv6_ = on; }
    // Input gate given to each connection (with SetExecuteOnInput).
    void SetInputGate(InputGate gate) { gate_ = std::move(gate); }

    // true: bind, listen and accept on a listening thread; throws SocketError
    // (the server stays inactive) when the port cannot be bound.
    // false: stop listening (the listening sockets are closed at once), close
    // the client's connection and wait for its thread, checking every 250 ms
    // up to TerminateWaitTime. When the thread does not end in time it throws
    // NetTimeoutError and stays active, though nothing listens any more and
    // no client is accepted; the next SetActive(false) (or the end) waits for
    // the thread again and completes the stop.
    void SetActive(bool active);
    // From a SetActive(true) until a SetActive(false) that completed.
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
    void Report(const ConnectionPtr& conn, const NetError& failure);

    int port_ = kDefaultPort;
    int terminateWait_ = kTerminateWaitTime;
    bool executeOnInput_ = false;
    int stallMs_ = kStallTimeoutMs;
    LineLiveness liveness_;
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

}  // namespace quorvex
