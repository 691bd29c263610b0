// Asking the home router to forward the host's port: UPnP IGD first (with an
// IPv6 pinhole where the router's firewall offers one), else NAT-PMP. The
// mapping lives as long as the server is active: its lease is renewed, and it
// is removed when the server stops or the program ends.
//
// Routers answer slowly or never, so all talking to them happens on a thread
// of the PortMapper's own. The window only queues "open" and "close" and reads
// the outcome as log lines; it never waits for the router.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace quorvex {

// Asked of the router; renewed at half of it.
inline constexpr int kRouterLeaseSeconds = 3600;
// Longest wait at the end of the program for the mapping's removal.
inline constexpr int kRouterCloseWaitMs = 8000;

// What the router answered to a request for the port.
struct RouterAnswer {
    bool open = false;            // TCP port forwarded on the router's IPv4 address
    std::string externalAddress;  // that address, where the router told it
    bool pinhole = false;         // IPv6 pinhole opened for the port
    std::string reason;           // why nothing was opened
    int leaseSeconds = 0;         // as granted; 0 means until removed
};

// One conversation with the router about one port. Every call may block for
// the protocol's own time-outs; all run on the PortMapper's thread.
class Router {
public:
    virtual ~Router() = default;
    virtual RouterAnswer Open(int port, int leaseSeconds) = 0;
    // Refreshes what Open opened; false when the router no longer keeps it.
    virtual bool Renew() = 0;
    // Removes what Open opened.
    virtual void Close() = 0;
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

// The log texts of an answer, of a removal.
std::string RouterAnswerText(int port, const RouterAnswer& answer);
std::string RouterClosedText(int port);

// What the mapper did about a port: the router's answer to a request for it,
// or the removal of its mapping.
struct RouterReport {
    int port = 0;
    bool closed = false;  // the mapping was removed; answer is empty
    RouterAnswer answer;
};
// Its log text: RouterAnswerText or RouterClosedText.
std::string RouterReportText(const RouterReport& report);

class PortMapper {
public:
    // `report` gets each log text, on the mapper's thread; it must not wait
    // for the thread that owns the mapper.
    using Report = std::function<void(const std::string&)>;
    PortMapper(RouterFactory factory, Report report, int leaseSeconds = kRouterLeaseSeconds);
    // The same with each report typed, for whoever renders it itself.
    using TypedReport = std::function<void(const RouterReport&)>;
    PortMapper(RouterFactory factory, TypedReport report, int leaseSeconds = kRouterLeaseSeconds);
    // Removes an open mapping, waiting at most kRouterCloseWaitMs for it;
    // reports nothing more.
    ~PortMapper();
    PortMapper(const PortMapper&) = delete;
    PortMapper& operator=(const PortMapper&) = delete;

    // Neither waits for the router; requests are carried out in order.
    void Open(int port);
    void Close();

private:
    struct State;
    static void Run(const std::shared_ptr<State>& state);
    std::shared_ptr<State> state_;
    std::thread thread_;
};

}  // namespace quorvex
