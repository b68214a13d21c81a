#include "windows/form3.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "windows/baseball_icon.h"
#include "windows/centre_form.h"
#include "windows/fonts.h"
#include "windows/look.h"
#include "windows/qt_text.h"
#include "windows/twips.h"

namespace zelvano {

namespace {

// The client area of the report, in twips: the list and its button at the bottom right.
constexpr int kWidth = 7815;
constexpr int kHeight = 5895;

constexpr std::array<int, 3> kTeamTops{2040, 2400, 2760};

}  // namespace

Form3::Form3() {
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    setWindowTitle(QStringLiteral("年間結果報告"));
    setWindowIcon(baseballIcon());
    // The season end owns the window: a close only hides it, which ends the season end's wait.
    setAttribute(Qt::WA_DeleteOnClose, false);

    const LabelLook heading{windowFont(FontFace::Gothic, 12.0, true), std::nullopt};
    const LabelLook text{windowFont(FontFace::Gothic, 10.5), std::nullopt};
    label1_[0] = makeLabel(this, twipsRect(120, 120, 5175, 375), heading,
                           QStringLiteral("一年間の全試合が終了しました"));
    label2_ = makeLabel(this, twipsRect(120, 600, 7575, 495),
                        {windowFont(FontFace::Gothic, 18.0, true), std::nullopt},
                        QStringLiteral("Label2"));
    label7_ = makeLabel(this, twipsRect(120, 1080, 4575, 375), heading, QStringLiteral("Label7"));
    label6_ = makeLabel(this, twipsRect(4680, 1080, 3015, 375), heading, QStringLiteral("Label6"));
    label3_ = makeLabel(this, twipsRect(120, 1680, 3255, 255), text,
                        QStringLiteral("各チームの平均打率"));
    for (int team = 0; team < 3; ++team) {
        label4_[team] = makeLabel(this, twipsRect(480, kTeamTops[team], 2655, 255), text,
                                  QStringLiteral("Label4"));
        label5_[team] = makeLabel(this, twipsRect(3360, kTeamTops[team], 2535, 255), text,
                                  QStringLiteral("Label5"));
    }
    label1_[1] = makeLabel(this, twipsRect(120, 3240, 3255, 255), text,
                           QStringLiteral("今年度のＭＶＰ選手一覧"));

    list1_ = new QListWidget(this);  // owned by the window
    list1_->setGeometry(twipsRect(120, 3600, 7575, 1710));
    // Team, name and average stand in columns made of full-width spaces.
    list1_->setFont(columnFont(FontFace::Mincho, 10.5));
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);

    command1_ = makeButton(this, QStringLiteral("ＯＫ"), twipsRect(6600, 5400, 975, 375));
    connect(command1_, &QPushButton::clicked, this, [this] { close(); });

    CentreForm(*this);
}

void Form3::setChampionLine(const std::string& text) { label2_->setText(toQString(text)); }

void Form3::setTitleCount(const std::string& text) { label6_->setText(toQString(text)); }

void Form3::setTitleRun(const std::string& text) { label7_->setText(toQString(text)); }

void Form3::setTeamAverage(int team, const std::string& name, const std::string& average) {
    label4_.at(team - 1)->setText(toQString(name));
    label5_.at(team - 1)->setText(toQString(average));
}

void Form3::addMvpLine(const std::string& text) { list1_->addItem(toQString(text)); }

void Form3::show() {
    QWidget::show();
    command1_->setFocus(Qt::OtherFocusReason);
}

bool Form3::isVisible() const { return QWidget::isVisible(); }

void Form3::keyPressEvent(QKeyEvent* event) {
    // Keys the focused control leaves alone: Enter is "ＯＫ" wherever the focus is (the list
    // passes it on), and Esc closes the report like its close box.
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                command1_->click();
                return;
            case Qt::Key_Escape:
                close();
                return;
            default:
                break;
        }
    }
    QWidget::keyPressEvent(event);
}

}  // namespace zelvano
