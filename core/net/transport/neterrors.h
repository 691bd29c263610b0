// The transport's failures and their texts.
#pragma once

#include "core/platform/systemtext.h"

namespace quorvex {

// Every failure of the transport is a NetError (a std::runtime_error). Its
// text is a system text: the program's own words, the system's messages and
// the addresses it was given.
class NetError : public qx::SystemError {
public:
    using qx::SystemError::SystemError;
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

}  // namespace quorvex
