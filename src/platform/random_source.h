#pragma once
// The program-wide random generator: uniform single-precision values in [0, 1), seeded once.
//
//   SeededRandom rng(42);
//   int c = drawOneTo(rng, 30);   // 1..30

#include <cstdint>
#include <random>

namespace zelvano {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1); never 1.0.
    virtual float next() = 0;
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    // 24 random bits over 2^24: every value is exact in a float and the largest is 1 - 2^-24.
    // (std::generate_canonical<float> may round up to 1.0.)
    float next() override { return static_cast<float>(engine_() >> 40) * (1.0f / 16777216.0f); }

private:
    std::mt19937_64 engine_;
};

// The integer part of r × n + 1 for the next r, so 1..n. In single precision r × n + 1 can round
// up to n + 1 for r close to 1; such a draw counts as n.
inline int drawOneTo(RandomSource& random, int n) {
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
