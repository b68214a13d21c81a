#include "windows/baseball_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace zelvano {

namespace {

// One seam: an arc bulging in from the ball's edge, with short stitches across it.
void drawSeam(QPainter& painter, const QRectF& ball, bool left) {
    const double r = ball.width() / 2.0;
    const QPointF centre = ball.center();
    // The seam is a circle of the ball's radius whose centre lies outside the ball.
    const QPointF seamCentre(centre.x() + (left ? -1.45 : 1.45) * r, centre.y());
    const double seamRadius = 1.05 * r;

    QPen seamPen(QColor(200, 30, 30));
    seamPen.setWidthF(std::max(1.0, r / 10.0));
    seamPen.setCapStyle(Qt::RoundCap);
    painter.setPen(seamPen);

    const int stitches = 5;
    const double span = 0.62;  // radians either side of the horizontal
    QPainterPath seam;
    for (int i = 0; i <= 40; ++i) {
        const double a = -span + 2.0 * span * i / 40.0;
        const double angle = left ? a : std::numbers::pi - a;
        const QPointF p(seamCentre.x() + seamRadius * std::cos(angle),
                        seamCentre.y() + seamRadius * std::sin(angle));
        if (i == 0) {
            seam.moveTo(p);
        } else {
            seam.lineTo(p);
        }
    }
    painter.drawPath(seam);

    QPen stitchPen = seamPen;
    stitchPen.setWidthF(std::max(1.0, r / 14.0));
    painter.setPen(stitchPen);
    for (int i = 0; i < stitches; ++i) {
        const double a = -span + 2.0 * span * (i + 0.5) / stitches;
        const double angle = left ? a : std::numbers::pi - a;
        const QPointF onSeam(seamCentre.x() + seamRadius * std::cos(angle),
                             seamCentre.y() + seamRadius * std::sin(angle));
        const QPointF along(-std::sin(angle), std::cos(angle));
        const QPointF across(std::cos(angle), std::sin(angle));
        const double length = r * 0.16;
        painter.drawLine(onSeam - across * length + along * length * 0.35,
                         onSeam + across * length + along * length * 0.35);
    }
}

}  // namespace

QPixmap drawBaseball(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const double margin = size / 16.0;
    const QRectF ball(margin, margin, size - 2 * margin, size - 2 * margin);

    QRadialGradient shade(ball.center() - QPointF(ball.width() / 5, ball.height() / 5),
                          ball.width() * 0.75);
    shade.setColorAt(0.0, Qt::white);
    shade.setColorAt(0.7, QColor(240, 238, 230));
    shade.setColorAt(1.0, QColor(190, 186, 175));
    painter.setBrush(shade);
    QPen outline(QColor(110, 105, 95));
    outline.setWidthF(std::max(1.0, size / 32.0));
    painter.setPen(outline);
    painter.drawEllipse(ball);

    painter.setClipRegion(QRegion(ball.toRect(), QRegion::Ellipse));
    drawSeam(painter, ball, true);
    drawSeam(painter, ball, false);
    return pixmap;
}

QIcon baseballIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(drawBaseball(size));
    return icon;
}

}  // namespace zelvano
