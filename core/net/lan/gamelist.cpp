#include "core/net/lan/gamelist.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

namespace quorvex {

std::vector<LanGameList::Entry>::iterator LanGameList::Find(const LanService& service) {
    return std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.service == service; });
}

bool LanGameList::Contains(const LanService& service) const {
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.service == service; });
}

std::vector<LanService> LanGameList::Add(const LanService& service) {
    Remove(service);
    std::vector<LanService> dropped;
    while (entries_.size() >= bound_) {
        // The oldest still unresolved, else the oldest of all (entries are in
        // order of arrival); a game comes on each protocol and interface at
        // once, so its other arrivals, not yet resolved, are spared while
        // another name can make room.
        const auto other = [&](const Entry& e) { return e.service.name != service.name; };
        auto victim = std::find_if(entries_.begin(), entries_.end(),
                                   [&](const Entry& e) { return other(e) && e.game.address.empty(); });
        if (victim == entries_.end()) victim = std::find_if(entries_.begin(), entries_.end(), other);
        if (victim == entries_.end()) victim = entries_.begin();
        dropped.push_back(std::move(victim->service));
        entries_.erase(victim);
    }
    entries_.push_back({service, ++arrivals_, {service.name, {}, 0, 0}});
    return dropped;
}

bool LanGameList::Remove(const LanService& service) {
    const auto it = Find(service);
    if (it == entries_.end()) return false;
    entries_.erase(it);
    return true;
}

bool LanGameList::Resolved(const LanService& service, LanGame game) {
    const auto it = Find(service);
    if (it == entries_.end()) return false;
    game.name = service.name;
    if (game.address.empty()) game = {service.name, {}, 0, 0};
    it->game = std::move(game);
    // The latest resolution of a name and address gives its port.
    it->arrival = ++arrivals_;
    return true;
}

std::vector<LanGame> LanGameList::Rows() const {
    std::map<std::pair<std::string, std::string>, const Entry*> latest;  // by name and address
    for (const Entry& e : entries_) {
        if (e.game.address.empty()) continue;
        const Entry*& row = latest[{e.game.name, e.game.address}];
        if (!row || row->arrival < e.arrival) row = &e;
    }
    std::vector<LanGame> rows;
    rows.reserve(latest.size());
    for (const auto& [key, e] : latest) rows.push_back(e->game);
    std::sort(rows.begin(), rows.end(), [](const LanGame& a, const LanGame& b) {
        return std::tie(a.name, a.preference, a.address) < std::tie(b.name, b.preference, b.address);
    });
    return rows;
}

}  // namespace quorvex
