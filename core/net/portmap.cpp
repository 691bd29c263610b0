#include "core/net/portmap.h"

#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <miniupnpc/upnperrors.h>
#define ENABLE_STRNATPMPERR 1  // the library has it; the header hides it by default
#include <natpmp.h>

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <utility>

namespace quorvex {

namespace {

// How long each way of asking may take when no router answers.
constexpr int kDiscoveryMs = 1500;  // per SSDP search, two searches
constexpr int kNatPmpMs = 2000;     // per NAT-PMP request
constexpr const char* kDescription = "Quorvex";
// Internet gateways of both versions; a router that is neither stays silent.
const char* const kGatewayTypes[] = {"urn:schemas-upnp-org:device:InternetGatewayDevice:2",
                                     "urn:schemas-upnp-org:device:InternetGatewayDevice:1", nullptr};

std::mutex g_factoryMutex;
RouterFactory g_factory;

std::string Refused(const char* protocol, const std::string& what) {
    return std::string("the router refused it: ") + protocol + " " + what;
}

// One NAT-PMP request already sent: waits for its answer, letting the library
// repeat the request, for at most `budgetMs` (the library alone would try for
// minutes).
int NatPmpAnswer(natpmp_t& n, natpmpresp_t& response, int budgetMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(budgetMs);
    for (;;) {
        timeval tv{};
        getnatpmprequesttimeout(&n, &tv);
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count();
        if (left <= 0) return NATPMP_TRYAGAIN;
        const long waitMs = std::clamp<long>(tv.tv_sec * 1000L + tv.tv_usec / 1000L, 1L, static_cast<long>(left));
        pollfd p{n.s, POLLIN, 0};
        ::poll(&p, 1, static_cast<int>(waitMs));
        const int r = readnatpmpresponseorretry(&n, &response);
        if (r != NATPMP_TRYAGAIN) return r;
    }
}

class SystemRouter : public Router {
public:
    ~SystemRouter() override { Forget(); }

    RouterAnswer Open(int port, int leaseSeconds) override {
        Forget();
        port_ = std::to_string(port);
        portNumber_ = port;
        lease_ = leaseSeconds;
        RouterAnswer upnp = OpenUpnp();
        if (upnp.open) return upnp;
        RouterAnswer natpmp = OpenNatPmp();
        if (natpmp.open) {
            natpmp.pinhole = upnp.pinhole;
            return natpmp;
        }
        // The protocol that reached a router says why; if none did, say so.
        if (upnp.reason.empty()) upnp.reason = natpmp.reason.empty() ? "no router answered" : natpmp.reason;
        return upnp;
    }

    bool Renew() override {
        bool ok = true;
        if (igd_) ok = AddMapping(lease_) == 0;
        if (natpmp_) ok = NatPmpMap(lease_).first;
        if (!pinholeId_.empty())
            UPNP_UpdatePinhole(urls6_.controlURL_6FC, data6_.IPv6FC.servicetype, pinholeId_.c_str(),
                               PinholeLease().c_str());
        return ok;
    }

    void Close() override {
        if (igd_) UPNP_DeletePortMapping(urls_.controlURL, data_.first.servicetype, port_.c_str(), "TCP", nullptr);
        if (!pinholeId_.empty())
            UPNP_DeletePinhole(urls6_.controlURL_6FC, data6_.IPv6FC.servicetype, pinholeId_.c_str());
        if (natpmp_) NatPmpMap(0);
        Forget();
    }

private:
    void Forget() {
        if (haveUrls_) FreeUPNPUrls(&urls_);
        if (haveUrls6_) FreeUPNPUrls(&urls6_);
        haveUrls_ = haveUrls6_ = igd_ = natpmp_ = false;
        pinholeId_.clear();
    }

    int AddMapping(int lease) {
        return UPNP_AddPortMapping(urls_.controlURL, data_.first.servicetype, port_.c_str(), port_.c_str(),
                                   lanAddress_, kDescription, "TCP", nullptr, std::to_string(lease).c_str());
    }

    RouterAnswer OpenUpnp() {
        RouterAnswer answer;
        const int found = FindGateway(false, urls_, data_, lanAddress_);
        if (found == 0) return answer;
        haveUrls_ = true;
        if (found != 1) {
            answer.reason = "the router is not connected";
            return answer;
        }
        char external[64] = {};
        if (UPNP_GetExternalIPAddress(urls_.controlURL, data_.first.servicetype, external) == 0)
            answer.externalAddress = external;
        int r = AddMapping(lease_);
        if (r == 725) {  // OnlyPermanentLeasesSupported: kept until removed
            lease_ = 0;
            r = AddMapping(0);
        }
        if (r == 0) {
            igd_ = true;
            answer.open = true;
            answer.leaseSeconds = lease_;
        } else {
            answer.reason = Refused("UPnP", std::to_string(r) + " " + (strupnperror(r) ? strupnperror(r) : ""));
        }
        answer.pinhole = OpenPinhole();
        return answer;
    }

    // Searches for a gateway by SSDP over IPv4 or IPv6; 1 when one is found
    // and connected, 2 when found but not connected, 0 when none answered.
    // `local` gets this machine's address towards it.
    static int FindGateway(bool ipv6, UPNPUrls& urls, IGDdatas& data, char (&local)[64]) {
        int error = 0;
        UPNPDev* devices = upnpDiscoverDevices(kGatewayTypes, kDiscoveryMs, nullptr, nullptr, UPNP_LOCAL_PORT_ANY,
                                               ipv6 ? 1 : 0, 2, &error, 0);
        if (!devices) return 0;
        std::memset(&urls, 0, sizeof urls);
        std::memset(&data, 0, sizeof data);
#if MINIUPNPC_API_VERSION >= 18
        char wan[64] = {};
        const int found = UPNP_GetValidIGD(devices, &urls, &data, local, sizeof local, wan, sizeof wan);
        freeUPNPDevlist(devices);
        return found == 1 || found == 2 ? 1 : found == 0 ? 0 : 2;
#else
        const int found = UPNP_GetValidIGD(devices, &urls, &data, local, sizeof local);
        freeUPNPDevlist(devices);
        return found == 1 ? 1 : found == 0 ? 0 : 2;
#endif
    }

    bool OpenPinhole() {
        // Only a router of the second version has an IPv6 firewall to ask.
        if (data_.IPv6FC.controlurl[0] == '\0') return false;
        // It opens a pinhole only for the address that asks, so ask over IPv6.
        char own[64] = {};
        if (FindGateway(true, urls6_, data6_, own) == 0) return false;
        haveUrls6_ = true;
        if (data6_.IPv6FC.controlurl[0] == '\0' || !urls6_.controlURL_6FC) return false;
        int enabled = 0, allowed = 0;
        if (UPNP_GetFirewallStatus(urls6_.controlURL_6FC, data6_.IPv6FC.servicetype, &enabled, &allowed) != 0 ||
            (enabled && !allowed))
            return false;
        char id[16] = {};
        const int r = UPNP_AddPinhole(urls6_.controlURL_6FC, data6_.IPv6FC.servicetype, "", "0", own, port_.c_str(),
                                      "6", PinholeLease().c_str(), id);
        if (r != 0) return false;
        pinholeId_ = id;
        return true;
    }

    // Pinholes always expire; a permanent mapping's pinhole gets a day, renewed.
    std::string PinholeLease() const { return std::to_string(lease_ > 0 ? lease_ : 86400); }

    RouterAnswer OpenNatPmp() {
        RouterAnswer answer;
        natpmp_t n{};
        if (initnatpmp(&n, 0, 0) < 0) return answer;  // no default gateway
        natpmpresp_t response{};
        const int r = sendpublicaddressrequest(&n) >= 0 ? NatPmpAnswer(n, response, kNatPmpMs) : NATPMP_TRYAGAIN;
        closenatpmp(&n);
        if (r == NATPMP_TRYAGAIN) return answer;  // no NAT-PMP router: not worth a second wait
        char text[INET_ADDRSTRLEN] = {};
        if (r == 0 && ::inet_ntop(AF_INET, &response.pnu.publicaddress.addr, text, sizeof text))
            answer.externalAddress = text;
        const auto [mapped, why] = NatPmpMap(lease_);
        if (mapped) {
            natpmp_ = true;
            answer.open = true;
            answer.leaseSeconds = lease_;
        } else {
            answer.reason = why;
        }
        return answer;
    }

    // A mapping request for the port (lifetime 0 removes it).
    std::pair<bool, std::string> NatPmpMap(int lifetime) {
        natpmp_t n{};
        if (initnatpmp(&n, 0, 0) < 0) return {false, ""};
        natpmpresp_t response{};
        int r = sendnewportmappingrequest(&n, NATPMP_PROTOCOL_TCP, static_cast<uint16_t>(portNumber_),
                                          static_cast<uint16_t>(portNumber_), static_cast<uint32_t>(lifetime));
        if (r >= 0) r = NatPmpAnswer(n, response, kNatPmpMs);
        closenatpmp(&n);
        if (r == NATPMP_TRYAGAIN) return {false, ""};  // nobody answered
        if (r < 0) return {false, Refused("NAT-PMP", strnatpmperr(r))};
        if (lifetime > 0 && response.pnu.newportmapping.mappedpublicport != portNumber_) {
            // Another port is of no use: the other player connects to this one.
            NatPmpMapOther(response.pnu.newportmapping.mappedpublicport);
            return {false, Refused("NAT-PMP", "port " + std::to_string(portNumber_) + ": taken")};
        }
        return {true, ""};
    }

    void NatPmpMapOther(int publicPort) {
        natpmp_t n{};
        if (initnatpmp(&n, 0, 0) < 0) return;
        natpmpresp_t response{};
        if (sendnewportmappingrequest(&n, NATPMP_PROTOCOL_TCP, static_cast<uint16_t>(portNumber_),
                                      static_cast<uint16_t>(publicPort), 0) >= 0)
            NatPmpAnswer(n, response, kNatPmpMs);
        closenatpmp(&n);
    }

    std::string port_;
    int portNumber_ = 0;
    int lease_ = 0;
    UPNPUrls urls_{};
    IGDdatas data_{};
    char lanAddress_[64] = {};
    bool haveUrls_ = false;
    UPNPUrls urls6_{};  // the same router, asked over IPv6 for the pinhole
    IGDdatas data6_{};
    bool haveUrls6_ = false;
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

std::string RouterAnswerText(int port, const RouterAnswer& answer) {
    const std::string p = std::to_string(port);
    if (answer.open) {
        std::string text = "Router: port " + p + " open";
        if (!answer.externalAddress.empty()) text += " at " + answer.externalAddress;
        if (answer.pinhole) text += " and for IPv6";
        return text;
    }
    if (answer.pinhole) return "Router: port " + p + " open for IPv6";
    return "Router: no port opened (" + answer.reason + ")";
}

std::string RouterClosedText(int port) { return "Router: port " + std::to_string(port) + " closed"; }

std::string RouterReportText(const RouterReport& report) {
    return report.closed ? RouterClosedText(report.port) : RouterAnswerText(report.port, report.answer);
}

// ---- PortMapper ----

struct PortMapper::State {
    RouterFactory factory;
    int leaseSeconds = 0;

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<int> requests;  // a port to open, 0 to close, -1 to close and end
    bool done = false;
    std::condition_variable finished;

    std::mutex reportMutex;
    TypedReport report;

    void Say(const RouterReport& what) {
        std::lock_guard<std::mutex> lock(reportMutex);
        if (report) report(what);
    }
};

PortMapper::PortMapper(RouterFactory factory, Report report, int leaseSeconds)
    : PortMapper(std::move(factory),
                 TypedReport([report = std::move(report)](const RouterReport& r) {
                     if (report) report(RouterReportText(r));
                 }),
                 leaseSeconds) {}

PortMapper::PortMapper(RouterFactory factory, TypedReport report, int leaseSeconds)
    : state_(std::make_shared<State>()) {
    state_->factory = std::move(factory);
    state_->report = std::move(report);
    state_->leaseSeconds = leaseSeconds;
    thread_ = std::thread(&PortMapper::Run, state_);
}

PortMapper::~PortMapper() {
    {
        std::lock_guard<std::mutex> lock(state_->reportMutex);
        state_->report = nullptr;
    }
    std::unique_lock<std::mutex> lock(state_->mutex);
    state_->requests.push_back(-1);
    state_->wake.notify_all();
    const bool ended = state_->finished.wait_for(lock, std::chrono::milliseconds(kRouterCloseWaitMs),
                                                 [this] { return state_->done; });
    lock.unlock();
    // A router that does not answer in time gets the rest of the process's
    // life; the thread owns what it uses.
    if (ended)
        thread_.join();
    else
        thread_.detach();
}

void PortMapper::Open(int port) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->requests.push_back(port);
    state_->wake.notify_all();
}

void PortMapper::Close() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->requests.push_back(0);
    state_->wake.notify_all();
}

void PortMapper::Run(const std::shared_ptr<State>& s) {
    using Clock = std::chrono::steady_clock;
    std::unique_ptr<Router> router;
    int openPort = 0;
    int granted = 0;
    Clock::time_point renewAt;

    auto answered = [&](int port, const RouterAnswer& answer) {
        s->Say({port, false, answer});
        if (!answer.open && !answer.pinhole) {
            router.reset();
            return;
        }
        openPort = port;
        granted = answer.leaseSeconds;
        renewAt = Clock::now() + std::chrono::seconds(std::max(granted / 2, 1));
    };

    for (;;) {
        int request = 0;
        {
            std::unique_lock<std::mutex> lock(s->mutex);
            const auto ready = [&] { return !s->requests.empty(); };
            if (router && granted > 0)
                s->wake.wait_until(lock, renewAt, ready);
            else
                s->wake.wait(lock, ready);
            if (s->requests.empty()) {
                lock.unlock();
                if (!router->Renew()) {
                    answered(openPort, router->Open(openPort, s->leaseSeconds));
                } else {
                    renewAt = Clock::now() + std::chrono::seconds(std::max(granted / 2, 1));
                }
                continue;
            }
            request = s->requests.front();
            s->requests.pop_front();
            // A server that stopped again before the router was asked needs no port.
            if (request > 0 && std::any_of(s->requests.begin(), s->requests.end(), [](int r) { return r <= 0; }))
                continue;
        }
        if (router) {
            router->Close();
            router.reset();
            s->Say({openPort, true, {}});
        }
        if (request < 0) break;
        if (request == 0 || !s->factory) continue;
        router = s->factory();
        if (router) answered(request, router->Open(request, s->leaseSeconds));
    }
    std::lock_guard<std::mutex> lock(s->mutex);
    s->done = true;
    s->finished.notify_all();
}

}  // namespace quorvex
