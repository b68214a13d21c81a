#pragma once
// Seasons for the history made up in a moment, shaped like a played league's: ninety players in
// their slots, two of them retiring each year for two rookies with new ids, three trades, 64 of
// them coming to bat. Tests of the history's cost and the benchmarks write thousands of them.
//
//   SyntheticLeague league;
//   writer.write(&league.beginning(), {});
//   for (Counter year = 1; year <= 100; ++year) writer.write(nullptr, {league.season(year)});

#include <array>
#include <string>

#include "season/history/season_record.h"

namespace zelvano::testing {

class SyntheticLeague {
public:
    // Without box scores, the seasons are those of a history made before it kept them.
    explicit SyntheticLeague(bool boxScores = true) : boxScores_(boxScores) {
        for (std::size_t at = 0; at < kPlaces; ++at) ids_[at] = nextId_++;
    }

    HistoryBeginning beginning() const {
        HistoryBeginning beginning;
        for (std::size_t at = 0; at < kPlaces; ++at) {
            const RosterPlace place = rosterPlace(at);
            beginning.players.push_back({0, place.team, place.slot, snapshot(at, 0)});
        }
        beginning.roster = roster();
        return beginning;
    }

    SeasonRecord season(Counter year) {
        SeasonRecord season;
        season.year = year;
        season.champion = static_cast<int>(year % 3) + 1;
        for (std::size_t team = 0; team < 3; ++team) {
            season.marks[team] = "☆★☆★";
            season.wins[team] = static_cast<int>((year + team) % 9);
            season.losses[team] = 8 - season.wins[team];
            season.report.teamNames[team] = "チーム" + std::to_string(team + 1);
            season.report.teamAverages[team] = "0.2" + std::to_string(year % 97 + 100);
        }
        season.report.championLine = "優勝：チーム" + std::to_string(season.champion);
        season.report.titleCount = "(1回目)";
        season.report.mvpLines = {"ＭＶＰ　一", "ＭＶＰ　二"};
        season.titles = 1;
        for (int game = 1; game <= 12; ++game) season.games.push_back(gameOf(year, game));
        if (boxScores_ && year % 4 == 0) {
            const std::size_t at = static_cast<std::size_t>(year) % kPlaces;
            season.milestones.push_back(
                {3, MilestoneKind::CareerHits, rosterPlace(at).team, ids_[at], "選手", 100});
        }
        for (std::size_t at = 0; at < kPlaces; at += 1) {
            if ((at + static_cast<std::size_t>(year)) % 7 < 2) continue;  // 64 of 90 bat
            const RosterPlace place = rosterPlace(at);
            const auto mix = static_cast<Counter>((ids_[at] * 31 + year * 17) % 97);
            season.lines.push_back({ids_[at], place.team, place.slot, mix % 12, 20 + mix % 13});
        }
        for (int trade = 0; trade < 3; ++trade) {
            Transaction move;
            move.kind = TransactionKind::Trade;
            move.team = trade % 3 + 1;
            move.slot = static_cast<int>(year % 30) + 1;
            move.player = snapshot(placeOf(move.team, move.slot), year);
            move.otherTeam = (trade + 1) % 3 + 1;
            move.otherSlot = move.slot;
            move.other = snapshot(placeOf(move.otherTeam, move.otherSlot), year);
            season.moves.push_back(move);
        }
        for (int rookie = 0; rookie < 2; ++rookie) {
            const std::size_t at = static_cast<std::size_t>(year * 7 + rookie * 41) %
                                   static_cast<std::size_t>(kPlaces);
            const RosterPlace place = rosterPlace(at);
            Transaction retire;
            retire.kind = TransactionKind::Retire;
            retire.team = place.team;
            retire.slot = place.slot;
            retire.player = snapshot(at, year);
            retire.hallOfFame = rookie == 0 && year % 10 == 0;  // about as often as in play
            season.moves.push_back(retire);
            ids_[at] = nextId_++;
            Transaction joined;
            joined.kind = TransactionKind::Rookie;
            joined.team = place.team;
            joined.slot = place.slot;
            joined.player = snapshot(at, year);
            joined.other = retire.player;
            season.moves.push_back(joined);
            season.newPlayers.push_back({year, place.team, place.slot, joined.player});
        }
        season.roster = roster();
        return season;
    }

private:
    static constexpr std::size_t kPlaces = 90;

    GameLine gameOf(Counter year, int number) const {
        GameLine game;
        game.number = number;
        game.team1 = 1 + number % 3;
        game.team2 = 1 + (number + 1) % 3;
        game.runs1 = number % 5;
        game.runs2 = number % 4;
        game.innings = 9;
        game.plateAppearances = 70;
        if (!boxScores_) return game;
        game.boxed = true;
        for (std::size_t side = 0; side < 2; ++side) {
            const int team = side == 0 ? game.team1 : game.team2;
            game.inningRuns[side].assign(9, 0);
            game.inningRuns[side][static_cast<std::size_t>(number + year) % 9] =
                side == 0 ? game.runs1 : game.runs2;
            for (std::size_t slot = 0; slot < kBattingSlots; ++slot) {
                const std::size_t at = placeOf(team, static_cast<int>(slot) + 1);
                const auto hits = static_cast<Counter>((ids_[at] + year + number) % 3);
                game.batters[side][slot] = {ids_[at], static_cast<int>(slot) + 1, 4, hits};
                game.hits[side] += hits;
            }
        }
        return game;
    }

    static std::size_t placeOf(int team, int slot) {
        return static_cast<std::size_t>((team - 1) * 30 + slot - 1);
    }
    PlayerSnapshot snapshot(std::size_t at, Counter year) const {
        return {ids_[at], "選手" + std::to_string(ids_[at]), static_cast<Counter>(year % 50),
                static_cast<Counter>(year % 50 + 40), year};
    }
    RosterIds roster() const {
        RosterIds roster;
        for (std::size_t at = 0; at < kPlaces; ++at) roster.ids[at] = ids_[at];
        roster.league = {2544, static_cast<std::uint64_t>(nextId_)};
        return roster;
    }

    bool boxScores_ = true;
    std::array<PlayerId, kPlaces> ids_{};
    PlayerId nextId_ = 1;
};

}  // namespace zelvano::testing
