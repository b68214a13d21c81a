#include "season/history/milestones.h"

#include "season/hall_of_fame.h"

namespace zelvano {

std::vector<Counter> careerHitMilestones(Counter before, Counter after) {
    std::vector<Counter> reached;
    for (std::int64_t step = 100; step <= after; step *= 10) {
        for (const std::int64_t milestone : {step, 3 * step, 5 * step}) {
            if (milestone > before && milestone <= after) {
                reached.push_back(static_cast<Counter>(milestone));
            }
        }
    }
    return reached;
}

namespace {

bool qualifies(Counter hits, Counter atBats) {
    const double average =
        atBats > 0 ? static_cast<double>(hits) / static_cast<double>(atBats) : 0.0;
    return qualifiesForHallOfFame(hits, average);
}

}  // namespace

std::vector<Milestone> gameMilestones(const League& league, int gameNumber) {
    std::vector<Milestone> reached;
    const GameState& game = league.CurrentGame;
    for (int side = 1; side <= kLineupSides; ++side) {
        const int team = game.SideTeam[side];
        std::array<bool, kPlayers + 1> told{};
        for (int slot = 1; slot <= kBattingSlots; ++slot) {
            const int player = league.BattingOrder[side][slot];
            if (told[static_cast<std::size_t>(player)]) continue;
            told[static_cast<std::size_t>(player)] = true;
            // A player short of nine may bat in two slots: his game is both.
            Counter gameHits = 0, gameAtBats = 0;
            for (int other = slot; other <= kBattingSlots; ++other) {
                if (league.BattingOrder[side][other] != player) continue;
                gameHits += game.Box.Hits[side][other];
                gameAtBats += game.Box.AtBats[side][other];
            }
            const Counter hits = league.Hits[team][player];
            const Counter atBats = league.AtBats[team][player];
            const Milestone base{gameNumber,
                                 MilestoneKind::CareerHits,
                                 team,
                                 league.PlayerIds[team][player],
                                 league.PlayerName[team][player],
                                 0};
            for (const Counter count : careerHitMilestones(hits - gameHits, hits)) {
                Milestone milestone = base;
                milestone.value = count;
                reached.push_back(milestone);
            }
            if (!qualifies(hits - gameHits, atBats - gameAtBats) && qualifies(hits, atBats)) {
                Milestone milestone = base;
                milestone.kind = MilestoneKind::HallOfFameLine;
                milestone.value = hits;
                reached.push_back(milestone);
            }
        }
    }
    return reached;
}

}  // namespace zelvano
