#include "windows/registration_wizard_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <array>

#include "windows/baseball_icon.h"
#include "windows/centre_window.h"
#include "windows/elided_label.h"
#include "windows/fonts.h"
#include "windows/look.h"
#include "windows/qt_text.h"
#include "windows/twips.h"
#include "windows/window_text.h"

namespace zelvano {

namespace {

constexpr int kWidth = 6780;
constexpr int kHeight = 1875;

// The entries' rows: a label, then its box up to the same right edge. A label never takes more
// than this, whatever its text.
constexpr int kLabelLeft = 120;
constexpr int kLabelWidth = 1095;
constexpr int kBoxLeft = 1320;
constexpr int kBoxWidth = 5295;
constexpr int kWidestLabel = 2400;
constexpr std::array<int, 2> kRowTops{120, 720};
constexpr int kRowHeight = 375;

QLineEdit* makeTextBox(QWidget* parent, const QRect& geometry, const QString& name) {
    auto* box = new QLineEdit(parent);  // owned by its window
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(windowFont(FontFace::Gothic, 12.0));
    return box;
}

}  // namespace

RegistrationWizardWindow::RegistrationWizardWindow(RegistrationWizardEvents& events)
    : events_(events) {
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    setWindowTitle(uiText("Zelvano 2002　選手登録ウィザード"));
    setWindowIcon(baseballIcon());

    const LabelLook look{windowFont(FontFace::Gothic, 12.0), std::nullopt};
    teamLabel_ = makeNameLabel(this, QRect(), look);
    teamLabel_->setObjectName(QStringLiteral("teamLabel"));
    teamLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    teamNameEdit_ = makeTextBox(this, QRect(), QStringLiteral("teamNameEdit"));
    playerLabel_ = makeNameLabel(this, QRect(), look);
    playerLabel_->setObjectName(QStringLiteral("playerLabel"));
    playerLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    playerNameEdit_ = makeTextBox(this, QRect(), QStringLiteral("playerNameEdit"));
    placeEntries();
    // Each button is read by its name alone, without the arrows and the mnemonic.
    backButton_ =
        makeFittedButton(this, uiText("＜＜　戻る　(&B)"), twipsRect(1320, 1320, 1815, 375));
    backButton_->setObjectName(QStringLiteral("backButton"));
    backButton_->setAccessibleName(uiTextIn("wizard button", "戻る"));
    backButton_->setAccessibleDescription(uiText("一つ前の名前に戻ります"));
    forwardButton_ =
        makeFittedButton(this, uiText("進む　(&F)  ＞＞"), twipsRect(4800, 1320, 1815, 375));
    forwardButton_->setObjectName(QStringLiteral("forwardButton"));
    forwardButton_->setAccessibleName(uiTextIn("wizard button", "進む"));
    forwardButton_->setAccessibleDescription(uiText("入力した名前で次の名前に進みます"));
    // Each box is read by the label in front of it ("チーム名1", "選手名12"), which changes
    // with every entry.
    teamLabel_->setBuddy(teamNameEdit_);
    playerLabel_->setBuddy(playerNameEdit_);

    // The player name comes first: most entries change only it.
    setTabOrder(playerNameEdit_, forwardButton_);
    setTabOrder(forwardButton_, backButton_);
    setTabOrder(backButton_, teamNameEdit_);
    playerNameEdit_->setFocus(Qt::OtherFocusReason);
    playerNameEdit_->installEventFilter(this);

    connect(forwardButton_, &QPushButton::clicked, this, [this] { events_.forwardPressed(); });
    connect(backButton_, &QPushButton::clicked, this, [this] { events_.backPressed(); });

    centreWindow(*this);
}

bool RegistrationWizardWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == playerNameEdit_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter in the player name is not a character: it moves on to "進む", and a second
            // Enter presses it.
            forwardButton_->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return ClosableWindow::eventFilter(watched, event);
}

void RegistrationWizardWindow::placeEntries() {
    // The labels stand where the design puts them while their texts fit, as the Japanese do; a
    // longer one (a translation's "Player name 12") widens both, and the boxes give the room up
    // from their left.
    const QRect label = twipsRect(kLabelLeft, kRowTops[0], kLabelWidth, kRowHeight);
    const QRect box = twipsRect(kBoxLeft, kRowTops[0], kBoxWidth, kRowHeight);
    int needed = 0;
    for (const ElidedLabel* each : {teamLabel_, playerLabel_}) {
        // The text and the label's own margins.
        needed = std::max(needed, each->fontMetrics().horizontalAdvance(each->fullText()) +
                                      each->width() - each->contentsRect().width());
    }
    const int width = std::clamp(needed, label.width(), twipsToPixels(kWidestLabel));
    const int boxLeft = box.left() + (width - label.width());
    for (std::size_t row = 0; row < kRowTops.size(); ++row) {
        const int top = twipsRect(kLabelLeft, kRowTops[row], kLabelWidth, kRowHeight).top();
        (row == 0 ? teamLabel_ : playerLabel_)
            ->setGeometry(label.left(), top, width, label.height());
        (row == 0 ? teamNameEdit_ : playerNameEdit_)
            ->setGeometry(boxLeft, top, box.right() + 1 - boxLeft, box.height());
    }
}

// A box is read by its label's whole text, also when the label shows it cut.
void RegistrationWizardWindow::setTeamLabel(const std::string& text) {
    teamLabel_->setFullText(toQString(text));
    teamNameEdit_->setAccessibleName(teamLabel_->fullText());
    placeEntries();
}

void RegistrationWizardWindow::setPlayerLabel(const std::string& text) {
    playerLabel_->setFullText(toQString(text));
    playerNameEdit_->setAccessibleName(playerLabel_->fullText());
    placeEntries();
}

void RegistrationWizardWindow::setTeamText(const std::string& text) {
    teamNameEdit_->setText(toQString(text));
}

std::string RegistrationWizardWindow::teamText() const {
    return toStdString(teamNameEdit_->text());
}

void RegistrationWizardWindow::setPlayerText(const std::string& text) {
    playerNameEdit_->setText(toQString(text));
}

std::string RegistrationWizardWindow::playerText() const {
    return toStdString(playerNameEdit_->text());
}

void RegistrationWizardWindow::focusTeamText() { teamNameEdit_->setFocus(Qt::OtherFocusReason); }

void RegistrationWizardWindow::focusPlayerText(bool selectAll) {
    playerNameEdit_->setFocus(Qt::OtherFocusReason);
    if (selectAll) playerNameEdit_->selectAll();
}

void RegistrationWizardWindow::show() { QWidget::show(); }

void RegistrationWizardWindow::closeByProgram() { closeFromProgram(); }

bool RegistrationWizardWindow::refuseUserClose() { return events_.refuseUserClose(); }

}  // namespace zelvano
