#include "windows/opening_demo_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "windows/centre_window.h"
#include "windows/fonts.h"
#include "windows/look.h"
#include "windows/pictures.h"
#include "windows/twips.h"
#include "windows/window_text.h"

namespace zelvano {

namespace {

// The client area, in twips.
constexpr int kWidth = 4200;
constexpr int kHeight = 1560;
constexpr int kStageLeft = 120;

// The frames' sizes in pixels: sparkles, then the taller mascot.
constexpr QSize kSparkleSize(60, 50);
constexpr QSize kMascotSize(60, 100);

struct Stroke {
    int x1, y1, x2, y2;  // twips
};

// The logo "ORVΛNE" in slanted capitals on a rising baseline, drawn letter by letter out of
// order: V, O, N, R, E, Λ.
constexpr std::array<Stroke, 19> kStrokes{{
    {2088, 576, 2178, 1176},   //  1: V
    {2178, 1176, 2428, 576},   //  2: V
    {1080, 1320, 1420, 1320},  //  3: O
    {1420, 1320, 1500, 720},   //  4: O
    {1500, 720, 1160, 720},    //  5: O
    {1160, 720, 1080, 1320},   //  6: O
    {2936, 1032, 3016, 432},   //  7: N
    {3016, 432, 3276, 1032},   //  8: N
    {3276, 1032, 3356, 432},   //  9: N
    {1544, 1248, 1624, 648},   // 10: R
    {1624, 648, 1944, 798},    // 11: R
    {1944, 798, 1584, 948},    // 12: R
    {1686, 948, 1884, 1248},   // 13: R
    {3400, 960, 3480, 360},    // 14: E
    {3480, 360, 3820, 360},    // 15: E
    {3440, 660, 3712, 660},    // 16: E
    {3400, 960, 3740, 960},    // 17: E
    {2472, 1104, 2722, 504},   // 18: Λ
    {2722, 504, 2812, 1104},   // 19: Λ
}};

// The colour of stroke index (1..19): six groups, one letter each.
QColor strokeColour(int index) {
    if (index <= 2) return {0, 255, 255};
    if (index <= 6) return {0, 255, 0};
    if (index <= 9) return {255, 255, 255};
    if (index <= 13) return {255, 0, 0};
    if (index <= 17) return {255, 0, 255};
    return {255, 255, 0};
}

// The modifier mask of a key: 1 Shift, 2 Ctrl, 4 Alt. A modifier key pressed by itself counts
// as held, whatever the window system reports with it.
int modifierMask(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers();
    int mask = 0;
    if (held & Qt::ShiftModifier || event.key() == Qt::Key_Shift) mask |= 1;
    if (held & Qt::ControlModifier || event.key() == Qt::Key_Control) mask |= 2;
    if (held & Qt::AltModifier || event.key() == Qt::Key_Alt || event.key() == Qt::Key_AltGr) {
        mask |= 4;
    }
    return mask;
}

}  // namespace

OpeningDemoWindow::OpeningDemoWindow(OpeningDemoEvents& events) : events_(events) {
    setWindowTitle(QStringLiteral("Orvane Opening Demo"));
    setAccessibleDescription(uiText("オープニングデモ。Shift、Ctrl、Alt で音だけ止まります"));
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    setFocusPolicy(Qt::StrongFocus);
    zelvano::setBackground(*this, Qt::black);

    for (int k = 0; k < 8; ++k) {
        frames_[k] = renderPicture(QStringLiteral("demo-frame-%1").arg(k),
                                   k < 5 ? kSparkleSize : kMascotSize, devicePixelRatioF());
    }
    stage_ = new QLabel(this);  // owned by the window
    stage_->setObjectName(QStringLiteral("stage"));
    stage_->move(twipsToPixels(kStageLeft), 0);
    stage_->setAttribute(Qt::WA_TranslucentBackground);

    QFont font = windowFont(FontFace::Mincho, 14.25, true);
    editionLabel_ = makeLabel(this, twipsRect(3240, 1080, 855, 300), {font, QColor(Qt::black)},
                              QStringLiteral("2004"));
    editionLabel_->setObjectName(QStringLiteral("editionLabel"));
    editionLabel_->setAlignment(Qt::AlignCenter);
    QPalette green = editionLabel_->palette();
    green.setColor(QPalette::WindowText, QColor(0, 255, 0));
    editionLabel_->setPalette(green);
    centreWindow(*this);
}

void OpeningDemoWindow::hideLogo() {
    editionLabel_->hide();
    strokeVisible_.fill(false);
    update();
}

void OpeningDemoWindow::setStageTop(int twips) { stage_->move(stage_->x(), twipsToPixels(twips)); }

void OpeningDemoWindow::showFrame(int frame) {
    stage_->setPixmap(frames_.at(frame));
    stage_->resize(frame < 5 ? kSparkleSize : kMascotSize);
}

void OpeningDemoWindow::showLine(int index) {
    strokeVisible_.at(index - 1) = true;
    update();
}

void OpeningDemoWindow::setBackground(int red, int green, int blue) {
    zelvano::setBackground(*this, QColor(red, green, blue));
}

void OpeningDemoWindow::showEditionLabels() { editionLabel_->show(); }

void OpeningDemoWindow::show() {
    QWidget::show();
    raise();
    activateWindow();
    setFocus();
}

void OpeningDemoWindow::closeByProgram() { close(); }

void OpeningDemoWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn in twips: one pixel is 15 of them, and the pen stays one pixel wide.
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    for (int index = 1; index <= 19; ++index) {
        if (!strokeVisible_[index - 1]) continue;
        QPen pen(strokeColour(index));
        pen.setCosmetic(true);
        pen.setWidthF(1.0);
        painter.setPen(pen);
        const Stroke& s = kStrokes[index - 1];
        painter.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
    }
}

void OpeningDemoWindow::keyPressEvent(QKeyEvent* event) {
    events_.keyPressed(event->key(), modifierMask(*event));
}

}  // namespace zelvano
