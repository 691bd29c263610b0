#pragma once

#include "core/net/transport/endpoint.h"
#include "core/net/transport/lineconnection.h"
#include "core/net/transport/resolver.h"

#include <functional>
#include <string>

namespace quorvex {

// Connects to a host's port and reads and writes lines on the thread that
// uses it (the client window's user-interface thread). While it waits - for
// a connect or for data - it calls the idle hook, if one is set, so that the
// window stays responsive; the hook may even close the connection. Lines the
// socket does not take at once wait in the connection's queue and go out
// during the next reads (the client window reads once a second).
class LineClient : public LineChannel {
public:
    static constexpr int kDefaultPort = kGamePort;
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
    // How soon a silent host counts as gone (about 30 s); for the next connect.
    void SetLiveness(const LineLiveness& liveness) { liveness_ = liveness; }

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
    // A connected socket to host_:port_, or a throw.
    int ConnectSocket(int timeoutMs);
    // A connected socket to address, -1 (lastError set) when it refuses or
    // fails; throws when the wait's time is up or the connect was cancelled.
    int ConnectTo(const sock::Address& address, const WaitSlices& wait, int& lastError);
    void Idle();

    std::string host_ = "localhost";
    int port_ = kDefaultPort;
    int readTimeout_ = kDefaultReadTimeout;
    int stallMs_ = kStallTimeoutMs;
    LineLiveness liveness_;
    IdleHook idleHook_;
    ConnectionPtr conn_;  // kept until the next connect: a read may still run on it
    bool connecting_ = false;
    bool cancel_ = false;
};

}  // namespace quorvex
