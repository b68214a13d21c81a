#include "windows/look.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "windows/elided_label.h"
#include "windows/fitted_caption.h"
#include "windows/fonts.h"

namespace zelvano {

void setBackground(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QColor background(const QWidget& widget) { return widget.palette().color(QPalette::Window); }

QLabel* makeLabel(QWidget* parent, const QRect& geometry, const LabelLook& look,
                  const QString& caption) {
    auto* label = new QLabel(parent);  // owned by its window
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(look.font);
    label->setGeometry(geometry);
    label->setText(caption);
    if (look.background) setBackground(*label, *look.background);
    return label;
}

ElidedLabel* makeNameLabel(QWidget* parent, const QRect& geometry, const LabelLook& look,
                           const QString& caption) {
    auto* label = new ElidedLabel(parent);  // owned by its window
    label->setFont(look.font);
    label->setGeometry(geometry);
    label->setFullText(caption);
    if (look.background) setBackground(*label, *look.background);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);  // owned by its window
    button->setGeometry(geometry);
    button->setFont(defaultWindowFont());
    // Outside a dialog a push button ignores Enter unless it is made auto-default.
    button->setAutoDefault(true);
    return button;
}

QPushButton* makeFittedButton(QWidget* parent, const QString& caption, const QRect& geometry) {
    QPushButton* button = makeButton(parent, QString(), geometry);
    setFittedCaption(*button, caption);
    return button;
}

}  // namespace zelvano
