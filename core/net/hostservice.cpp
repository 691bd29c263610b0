#include "core/net/hostservice.h"

#include "core/net/transport/neterrors.h"

#include <utility>

namespace quorvex {

namespace {

class MapperPort : public RouterPort {
public:
    MapperPort(RouterFactory factory, PortMapper::TypedReport report) : mapper_(std::move(factory), std::move(report)) {}
    void Open(int port) override { mapper_.Open(port); }
    void Close() override { mapper_.Close(); }

private:
    PortMapper mapper_;
};

}  // namespace

RouterPortMaker SystemRouterPort() {
    return [](PortMapper::TypedReport report) -> std::unique_ptr<RouterPort> {
        RouterFactory factory = CurrentRouterFactory();
        if (!factory) return nullptr;
        return std::make_unique<MapperPort>(std::move(factory), std::move(report));
    };
}

HostService::HostService(std::unique_ptr<Announcer> announcer, RouterPortMaker makeRouter,
                         std::function<void(const HostOutcome&)> sink)
    : sink_(std::move(sink)), announcer_(std::move(announcer)), makeRouter_(std::move(makeRouter)) {}

HostService::~HostService() {
    {
        // Reports from other threads may still come while everything stops: to nobody.
        std::lock_guard<std::mutex> lock(sinkMutex_);
        sink_ = nullptr;
    }
    // The order of Stop; the server's end waits for its connection thread
    // without limit, the router's removal goes on beside the end (PortMapper::AwaitEnds).
    server_.reset();
    if (listed_ && announcer_) announcer_->Stop();
    announcer_.reset();
    if (listed_ && router_) router_->Close();
    router_.reset();
}

void HostService::Report(const HostOutcome& outcome) {
    std::lock_guard<std::mutex> lock(sinkMutex_);
    if (sink_) sink_(outcome);
}

void HostService::OnRouter(const RouterReport& r) {
    HostOutcome o{r.failure.Failed() ? HostState::NotClosed : HostState::RouterClosed, r.port, {}, false, r.failure};
    if (!r.closed) {
        for (const upnp::IgnoredAnswer& i : r.answer.ignored)
            Report({i.why == upnp::IgnoredAnswer::Why::NotTheGateway ? HostState::NotTheGateway
                                                                      : HostState::LocationElsewhere,
                    r.port, i.sender, false});
        if (r.answer.open)
            o = {HostState::Mapped, r.port, r.answer.externalAddress, r.answer.pinhole};
        else if (r.answer.pinhole)
            o = {HostState::PinholeOpen, r.port, {}, true, r.answer.reason};
        else
            o = {HostState::Refused, r.port, {}, false, r.answer.reason};
    }
    Report(o);
}

void HostService::Start(const std::string& name) {
    server_->SetActive(true);
    const int port = server_->BoundPort();
    Report({HostState::Listening, port, {}, false});
    listed_ = true;
    if (announcer_)
        announcer_->Start(name, port, [this, port, name](const std::string& shown) {
            Report({HostState::Announced, port, shown, false});
            // The network had a game of that name: the players look for this one.
            if (shown != name) Report({HostState::Renamed, port, shown, false});
        });
    // Only with the player's consent: otherwise nothing goes to the router at all.
    if (!consent_ || consent_()) OpenRouter(port);
}

void HostService::OpenRouter(int port) {
    // Made once, at the first request: it keeps its thread for later ones.
    if (!router_ && makeRouter_) router_ = makeRouter_([this](const RouterReport& r) { OnRouter(r); });
    if (router_) router_->Open(port);
}

void HostService::RouterConsentChanged(bool on) {
    if (!listed_) return;
    if (on)
        OpenRouter(server_->BoundPort());
    else if (router_)
        router_->Close();
}

void HostService::Stop() {
    // The connection thread's last words are reported before it ends, so they come before "closed".
    try {
        if (server_->Active()) server_->SetActive(false);
    } catch (const NetTimeoutError&) {
        // The listening sockets were closed before the wait: no client can come
        // any more, so the game is no longer offered where nobody would answer.
        if (listed_) Withdraw(HostState::Withdrawn);
        throw;
    }
    Withdraw(HostState::Closed);
}

void HostService::Withdraw(HostState outcome) {
    if (listed_ && announcer_) announcer_->Stop();
    Report({outcome, server_->BoundPort(), {}, false});
    // The router's answer follows the outcome, from its own thread.
    if (listed_ && router_) router_->Close();
    listed_ = false;
}

}  // namespace quorvex
