// The game's port and how a host is written beside a port.
#pragma once

#include <string>

namespace quorvex {

// The TCP port a host listens on and a client connects to, unless told otherwise.
inline constexpr int kGamePort = 9999;

// An IPv6 address (anything with a colon) in square brackets, "[::1]"; any
// other host, and one already in brackets, as it is.
inline std::string BracketedHost(const std::string& host) {
    if (host.find(':') == std::string::npos || (!host.empty() && host.front() == '[')) return host;
    return "[" + host + "]";
}

// The host without the square brackets an IPv6 address may come in.
inline std::string UnbracketedHost(const std::string& host) {
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') return host.substr(1, host.size() - 2);
    return host;
}

}  // namespace quorvex
