#include "windows/tab_icons.h"

#include <QPainter>
#include <QSvgRenderer>

#include "windows/pictures.h"

namespace zelvano {

TabIconPicture::TabIconPicture(int tab, QWidget* parent)
    : QWidget(parent),
      renderer_(new QSvgRenderer(picturePath(QStringLiteral("tab-%1").arg(tab)), this)) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void TabIconPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&painter, QRectF(rect()));
}

}  // namespace zelvano
