#include "season/hall_of_fame.h"

#include <optional>

#include "text/cp932.h"
#include "text/field_reader.h"
#include "text/translation.h"

namespace zelvano {

namespace {

constexpr std::size_t kEntriesPerPage = 20;

// The decoded text up to the first line that is not code page 932, with CR LF line ends.
std::string decodableText(std::string_view bytes) {
    std::string text;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view line = bytes.substr(0, end);
        const std::optional<std::string> decoded = text::decodeCp932(line);
        if (!decoded) break;
        text += *decoded;
        if (end == std::string_view::npos) break;
        text += '\n';
        bytes.remove_prefix(end + 1);
    }
    return text;
}

}  // namespace

bool qualifiesForHallOfFame(Counter hits, double average) {
    return hits > 300 || (average > 0.3 && hits > 100);
}

std::string hallOfFameRecord(const std::string& name, Counter entryYear, Counter hits) {
    // The file's own words, in Japanese whatever the game speaks.
    std::string record = name + "(" + std::to_string(entryYear + 1) +
                         text::dataText("年度入団)【") + std::to_string(hits) +
                         text::dataText("安打】");
    if (hits >= 1000) record += text::dataText("《殿堂入り》");
    return record + "\r\n";
}

std::vector<std::string> hallOfFameEntries(std::string_view bytes) {
    const std::string text = decodableText(bytes);
    text::FieldReader reader(text);
    std::vector<std::string> entries;
    std::string field;
    while (reader.readString(field) == text::FieldReader::Status::Ok) entries.push_back(field);
    return entries;
}

std::vector<std::string> hallOfFamePages(const std::vector<std::string>& entries) {
    std::vector<std::string> pages;
    std::size_t next = 0;
    while (next < entries.size()) {
        std::string page = text::translated("名球会会員一覧");
        page += "\n";
        for (std::size_t onPage = 0; onPage < kEntriesPerPage && next < entries.size(); ++onPage) {
            page += std::to_string(next + 1) + ")" + entries[next] + "\n";
            ++next;
        }
        if (next == entries.size()) {
            page += "\n  " +
                    text::fillIn(text::translatedCount("以上{1}人です。", "以上{1}人です。", next),
                                 {std::to_string(next)});
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

HallOfFameRoster hallOfFameRoster(FileStore& files) {
    const FileRead read = files.readFile(kHallOfFameFileName);
    switch (read.status) {
        case FileRead::Status::Missing:
            return {{text::translated("現在、名球会に登録されている引退選手はいません。")},
                    std::nullopt};
        case FileRead::Status::Failed:
            return {
                {text::fillIn(text::translated("名球会の名簿「{1}」を読めませんでした。（{2}）"),
                              {files.resolve(kHallOfFameFileName).string(), read.problem})},
                std::nullopt};
        case FileRead::Status::Ok:
            break;
    }
    HallOfFameRoster roster{hallOfFameEntries(read.bytes), std::nullopt};
    roster.count =
        text::fillIn(text::translatedCount("現在{1}名", "現在{1}名", roster.lines.size()),
                     {std::to_string(roster.lines.size())});
    return roster;
}

void showHallOfFameList(Platform& platform) {
    const FileRead read = platform.files().readFile(kHallOfFameFileName);
    if (read.status != FileRead::Status::Ok) return;
    for (const std::string& page : hallOfFamePages(hallOfFameEntries(read.bytes))) {
        platform.message({page, text::translated("Zelvano／名球会会員一覧")});
    }
}

}  // namespace zelvano
