#include "core/net/lan/gamelink.h"

#include "core/net/transport/sockets.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <cstring>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <unistd.h>

namespace quorvex {

namespace {

constexpr const char* kScheme = "quorvex://";

bool IsIPv6(const std::string& text) {
    in6_addr a{};
    return ::inet_pton(AF_INET6, text.c_str(), &a) == 1;
}

// A DNS name or a dotted IPv4 address: letters, digits, hyphens, dots.
bool IsHostName(const std::string& text) {
    if (text.empty() || text.size() > 253 || text.front() == '.' || text.front() == '-') return false;
    return std::all_of(text.begin(), text.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '-' || c == '.';
    });
}

std::optional<int> ParsePort(const std::string& digits) {
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    if (!std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    const int port = std::stoi(digits);
    if (port < 1 || port > 65535) return std::nullopt;
    return port;
}

// Lower is better; -1 for an address not worth sharing.
int AddressRank(const std::string& address) {
    in_addr v4{};
    if (::inet_pton(AF_INET, address.c_str(), &v4) == 1) {
        const auto b = reinterpret_cast<const unsigned char*>(&v4.s_addr);
        if (b[0] == 127 || b[0] == 0 || (b[0] == 169 && b[1] == 254)) return -1;
        const bool isPrivate = b[0] == 10 || (b[0] == 172 && (b[1] & 0xF0) == 16) || (b[0] == 192 && b[1] == 168);
        return isPrivate ? 0 : 1;
    }
    in6_addr v6{};
    if (::inet_pton(AF_INET6, address.c_str(), &v6) == 1) {
        const unsigned char* b = v6.s6_addr;
        if (IN6_IS_ADDR_LOOPBACK(&v6) || IN6_IS_ADDR_UNSPECIFIED(&v6) || IN6_IS_ADDR_LINKLOCAL(&v6) ||
            IN6_IS_ADDR_MULTICAST(&v6) || IN6_IS_ADDR_V4MAPPED(&v6))
            return -1;
        const bool uniqueLocal = (b[0] & 0xFE) == 0xFC;
        return uniqueLocal ? 3 : 2;
    }
    return -1;
}

}  // namespace

std::optional<GameLink> ParseGameLink(const std::string& text) {
    const std::size_t schemeLength = std::strlen(kScheme);
    if (text.size() <= schemeLength) return std::nullopt;
    for (std::size_t i = 0; i < schemeLength; ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != kScheme[i]) return std::nullopt;
    std::string rest = text.substr(schemeLength);
    // Desktops and browsers may add a slash at the end.
    if (!rest.empty() && rest.back() == '/') rest.pop_back();

    GameLink link;
    std::string portText;
    bool hasPort = false;
    if (!rest.empty() && rest.front() == '[') {
        const std::size_t close = rest.find(']');
        if (close == std::string::npos) return std::nullopt;
        link.host = rest.substr(1, close - 1);
        if (!IsIPv6(link.host)) return std::nullopt;
        const std::string after = rest.substr(close + 1);
        if (!after.empty()) {
            if (after.front() != ':') return std::nullopt;
            hasPort = true;
            portText = after.substr(1);
        }
    } else {
        const std::size_t colon = rest.find(':');
        link.host = rest.substr(0, colon);
        if (colon != std::string::npos) {
            hasPort = true;
            portText = rest.substr(colon + 1);
        }
        if (!IsHostName(link.host)) return std::nullopt;
    }
    if (hasPort) {
        const auto port = ParsePort(portText);
        if (!port) return std::nullopt;
        link.port = *port;
    }
    return link;
}

std::string FormatGameLink(const std::string& host, int port) {
    std::string link = kScheme;
    link += BracketedHost(host);
    if (port != kGameLinkDefaultPort) {
        // Appended piecewise: GCC 12 warns falsely (-Wrestrict) on ":" + a temporary.
        link += ':';
        link += std::to_string(port);
    }
    return link;
}

std::vector<std::string> ShareableAddresses(const std::vector<std::string>& addresses) {
    std::vector<std::pair<int, std::string>> ranked;
    for (const std::string& a : addresses) {
        const int rank = AddressRank(a);
        if (rank >= 0 && std::none_of(ranked.begin(), ranked.end(), [&](const auto& r) { return r.second == a; }))
            ranked.emplace_back(rank, a);
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    std::vector<std::string> out;
    for (auto& r : ranked) out.push_back(std::move(r.second));
    return out;
}

std::vector<std::string> MachineAddresses() {
    std::vector<std::string> addresses;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return addresses;
    for (const ifaddrs* i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || !(i->ifa_flags & IFF_UP)) continue;
        std::string text = sock::HostText(i->ifa_addr);
        if (!text.empty()) addresses.push_back(std::move(text));
    }
    ::freeifaddrs(list);
    return addresses;
}

std::string MachineName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

}  // namespace quorvex
