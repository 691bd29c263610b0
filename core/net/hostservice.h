// What hosting a game runs beside the game itself: the line server, the
// game's announcement on the local network and the router's port mapping,
// started in one order and stopped in one order, the window's "Stop server"
// and its end alike. Each outcome is reported as a HostOutcome, which the host
// window renders as its log line.
//
// The announcer and the router come in through small interfaces, so that the
// order and the outcomes are the same whichever daemon or router is behind them.
#pragma once

#include "core/net/transport/lineserver.h"
#include "core/net/router/portmap.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace quorvex {

enum class HostState {
    Listening,     // the server listens on port
    Announced,     // the game is announced on the local network as text (a renamed one too, "Name #2")
    Renamed,       // after Announced, when the name taken (text) is not the one asked for
    Mapped,        // the router forwards port, at the address text where it told it (and for IPv6 with pinhole)
    PinholeOpen,   // only an IPv6 pinhole was opened for port; why says why IPv4 was not, where known
    NotTheGateway,      // before the router's outcome: an answer from text, not the default gateway, was ignored
    LocationElsewhere,  // the same for an answer from text whose description is at another address
    Refused,       // the router opened nothing; why says why
    RouterClosed,  // the router's mapping of port was removed
    NotClosed,     // the removal of the mapping failed; why says why
    Closed,        // the server stopped
    Withdrawn,     // a stop timed out: nothing listens on port any more and the announcement and the
                   // router's mapping are withdrawn, but the server waits for its connection thread
};

struct HostOutcome {
    HostState state = HostState::Closed;
    int port = 0;
    std::string text;
    bool pinhole = false;
    RouterFailure why{};
    bool operator==(const HostOutcome&) const = default;
};

// The game on the local network. The name is UTF-8, as the network names it.
class Announcer {
public:
    // Called with the name actually announced, from any thread.
    using Announced = std::function<void(const std::string& name)>;
    virtual ~Announcer() = default;
    virtual void Start(const std::string& name, int port, Announced announced) = 0;
    virtual void Stop() = 0;
};

// The router's mapping of the listening port (a PortMapper in the game).
// Neither call waits for the router; its reports come later, from any thread.
class RouterPort {
public:
    virtual ~RouterPort() = default;
    virtual void Open(int port) = 0;
    virtual void Close() = 0;
};
// Makes the router's side for the first start; nullptr when no router is asked.
using RouterPortMaker = std::function<std::unique_ptr<RouterPort>(PortMapper::TypedReport report)>;
// A PortMapper on the router factory set for the program (CurrentRouterFactory).
RouterPortMaker SystemRouterPort();

class HostService {
public:
    // sink gets every outcome, from any thread; it must not wait for the
    // service's owner. announcer may be null (nothing announced).
    HostService(std::unique_ptr<Announcer> announcer, RouterPortMaker makeRouter,
                std::function<void(const HostOutcome&)> sink);
    // Stops in the same order (what a stop that timed out left over), waiting
    // for the connection thread without limit; the router's removal goes on
    // without it. Reports nothing.
    ~HostService();
    HostService(const HostService&) = delete;
    HostService& operator=(const HostService&) = delete;

    // The server, for its handlers, port and time-outs.
    LineServer& Server() { return *server_; }
    const LineServer& Server() const { return *server_; }

    // Listens (a port that cannot be bound throws, and nothing else starts),
    // reports Listening, announces the game as name, asks the router.
    void Start(const std::string& name);
    // Stops listening, withdraws the announcement, reports Closed and has the
    // router remove its mapping. When the connection thread does not end in
    // time, the server's NetTimeoutError comes out of here with the server
    // still active, but not listening: the announcement and the mapping are
    // withdrawn all the same, reported as Withdrawn instead of Closed. The next
    // Stop waits for the thread again and reports Closed once it has ended (a
    // second time-out reports nothing); the end waits for it without limit.
    void Stop();

    // Whether the player lets the router be asked (asked at every start);
    // without one the router is always asked.
    void SetRouterConsent(std::function<bool()> consent) { consent_ = std::move(consent); }
    // The player switched the consent: while the server listens the router
    // is asked, or its mapping removed, at once; after a stop, also one that
    // timed out, nothing is asked.
    void RouterConsentChanged(bool on);

private:
    void Report(const HostOutcome& outcome);
    void OnRouter(const RouterReport& report);
    void OpenRouter(int port);
    void Withdraw(HostState outcome);

    std::mutex sinkMutex_;
    std::function<void(const HostOutcome&)> sink_;  // under sinkMutex_
    std::unique_ptr<LineServer> server_ = std::make_unique<LineServer>();
    std::unique_ptr<Announcer> announcer_;
    RouterPortMaker makeRouter_;
    std::unique_ptr<RouterPort> router_;
    std::function<bool()> consent_;
    bool listed_ = false;  // announced and the router asked for, from a start until a stop withdraws both
};

}  // namespace quorvex
