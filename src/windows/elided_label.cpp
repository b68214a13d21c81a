#include "windows/elided_label.h"

#include <QEvent>

namespace zelvano {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    // Names typed by the player are never taken for markup.
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ElidedLabel::setFullText(const QString& text) {
    fullText_ = text;
    // Leading spaces only indent a name; a screen reader has no use for them.
    setAccessibleName(text.trimmed());
    showWhatFits();
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showWhatFits();
}

void ElidedLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) showWhatFits();
}

void ElidedLabel::showWhatFits() {
    const QString shown =
        fontMetrics().elidedText(fullText_, Qt::ElideRight, contentsRect().width());
    if (shown != text()) setText(shown);
    // The tool tip says what the cut hides, and only then.
    setToolTip(shown == fullText_ ? QString() : fullText_.trimmed());
}

}  // namespace zelvano
