#include "league/league_store.h"

#include <stdexcept>
#include <string>

#include "league/league_file.h"
#include "league/league_folder.h"
#include "league/registration.h"
#include "league/season_commit.h"
#include "league/settings_keys.h"
#include "text/translation.h"

namespace zelvano {

namespace {

[[noreturn]] void endAfterLoadProblem(Platform& platform, const std::string& detail) {
    // The full path, so the player learns where the league lives.
    const std::string path = platform.files().resolve(kLeagueFileName).string();
    platform.message(
        {text::fillIn(
             text::translated(
                 // Translators: {1} is the league file's full path, {2} what is wrong with it.
                 "リーグのデータファイル「{1}」を読み込めませんでした。\n"
                 "（{2}）\n\nファイルには手を付けずに残してあります。"
                 "バックアップから戻すなどしてファイルを直してから、"
                 "もう一度起動してください。"),
             {path, detail}),
         text::translated("Zelvano／データ読込エラー"), MessageIcon::Exclamation,
         MessageButtons::Ok, Answer::Ok});
    throw ProgramEnded{1};
}

// Saves until it works or the player gives up, which ends the program with the last completed
// season still in the folder.
template <typename Save>
void saveWithRetries(Platform& platform, const char* name, bool firstSave, Save save) {
    for (;;) {
        const std::string problem = save();
        if (problem.empty()) return;
        const std::string path = platform.files().resolve(name).string();
        const char* ifDeclined =
            firstSave
                ? text::translated(
                      "「いいえ」を押すと保存せずに終了します。登録した新しいリーグは保存され"
                      "ないので、次に起動したときは、もう一度はじめから登録することになります。")
                : text::translated(
                      "「いいえ」を押すと保存せずに終了します。ファイルは前回"
                      "保存した状態のまま残ります。");
        const Answer retry = platform.message(
            // Translators: {1} is the file's full path, {2} why it could not be saved, {3} what
            // answering No leaves.
            {text::fillIn(text::translated("リーグのデータを「{1}」に保存できませんでした。\n"
                                           "（{2}）\n\n原因を取り除いてから「はい」を押すと、"
                                           "もう一度保存します。\n{3}"),
                          {path, problem, ifDeclined}),
             text::translated("Zelvano／保存エラー"), MessageIcon::Exclamation,
             MessageButtons::YesNo, Answer::Yes});
        if (retry == Answer::No) throw ProgramEnded{1};
    }
}

}  // namespace

void loadLeague(League& league, Platform& platform) {
    // Before anything is read: the folder is this program's alone until it ends.
    takeLeagueFolder(platform);
    league.GameWait = gameWaitFromSetting(platform.settings().read(kGameSpeedKey));
    const FileRead read = platform.files().readFile(kLeagueFileName);
    switch (read.status) {
        case FileRead::Status::Missing:
            registerNewLeague(league, platform);
            return;
        case FileRead::Status::Failed:
            endAfterLoadProblem(platform, read.problem);
        case FileRead::Status::Ok:
            break;
    }
    const LeagueFileRead parsed = parseLeagueFile(read.bytes, league);
    if (!parsed.ok) {
        // Translators: {1} is the line's number, {2} what is wrong there.
        endAfterLoadProblem(platform, text::fillIn(text::translated("{1}行目：{2}"),
                                                   {std::to_string(parsed.line), parsed.problem}));
    }
    finishInterruptedSeason(league, platform);
}

LeagueFileToSave leagueFileToSave(const League& league) {
    LeagueFileToSave file;
    try {
        file.bytes = leagueFileBytes(league);
        file.fingerprint = fingerprintOf(file.bytes);
    } catch (const std::logic_error& fault) {
        // Nothing is written, the old file stays.
        file.fault = fault.what();
    }
    return file;
}

void saveLeague(League& league, Platform& platform, const LeagueFileToSave& file) {
    FileStore& files = platform.files();
    // Each file is flushed before it is renamed into place, and the renames of one folder reach
    // the disk in the order they were made: the folder itself is flushed once, at the end.
    const FolderFlushOnce flush(files);
    // The first save of a new league has no earlier file to fall back on.
    const bool firstSave = !files.exists(kLeagueFileName);
    // The journal first: should the league file be saved and the program then stop, the next
    // start finishes what the season changed beside it.
    saveWithRetries(platform, kSeasonJournalName, firstSave,
                    [&] { return writeSeasonJournal(league, files); });
    saveWithRetries(platform, kLeagueFileSaveName, firstSave, [&] {
        return file.fault.empty() ? files.replaceFile(kLeagueFileSaveName, file.bytes) : file.fault;
    });
    carryOutSeasonJournal(league, platform);
}

void saveLeague(League& league, Platform& platform) {
    saveLeague(league, platform, leagueFileToSave(league));
}

}  // namespace zelvano
