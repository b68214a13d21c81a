#pragma once
// The game's language, chosen on the owner's page of the information window: the desktop's, or
// one of the languages the game speaks, each by its own name ("日本語", "English"). The choice is
// kept in the player's settings and takes effect at the next start, as the page then says: the
// windows already made stay in the language they were made in.
//
//   addLanguageChoice(page, settings, {labelPlace, boxPlace, notePlace}, font);

#include <QRect>

class QComboBox;
class QFont;
class QWidget;

namespace zelvano {

class SettingsStore;

struct LanguageChoicePlaces {
    QRect label;  // "言語", right-aligned before the box
    QRect box;
    QRect note;  // "takes effect at the next start", shown once a change is made
};

// Places the choice on the page; returns its box.
QComboBox* addLanguageChoice(QWidget& page, SettingsStore& settings,
                             const LanguageChoicePlaces& places, const QFont& captionFont);

}  // namespace zelvano
