#include "core/platform/random.h"

#include <atomic>
#include <chrono>

namespace qx {

namespace {
std::uint64_t ClockSeed() {
    // Two reseeds within one clock tick must still differ.
    static std::atomic<std::uint64_t> salt{0};
    auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(now) ^ (salt.fetch_add(0x9E3779B97F4A7C15ull));
}
}  // namespace

Rng Rng::FromClock() { return Rng(ClockSeed()); }

void Rng::ReseedFromClock() { engine_.seed(ClockSeed()); }

std::uint64_t TickCount() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace qx
