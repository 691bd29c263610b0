// The games found on the local network as the client's list keeps them: a
// bounded set of announced services, each resolved to an address and a port
// or not yet. A flood of announcements cannot hide a game that comes later:
// when the list is full, an unresolved entry, else the oldest, makes room
// (not one of the newcomer's own name, which arrives on each protocol at once).
// Shown are the resolved ones, one row for each name and address.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

// The most announced services the list follows (each costs the daemon a resolver).
inline constexpr std::size_t kMaxLanServices = 256;

// One announced service as the network names it: on one interface and
// protocol, its name (UTF-8) in its domain.
struct LanService {
    int interface = 0;
    int protocol = 0;
    std::string name;
    std::string domain;
    auto operator<=>(const LanService&) const = default;
};

// A row of the list: a name at one address, with its port.
struct LanGame {
    std::string name;
    std::string address;  // an IPv6 link-local one with its "%interface"
    int port = 0;
    int preference = 0;  // 0 IPv4, 1 global IPv6, 2 link-local IPv6
    bool operator==(const LanGame&) const = default;
};

class LanGameList {
public:
    explicit LanGameList(std::size_t bound = kMaxLanServices) : bound_(bound < 1 ? 1 : bound) {}

    // A service appeared (again: it starts anew, unresolved). Returns the
    // services dropped to make room, whose resolvers go too.
    std::vector<LanService> Add(const LanService& service);
    // Gone from the network. False when it was not in the list.
    bool Remove(const LanService& service);
    // Resolved to game's address and port (an empty address: not resolved,
    // or no more); false for a service not in the list. The name is the service's.
    bool Resolved(const LanService& service, LanGame game);
    bool Contains(const LanService& service) const;
    std::size_t Size() const { return entries_.size(); }

    // The rows: one for each name and address (the port its latest
    // resolution gave), by name, then the address a player would rather type.
    std::vector<LanGame> Rows() const;

private:
    struct Entry {
        LanService service;
        std::uint64_t arrival = 0;
        LanGame game;  // no address until resolved
    };
    std::vector<Entry>::iterator Find(const LanService& service);

    std::size_t bound_;
    std::uint64_t arrivals_ = 0;
    std::vector<Entry> entries_;  // in order of arrival
};

}  // namespace quorvex
