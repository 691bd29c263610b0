// Host names to socket addresses, without holding up the window that asks.
#pragma once

#include "core/net/transport/sockets.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvex {

// How a caller waits: `next` gives the next slice's milliseconds (and throws
// when its time is up); `idle` runs after a slice that ended without a result
// (and throws to give up).
struct WaitSlices {
    std::function<int()> next;
    std::function<void()> idle;
};

// The addresses of host (brackets allowed), IPv6 and IPv4, in the system's
// order of preference. A numeric address needs no lookup; a name is looked up
// on a thread of its own, which is left behind if the caller gives up.
// The lookup's answer is handed over to the calling thread.
// Throws SocketError naming the host as given when nothing is found.
std::vector<sock::Address> ResolveHost(const std::string& host, int port, const WaitSlices& wait);

}  // namespace quorvex
