#pragma once
// The hall of fame "Jbball.Mei": one line per member, appended when a player who qualifies
// retires, and shown as a roll of pages of twenty when the program ends.
//
//   files.appendFile(kHallOfFameAppendName, hallOfFameRecord(name, entryYear, hits));
//   for (const std::string& page : hallOfFamePages(hallOfFameEntries(bytes))) show(page);

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "league/league.h"
#include "league/league_folder.h"
#include "platform/platform.h"

namespace zelvano {

// Strictly more than 300 hits, or strictly more than 100 hits at strictly better than .300.
bool qualifiesForHallOfFame(Counter hits, double average);

// One record as it is written: name(entry year + 1年度入団)【hits安打】, "《殿堂入り》" from 1000
// hits on, then CR LF; in UTF-8 (the caller encodes it).
std::string hallOfFameRecord(const std::string& name, Counter entryYear, Counter hits);

// The entries of the file, read field by field as the league file is (a comma or a line end
// ends a field). Reading stops at the first line that is not code page 932 text; what came
// before it is kept. An empty file has no entries.
std::vector<std::string> hallOfFameEntries(std::string_view bytes);

// The roll: pages of twenty numbered entries under "名球会会員一覧"; the last page ends with the
// total. No entries, no pages.
std::vector<std::string> hallOfFamePages(const std::vector<std::string>& entries);

// The information window's hall-of-fame tab: the entries a line each and the count "現在n名";
// without a file, one line saying there is nobody yet and no count (the label keeps its own).
struct HallOfFameRoster {
    std::vector<std::string> lines;
    std::optional<std::string> count;
};
HallOfFameRoster hallOfFameRoster(FileStore& files);

// Shows the roll at exit. A missing, unreadable or empty file shows nothing and says nothing.
void ShowHallOfFameList(Platform& platform);

}  // namespace zelvano
