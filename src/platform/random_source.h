#pragma once
// The program-wide random generator: uniform single-precision values in [0, 1), seeded once.
//
//   SeededRandom rng(42);
//   int c = drawOneTo(rng, 30);   // 1..30
//   withDrawsInlined(platform.random(), [&](auto& random) { /* many draws */ });

#include <cstdint>
#include <pcg_random.hpp>
#include <typeinfo>

namespace zelvano {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1); never 1.0.
    virtual float next() = 0;
};

// PCG's pcg32: 16 bytes of state, a multiply and an add a draw, and a far better spread than the
// Mersenne Twister's 2.5 KB, at a fraction of its cost. A league needs no more.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    // 24 random bits over 2^24: every value is exact in a float and the largest is 1 - 2^-24.
    // (std::generate_canonical<float> may round up to 1.0.) The top bits are PCG's best.
    float next() override { return static_cast<float>(nextBits()) * (1.0f / 16777216.0f); }
    // The same draw as its 24 bits, for a loop that compares them against whole-number bounds.
    std::uint32_t nextBits() { return engine_() >> 8; }

private:
    pcg32 engine_;
};

// Runs work(random) with the program's own generator as its own type, so that a loop of many
// draws has them inlined instead of one virtual call each; any other source (a test's script)
// is passed as it is. The draws are the same either way.
template <typename Work>
decltype(auto) withDrawsInlined(RandomSource& random, Work&& work) {
    if (typeid(random) == typeid(SeededRandom)) return work(static_cast<SeededRandom&>(random));
    return work(random);
}

// The integer part of r × n + 1 for the next r, so 1..n. In single precision r × n + 1 can round
// up to n + 1 for r close to 1; such a draw counts as n.
template <typename Random>
int drawOneTo(Random& random, int n) {
    const float r = random.next();
    const int value = static_cast<int>(r * static_cast<float>(n) + 1.0f);
    return value > n ? n : value;
}

// The whole part of (r × n), plus 1, for the next r: 1..n. The season end's draws are of this
// form. The product is single precision and can round up to n for r close to 1; such a draw
// counts as n.
inline int drawWholePartPlusOne(RandomSource& random, int n) {
    const float product = random.next() * static_cast<float>(n);
    const int value = static_cast<int>(product) + 1;
    return value > n ? n : value;
}

std::uint64_t seedFromClock();

}  // namespace zelvano
