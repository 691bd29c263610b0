// The UPnP conversation with a home router, bounded and believing little.
// Every step of one exchange (the SSDP search, the router's description, each
// request) shares one deadline, which another thread can also end early;
// answers are read up to a size limit; and only a router that answered the
// search from the very address its description lives at is asked anything,
// never one on loopback. The library is used for parsing alone: it neither
// talks on the network nor writes to the error output.
#pragma once

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvex::upnp {

// The end of one exchange: a point in time, and a flag that ends it sooner.
class Deadline {
public:
    explicit Deadline(std::chrono::milliseconds limit, const std::atomic<bool>* stop = nullptr);
    // Milliseconds left, at most `slice` so that a stop is noticed; 0 when over.
    int LeftMs(int slice = 100) const;
    bool Over() const { return LeftMs() == 0; }

private:
    std::chrono::steady_clock::time_point end_;
    const std::atomic<bool>* stop_;
};

// "http://HOST[:PORT]/PATH", HOST a name or an address (IPv6 in brackets).
struct Url {
    std::string host;  // without brackets
    int port = 80;
    std::string path;  // "/" at least
};
std::optional<Url> ParseUrl(const std::string& url);

// Whether an answer to the search is believed: its LOCATION is an http URL
// whose host is the literal address the answer came from, not a loopback one.
bool LocationAccepted(const std::string& location, const std::string& responder);

// The default route's gateway on the interface named, from the text of
// /proc/net/route (IPv4) or /proc/net/ipv6_route (IPv6): the one of the
// lowest metric, as an address; "" when that interface has none.
std::string DefaultGateway(const std::string& routes, bool ipv6, const std::string& interfaceName);
// The same from this machine's routing table.
std::string SystemDefaultGateway(bool ipv6, const std::string& interfaceName);

// An answer to the search that was not believed, and why.
struct IgnoredAnswer {
    enum class Why {
        NotTheGateway,      // it came from another machine than the default gateway
        LocationElsewhere,  // its description is at another address than the sender's
    };
    std::string sender;
    Why why = Why::NotTheGateway;
    bool operator==(const IgnoredAnswer&) const = default;
};
// The most ignored answers one search keeps to tell.
inline constexpr std::size_t kMaxIgnoredAnswers = 4;

// The longest answer read from a router.
inline constexpr std::size_t kMaxReplyBytes = 64 * 1024;

struct HttpReply {
    int status = 0;
    std::string body;
    std::string localAddress;  // this machine's address towards the router
};

// One request (GET without a body, else POST with the given extra header
// lines), read until the connection closes or the announced length is in.
// Nothing when the deadline passes first, the answer is too long or broken.
std::optional<HttpReply> Http(const Url& url, const std::string& extraHeaders, const std::string& body,
                              const Deadline& deadline);

// The first believed answer to a search for an internet gateway.
struct Gateway {
    std::string location;
    std::string responder;
};
// Over IPv4, or over IPv6 from each of this machine's global addresses (a
// router opens a pinhole only for the address that asks). Only an answer
// from the default gateway of the interface it came on is believed; the
// others (each sender once, kMaxIgnoredAnswers at most) go to ignored.
std::optional<Gateway> Search(bool ipv6, const Deadline& deadline, int searchMs,
                              std::vector<IgnoredAnswer>* ignored = nullptr);

// A SOAP action's outcome: whether the router answered, its UPnP error code
// (0 when none) and the answer's named values.
struct SoapReply {
    bool answered = false;
    int error = 0;
    std::vector<std::pair<std::string, std::string>> values;
    std::string Value(const std::string& name) const;
};
SoapReply Soap(const std::string& controlUrl, const std::string& service, const std::string& action,
               const std::vector<std::pair<std::string, std::string>>& arguments, const Deadline& deadline);

}  // namespace quorvex::upnp
