// Uniform random integers, reseeded from the clock where the game says so and
// seeded with a fixed value in tests.
#pragma once

#include <cstdint>
#include <random>

namespace qx {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : engine_(seed) {}
    static Rng FromClock();
    void ReseedFromClock();
    // Uniform integer in [lo, hi].
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }

private:
    std::mt19937_64 engine_;
};

// Milliseconds of a monotonic clock (the system's tick count).
std::uint64_t TickCount();

}  // namespace qx
