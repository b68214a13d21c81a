#include <chrono>
#include <cstdint>
#include <random>

#include "platform/random_source.h"

namespace zelvano {

namespace {

// SplitMix64's finaliser: spreads every input bit over the whole result, so that two starts a
// moment apart get unrelated seeds.
std::uint64_t mix(std::uint64_t value) {
    value += 0x9e3779b97f4a7c15ULL;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

}  // namespace

std::uint64_t seedFromClock() {
    const auto wall =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const auto steady =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::uint64_t seed = mix(wall) ^ mix(steady + 0x632be59bd9b4e019ULL);
    // The clock alone repeats for two programs started in the same tick; the system's entropy
    // source, where there is one, tells them apart.
    try {
        std::random_device device;
        seed ^= mix((static_cast<std::uint64_t>(device()) << 32) | device());
    } catch (...) {
        // No entropy source: the clock has to do.
    }
    return seed;
}

}  // namespace zelvano
