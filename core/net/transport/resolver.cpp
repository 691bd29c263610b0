#include "core/net/transport/resolver.h"

#include "core/net/transport/endpoint.h"
#include "core/net/transport/neterrors.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <thread>

namespace quorvex {

namespace {

using sock::Address;

struct ResolveJob {
    std::mutex mutex;
    std::condition_variable done;
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
    // Name lookups can take long and cannot be interrupted: they run on a
    // thread of their own that we may leave behind when the time runs out.
    auto job = std::make_shared<ResolveJob>();
    std::thread([job, host, port] {
        std::vector<Address> found;
        const int rc = Resolve(host, port, 0, found);
        {
            std::lock_guard<std::mutex> lock(job->mutex);
            job->rc = rc;
            job->addresses = std::move(found);
            job->finished = true;
        }
        job->done.notify_all();
    }).detach();
    std::unique_lock<std::mutex> lock(job->mutex);
    while (!job->finished) {
        const int slice = wait.next();
        if (job->done.wait_for(lock, std::chrono::milliseconds(slice), [&] { return job->finished; })) break;
        lock.unlock();
        wait.idle();
        lock.lock();
    }
    if (job->rc != 0 || job->addresses.empty()) {
        const std::string reason = job->rc != 0 ? ::gai_strerror(job->rc) : "no address";
        // The name goes to the resolver as the player typed it.
        throw SocketError("Could not resolve host \"" + qx::SystemText(shownHost) + "\": " + qx::SystemText(reason) +
                          ".");
    }
    return job->addresses;
}

}  // namespace quorvex
