#pragma once
// Qt's own texts in the game's language, so that the dialogs' buttons read はい, いいえ and so on
// in Japanese. English needs none: Qt's texts are English.

#include <QTranslator>
#include <memory>
#include <string_view>

#include "text/translation.h"

namespace zelvano {

// Loads Qt's translation for the language ("qtbase_ja" for Japanese) from Qt's translations
// folder and installs it on the running application. The translator must live as long as the
// application; null for English and when the file is not there (the buttons then stay in
// English, which does not stop the game).
std::unique_ptr<QTranslator> installQtTranslations(std::string_view language = text::kJapanese);

}  // namespace zelvano
