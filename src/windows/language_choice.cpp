#include "windows/language_choice.h"

#include <QComboBox>
#include <cstdlib>

#include "league/settings_keys.h"
#include "platform/settings_store.h"
#include "text/desktop_language.h"
#include "windows/elided_label.h"
#include "windows/look.h"
#include "windows/window_text.h"

namespace zelvano {

namespace {

const char* environment(const char* name) { return std::getenv(name); }

}  // namespace

QComboBox* addLanguageChoice(QWidget& page, SettingsStore& settings,
                             const LanguageChoicePlaces& places, const QFont& captionFont) {
    ElidedLabel* caption = makeNameLabel(&page, places.label, {captionFont, std::nullopt},
                                         uiTextIn("setting", "言語"));
    caption->setObjectName(QStringLiteral("languageLabel"));
    caption->setAlignment(Qt::AlignRight | Qt::AlignTop);

    auto* box = new QComboBox(&page);  // owned by its page
    box->setObjectName(QStringLiteral("languageBox"));
    box->setGeometry(places.box);
    // The stored value: empty for the desktop's language, else the language's code.
    box->addItem(uiText("デスクトップの言語"), QString());
    for (const std::string& code : text::spokenLanguages()) {
        box->addItem(QString::fromStdString(text::languageName(code)),
                     QString::fromStdString(code));
    }
    const int stored = box->findData(QString::fromStdString(settings.read(kLanguageKey)));
    box->setCurrentIndex(stored > 0 ? stored : 0);
    box->setAccessibleName(uiTextIn("setting", "言語"));
    box->setAccessibleDescription(uiText("ゲームの言語。次回の起動から有効になります"));
    caption->setBuddy(box);

    ElidedLabel* note = makeNameLabel(&page, places.note, {captionFont, std::nullopt},
                                      uiText("次回の起動から有効になります。"));
    note->setObjectName(QStringLiteral("languageNote"));
    note->setVisible(false);

    QObject::connect(box, &QComboBox::activated, note, [box, note, &settings](int index) {
        const std::string chosen = box->itemData(index).toString().toStdString();
        settings.write(kLanguageKey, chosen);
        // Only a change from the language the game speaks now waits for the next start.
        note->setVisible(text::chosenLanguage(chosen, environment) != text::activeLanguage());
    });
    return box;
}

}  // namespace zelvano
