#include "core/net/router/portmap.h"

#include "core/net/router/routerlibs.h"
#include "core/net/router/upnpclient.h"
#include "core/platform/handover.h"

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <utility>

namespace quorvex {

namespace {

using upnp::Deadline;
using Arguments = std::vector<std::pair<std::string, std::string>>;

// How long a search waits for a router's answer (within the exchange's limit).
constexpr int kSearchMs = 2000;
constexpr const char* kDescription = "Quorvex";
using K = RouterFailureKind;
const RouterFailure kLate{K::Late};

std::mutex g_factoryMutex;
RouterFactory g_factory;

// What a router said to a request for the port.
RouterFailure UpnpRefusal(int port, int error) {
    switch (error) {
    case -1: return kLate;
    case 718: return {K::PortInUse, port};
    case 606: return {K::PortNotAllowed, port};
    case 728: return {K::NoFreeMappings, port};
    default: return {K::UpnpRefused, port, error};
    }
}

RouterFailure NatPmpRefusal(int port, int error) {
    switch (error) {
    case NATPMP_TRYAGAIN: return kLate;
    case NATPMP_ERR_NOGATEWAYSUPPORT: return {K::NoPortMapping};
    case NATPMP_ERR_NOTAUTHORIZED: return {K::PortNotAllowed, port};
    case NATPMP_ERR_OUTOFRESOURCES: return {K::NoFreeMappings, port};
    case NATPMP_ERR_NETWORKFAILURE: return {K::NotOnline};
    default: return {K::NatPmpRefused, port, error};
    }
}

// One NAT-PMP request already sent: waits for its answer, letting the library
// repeat the request, until the deadline (the library alone would try for minutes).
int NatPmpAnswer(const RouterLibraries& lib, natpmp_t& n, natpmpresp_t& response, const Deadline& deadline) {
    for (int left = deadline.LeftMs(); left > 0; left = deadline.LeftMs()) {
        timeval tv{};
        lib.getnatpmprequesttimeout(&n, &tv);
        const long waitMs = std::clamp<long>(tv.tv_sec * 1000L + tv.tv_usec / 1000L, 1L, static_cast<long>(left));
        pollfd p{n.s, POLLIN, 0};
        ::poll(&p, 1, static_cast<int>(waitMs));
        const int r = lib.readnatpmpresponseorretry(&n, &response);
        if (r != NATPMP_TRYAGAIN) return r;
    }
    return NATPMP_TRYAGAIN;
}

// What a router's description offers, asked only at the address that answered.
struct Described {
    std::string control, service;                // the WAN connection
    std::string pinholeControl, pinholeService;  // the IPv6 firewall, where there is one
    std::string localAddress;                    // this machine's address towards the router
};

// Nothing when the description cannot be read; why says why, or what it lacks.
std::optional<Described> Describe(const RouterLibraries& lib, const std::string& location, const Deadline& deadline,
                                  RouterFailure* why = nullptr) {
    const auto url = upnp::ParseUrl(location);
    if (!url) return std::nullopt;
    const auto reply = upnp::Http(*url, "", "", deadline);
    if (!reply || reply->status != 200) {
        if (why) *why = deadline.Over() ? kLate : RouterFailure{K::DescriptionUnreadable};
        return std::nullopt;
    }
    IGDdatas data{};
    lib.parserootdesc(reply->body.data(), static_cast<int>(reply->body.size()), &data);
    UPNPUrls urls{};
    lib.GetUPNPUrls(&urls, &data, location.c_str(), 0);
    // A description may name any address for its services: only the router's own is asked.
    const auto here = [&](const char* control) {
        const auto u = control ? upnp::ParseUrl(control) : std::nullopt;
        return u && u->host == url->host ? std::string(control) : std::string();
    };
    Described d{here(urls.controlURL), data.first.servicetype, here(urls.controlURL_6FC), data.IPv6FC.servicetype,
                reply->localAddress};
    const bool elsewhere = urls.controlURL && urls.controlURL[0] && d.control.empty();
    lib.FreeUPNPUrls(&urls);
    if (d.control.empty() || d.service.empty()) {
        d.control.clear();
        if (why)
            *why = {elsewhere ? K::DescriptionElsewhere : K::NoPortMapping};
    }
    if (d.pinholeService.empty()) d.pinholeControl.clear();
    return d;
}

class SystemRouter : public Router {
public:
    RouterAnswer Open(int port, int leaseSeconds) override {
        const Deadline deadline(std::chrono::milliseconds(kRouterTalkMs), &stop_);
        Forget();
        port_ = port;
        lease_ = leaseSeconds;
        std::string missing;
        lib_ = LoadRouterLibraries(&missing);
        if (!lib_) {
            RouterAnswer answer;
            answer.reason = {K::LibrariesMissing, 0, 0, missing};
            return answer;
        }
        RouterAnswer upnp = OpenUpnp(deadline);
        if (upnp.open) return upnp;
        RouterAnswer natpmp = OpenNatPmp(deadline);
        if (natpmp.open) {
            natpmp.pinhole = upnp.pinhole;
            natpmp.pinholeLeaseSeconds = upnp.pinholeLeaseSeconds;
            natpmp.ignored = upnp.ignored;
            return natpmp;
        }
        // The protocol that reached a router says why; if none did, say so.
        if (!upnp.reason.Failed())
            upnp.reason = natpmp.reason.Failed() ? natpmp.reason
                          : upnp.ignored.empty() ? RouterFailure{K::NoRouter}
                                                 : RouterFailure{K::NoGatewayAnswer};
        return upnp;
    }

    bool Renew() override {
        const Deadline deadline(std::chrono::milliseconds(kRouterTalkMs), &stop_);
        bool ok = true;
        if (igd_) ok = AddMapping(lease_, deadline) == 0;
        if (natpmp_) ok = !NatPmpMap(lease_, deadline).Failed();
        if (!pinholeId_.empty()) {
            const auto r = upnp::Soap(pinhole_.pinholeControl, pinhole_.pinholeService, "UpdatePinhole",
                                      {{"UniqueID", pinholeId_}, {"NewLeaseTime", std::to_string(lease_)}}, deadline);
            ok = ok && r.answered && r.error == 0;
        }
        return ok;
    }

    RouterFailure Close() override {
        // Not interrupted: the end of the program waits for this one.
        const Deadline deadline{std::chrono::milliseconds(kRouterCloseWaitMs)};
        RouterFailure failure;
        const auto note = [&](const upnp::SoapReply& r, int gone) {
            if (!r.answered) failure = kLate;
            else if (r.error != 0 && r.error != gone) failure = {K::RemovalRefused, port_, r.error};
        };
        if (igd_)
            note(upnp::Soap(wan_.control, wan_.service, "DeletePortMapping",
                            {{"NewRemoteHost", ""}, {"NewExternalPort", std::to_string(port_)}, {"NewProtocol", "TCP"}},
                            deadline),
                 714);  // NoSuchEntryInArray: gone already
        if (!pinholeId_.empty())
            note(upnp::Soap(pinhole_.pinholeControl, pinhole_.pinholeService, "DeletePinhole",
                            {{"UniqueID", pinholeId_}}, deadline),
                 704);  // NoSuchEntry
        if (natpmp_) {
            const RouterFailure why = NatPmpMap(0, deadline);
            if (why.Failed()) failure = why;
        }
        Forget();
        return failure;
    }

    void Interrupt() override { stop_ = true; }

private:
    void Forget() {
        igd_ = natpmp_ = false;
        pinholeId_.clear();
    }

    // The router's UPnP error code, 0 when mapped, -1 without an answer in time.
    int AddMapping(int lease, const Deadline& deadline) {
        const auto r = upnp::Soap(wan_.control, wan_.service, "AddPortMapping",
                                  {{"NewRemoteHost", ""},
                                   {"NewExternalPort", std::to_string(port_)},
                                   {"NewProtocol", "TCP"},
                                   {"NewInternalPort", std::to_string(port_)},
                                   {"NewInternalClient", wan_.localAddress},
                                   {"NewEnabled", "1"},
                                   {"NewPortMappingDescription", kDescription},
                                   {"NewLeaseDuration", std::to_string(lease)}},
                                  deadline);
        return r.answered ? r.error : -1;
    }

    RouterAnswer OpenUpnp(const Deadline& deadline) {
        RouterAnswer answer;
        const auto gateway = upnp::Search(false, deadline, kSearchMs, &answer.ignored);
        if (!gateway) return answer;
        RouterFailure why;
        const auto described = Describe(*lib_, gateway->location, deadline, &why);
        if (!described || described->control.empty()) {
            answer.reason = deadline.Over() || !why.Failed() ? kLate : why;
            return answer;
        }
        wan_ = *described;
        const auto status = upnp::Soap(wan_.control, wan_.service, "GetStatusInfo", {}, deadline);
        if (!status.answered) {
            answer.reason = kLate;
            return answer;
        }
        if (status.error == 0 && status.Value("NewConnectionStatus") != "Connected") {
            answer.reason = {K::NotOnline};
            return answer;
        }
        const auto external = upnp::Soap(wan_.control, wan_.service, "GetExternalIPAddress", {}, deadline);
        if (external.answered && external.error == 0) answer.externalAddress = external.Value("NewExternalIPAddress");
        int r = AddMapping(lease_, deadline);
        if (r == 725) {  // OnlyPermanentLeasesSupported: kept until removed
            lease_ = 0;
            r = AddMapping(0, deadline);
        }
        if (r == 0) {
            igd_ = true;
            answer.open = true;
            answer.leaseSeconds = lease_;
        } else {
            answer.reason = UpnpRefusal(port_, r);
        }
        // Only a router of the second version has an IPv6 firewall to ask.
        if (!wan_.pinholeControl.empty()) OpenPinhole(deadline, answer);
        return answer;
    }

    void OpenPinhole(const Deadline& deadline, RouterAnswer& answer) {
        // It opens a pinhole only for the address that asks, so ask over IPv6.
        const auto gateway = upnp::Search(true, deadline, kSearchMs, &answer.ignored);
        const auto described = gateway ? Describe(*lib_, gateway->location, deadline) : std::nullopt;
        if (!described || described->pinholeControl.empty()) return;
        const auto fw = upnp::Soap(described->pinholeControl, described->pinholeService, "GetFirewallStatus", {},
                                   deadline);
        if (!fw.answered || fw.error != 0 ||
            (fw.Value("FirewallEnabled") == "1" && fw.Value("InboundPinholeAllowed") != "1"))
            return;
        // Pinholes always expire: this one gets the mapping's lease, or the default one.
        const int lease = lease_ > 0 ? lease_ : kRouterLeaseSeconds;
        const auto r = upnp::Soap(described->pinholeControl, described->pinholeService, "AddPinhole",
                                  {{"RemoteHost", ""},
                                   {"RemotePort", "0"},
                                   {"Protocol", "6"},
                                   {"InternalPort", std::to_string(port_)},
                                   {"InternalClient", described->localAddress},
                                   {"LeaseTime", std::to_string(lease)}},
                                  deadline);
        const std::string id = r.Value("UniqueID");
        if (!r.answered || r.error != 0 || id.empty() || id.size() > 16) return;
        pinhole_ = *described;
        pinholeId_ = id;
        answer.pinhole = true;
        answer.pinholeLeaseSeconds = lease;
    }

    RouterAnswer OpenNatPmp(const Deadline& deadline) {
        RouterAnswer answer;
        natpmp_t n{};
        if (lib_->initnatpmp(&n, 0, 0) < 0) return answer;  // no default gateway
        natpmpresp_t response{};
        const int r = lib_->sendpublicaddressrequest(&n) >= 0 ? NatPmpAnswer(*lib_, n, response, deadline) : NATPMP_TRYAGAIN;
        lib_->closenatpmp(&n);
        if (r == NATPMP_TRYAGAIN) return answer;  // no NAT-PMP router: nobody to tell about
        if (r < 0) {
            answer.reason = NatPmpRefusal(port_, r);
            return answer;
        }
        char text[INET_ADDRSTRLEN] = {};
        if (::inet_ntop(AF_INET, &response.pnu.publicaddress.addr, text, sizeof text)) answer.externalAddress = text;
        const RouterFailure why = NatPmpMap(lease_, deadline);
        if (!why.Failed()) {
            natpmp_ = true;
            answer.open = true;
            answer.leaseSeconds = lease_;
        } else {
            answer.reason = why;
        }
        return answer;
    }

    // A mapping request for the port (lifetime 0 removes it): no failure when done, else why not.
    RouterFailure NatPmpMap(int lifetime, const Deadline& deadline) {
        natpmp_t n{};
        if (lib_->initnatpmp(&n, 0, 0) < 0) return {K::NoRouter};
        natpmpresp_t response{};
        int r = lib_->sendnewportmappingrequest(&n, NATPMP_PROTOCOL_TCP, static_cast<uint16_t>(port_),
                                          static_cast<uint16_t>(port_), static_cast<uint32_t>(lifetime));
        if (r >= 0) r = NatPmpAnswer(*lib_, n, response, deadline);
        lib_->closenatpmp(&n);
        if (r < 0) return NatPmpRefusal(port_, r);
        if (lifetime > 0 && response.pnu.newportmapping.mappedpublicport != port_) {
            // Another port is of no use: the other player connects to this one.
            NatPmpMapOther(response.pnu.newportmapping.mappedpublicport, deadline);
            return {K::PortInUse, port_};
        }
        return {};
    }

    void NatPmpMapOther(int publicPort, const Deadline& deadline) {
        natpmp_t n{};
        if (lib_->initnatpmp(&n, 0, 0) < 0) return;
        natpmpresp_t response{};
        if (lib_->sendnewportmappingrequest(&n, NATPMP_PROTOCOL_TCP, static_cast<uint16_t>(port_),
                                      static_cast<uint16_t>(publicPort), 0) >= 0)
            NatPmpAnswer(*lib_, n, response, deadline);
        lib_->closenatpmp(&n);
    }

    std::atomic<bool> stop_{false};
    const RouterLibraries* lib_ = nullptr;  // set by Open; the rest runs only after a mapping
    int port_ = 0;
    int lease_ = 0;
    Described wan_;      // the router as found over IPv4
    Described pinhole_;  // the same router, asked over IPv6 for the pinhole
    bool igd_ = false;
    bool natpmp_ = false;
    std::string pinholeId_;
};

}  // namespace

std::unique_ptr<Router> MakeSystemRouter() { return std::make_unique<SystemRouter>(); }

void SetRouterFactory(RouterFactory factory) {
    std::lock_guard<std::mutex> lock(g_factoryMutex);
    g_factory = std::move(factory);
}

RouterFactory CurrentRouterFactory() {
    std::lock_guard<std::mutex> lock(g_factoryMutex);
    return g_factory;
}

// ---- PortMapper ----

namespace {
using Clock = std::chrono::steady_clock;
// A port to open, or one of these.
constexpr int kCloseRequest = 0;
constexpr int kEndRequest = -1;   // close and end
constexpr int kRenewDue = -2;     // no request: the lease is to be renewed
}  // namespace

struct PortMapper::State {
    State(RouterFactory f, TypedReport r, int lease) : factory(std::move(f)), leaseSeconds(lease), report(std::move(r)) {}

    const RouterFactory factory;
    const int leaseSeconds;

    // The requests, handed to the mapper's thread, which owns them once it runs.
    WakeFd wake;
    HandOver requests{OwnedByFirstApplier{}, [this] { wake.Signal(); }};
    std::deque<int> queue;  // the mapper's thread: what the requests brought, in order

    std::mutex mutex;
    bool ending = false;             // the end is requested: nothing is asked any more
    std::shared_ptr<Router> router;  // the one talked to, to interrupt

    std::mutex reportMutex;
    TypedReport report;

    void Ask(int request) {
        requests.Post([this, request] { queue.push_back(request); });
    }
    void Say(const RouterReport& what) {
        std::lock_guard<std::mutex> lock(reportMutex);
        if (report) report(what);
    }
    bool Stopping() {
        std::lock_guard<std::mutex> lock(mutex);
        return ending;
    }
};

// The mapper's thread: the router it talks to and the lease it keeps.
class PortMapper::Lease {
public:
    explicit Lease(State& s) : s_(s) {}
    void Run();

private:
    int NextRequest();
    bool WaitForRequest(bool untilRenewal);
    void Renew();
    void Answered(int port, const RouterAnswer& answer);
    void Remove();
    void Use(std::shared_ptr<Router> r);

    State& s_;
    std::shared_ptr<Router> router_;
    int openPort_ = 0;
    int renewEvery_ = 0;  // seconds; the shorter of the two leases, 0 when neither ends
    Clock::time_point renewAt_;
};

void PortMapper::Lease::Run() {
    for (;;) {
        const int request = NextRequest();
        if (request == kRenewDue) {
            Renew();
            continue;
        }
        if (router_) Remove();
        if (request == kEndRequest) break;
        if (request == kCloseRequest || !s_.factory) continue;
        Use(s_.factory());
        if (router_) Answered(request, router_->Open(request, s_.leaseSeconds));
    }
}

// The next request in order, or kRenewDue when the lease is due first.
int PortMapper::Lease::NextRequest() {
    for (;;) {
        s_.requests.ApplyPending();
        while (!s_.queue.empty()) {
            const int request = s_.queue.front();
            s_.queue.pop_front();
            // A server that stopped again before the router was asked needs no port.
            if (request > 0 && std::any_of(s_.queue.begin(), s_.queue.end(), [](int r) { return r <= 0; })) continue;
            return request;
        }
        if (!WaitForRequest(router_ && renewEvery_ > 0)) return kRenewDue;
    }
}

// Sleeps until a request comes (true) or, when asked, the renewal's time (false).
bool PortMapper::Lease::WaitForRequest(bool untilRenewal) {
    for (;;) {
        int waitMs = -1;
        if (untilRenewal) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(renewAt_ - Clock::now()).count();
            if (left <= 0) return false;
            waitMs = static_cast<int>(std::min<long long>(left, 60 * 60 * 1000));
        }
        pollfd p{s_.wake.Fd(), POLLIN, 0};
        if (::poll(&p, 1, waitMs) > 0) {
            s_.wake.Clear();
            return true;
        }
    }
}

void PortMapper::Lease::Renew() {
    if (router_->Renew())
        renewAt_ = Clock::now() + std::chrono::seconds(std::max(renewEvery_ / 2, 1));
    else if (!s_.Stopping())
        Answered(openPort_, router_->Open(openPort_, s_.leaseSeconds));
}

void PortMapper::Lease::Answered(int port, const RouterAnswer& answer) {
    s_.Say({port, false, answer, {}});
    if (!answer.open && !answer.pinhole) {
        Use(nullptr);
        return;
    }
    openPort_ = port;
    // The pinhole keeps its own lease, also beside a permanent or refused mapping.
    const int mapping = answer.open ? answer.leaseSeconds : 0;
    const int pinhole = answer.pinhole ? answer.pinholeLeaseSeconds : 0;
    renewEvery_ = mapping > 0 && pinhole > 0 ? std::min(mapping, pinhole) : std::max(mapping, pinhole);
    renewAt_ = Clock::now() + std::chrono::seconds(std::max(renewEvery_ / 2, 1));
}

void PortMapper::Lease::Remove() {
    RouterReport removal;
    removal.port = openPort_;
    removal.closed = true;
    removal.failure = router_->Close();
    Use(nullptr);
    s_.Say(removal);
}

void PortMapper::Lease::Use(std::shared_ptr<Router> r) {
    router_ = std::move(r);
    std::lock_guard<std::mutex> lock(s_.mutex);
    s_.router = router_;
    if (router_ && s_.ending) router_->Interrupt();
}

PortMapper::PortMapper(RouterFactory factory, TypedReport report, int leaseSeconds)
    : state_(std::make_shared<State>(std::move(factory), std::move(report), leaseSeconds)),
      thread_([s = state_] { Lease(*s).Run(); }) {}

std::vector<std::shared_ptr<const ThreadEnd>>& PortMapper::Ending() {
    static std::vector<std::shared_ptr<const ThreadEnd>> ending;
    return ending;
}

namespace {
std::mutex g_endingMutex;
}  // namespace

PortMapper::~PortMapper() {
    {
        std::lock_guard<std::mutex> lock(state_->reportMutex);
        state_->report = nullptr;
    }
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        state_->ending = true;
        if (state_->router) state_->router->Interrupt();
    }
    state_->Ask(kEndRequest);
    // Left behind, not joined: the removal may wait on the router as long as
    // its time limit, and the router libraries' sockets cannot be
    // interrupted. The thread owns what it uses; the end of the program waits
    // for it a little (AwaitEnds).
    thread_.LeaveBehind();
    std::lock_guard<std::mutex> lock(g_endingMutex);
    Ending().push_back(thread_.End());
}

bool PortMapper::AwaitEnds(std::chrono::milliseconds limit) {
    const auto until = Clock::now() + limit;
    std::lock_guard<std::mutex> lock(g_endingMutex);
    auto& ending = Ending();
    for (const auto& end : ending) end->WaitUntil(until);
    ending.erase(std::remove_if(ending.begin(), ending.end(), [](const auto& end) { return end->Ended(); }),
                 ending.end());
    return ending.empty();
}

void PortMapper::Open(int port) { state_->Ask(port); }

void PortMapper::Close() { state_->Ask(kCloseRequest); }

}  // namespace quorvex
