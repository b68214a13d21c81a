#pragma once
// Qt's own texts in Japanese, so that the dialogs' buttons read はい, いいえ and so on.

#include <QTranslator>
#include <memory>

namespace zelvano {

// Loads "qtbase_ja" from Qt's translations folder and installs it on the running application.
// The translator must live as long as the application; null when the file is not there (the
// buttons then stay in English, which does not stop the game).
std::unique_ptr<QTranslator> installQtTranslations();

}  // namespace zelvano
