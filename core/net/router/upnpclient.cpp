#include "core/net/router/upnpclient.h"

#include "core/net/router/routerlibs.h"
#include "core/net/transport/sockets.h"
#include "core/platform/ownedfd.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <utility>

namespace quorvex::upnp {

namespace {

// Internet gateways of both versions; a router that is neither stays silent.
const char* const kGatewayTypes[] = {"urn:schemas-upnp-org:device:InternetGatewayDevice:2",
                                     "urn:schemas-upnp-org:device:InternetGatewayDevice:1"};
constexpr int kSsdpPort = 1900;
constexpr std::size_t kMaxHeaderBytes = 8192;

// An address in binary, either family; nothing for a host name.
struct Address {
    sockaddr_storage storage{};
    socklen_t length = 0;
};

std::optional<Address> Literal(const std::string& host, int port) {
    Address a;
    auto* v4 = reinterpret_cast<sockaddr_in*>(&a.storage);
    auto* v6 = reinterpret_cast<sockaddr_in6*>(&a.storage);
    if (::inet_pton(AF_INET, host.c_str(), &v4->sin_addr) == 1) {
        v4->sin_family = AF_INET;
        v4->sin_port = htons(static_cast<uint16_t>(port));
        a.length = sizeof *v4;
        return a;
    }
    if (::inet_pton(AF_INET6, host.c_str(), &v6->sin6_addr) == 1) {
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(static_cast<uint16_t>(port));
        a.length = sizeof *v6;
        return a;
    }
    return std::nullopt;
}

bool Loopback(const Address& a) {
    if (a.storage.ss_family == AF_INET) {
        const uint32_t ip = ntohl(reinterpret_cast<const sockaddr_in*>(&a.storage)->sin_addr.s_addr);
        return (ip >> 24) == 127 || ip == 0;
    }
    const in6_addr& ip = reinterpret_cast<const sockaddr_in6*>(&a.storage)->sin6_addr;
    if (IN6_IS_ADDR_LOOPBACK(&ip) || IN6_IS_ADDR_UNSPECIFIED(&ip)) return true;
    return IN6_IS_ADDR_V4MAPPED(&ip) && (ip.s6_addr[12] == 127 || (ip.s6_addr[12] | ip.s6_addr[13] | ip.s6_addr[14] | ip.s6_addr[15]) == 0);
}

bool SameAddress(const Address& a, const Address& b) {
    if (a.storage.ss_family != b.storage.ss_family) return false;
    if (a.storage.ss_family == AF_INET)
        return reinterpret_cast<const sockaddr_in*>(&a.storage)->sin_addr.s_addr ==
               reinterpret_cast<const sockaddr_in*>(&b.storage)->sin_addr.s_addr;
    return std::memcmp(&reinterpret_cast<const sockaddr_in6*>(&a.storage)->sin6_addr,
                       &reinterpret_cast<const sockaddr_in6*>(&b.storage)->sin6_addr, sizeof(in6_addr)) == 0;
}

bool StartsWithNoCase(const std::string& text, std::size_t at, const char* prefix) {
    const std::size_t n = std::strlen(prefix);
    if (text.size() < at + n) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// The value of a header line "Name: value" in a block of header lines.
std::string Header(const std::string& head, const char* name) {
    for (std::size_t at = 0; at < head.size();) {
        const std::size_t end = std::min(head.find('\n', at), head.size());
        if (StartsWithNoCase(head, at, name) && at + std::strlen(name) < end && head[at + std::strlen(name)] == ':') {
            std::string value = head.substr(at + std::strlen(name) + 1, end - at - std::strlen(name) - 1);
            const auto first = value.find_first_not_of(" \t");
            const auto last = value.find_last_not_of(" \t\r");
            return first == std::string::npos ? std::string() : value.substr(first, last - first + 1);
        }
        at = end + 1;
    }
    return {};
}

// Waits until fd is ready for `events` or the deadline passes.
bool Ready(int fd, short events, const Deadline& deadline) {
    for (int left = deadline.LeftMs(); left > 0; left = deadline.LeftMs()) {
        pollfd p{fd, events, 0};
        const int r = ::poll(&p, 1, left);
        if (r > 0) return true;
        if (r < 0 && errno != EINTR) return false;
    }
    return false;
}

// A chunked body once it is complete; nothing while more is to come.
std::optional<std::string> Unchunked(const std::string& raw) {
    std::string out;
    for (std::size_t at = 0;;) {
        const std::size_t line = raw.find("\r\n", at);
        if (line == std::string::npos) return std::nullopt;
        std::size_t size = 0;
        try {
            size = std::stoul(raw.substr(at, line - at), nullptr, 16);
        } catch (...) {
            return std::nullopt;
        }
        if (size > kMaxReplyBytes) return std::nullopt;
        at = line + 2;
        if (size == 0) return out;
        if (raw.size() < at + size + 2) return std::nullopt;
        out.append(raw, at, size);
        at += size + 2;
    }
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c;
    }
    return out;
}

}  // namespace

Deadline::Deadline(std::chrono::milliseconds limit, const std::atomic<bool>* stop)
    : end_(std::chrono::steady_clock::now() + limit), stop_(stop) {}

int Deadline::LeftMs(int slice) const {
    if (stop_ && stop_->load()) return 0;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(end_ - std::chrono::steady_clock::now()).count();
    return left <= 0 ? 0 : static_cast<int>(std::min<long long>(left, slice));
}

std::optional<Url> ParseUrl(const std::string& url) {
    if (!StartsWithNoCase(url, 0, "http://") || url.size() > 512) return std::nullopt;
    for (unsigned char c : url)
        if (c <= 0x20 || c >= 0x7F) return std::nullopt;  // nothing that could end a request line
    Url u;
    std::size_t at = 7;
    if (at < url.size() && url[at] == '[') {
        const std::size_t close = url.find(']', at);
        if (close == std::string::npos) return std::nullopt;
        u.host = url.substr(at + 1, close - at - 1);
        at = close + 1;
    } else {
        const std::size_t end = std::min(url.find_first_of(":/", at), url.size());
        u.host = url.substr(at, end - at);
        at = end;
    }
    if (u.host.empty()) return std::nullopt;
    if (at < url.size() && url[at] == ':') {
        const std::size_t end = std::min(url.find('/', at), url.size());
        const std::string digits = url.substr(at + 1, end - at - 1);
        if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        u.port = std::stoi(digits);
        if (u.port < 1 || u.port > 65535) return std::nullopt;
        at = end;
    }
    if (at < url.size() && url[at] != '/') return std::nullopt;
    u.path = at < url.size() ? url.substr(at) : "/";
    return u;
}

bool LocationAccepted(const std::string& location, const std::string& responder) {
    const auto url = ParseUrl(location);
    if (!url) return false;
    const auto host = Literal(url->host, url->port);
    const auto from = Literal(responder, 0);
    return host && from && !Loopback(*host) && SameAddress(*host, *from);
}

std::string DefaultGateway(const std::string& routes, bool ipv6, const std::string& interfaceName) {
    constexpr unsigned kUp = 0x1, kGateway = 0x2;
    std::string best;
    unsigned long bestMetric = 0;
    for (std::size_t at = 0; at < routes.size();) {
        const std::size_t end = std::min(routes.find('\n', at), routes.size());
        std::vector<std::string> f;
        for (std::size_t i = at; i < end;) {
            const std::size_t word = routes.find_first_not_of(" \t", i);
            if (word == std::string::npos || word >= end) break;
            const std::size_t stop = std::min(routes.find_first_of(" \t", word), end);
            f.push_back(routes.substr(word, stop - word));
            i = stop;
        }
        at = end + 1;
        // IPv4: Iface Destination Gateway Flags RefCnt Use Metric Mask ...
        // IPv6: destination prefix source prefix next-hop metric refcnt use flags iface
        const std::size_t need = ipv6 ? 10 : 8;
        if (f.size() < need) continue;
        const std::string& iface = ipv6 ? f[9] : f[0];
        const std::string& destination = ipv6 ? f[0] : f[1];
        const std::string& hop = ipv6 ? f[4] : f[2];
        const std::string& mask = ipv6 ? f[1] : f[7];
        const std::string& metricText = ipv6 ? f[5] : f[6];
        const std::string& flagsText = ipv6 ? f[8] : f[3];
        const std::size_t hexDigits = ipv6 ? 32 : 8;
        if (iface != interfaceName || destination.find_first_not_of('0') != std::string::npos ||
            mask.find_first_not_of('0') != std::string::npos || hop.size() != hexDigits ||
            hop.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos ||
            hop.find_first_not_of('0') == std::string::npos)
            continue;
        unsigned long flags = 0, metric = 0;
        try {
            flags = std::stoul(flagsText, nullptr, 16);
            metric = std::stoul(metricText, nullptr, ipv6 ? 16 : 10);
        } catch (...) {
            continue;
        }
        if ((flags & (kUp | kGateway)) != (kUp | kGateway)) continue;
        unsigned char bytes[16] = {};
        for (std::size_t i = 0; i < hexDigits / 2; ++i)
            bytes[i] = static_cast<unsigned char>(std::stoul(hop.substr(2 * i, 2), nullptr, 16));
        char text[INET6_ADDRSTRLEN] = {};
        if (!ipv6) {
            // The kernel writes the address as a number in this machine's byte order.
            const uint32_t value = static_cast<uint32_t>(std::stoul(hop, nullptr, 16));
            in_addr a{};
            a.s_addr = value;
            ::inet_ntop(AF_INET, &a, text, sizeof text);
        } else {
            ::inet_ntop(AF_INET6, bytes, text, sizeof text);
        }
        if (best.empty() || metric < bestMetric) {
            best = text;
            bestMetric = metric;
        }
    }
    return best;
}

std::string SystemDefaultGateway(bool ipv6, const std::string& interfaceName) {
    const qx::OwnedFd fd(::open(ipv6 ? "/proc/net/ipv6_route" : "/proc/net/route", O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) return {};
    std::string routes;
    char buffer[4096];
    for (ssize_t n; routes.size() < (1u << 20) && (n = ::read(fd.get(), buffer, sizeof buffer)) > 0;)
        routes.append(buffer, static_cast<std::size_t>(n));
    return DefaultGateway(routes, ipv6, interfaceName);
}

namespace {

// A TCP connection to the address, up within the deadline; none otherwise.
qx::OwnedFd Connected(const Address& to, const Deadline& deadline) {
    qx::OwnedFd fd(::socket(to.storage.ss_family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd.valid()) return fd;
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&to.storage), to.length) != 0 && errno != EINPROGRESS)
        return qx::OwnedFd();
    int error = 0;
    socklen_t size = sizeof error;
    if (!Ready(fd.get(), POLLOUT, deadline) || ::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 ||
        error != 0)
        return qx::OwnedFd();
    return fd;
}

// This side's address of a connected socket; "" when the system does not say.
std::string LocalAddress(int fd) {
    sockaddr_storage local{};
    socklen_t localSize = sizeof local;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localSize) != 0) return {};
    return sock::HostText(reinterpret_cast<sockaddr*>(&local));
}

// A GET, or a POST of body when there is one.
std::string Request(const Url& url, const std::string& extraHeaders, const std::string& body) {
    const std::string host = url.host.find(':') != std::string::npos ? "[" + url.host + "]" : url.host;
    std::string request = std::string(body.empty() ? "GET " : "POST ") + url.path + " HTTP/1.1\r\nHost: " + host +
                          ":" + std::to_string(url.port) + "\r\nConnection: close\r\n" + extraHeaders;
    if (!body.empty()) request += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    request += "\r\n" + body;
    return request;
}

bool SendAll(int fd, const std::string& bytes, const Deadline& deadline) {
    for (std::size_t sent = 0; sent < bytes.size();) {
        if (!Ready(fd, POLLOUT, deadline)) return false;
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
        if (n > 0) sent += static_cast<std::size_t>(n);
    }
    return true;
}

// The body once all of it is in by its length or its chunks; nothing while
// more is to come (or when the answer says neither).
std::optional<std::string> CompleteBody(const std::string& raw, std::size_t headEnd) {
    const std::string head = raw.substr(0, headEnd);
    const std::string rest = raw.substr(headEnd + 4);
    const std::string length = Header(head, "Content-Length");
    if (StartsWithNoCase(Header(head, "Transfer-Encoding"), 0, "chunked")) return Unchunked(rest);
    if (!length.empty() && length.find_first_not_of("0123456789") == std::string::npos && length.size() < 10 &&
        rest.size() >= std::stoul(length))
        return rest.substr(0, std::stoul(length));
    return std::nullopt;
}

// Reads the answer until its body is complete; raw gets all of it, body the
// body alone. False on an error, a time-out or an answer too large.
bool ReceiveReply(int fd, const Deadline& deadline, std::string& raw, std::string& body) {
    std::size_t headEnd = std::string::npos;
    for (;;) {
        if (headEnd != std::string::npos) {
            if (auto whole = CompleteBody(raw, headEnd)) {
                body = std::move(*whole);
                return true;
            }
        }
        if (!Ready(fd, POLLIN, deadline)) return false;
        char buffer[4096];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (n < 0) return false;
        if (n == 0) {
            // The end of the connection ends an answer without a length.
            if (headEnd == std::string::npos || !Header(raw.substr(0, headEnd), "Content-Length").empty() ||
                StartsWithNoCase(Header(raw.substr(0, headEnd), "Transfer-Encoding"), 0, "chunked"))
                return false;
            body = raw.substr(headEnd + 4);
            return true;
        }
        raw.append(buffer, static_cast<std::size_t>(n));
        if (raw.size() > kMaxReplyBytes + kMaxHeaderBytes) return false;
        if (headEnd == std::string::npos) {
            headEnd = raw.find("\r\n\r\n");
            if (headEnd == std::string::npos && raw.size() > kMaxHeaderBytes) return false;
        }
    }
}

// A socket to search from, with where its search goes.
using SearchSocket = std::pair<qx::OwnedFd, Address>;

qx::OwnedFd Udp(int family) { return qx::OwnedFd(::socket(family, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)); }

std::vector<SearchSocket> SearchSocketsIPv4() {
    std::vector<SearchSocket> sockets;
    qx::OwnedFd fd = Udp(AF_INET);
    const unsigned char ttl = 2;
    auto to = Literal("239.255.255.250", kSsdpPort);
    const int on = 1;
    if (fd.valid() && to) {
        ::setsockopt(fd.get(), IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl);
        // The interface each answer comes on, to know whose gateway to compare it with.
        ::setsockopt(fd.get(), IPPROTO_IP, IP_PKTINFO, &on, sizeof on);
        sockets.emplace_back(std::move(fd), *to);
    }
    return sockets;
}

// One from each global address of an interface that is up, eight at most.
std::vector<SearchSocket> SearchSocketsIPv6() {
    std::vector<SearchSocket> sockets;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return sockets;
    for (ifaddrs* i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET6 || !(i->ifa_flags & IFF_UP) ||
            (i->ifa_flags & IFF_LOOPBACK) || sockets.size() >= 8)
            continue;
        sockaddr_in6 from = *reinterpret_cast<const sockaddr_in6*>(i->ifa_addr);
        if (IN6_IS_ADDR_LINKLOCAL(&from.sin6_addr) || IN6_IS_ADDR_LOOPBACK(&from.sin6_addr)) continue;
        from.sin6_port = 0;
        qx::OwnedFd fd = Udp(AF_INET6);
        const int index = static_cast<int>(::if_nametoindex(i->ifa_name));
        const int hops = 2;
        auto to = Literal("ff02::c", kSsdpPort);
        if (!fd.valid() || !to || ::bind(fd.get(), reinterpret_cast<const sockaddr*>(&from), sizeof from) != 0 ||
            ::setsockopt(fd.get(), IPPROTO_IPV6, IPV6_MULTICAST_IF, &index, sizeof index) != 0)
            continue;
        ::setsockopt(fd.get(), IPPROTO_IPV6, IPV6_MULTICAST_HOPS, &hops, sizeof hops);
        const int on = 1;
        ::setsockopt(fd.get(), IPPROTO_IPV6, IPV6_RECVPKTINFO, &on, sizeof on);
        reinterpret_cast<sockaddr_in6*>(&to->storage)->sin6_scope_id = static_cast<uint32_t>(index);
        sockets.emplace_back(std::move(fd), *to);
    }
    ::freeifaddrs(list);
    return sockets;
}

void SendSearches(const std::vector<SearchSocket>& sockets, bool ipv6) {
    for (auto& [fd, to] : sockets)
        for (const char* type : kGatewayTypes) {
            const std::string search = std::string("M-SEARCH * HTTP/1.1\r\nHOST: ") +
                                       (ipv6 ? "[FF02::C]:1900" : "239.255.255.250:1900") + "\r\nST: " + type +
                                       "\r\nMAN: \"ssdp:discover\"\r\nMX: 1\r\n\r\n";
            // A network that cannot be reached just gives no answer.
            (void)::sendto(fd.get(), search.data(), search.size(), MSG_NOSIGNAL,
                           reinterpret_cast<const sockaddr*>(&to.storage), to.length);
        }
}

// Keeps one ignored answer to tell, each sender once.
void Ignore(std::vector<IgnoredAnswer>* ignored, const std::string& sender, IgnoredAnswer::Why why) {
    if (!ignored || ignored->size() >= kMaxIgnoredAnswers) return;
    for (const IgnoredAnswer& i : *ignored)
        if (i.sender == sender) return;
    ignored->push_back({sender, why});
}

// The gateway in the datagram waiting on fd, if it is an answer to take.
std::optional<Gateway> GatewayAnswer(int fd, bool ipv6, std::vector<IgnoredAnswer>* ignored) {
    char buffer[1536];
    sockaddr_storage from{};
    alignas(cmsghdr) char control[256];
    iovec io{buffer, sizeof buffer};
    msghdr m{};
    m.msg_name = &from;
    m.msg_namelen = sizeof from;
    m.msg_iov = &io;
    m.msg_iovlen = 1;
    m.msg_control = control;
    m.msg_controllen = sizeof control;
    const ssize_t n = ::recvmsg(fd, &m, 0);
    if (n <= 0) return std::nullopt;
    const std::string answer(buffer, static_cast<std::size_t>(n));
    if (!StartsWithNoCase(answer, 0, "HTTP/1.1 200") ||
        Header(answer, "ST").find("InternetGatewayDevice") == std::string::npos)
        return std::nullopt;
    unsigned interfaceIndex = 0;
    for (cmsghdr* c = CMSG_FIRSTHDR(&m); c; c = CMSG_NXTHDR(&m, c)) {
        if (!ipv6 && c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO)
            interfaceIndex = static_cast<unsigned>(reinterpret_cast<const in_pktinfo*>(CMSG_DATA(c))->ipi_ifindex);
        if (ipv6 && c->cmsg_level == IPPROTO_IPV6 && c->cmsg_type == IPV6_PKTINFO)
            interfaceIndex = reinterpret_cast<const in6_pktinfo*>(CMSG_DATA(c))->ipi6_ifindex;
    }
    Gateway g{Header(answer, "LOCATION"), sock::HostText(reinterpret_cast<sockaddr*>(&from))};
    // Anyone on the network can answer: only the router this machine sends through is believed.
    char name[IF_NAMESIZE] = {};
    const std::string gateway =
        interfaceIndex && ::if_indextoname(interfaceIndex, name) ? SystemDefaultGateway(ipv6, name) : std::string();
    const auto sender = Literal(g.responder, 0);
    const auto router = Literal(gateway, 0);
    if (!sender || !router || !SameAddress(*sender, *router)) {
        Ignore(ignored, g.responder, IgnoredAnswer::Why::NotTheGateway);
        return std::nullopt;
    }
    if (!LocationAccepted(g.location, g.responder)) {
        Ignore(ignored, g.responder, IgnoredAnswer::Why::LocationElsewhere);
        return std::nullopt;
    }
    return g;
}

}  // namespace

std::optional<HttpReply> Http(const Url& url, const std::string& extraHeaders, const std::string& body,
                              const Deadline& deadline) {
    // No name is looked up: the router is asked at the address that answered.
    const auto to = Literal(url.host, url.port);
    if (!to) return std::nullopt;
    const qx::OwnedFd fd = Connected(*to, deadline);
    if (!fd.valid()) return std::nullopt;
    HttpReply reply;
    reply.localAddress = LocalAddress(fd.get());
    std::string raw;
    if (!SendAll(fd.get(), Request(url, extraHeaders, body), deadline) ||
        !ReceiveReply(fd.get(), deadline, raw, reply.body))
        return std::nullopt;
    // "HTTP/1.1 200 OK"
    if (!StartsWithNoCase(raw, 0, "HTTP/1.") || raw.size() < 12) return std::nullopt;
    reply.status = std::atoi(raw.c_str() + 9);
    return reply;
}

std::optional<Gateway> Search(bool ipv6, const Deadline& deadline, int searchMs,
                              std::vector<IgnoredAnswer>* ignored) {
    const std::vector<SearchSocket> sockets = ipv6 ? SearchSocketsIPv6() : SearchSocketsIPv4();
    if (sockets.empty()) return std::nullopt;

    const Deadline window{std::chrono::milliseconds(searchMs)};
    const Deadline again{std::chrono::milliseconds(searchMs / 3)};
    bool repeated = false;
    SendSearches(sockets, ipv6);
    while (!deadline.Over() && !window.Over()) {
        if (!repeated && again.Over()) {
            SendSearches(sockets, ipv6);  // a datagram may be lost
            repeated = true;
        }
        std::vector<pollfd> polls;
        for (auto& [fd, to] : sockets) polls.push_back(pollfd{fd.get(), POLLIN, 0});
        if (::poll(polls.data(), polls.size(), std::min(deadline.LeftMs(), window.LeftMs())) <= 0) continue;
        for (const pollfd& p : polls) {
            if (!(p.revents & POLLIN)) continue;
            if (auto g = GatewayAnswer(p.fd, ipv6, ignored)) return g;
        }
    }
    return std::nullopt;
}

std::string SoapReply::Value(const std::string& name) const {
    for (const auto& [n, v] : values)
        if (n == name) return v;
    return {};
}

SoapReply Soap(const std::string& controlUrl, const std::string& service, const std::string& action,
               const std::vector<std::pair<std::string, std::string>>& arguments, const Deadline& deadline) {
    SoapReply out;
    const auto url = ParseUrl(controlUrl);
    if (!url || service.find_first_of("\"\r\n") != std::string::npos) return out;
    std::string body = "<?xml version=\"1.0\"?>\r\n<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\" "
                       "s:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\"><s:Body><u:" +
                       action + " xmlns:u=\"" + Escaped(service) + "\">";
    for (const auto& [name, value] : arguments) body += "<" + name + ">" + Escaped(value) + "</" + name + ">";
    body += "</u:" + action + "></s:Body></s:Envelope>\r\n";
    const auto reply = Http(*url,
                            "Content-Type: text/xml; charset=\"utf-8\"\r\nSOAPAction: \"" + service + "#" + action +
                                "\"\r\n",
                            body, deadline);
    if (!reply) return out;
    const RouterLibraries* lib = LoadRouterLibraries();
    if (!lib) return out;
    out.answered = true;
    NameValueParserData data{};
    lib->ParseNameValue(reply->body.data(), static_cast<int>(reply->body.size()), &data);
    for (const NameValue* v = data.l_head; v; v = v->l_next) out.values.emplace_back(v->name, v->value);
    lib->ClearNameValueList(&data);
    const std::string code = out.Value("errorCode");
    if (!code.empty())
        out.error = std::max(1, std::atoi(code.c_str()));
    else if (reply->status != 200)
        out.error = 501;  // ActionFailed, as the router gave no code
    return out;
}

}  // namespace quorvex::upnp
