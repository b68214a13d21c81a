#include "league/league_folder.h"

#include <string>

#include "league/league_file.h"
#include "text/translation.h"

namespace zelvano {

FolderClaim leagueFolderClaim() {
    return {kFolderLockName,
            {{kLeagueFileSaveName, kSeasonJournalName, kHallOfFameAppendName},
             {{kScoutingListName, kScoutingListTemporary}}}};
}

void takeLeagueFolder(Platform& platform) {
    FileStore& files = platform.files();
    const FolderLock lock = files.lockFolder(leagueFolderClaim());
    if (lock.status == FolderLock::Status::Taken) return;
    const std::string folder = files.resolve(kLeagueFileName).parent_path().string();
    if (lock.status == FolderLock::Status::InUse) {
        platform.message(
            {text::fillIn(
                 text::translated(
                     // Translators: {1} is the league folder's full path.
                     "別のZelvanoが、すでにこのリーグのフォルダーを使っています。\n「{1}」\n\n"
                     "同じリーグを２つ同時に遊ぶと、あとから保存した方が、もう一方で遊んだ"
                     "シーズンを消してしまいます。先に起動したZelvanoを終了してから、もう一度起動"
                     "してください。"),
                 {folder}),
             text::translated("Zelvano／二重起動"), MessageIcon::Exclamation, MessageButtons::Ok,
             Answer::Ok});
    } else {
        platform.message(
            {text::fillIn(text::translated(
                              // Translators: {1} is the league folder's full path, {2} why it could
                              // not be locked.
                              "リーグのフォルダー「{1}」を使い始めることができませんでした。\n"
                              "（{2}）\n\n同じリーグを２つ同時に遊ばないよう、フォルダーに鍵を"
                              "かけて使います。原因を取り除いてから、もう一度起動してください。"),
                          {folder, lock.problem}),
             text::translated("Zelvano／起動エラー"), MessageIcon::Exclamation, MessageButtons::Ok,
             Answer::Ok});
    }
    throw ProgramEnded{1};
}

}  // namespace zelvano
