// The line-oriented TCP transport beneath the two-player game: a connection
// that sends and receives CR LF terminated lines (lineconnection.h), a server
// that serves one client at a time on its own thread (lineserver.h), and a
// client that connects with a time-out while its window keeps processing
// events (lineclient.h). Plain POSIX sockets over IPv6 and IPv4; the core
// knows nothing of the windowing toolkit, the client window hands in an "idle
// hook" that processes its events.
//
// No thread ever waits on the peer to write: a line that the socket does not
// take at once is queued (bounded) and sent by whoever next waits on the
// connection - the server's connection thread, or the client's reads. A peer
// that takes none of the queued bytes for the stall time is treated as gone.
// A peer that falls silent altogether is found out by TCP itself (keep-alive
// probes, a user time-out: LineLiveness) and ends the connection like a reset.
//
// This header: the transport's limits and time-outs, and what the line
// protocol needs of a connection (LineChannel).
#pragma once

#include "core/net/transport/neterrors.h"

#include <cstddef>
#include <functional>
#include <string>

namespace quorvex {

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

// How soon a peer that went silent (a pulled cable, a machine gone) counts as
// gone, by TCP's own means and without a byte of the game's: a quiet line is
// probed after idleS seconds every intervalS seconds and given up after
// probes unanswered ones; bytes unacknowledged for userTimeoutMs give it up
// too. The kernel then fails the socket with ETIMEDOUT, and the next wait on
// the connection sees it like a reset. About 30 s either way.
struct LineLiveness {
    int idleS = 10;
    int intervalS = 5;
    int probes = 4;
    int userTimeoutMs = 30000;
};

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

}  // namespace quorvex
