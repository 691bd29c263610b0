// Asking the home router to forward the host's port: UPnP IGD first (with an
// IPv6 pinhole where the router's firewall offers one), else NAT-PMP. The
// mapping lives as long as the server is active: its short lease is renewed
// (so a game that crashed leaves it open for minutes, not hours), and it is
// removed when the server stops or the program ends.
//
// Routers answer slowly or never, so all talking to them happens on a thread
// of the PortMapper's own, each exchange within one time limit. Its owner
// only queues "open" and "close" and is told the outcomes as RouterReports; it
// never waits for the router, not even when it goes.
#pragma once

#include "core/net/router/upnpclient.h"
#include "core/platform/ownedthread.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quorvex {

// Asked of the router; renewed at half of it.
inline constexpr int kRouterLeaseSeconds = 300;
// The time limit of one exchange with the router (open, renew).
inline constexpr int kRouterTalkMs = 6000;
// The time limit of a removal, and the longest the end of the program waits
// for one under way, once the windows are gone.
inline constexpr int kRouterCloseWaitMs = 2000;

// Why the router opened or removed nothing, as a kind with the port, the
// router's error code or the libraries missing where the kind has them; the
// windows word it.
enum class RouterFailureKind {
    None,                   // nothing failed
    Late,                   // the router did not answer in time
    NoRouter,               // no router answered
    NoGatewayAnswer,        // answers came, but none from the default gateway
    LibrariesMissing,       // the router libraries could not be loaded (detail: which)
    DescriptionUnreadable,  // the router's description could not be read
    DescriptionElsewhere,   // its description names another address for its port mapping
    NoPortMapping,          // the router offers no port mapping
    NotOnline,              // the router is not connected to the internet
    PortInUse,              // port refused: in use
    PortNotAllowed,         // port refused: not allowed
    NoFreeMappings,         // port refused: the router has no free mappings
    UpnpRefused,            // port refused with the UPnP error code
    NatPmpRefused,          // port refused with the NAT-PMP error code
    RemovalRefused,         // a removal refused with the UPnP error code
};

struct RouterFailure {
    RouterFailureKind kind = RouterFailureKind::None;
    int port = 0;
    int code = 0;
    std::string detail{};
    bool Failed() const { return kind != RouterFailureKind::None; }
    bool operator==(const RouterFailure&) const = default;
};

// What the router answered to a request for the port.
struct RouterAnswer {
    bool open = false;            // TCP port forwarded on the router's IPv4 address
    std::string externalAddress;  // that address, where the router told it
    bool pinhole = false;         // IPv6 pinhole opened for the port
    RouterFailure reason;         // why nothing was opened (beside a pinhole: why IPv4 was not)
    int leaseSeconds = 0;         // as granted; 0 means until removed
    int pinholeLeaseSeconds = 0;  // the pinhole's own; it always ends
    std::vector<upnp::IgnoredAnswer> ignored{};  // answers to the search not believed
};

// One conversation with the router about one port. Every call blocks for at
// most its time limit; all run on the PortMapper's thread.
class Router {
public:
    virtual ~Router() = default;
    virtual RouterAnswer Open(int port, int leaseSeconds) = 0;
    // Refreshes what Open opened; false when the router no longer keeps it.
    virtual bool Renew() = 0;
    // Removes what Open opened: no failure when it is gone, else why not.
    virtual RouterFailure Close() = 0;
    // From another thread: an Open or Renew under way gives up soon (the
    // program ends). What it opened meanwhile Close still removes.
    virtual void Interrupt() {}
};

using RouterFactory = std::function<std::unique_ptr<Router>()>;

// The router of this machine's network, found by SSDP (UPnP) or at the
// default gateway (NAT-PMP).
std::unique_ptr<Router> MakeSystemRouter();

// Which router host windows ask. Empty (the default) asks none and logs
// nothing: tests never send discovery into the machine's network. The
// program sets MakeSystemRouter at start-up.
void SetRouterFactory(RouterFactory factory);
RouterFactory CurrentRouterFactory();

// What the mapper did about a port: the router's answer to a request for it,
// or the removal of its mapping.
struct RouterReport {
    int port = 0;
    bool closed = false;  // a removal was tried; answer is empty
    RouterAnswer answer;
    RouterFailure failure;  // why the removal did not work; none when it did
};

class PortMapper {
public:
    // `report` gets what was done about each request, on the mapper's thread;
    // it must not wait for the thread that owns the mapper.
    using TypedReport = std::function<void(const RouterReport&)>;
    PortMapper(RouterFactory factory, TypedReport report, int leaseSeconds = kRouterLeaseSeconds);
    // Returns at once and reports nothing more; an exchange under way is
    // interrupted, and the thread, left behind, removes what is open on its
    // own (see AwaitEnds).
    ~PortMapper();
    PortMapper(const PortMapper&) = delete;
    PortMapper& operator=(const PortMapper&) = delete;

    // Neither waits for the router; requests are carried out in order.
    void Open(int port);
    void Close();

    // At the very end of the program, with the windows gone: waits at most
    // `limit` for the mappers destroyed so far to finish their removals.
    // True when none is left under way.
    static bool AwaitEnds(std::chrono::milliseconds limit);

private:
    struct State;
    class Lease;
    static std::vector<std::shared_ptr<const ThreadEnd>>& Ending();
    std::shared_ptr<State> state_;
    OwnedThread thread_;
};

}  // namespace quorvex
