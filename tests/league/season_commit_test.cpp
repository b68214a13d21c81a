#include "league/season_commit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "league/league_file.h"
#include "league/league_store.h"
#include "support/scripted_user.h"
#include "support/test_league.h"

namespace zelvano {
namespace {

using testing::ScriptedRun;

const std::string kHallBefore = "Ａ(1年度入団)【400安打】\r\n";
const std::string kRecords = "Ｂ(2年度入団)【301安打】\r\nＣ(3年度入団)【500安打】\r\n";
const std::string kListBefore = "one\r\ntwo\r\nthree\r\n";
const std::string kListAfter = "three\r\n";

// A league of year 7 saved with its files; then season 8 played to its end, which made two hall
// of fame records and took two names off the list.
struct SeasonEnded : ScriptedRun {
    SeasonEnded() {
        league = testing::testLeague();
        league.CurrentYear = 7;
        files->files["Jbball.jdt"] = leagueFileBytes(league);
        files->files["Jbball.Mei"] = kHallBefore;
        files->files["Z02MEM.TXT"] = kListBefore;
        league.CurrentYear = 8;
        league.SeasonFiles.hallOfFameRecords = kRecords;
        league.SeasonFiles.scoutingListBefore = fingerprintOf(kListBefore);
        league.SeasonFiles.scoutingListAfter = kListAfter;
    }
    std::string file(const char* name) { return files->files[name]; }
    bool journal() { return files->exists(".zelvano-season"); }
    // The next program on the same files.
    League restart() {
        ScriptedRun next;
        next.files->files = files->files;
        next.files->failMoveWith = files->failMoveWith;
        loadLeague(next.league, *next.platform);
        files->files = next.files->files;
        restartMessages = next.user.asked;
        return next.league;
    }
    std::vector<MessageRequest> restartMessages;
};

TEST(SeasonCommit, ASavedSeasonWritesItsRecordsAndWhatIsLeftOfTheList) {
    SeasonEnded run;
    saveLeague(run.league, *run.platform);
    EXPECT_EQ(run.file("Jbball.Mei"), kHallBefore + kRecords);
    EXPECT_EQ(run.file("Z02MEM.TXT"), kListAfter);
    EXPECT_FALSE(run.journal());
    EXPECT_TRUE(run.league.SeasonFiles.empty());
    EXPECT_TRUE(run.user.asked.empty());
}

TEST(SeasonCommit, TheNextStartFinishesOrDropsWhatAnInterruptionLeft) {
    // Where the program stopped, and what the hall of fame held then. The league file's year
    // decides; the records end up in it once and whole, or not at all.
    struct Case {
        const char* what;
        bool leagueSaved;
        std::string hall;
    };
    const std::string halfARecord = kHallBefore + kRecords.substr(0, kRecords.size() / 2 + 1);
    const Case cases[] = {
        {"stopped after the journal", false, kHallBefore},
        {"stopped after the league file", true, kHallBefore},
        {"stopped while the records were written", true, halfARecord},
        {"stopped after the hall of fame", true, kHallBefore + kRecords},
        {"the disk kept the records but lost the league file", false, kHallBefore + kRecords},
        {"the disk kept part of the records but lost the league file", false, halfARecord},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SeasonEnded run;
        ASSERT_EQ(writeSeasonJournal(run.league, *run.files), "");
        if (c.leagueSaved) run.files->files["Jbball.jdt"] = leagueFileBytes(run.league);
        run.files->files["Jbball.Mei"] = c.hall;
        const League next = run.restart();
        EXPECT_EQ(next.CurrentYear, c.leagueSaved ? 8 : 7);
        EXPECT_EQ(run.file("Jbball.Mei"), c.leagueSaved ? kHallBefore + kRecords : kHallBefore);
        EXPECT_EQ(run.file("Z02MEM.TXT"), c.leagueSaved ? kListAfter : kListBefore);
        EXPECT_FALSE(run.journal());
        EXPECT_TRUE(next.SeasonFiles.empty());
        EXPECT_TRUE(run.restartMessages.empty());
    }
}

TEST(SeasonCommit, AHallOfFameChangedByHandGetsTheRecordsOnceAtItsEnd) {
    struct Case {
        const char* what;
        std::optional<std::string> hall;  // as the player left it after the journal was written
        std::string after;
    };
    const std::string added = "Ｚ(9年度入団)【999安打】\r\n";
    const Case cases[] = {
        {"a member added by hand", kHallBefore + added, kHallBefore + added + kRecords},
        {"a line removed and the records added by hand", kRecords, kRecords},
        {"removed", std::nullopt, kRecords},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SeasonEnded run;
        ASSERT_EQ(writeSeasonJournal(run.league, *run.files), "");
        run.files->files["Jbball.jdt"] = leagueFileBytes(run.league);
        run.files->files.erase("Jbball.Mei");
        if (c.hall) run.files->files["Jbball.Mei"] = *c.hall;
        run.restart();
        EXPECT_EQ(run.file("Jbball.Mei"), c.after);
        EXPECT_FALSE(run.journal());
    }
}

TEST(SeasonCommit, ASeasonWhoseLeagueSaveIsGivenUpLeavesNoTrace) {
    SeasonEnded run;
    run.files->failOnly = "Jbball.Jdt";
    run.files->failReplaceWith = "ディスクの空き容量が足りません。";
    run.files->replaceFailures = 1;
    run.user.answers = {Answer::No};
    EXPECT_THROW(saveLeague(run.league, *run.platform), ProgramEnded);
    EXPECT_EQ(run.file("Jbball.Mei"), kHallBefore);
    EXPECT_EQ(run.file("Z02MEM.TXT"), kListBefore);
    EXPECT_EQ(run.restart().CurrentYear, 7);
    EXPECT_EQ(run.file("Jbball.Mei"), kHallBefore);
    EXPECT_EQ(run.file("Z02MEM.TXT"), kListBefore);
    EXPECT_FALSE(run.journal());
}

TEST(SeasonCommit, WhatCannotBeWrittenIsToldKeptAndWrittenOnceLater) {
    for (const char* failing : {"Jbball.Mei", "Z02MEM.TXT"}) {
        SCOPED_TRACE(failing);
        SeasonEnded run;
        run.files->failOnly = failing;
        run.files->failReplaceWith = "書き込みの権限がありません。";
        run.files->replaceFailures = 1;
        saveLeague(run.league, *run.platform);
        ASSERT_EQ(run.user.asked.size(), 1u);
        EXPECT_NE(run.user.asked[0].text.find(failing), std::string::npos);
        EXPECT_NE(run.user.asked[0].text.find("書き込みの権限がありません。"), std::string::npos);
        EXPECT_TRUE(run.journal());
        EXPECT_FALSE(run.league.SeasonFiles.empty());

        // The next season retires one more member and takes the list's last name ("three").
        run.league.CurrentYear = 9;
        run.league.SeasonFiles.hallOfFameRecords += "Ｄ(4年度入団)【999安打】\r\n";
        run.league.SeasonFiles.scoutingListAfter = "";
        saveLeague(run.league, *run.platform);
        EXPECT_EQ(run.file("Jbball.Mei"), kHallBefore + kRecords + "Ｄ(4年度入団)【999安打】\r\n");
        EXPECT_EQ(run.file("Z02MEM.TXT"), "");
        EXPECT_FALSE(run.journal());
    }
}

TEST(SeasonCommit, AListThePlayerChangedSinceStaysTheirs) {
    SeasonEnded run;
    ASSERT_EQ(writeSeasonJournal(run.league, *run.files), "");
    run.files->files["Jbball.jdt"] = leagueFileBytes(run.league);
    run.files->files["Z02MEM.TXT"] = "新しい名前\r\n";
    run.restart();
    EXPECT_EQ(run.file("Z02MEM.TXT"), "新しい名前\r\n");
    EXPECT_EQ(run.file("Jbball.Mei"), kHallBefore + kRecords);
}

TEST(SeasonJournal, ReadsBackWhatItWrote) {
    SeasonFileChanges full;
    full.hallOfFameRecords = "-\nend\n\r\x81\x40";
    full.hallOfFameBefore = AppendPoint{12, 5, 345};
    full.scoutingListBefore = FileFingerprint{0, 1};
    full.scoutingListAfter = "-\n";
    SeasonFileChanges emptyList;
    emptyList.scoutingListAfter = "";
    for (const SeasonFileChanges& changes : {full, emptyList, SeasonFileChanges{}}) {
        const std::optional<SeasonJournal> read =
            parseSeasonJournal(seasonJournalBytes(-3, changes));
        ASSERT_TRUE(read);
        EXPECT_EQ(read->year, -3);
        EXPECT_EQ(read->changes.hallOfFameRecords, changes.hallOfFameRecords);
        EXPECT_EQ(read->changes.hallOfFameBefore, changes.hallOfFameBefore);
        EXPECT_EQ(read->changes.scoutingListBefore, changes.scoutingListBefore);
        EXPECT_EQ(read->changes.scoutingListAfter, changes.scoutingListAfter);
    }
}

TEST(SeasonJournal, AnyDamageIsDetected) {
    SeasonFileChanges changes;
    changes.hallOfFameRecords = kRecords;
    changes.hallOfFameBefore = appendPointAfter(kHallBefore.size(), kHallBefore);
    changes.scoutingListBefore = fingerprintOf(kListBefore);
    changes.scoutingListAfter = kListAfter;
    const std::string whole = seasonJournalBytes(8, changes);
    ASSERT_TRUE(whole.starts_with("Zelvano season journal 3\n"));
    ASSERT_TRUE(parseSeasonJournal(whole));
    // Cut at any length, grown by a byte, or any byte changed (inside a name too, or a digit of
    // the check turned upper case): never taken for a whole journal.
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        EXPECT_FALSE(parseSeasonJournal(whole.substr(0, cut))) << "cut at " << cut;
    }
    for (const char extra : {'x', '\n', '\0'}) EXPECT_FALSE(parseSeasonJournal(whole + extra));
    for (std::size_t at = 0; at < whole.size(); ++at) {
        for (const int flip : {0x01, 0x20, 0x80}) {
            std::string damaged = whole;
            damaged[at] = static_cast<char>(damaged[at] ^ flip);
            EXPECT_FALSE(parseSeasonJournal(damaged)) << "byte " << at << " ^ " << flip;
        }
    }
}

TEST(SeasonJournal, AJournalOfThePreviousProgramStillReads) {
    SeasonFileChanges changes;
    changes.hallOfFameRecords = kRecords;
    changes.scoutingListAfter = kListAfter;
    // Version 1: the same lines under its own heading, without the check line.
    std::string old = seasonJournalBytes(8, changes);
    old.erase(old.rfind("check "));
    old.replace(old.find(" 3\n"), 3, " 1\n");
    const std::optional<SeasonJournal> read = parseSeasonJournal(old);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->year, 8);
    EXPECT_EQ(read->changes.hallOfFameRecords, kRecords);
    EXPECT_EQ(read->changes.scoutingListAfter, kListAfter);
    EXPECT_FALSE(parseSeasonJournal(old.substr(0, old.size() - 1)));
}

TEST(SeasonJournal, AJournalThatHashedTheWholeHallOfFameIsCarriedOutOnce) {
    // Version 2 kept the length and hash of the whole hall of fame before the records.
    const FileFingerprint before = fingerprintOf(kHallBefore);
    std::string journal = "Zelvano season journal 2\nyear 8\nhalloffame " +
                          std::to_string(before.length) + ":" + std::to_string(before.hash) + " " +
                          std::to_string(kRecords.size()) + "\n" + kRecords +
                          "\nscoutinglist - -\nend\n";
    char check[17] = {};
    std::snprintf(check, sizeof check, "%016llx",
                  static_cast<unsigned long long>(fingerprintOf(journal).hash));
    journal += "check " + std::string(check) + "\n";
    for (const std::string& hall : {kHallBefore, kHallBefore + kRecords}) {
        SeasonEnded run;
        run.files->files["Jbball.jdt"] = leagueFileBytes(run.league);
        run.files->files["Jbball.Mei"] = hall;
        run.files->files[".zelvano-season"] = journal;
        run.restart();
        EXPECT_EQ(run.file("Jbball.Mei"), kHallBefore + kRecords);
        EXPECT_FALSE(run.journal());
        EXPECT_TRUE(run.restartMessages.empty());
    }
}

TEST(SeasonJournal, AnUnusableJournalIsMovedAsideNeverDropped) {
    struct Case {
        const char* what;
        std::string journal;
        const char* failMove;  // the move fails with this
    };
    const std::string whole = [] {
        SeasonEnded ended;
        return seasonJournalBytes(8, ended.league.SeasonFiles);
    }();
    const Case cases[] = {
        {"cut short", whole.substr(0, whole.size() / 2), ""},
        {"a byte changed in a record",
         [&] {
             std::string changed = whole;
             changed[whole.find("安打")] ^= 0x01;
             return changed;
         }(),
         ""},
        {"not movable", whole.substr(0, 30), "書き込みの権限がありません。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SeasonEnded run;
        run.files->files["Jbball.jdt"] = leagueFileBytes(run.league);
        run.files->files[".zelvano-season"] = c.journal;
        run.files->failMoveWith = c.failMove;
        const League next = run.restart();
        // Nothing carried out, nothing dropped; the season layer is left a note to act on.
        EXPECT_EQ(run.file("Jbball.Mei"), kHallBefore);
        EXPECT_EQ(run.file("Z02MEM.TXT"), kListBefore);
        ASSERT_TRUE(next.UnusableSeasonJournal);
        const UnusableJournal& note = *next.UnusableSeasonJournal;
        EXPECT_EQ(note.year, 8);
        EXPECT_EQ(note.path, ".zelvano-season");
        EXPECT_NE(note.reason.find("壊れています"), std::string::npos) << note.reason;
        EXPECT_EQ(note.whyItStays, c.failMove);
        if (*c.failMove != '\0') {
            EXPECT_EQ(note.movedTo, "");
            EXPECT_EQ(run.file(".zelvano-season"), c.journal);
            // As the player is told: the next season's save replaces it.
            League played = next;
            played.CurrentYear = 9;
            run.files->failMoveWith.clear();
            ScriptedRun later;
            later.files->files = run.files->files;
            saveLeague(played, *later.platform);
            EXPECT_FALSE(later.files->exists(".zelvano-season"));
            continue;
        }
        EXPECT_TRUE(note.movedTo.starts_with(".zelvano-season.damaged-")) << note.movedTo;
        EXPECT_EQ(run.file(note.movedTo.c_str()), c.journal);
        EXPECT_FALSE(run.journal());
    }
}

}  // namespace
}  // namespace zelvano
