#include "folder_store/system_error_text.h"

#include <cerrno>
#include <system_error>

#include "text/translation.h"

namespace zelvano {

std::string systemErrorText(int error, FileAccess access) {
    switch (error) {
        case ENOSPC:
            return text::translated("ディスクの空き容量が足りません。");
        case EDQUOT:
            return text::translated("ディスクの使用量の上限を超えています。");
        case EFBIG:
            // A file-size limit (ulimit -f) stops a save as a full disk does.
            return text::translated("ファイルの大きさの上限を超えるため、これ以上書き込めません。");
        case EEXIST:
            return text::translated("同じ名前のファイルがすでにあります。");
        case EACCES:
        case EPERM:
            return access == FileAccess::Read ? text::translated("読み込みの権限がありません。")
                                              : text::translated("書き込みの権限がありません。");
        case EROFS:
            return text::translated("読み取り専用の場所です。");
        case EIO:
            return text::translated("ディスクの読み書きに失敗しました。");
        case EISDIR:
            return text::translated("ファイルではなくフォルダーです。");
        default:
            // The system's own wording is what a helper would search for.
            // Translators: {1} is the error's number, {2} the system's own text for it.
            return text::fillIn(text::translated("システムエラー（errno {1}: {2}）"),
                                {std::to_string(error), std::system_category().message(error)});
    }
}

}  // namespace zelvano
