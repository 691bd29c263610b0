// The transport's failures and their texts.
#pragma once

#include "core/platform/systemtext.h"

#include <string_view>
#include <utility>

namespace quorvex {

// What failed, for the windows to word: a kind, with the system's error
// number (errno; for Resolve the resolver's code, 0 for a name without
// address), the port and the name (an address, a host as typed) it concerns.
enum class NetFailureKind {
    Other,  // none of these: the error's own text is shown
    ClosedGracefully,
    ConnectionReset,
    NotConnected,
    LineTooLong,
    ConnectTimedOut,
    ConnectCancelled,
    AlreadyConnected,
    TerminateTimedOut,
    PeerSilent,
    PeerStalled,
    UnknownFailure,
    LineBreakInLine,
    HandshakeTimedOut,  // the peer sent no nickname in time
    InvalidPort,        // port
    CreateEvent,        // with err from here on
    CreateSocket,
    CreatePipe,
    Send,
    WaitForData,
    Receive,
    WaitForConnections,
    AcceptConnection,
    ReadBoundPort,
    BindPort,  // port
    Connect,   // name: the host, port
    Resolve,   // name: the host as typed
};

struct NetFailure {
    NetFailureKind kind = NetFailureKind::Other;
    int err = 0;
    int port = 0;
    qx::SystemText name{};
    bool operator==(const NetFailure&) const = default;
};

inline constexpr const char* kClosedGracefully = "Connection closed gracefully.";
inline constexpr const char* kConnectionReset = "Connection reset by peer.";
inline constexpr const char* kNotConnected = "Not connected.";
inline constexpr const char* kLineTooLong = "Max line length exceeded.";
inline constexpr const char* kConnectTimedOut = "Connect timed out.";
inline constexpr const char* kConnectCancelled = "Connect cancelled.";
inline constexpr const char* kAlreadyConnected = "Already connected.";
inline constexpr const char* kTerminateTimedOut = "Terminate thread timeout.";
inline constexpr const char* kPeerSilent = "Connection lost: the peer stopped answering.";
inline constexpr const char* kPeerStalled = "Connection closed: the peer stopped taking data.";
inline constexpr const char* kUnknownFailure = "Unknown error.";
inline constexpr const char* kLineBreakInLine = "Cannot send a line that holds a line break.";

// The kind each of the texts above names; Other for any other text.
inline NetFailureKind OwnFailureKind(std::string_view own) {
    using K = NetFailureKind;
    const std::pair<const char*, K> kinds[] = {
        {kClosedGracefully, K::ClosedGracefully}, {kConnectionReset, K::ConnectionReset},
        {kNotConnected, K::NotConnected},         {kLineTooLong, K::LineTooLong},
        {kConnectTimedOut, K::ConnectTimedOut},   {kConnectCancelled, K::ConnectCancelled},
        {kAlreadyConnected, K::AlreadyConnected}, {kTerminateTimedOut, K::TerminateTimedOut},
        {kPeerSilent, K::PeerSilent},             {kPeerStalled, K::PeerStalled},
        {kUnknownFailure, K::UnknownFailure},     {kLineBreakInLine, K::LineBreakInLine},
    };
    for (const auto& [text, kind] : kinds)
        if (own == text) return kind;
    return K::Other;
}

// Every failure of the transport is a NetError (a std::runtime_error). Its
// text is a system text: the program's own words (in English), the system's
// messages and the addresses it was given; Failure() is what the windows word.
class NetError : public qx::SystemError {
public:
    // One of the texts above, which names its kind, or another text of the program's.
    explicit NetError(const char* own) : SystemError(own), failure_{OwnFailureKind(own)} {}
    explicit NetError(const qx::SystemText& text) : SystemError(text), failure_{OwnFailureKind(text.Bytes())} {}
    NetError(NetFailure failure, const qx::SystemText& text) : SystemError(text), failure_(std::move(failure)) {}
    const NetFailure& Failure() const { return failure_; }

private:
    NetFailure failure_;
};

// The connection is gone: the peer closed or reset it, or it was closed here.
// Texts: kClosedGracefully, kConnectionReset, kPeerSilent, kNotConnected.
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

}  // namespace quorvex
