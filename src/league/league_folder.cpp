#include "league/league_folder.h"

#include <string>

#include "league/league_file.h"

namespace zelvano {

Leftovers leagueFolderLeftovers() {
    return {{kLeagueFileSaveName, kSeasonJournalName, kHallOfFameAppendName},
            {{kScoutingListName, kScoutingListTemporary}}};
}

void TakeLeagueFolder(Platform& platform) {
    FileStore& files = platform.files();
    const FolderLock lock = files.lockFolder(leagueFolderLeftovers());
    if (lock.status == FolderLock::Status::Taken) return;
    const std::string folder = files.resolve(kLeagueFileName).parent_path().string();
    if (lock.status == FolderLock::Status::InUse) {
        platform.message(
            {"別のZelvanoが、すでにこのリーグのフォルダーを使っています。\n「" + folder +
                 "」\n\n同じリーグを２つ同時に遊ぶと、あとから保存した方が、もう一方で遊んだ"
                 "シーズンを消してしまいます。先に起動したZelvanoを終了してから、もう一度起動して"
                 "ください。",
             "Zelvano／二重起動", MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok});
    } else {
        platform.message(
            {"リーグのフォルダー「" + folder + "」を使い始めることができませんでした。\n（" +
                 lock.problem +
                 "）\n\n同じリーグを２つ同時に遊ばないよう、フォルダーに鍵をかけて使います。"
                 "原因を取り除いてから、もう一度起動してください。",
             "Zelvano／起動エラー", MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok});
    }
    throw ProgramEnded{1};
}

}  // namespace zelvano
