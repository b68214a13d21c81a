#include "windows/look.h"

#include <QLabel>
#include <QPalette>

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

}  // namespace zelvano
