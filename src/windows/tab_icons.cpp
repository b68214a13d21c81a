#include "windows/tab_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

#include "windows/fonts.h"

namespace zelvano {

namespace {

// Each tab: a coloured disc with one character standing for the tab's subject.
struct TabPicture {
    QColor disc;
    const char16_t* sign;
};

const std::array<TabPicture, 6> kPictures{{
    {QColor(40, 110, 200), u"選"},  // the rosters
    {QColor(210, 120, 20), u"資"},  // the rankings
    {QColor(190, 150, 20), u"名"},  // the hall of fame
    {QColor(30, 140, 70), u"大"},   // the major leagues
    {QColor(120, 70, 170), u"設"},  // the owner's settings
    {QColor(200, 40, 60), u"Ｚ"},   // about the game
}};

}  // namespace

void paintTabIcon(QPainter& painter, const QRectF& square, int tab) {
    const TabPicture& picture = kPictures.at(static_cast<std::size_t>(tab));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = square.adjusted(1.0, 1.0, -1.0, -1.0);
    painter.setPen(QPen(picture.disc.darker(140), 1.5));
    painter.setBrush(picture.disc);
    painter.drawEllipse(disc);

    QFont font = windowFont(FontFace::Gothic, 12.0, true);
    font.setPixelSize(std::max(1, static_cast<int>(square.height() * 0.55)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(disc, Qt::AlignCenter, QString::fromUtf16(picture.sign));
    painter.restore();
}

TabIconPicture::TabIconPicture(int tab, QWidget* parent) : QWidget(parent), tab_(tab) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void TabIconPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintTabIcon(painter, QRectF(rect()), tab_);
}

}  // namespace zelvano
