#include "windows/pictures.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace zelvano {

QString picturePath(const QString& name) {
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg");
}

QPixmap renderPicture(const QString& name, QSize size, qreal devicePixelRatio) {
    QSvgRenderer renderer(picturePath(name));
    if (!renderer.isValid() || size.isEmpty()) return {};
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(static_cast<int>(std::ceil(size.width() * ratio)),
                   static_cast<int>(std::ceil(size.height() * ratio)));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon pictureIcon(const QString& name) {
    QIcon icon;
    for (int side : {16, 22, 24, 32, 48, 64, 96, 128, 256}) {
        const QPixmap pixmap = renderPicture(name, QSize(side, side), 1.0);
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon gameIcon() { return pictureIcon(QStringLiteral("game-icon")); }

}  // namespace zelvano
