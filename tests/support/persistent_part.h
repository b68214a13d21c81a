#pragma once
// Compares what the league file keeps of two leagues, field by field, so a failure names the
// field.

#include <gtest/gtest.h>

#include "league/league.h"

namespace zelvano::testing {

inline void expectSamePersistentPart(const League& actual, const League& expected) {
    EXPECT_EQ(actual.CurrentYear, expected.CurrentYear);
    EXPECT_EQ(actual.TeamName, expected.TeamName);
    EXPECT_EQ(actual.PlayerName, expected.PlayerName);
    EXPECT_EQ(actual.AtBats, expected.AtBats);
    EXPECT_EQ(actual.Hits, expected.Hits);
    EXPECT_EQ(actual.EntryYear, expected.EntryYear);
    EXPECT_EQ(actual.LeagueRecord, expected.LeagueRecord);
    EXPECT_EQ(actual.LeagueRecordText, expected.LeagueRecordText);
}

}  // namespace zelvano::testing
