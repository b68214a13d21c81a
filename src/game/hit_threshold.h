#pragma once
// A hit decided in whole numbers: the program's generator draws 24 bits k and gives r = k × 2^-24,
// so r < p exactly when k < hitThreshold(...). A loop that compares the bits needs neither the
// float conversion nor the division at the moment of the draw.
//
//   const std::uint32_t below = hitThreshold(hits, atBats);   // atBats counting this one
//   const bool hit = random.nextBits() < below;              // the same as isHit(r, ...)

#include <cstdint>

#include "platform/counter.h"

namespace zelvano {

// The number of 24-bit draws that hit, for 0 <= hits <= atBatsIncludingThisOne <= 2^24 and at
// least one at-bat. With p the chance isHit compares against, k × 2^-24 < p holds exactly when
// k < p × 2^24, a product exact in single precision for p in [0, 1]; for a whole k that is
// k < ⌈p × 2^24⌉.
inline std::uint32_t hitThreshold(Counter hits, Counter atBatsIncludingThisOne) {
    // isHit's quotient is taken in double and rounded to float. Both counters are whole numbers
    // of at most 2^24, exact in a float, and a quotient of floats rounded to double (53 bits, more
    // than 2 × 24 + 2) and then to float is the quotient rounded straight to float, so one
    // division in single precision gives the same chance, sooner.
    const float p = static_cast<float>(hits) / static_cast<float>(atBatsIncludingThisOne);
    const float scaled = p * 16777216.0f;  // in [0, 2^24], exact
    const auto whole = static_cast<std::uint32_t>(static_cast<std::int32_t>(scaled));
    return whole + (static_cast<float>(whole) < scaled ? 1u : 0u);
}

}  // namespace zelvano
