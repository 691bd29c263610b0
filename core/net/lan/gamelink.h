// Links that join a game: "quorvex://HOST" or "quorvex://HOST:PORT", an IPv6
// address in square brackets. The desktop opens them with the game; the host
// window hands them out for this machine's addresses.
#pragma once

#include "core/net/transport/endpoint.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvex {

inline constexpr int kGameLinkDefaultPort = kGamePort;

struct GameLink {
    std::string host;  // a name or an address; an IPv6 address without brackets
    int port = kGameLinkDefaultPort;
    bool operator==(const GameLink&) const = default;
};

// The link's host and port; nothing when the text is not such a link (another
// scheme, a path or query, an empty or odd host, a port outside 1..65535).
std::optional<GameLink> ParseGameLink(const std::string& text);

// The link for a host and port: IPv6 in brackets, the port only when it is not 9999.
std::string FormatGameLink(const std::string& host, int port);

// The addresses worth sharing, best first: private and public IPv4 before
// global IPv6; loopback, link-local and unspecified addresses are left out.
std::vector<std::string> ShareableAddresses(const std::vector<std::string>& addresses);

// The addresses of this machine's interfaces that are up, as text (IPv6
// without its scope).
std::vector<std::string> MachineAddresses();
// This machine's host name; empty when the system gives none.
std::string MachineName();

}  // namespace quorvex
