#include "league/forced_quit.h"

#include "text/translation.h"

namespace zelvano {

bool confirmForcedQuit(Platform& platform) {
    const Answer answer = platform.message(
        {text::translated(
             "強制終了しようとしています。データを保存する前に終了してよろしいのですか？"),
         text::translated("Zelvano2004／強制終了"), MessageIcon::Question, MessageButtons::YesNo,
         Answer::No});
    if (answer == Answer::Yes) {
        platform.requestEnd(0);
        return false;
    }
    return true;
}

}  // namespace zelvano
