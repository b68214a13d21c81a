#include "folder_store/system_error_text.h"

#include <cerrno>
#include <system_error>

namespace zelvano {

std::string systemErrorText(int error, FileAccess access) {
    switch (error) {
        case ENOSPC:
            return "ディスクの空き容量が足りません。";
        case EDQUOT:
            return "ディスクの使用量の上限を超えています。";
        case EFBIG:
            // A file-size limit (ulimit -f) stops a save as a full disk does.
            return "ファイルの大きさの上限を超えるため、これ以上書き込めません。";
        case EEXIST:
            return "同じ名前のファイルがすでにあります。";
        case EACCES:
        case EPERM:
            return access == FileAccess::Read ? "読み込みの権限がありません。"
                                              : "書き込みの権限がありません。";
        case EROFS:
            return "読み取り専用の場所です。";
        case EIO:
            return "ディスクの読み書きに失敗しました。";
        case EISDIR:
            return "ファイルではなくフォルダーです。";
        default:
            // The system's own wording is what a helper would search for.
            return "システムエラー（errno " + std::to_string(error) + ": " +
                   std::system_category().message(error) + "）";
    }
}

}  // namespace zelvano
