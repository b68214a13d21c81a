#pragma once
// The type of the league's career counters (at-bats, hits, entry years, the league's records)
// and of a player's lasting identity. They live below the league because the views are given
// such figures too.

#include <cstdint>

namespace zelvano {

// Career counters are 32-bit: a long league passes 32767 at-bats, and the file stores decimal text.
using Counter = std::int32_t;

// A player's lasting identity in the league's history: it stays with him through trades, a loan
// and the seasons. 0 is no player (an empty slot, a placeholder).
using PlayerId = std::int64_t;

}  // namespace zelvano
