#pragma once
// The type of the league's career counters (at-bats, hits, entry years, the league's records).
// It lives below the league because the views are given such figures too.

#include <cstdint>

namespace zelvano {

// Career counters are 32-bit: a long league passes 32767 at-bats, and the file stores decimal text.
using Counter = std::int32_t;

}  // namespace zelvano
