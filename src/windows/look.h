#pragma once
// Small helpers for the flat look of the windows: labels with a solid background, placed in
// twips, showing their text exactly as given.

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QLabel;
class QPushButton;
class QRect;
class QWidget;

namespace zelvano {

class ElidedLabel;

// The scoreboard's colours, which a game's page in the history shows again: the inning on pink,
// the score on light grey, the side batting first on light green, the side batting second on
// light cyan.
inline const QColor kPink(255, 192, 255);
inline const QColor kLightGrey(224, 224, 224);
inline const QColor kLightGreen(192, 255, 192);
inline const QColor kLightCyan(192, 255, 255);

// Fills the widget's background with the colour. A style sheet would override the font set on
// the widget, so the palette is used instead.
void setBackground(QWidget& widget, const QColor& colour);

// The background a widget paints, for the tests and for symmetry with setBackground.
QColor background(const QWidget& widget);

struct LabelLook {
    QFont font;
    std::optional<QColor> background;  // none: the window's background shows through
};

// A label at the given place showing caption as plain text: names typed by the user
// are never taken for markup.
QLabel* makeLabel(QWidget* parent, const QRect& geometry, const LabelLook& look,
                  const QString& caption = QString());

// The same for a text that may be longer than its place (a name, a translated caption): it is cut
// with "…" and shown whole in its tool tip (elided_label.h).
ElidedLabel* makeNameLabel(QWidget* parent, const QRect& geometry, const LabelLook& look,
                           const QString& caption = QString());

// A push button at the given place in the windows' usual font that Enter presses when it has
// the focus, as keyboard players expect.
QPushButton* makeButton(QWidget* parent, const QString& caption, const QRect& geometry);

// The same for a caption that a translation may make too long: it is cut with "…" and shown whole
// in its tool tip (fitted_caption.h).
QPushButton* makeFittedButton(QWidget* parent, const QString& caption, const QRect& geometry);

}  // namespace zelvano
