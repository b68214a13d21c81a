#pragma once
// The order of the league file's values, kept in one place so that writing and reading cannot
// drift apart: the year, each team's name and players, the ten league counters, and the entry
// years standing apart at the end.

#include <string>

#include "league/league.h"

namespace zelvano {

enum class LeagueField {
    CurrentYear,
    TeamName,
    PlayerName,
    AtBats,
    Hits,
    LeagueRecord,
    LeagueRecordText,
    EntryYear
};

struct LeagueFieldPlace {
    LeagueField field = LeagueField::CurrentYear;
    int team = 0;    // 1..3 for the team and player fields
    int player = 0;  // 1..30 for the player fields
    int slot = 0;    // 0..9 for the league counters
    int line = 0;    // 1-based line of the file
};

// Calls visit(value, place) for every value in file order, where value is a Counter& or a
// std::string& (const when the league is). Stops as soon as visit returns false and then returns
// false itself.
template <typename LeagueRef, typename Visit>
bool visitLeagueFields(LeagueRef& league, Visit&& visit) {
    int line = 0;
    const auto next = [&](auto& value, LeagueField field, int team, int player, int slot) {
        return visit(value, LeagueFieldPlace{field, team, player, slot, ++line});
    };
    if (!next(league.CurrentYear, LeagueField::CurrentYear, 0, 0, 0)) return false;
    for (int team = 1; team <= kTeams; ++team) {
        if (!next(league.TeamName[team], LeagueField::TeamName, team, 0, 0)) return false;
        for (int player = 1; player <= kPlayers; ++player) {
            if (!next(league.PlayerName[team][player], LeagueField::PlayerName, team, player, 0) ||
                !next(league.AtBats[team][player], LeagueField::AtBats, team, player, 0) ||
                !next(league.Hits[team][player], LeagueField::Hits, team, player, 0)) {
                return false;
            }
        }
    }
    for (int slot = 0; slot < kLeagueSlots; ++slot) {
        if (!next(league.LeagueRecord[slot], LeagueField::LeagueRecord, 0, 0, slot) ||
            !next(league.LeagueRecordText[slot], LeagueField::LeagueRecordText, 0, 0, slot)) {
            return false;
        }
    }
    for (int team = 1; team <= kTeams; ++team) {
        for (int player = 1; player <= kPlayers; ++player) {
            if (!next(league.EntryYear[team][player], LeagueField::EntryYear, team, player, 0)) {
                return false;
            }
        }
    }
    return true;
}

// What the value at `place` is, in the game's language, for the messages about a damaged file:
// "チーム2・選手5の打数".
std::string describeLeagueField(const LeagueFieldPlace& place);

}  // namespace zelvano
