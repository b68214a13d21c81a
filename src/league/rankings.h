#pragma once
// The five league-wide lists of the information window: the fifty best averages, most hits,
// longest careers, worst averages and longest names of all ninety players. Each is built by the
// same exchange sort, whose order of equal keys is part of the lists.
//
//   runRanking(league, 0, sink);   // sink: where the title and the lines go, and the yields

#include <string>

#include "league/league.h"

namespace zelvano {

inline constexpr int kRankings = 5;

// Receives a ranking as it is built. yield() runs between the steps so that the windows stay
// alive; it returns false when the ranking is to be abandoned (its window was closed).
class RankingSink {
public:
    virtual ~RankingSink() = default;
    virtual bool yield() = 0;
    virtual void setTitle(const std::string& title) = 0;
    virtual void clear() = 0;
    virtual void addLine(const std::string& line) = 0;
    // Whose line was just added, for a window that leads from a line to the player.
    virtual void addedPlayer(int /*team*/, int /*player*/) {}
};

// Builds ranking `index` (0..4) into the sink. Returns false when it was abandoned.
bool runRanking(const League& league, int index, RankingSink& sink);

}  // namespace zelvano
