#include "core/net/transport/resolver.h"

#include "core/net/transport/endpoint.h"
#include "core/net/transport/neterrors.h"
#include "core/platform/errnotext.h"
#include "core/platform/handover.h"
#include "core/platform/ownedthread.h"

#include <chrono>
#include <cstring>
#include <memory>
#include <netdb.h>
#include <poll.h>

namespace quorvex {

namespace {

using sock::Address;

// How long a lookup that has answered may take to return; left behind after.
constexpr std::chrono::milliseconds kLookupEnd{1000};

// Made on the asking thread, which owns its hand-over; the lookup's thread
// hands its result over. Throws when the wake-up cannot be made.
struct ResolveJob {
    WakeFd wake;
    HandOver result{[this] { wake.Signal(); }};
    // The asking thread's.
    bool finished = false;
    int rc = 0;
    std::vector<Address> addresses;
};

// The getaddrinfo code (0 for success); the addresses found are appended to out.
int Resolve(const std::string& host, int port, int flags, std::vector<Address>& out) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags | AI_NUMERICSERV;
    addrinfo* list = nullptr;
    const int rc = ::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &list);
    for (addrinfo* ai = rc == 0 ? list : nullptr; ai; ai = ai->ai_next) {
        if ((ai->ai_family != AF_INET && ai->ai_family != AF_INET6) || ai->ai_addrlen > sizeof(Address)) continue;
        Address a{};
        std::memcpy(&a, ai->ai_addr, ai->ai_addrlen);
        out.push_back(a);
    }
    if (list) ::freeaddrinfo(list);
    return rc;
}

}  // namespace

std::vector<Address> ResolveHost(const std::string& shownHost, int port, const WaitSlices& wait) {
    const std::string host = UnbracketedHost(shownHost);
    std::vector<Address> addresses;
    // Numeric addresses of either family need no lookup.
    if (Resolve(host, port, AI_NUMERICHOST, addresses) == 0 && !addresses.empty()) return addresses;
    auto job = std::make_shared<ResolveJob>();
    // Name lookups can take long and cannot be interrupted: they run on a
    // thread of their own, which is left behind when the caller gives up
    // (the lookup goes on inside getaddrinfo; its answer is never read).
    OwnedThread lookup([job, host, port] {
        std::vector<Address> found;
        const int rc = Resolve(host, port, 0, found);
        job->result.Post([j = job.get(), rc, found = std::move(found)]() mutable {
            j->rc = rc;
            j->addresses = std::move(found);
            j->finished = true;
        });
    });
    while (!job->finished) {
        const int slice = wait.next();
        pollfd p{job->wake.Fd(), POLLIN, 0};
        if (::poll(&p, 1, slice) > 0) {
            job->wake.Clear();
            job->result.ApplyPending();
        }
        if (!job->finished) wait.idle();
    }
    // It has handed its answer over and only returns now.
    lookup.Join(kLookupEnd);
    if (job->rc != 0 || job->addresses.empty()) {
        const qx::SystemText reason = job->rc != 0 ? qx::ResolverErrorText(job->rc) : qx::SystemText("no address");
        // The name goes to the resolver as the player typed it.
        throw SocketError({NetFailureKind::Resolve, job->rc, port, qx::SystemText(shownHost)},
                          "Could not resolve host \"" + qx::SystemText(shownHost) + "\": " + reason + ".");
    }
    return job->addresses;
}

}  // namespace quorvex
