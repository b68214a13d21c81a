// The six pages of the information window, one builder each. Every control stands where the
// design puts it, in twips relative to the tab control, and reports through
// InformationWindow::report.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "windows/elided_label.h"
#include "windows/fitted_caption.h"
#include "windows/fonts.h"
#include "windows/information_window.h"
#include "windows/information_window_layout.h"
#include "windows/language_choice.h"
#include "windows/look.h"
#include "windows/qt_text.h"
#include "windows/window_text.h"

namespace zelvano {

namespace {

// The list boxes show columns of full-width and half-width characters.
QListWidget* makeColumnList(QWidget* page, const QRect& geometry, FontFace face,
                            const QString& name) {
    auto* list = new QListWidget(page);  // owned by its page
    list->setObjectName(name);
    list->setGeometry(geometry);
    list->setFont(columnFont(face, 10.5));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

// A label with a name the tests find it by; a caption longer than its place is cut with "…".
ElidedLabel* makeNamedLabel(QWidget* page, const QRect& geometry, const LabelLook& look,
                            const QString& name, const QString& caption = QString()) {
    ElidedLabel* label = makeNameLabel(page, geometry, look, caption);
    label->setObjectName(name);
    return label;
}

// A check box whose caption is cut with "…" when a translation makes it too long.
QCheckBox* makeCheckBox(QWidget* page, const QString& name, const QRect& geometry,
                        const QFont& font, const QString& caption) {
    auto* box = new QCheckBox(page);  // owned by its page
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(font);
    setFittedCaption(*box, caption);
    return box;
}

LabelLook titleLook() { return {windowFont(FontFace::Gothic, 12.0, true), std::nullopt}; }

// The owner's tab holds long captions in narrow places; a smaller face keeps them whole.
QFont settingsFont() { return windowFont(FontFace::Gothic, 8.25); }

}  // namespace

void InformationWindow::buildRosterTab(QWidget& page) {
    // A team's name and "登録選手一覧表" take the width up to the legend; a longer one is cut
    // with "…".
    rosterTitleLabel_ = makeNameLabel(&page, pageRect(1080, 840, 5940, 255), titleLook());
    rosterTitleLabel_->setObjectName(QStringLiteral("rosterTitleLabel"));
    // The legend stands over the three mark columns it names, a word over each; a 9-pixel face
    // keeps its words about as far apart as the columns. It moves over them once the list has
    // its lines (InformationWindow::placeMarksLegend).
    rosterMarksLabel_ = makeNamedLabel(
        &page, pageRect(7080, 1080, 1335, 180), {windowFont(FontFace::Gothic, 6.75), std::nullopt},
        QStringLiteral("rosterMarksLabel"), uiText("優劣:名球:履歴"));
    rosterMarksLabel_->setAccessibleDescription(uiText("一覧の右端の三つの印"));
    rosterList_ = makeColumnList(&page, pageRect(120, 1320, 8535, 3180), FontFace::Gothic,
                                 QStringLiteral("rosterList"));
    rosterList_->setAccessibleName(uiText("現役選手一覧"));
    rosterList_->setAccessibleDescription(
        uiText("選手を選んで Enter かダブルクリックで、その選手の個人データを表示します"));
    rosterList_->installEventFilter(this);
    rosterList_->viewport()->installEventFilter(this);

    // The team buttons show their design-time caption "Command1" until the teams are named.
    const std::array<int, 3> lefts{480, 3120, 5760};
    for (int i = 0; i < 3; ++i) {
        teamButtons_[i] =
            makeButton(&page, QStringLiteral("Command1"), pageRect(lefts[i], 4800, 2535, 375));
        teamButtons_[i]->setObjectName(QStringLiteral("teamButton%1").arg(i));
        teamButtons_[i]->setAccessibleDescription(uiText("このチームの登録選手一覧を表示します"));
        connect(teamButtons_[i], &QPushButton::clicked, this,
                [this, i] { report([i](InformationEvents& events) { events.teamPressed(i); }); });
    }
}

void InformationWindow::buildRankingTab(QWidget& page) {
    rankingTitleLabel_ =
        makeNamedLabel(&page, pageRect(1080, 840, 4815, 255), titleLook(),
                       QStringLiteral("rankingTitleLabel"), uiText("らんだむ資料館"));
    rankingList_ = makeColumnList(&page, pageRect(120, 1320, 8535, 3390), FontFace::Mincho,
                                  QStringLiteral("rankingList"));
    rankingList_->setAccessibleName(rankingTitleLabel_->fullText());
    rankingList_->setAccessibleDescription(uiText("リーグ全体のランキング"));

    // Narrow buttons: their captions are translated apart from the rankings' titles.
    const std::array<QString, 5> captions{
        uiTextIn("ranking button", "打率５０傑"), uiTextIn("ranking button", "安打５０傑"),
        uiTextIn("ranking button", "年数５０傑"), uiTextIn("ranking button", "低打率５０貧"),
        uiTextIn("ranking button", "長名５０傑")};
    const std::array<QString, 5> descriptions{uiText("打率５０傑をリーグ全体から選びます"),
                                              uiText("安打５０傑をリーグ全体から選びます"),
                                              uiText("年数５０傑をリーグ全体から選びます"),
                                              uiText("低打率５０貧をリーグ全体から選びます"),
                                              uiText("長名５０傑をリーグ全体から選びます")};
    const std::array<int, 5> lefts{240, 1920, 3600, 5280, 6960};
    for (int i = 0; i < 5; ++i) {
        rankingButtons_[i] =
            makeFittedButton(&page, captions[i], pageRect(lefts[i], 4800, 1500, 350));
        rankingButtons_[i]->setObjectName(QStringLiteral("rankingButton%1").arg(i));
        rankingButtons_[i]->setAccessibleDescription(descriptions[i]);
        connect(rankingButtons_[i], &QPushButton::clicked, this, [this, i] {
            report([i](InformationEvents& events) { events.rankingPressed(i); });
        });
    }
}

void InformationWindow::buildHallOfFameTab(QWidget& page) {
    makeNamedLabel(&page, pageRect(1080, 840, 4815, 255), titleLook(),
                   QStringLiteral("hallOfFameTitleLabel"), uiText("名球会　登録選手一覧"));
    hallOfFameList_ = makeColumnList(&page, pageRect(120, 1320, 8535, 3570), FontFace::Gothic,
                                     QStringLiteral("hallOfFameList"));
    hallOfFameList_->setAccessibleName(uiText("名球会　登録選手一覧"));
    hallOfFameCountLabel_ = makeNamedLabel(
        &page, pageRect(6240, 4920, 2415, 255), {windowFont(FontFace::Gothic, 10.5), std::nullopt},
        QStringLiteral("hallOfFameCountLabel"), uiText("現在　0名"));
    hallOfFameCountLabel_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    hallOfFameList_->setAccessibleDescription(hallOfFameCountLabel_->fullText());
}

void InformationWindow::buildMajorLeagueTab(QWidget& page) {
    QLabel* title =
        makeNamedLabel(&page, pageRect(2160, 1200, 4455, 495),
                       {windowFont(FontFace::Gothic, 18.0, true), std::nullopt},
                       QStringLiteral("majorLeagueTitleLabel"), uiText("メジャーリーグ情報"));
    title->setAlignment(Qt::AlignCenter);
    // The news is several lines, wrapped.
    majorLeagueLabel_ = makeLabel(&page, pageRect(360, 2040, 8175, 1215),
                                  {windowFont(FontFace::Gothic, 10.5), std::nullopt});
    majorLeagueLabel_->setObjectName(QStringLiteral("majorLeagueLabel"));
    majorLeagueLabel_->setWordWrap(true);
}

void InformationWindow::buildOwnerTab(QWidget& page) {
    makeNamedLabel(&page, pageRect(1800, 960, 5175, 255), titleLook(),
                   QStringLiteral("settingsTitleLabel"), uiText("Zelvano 各種設定"));

    autoAdvanceCheck_ = makeCheckBox(
        &page, QStringLiteral("autoAdvanceCheck"), pageRect(1800, 1440, 5175, 255), settingsFont(),
        uiText("試合終了後、しばらく経つと自動的に次の試合に進むようにする"));
    connect(autoAdvanceCheck_, &QCheckBox::clicked, this, [this](bool checked) {
        report([checked](InformationEvents& events) { events.autoAdvanceClicked(checked); });
    });

    // 15 full-width spaces between the two ends of the scale; a 9-pixel face fits it above the
    // slider.
    QFont scaleFont = windowFont(FontFace::Gothic, 6.75);
    // Translators: the two ends of the speed scale, kept apart by spaces so that each stands
    // over its end of the slider: as wide as the Japanese, 46 half-width columns.
    makeNamedLabel(&page, pageRect(3480, 1800, 3255, 255), {scaleFont, std::nullopt},
                   QStringLiteral("speedScaleLabel"),
                   uiText("めちゃ速　　　　　　　　　　　　　　　のんびり"));
    makeNamedLabel(&page, pageRect(1800, 2040, 1215, 255), {settingsFont(), std::nullopt},
                   QStringLiteral("speedLabel"), uiText("試合のスピード"));

    speedSlider_ = new QScrollBar(Qt::Horizontal, &page);
    speedSlider_->setObjectName(QStringLiteral("speedSlider"));
    speedSlider_->setGeometry(pageRect(3240, 2040, 3615, 255));
    speedSlider_->setRange(0, 9);
    speedSlider_->setSingleStep(1);
    speedSlider_->setPageStep(2);
    speedSlider_->setFocusPolicy(Qt::StrongFocus);  // the arrow keys move it
    // A scroll bar's keys are inverted for vertical use; here → moves towards "のんびり".
    speedSlider_->setInvertedControls(false);
    speedSlider_->setAccessibleName(uiText("試合のスピード"));
    speedSlider_->setAccessibleDescription(
        uiText("左の端がめちゃ速、右の端がのんびり。矢印キーで変わります"));
    connect(speedSlider_, &QScrollBar::valueChanged, this, [this](int value) {
        report([value](InformationEvents& events) { events.speedChanged(value); });
    });

    QPushButton* scout = makeFittedButton(&page, uiText("来年度以降の新人選手をスカウト"),
                                          pageRect(1800, 2520, 5175, 375));
    scout->setObjectName(QStringLiteral("scoutButton"));
    scout->setAccessibleDescription(
        uiText("来年度以降に入団する新人選手の名前の一覧を、テキストエディタで開きます"));
    connect(scout, &QPushButton::clicked, this,
            [this] { report([](InformationEvents& events) { events.scoutPressed(); }); });

    renameCheck_ =
        makeCheckBox(&page, QStringLiteral("renameCheck"), pageRect(1800, 3120, 5175, 255),
                     settingsFont(), uiText("チーム名の変更（あまり多用しないことをお勧めします)"));
    connect(renameCheck_, &QCheckBox::clicked, this, [this](bool checked) {
        report([checked](InformationEvents& events) { events.renameUnlockClicked(checked); });
    });

    const std::array<const char*, 3> owners{text::textToTranslate("あなたのチーム"),
                                            text::textToTranslate("ライバルチーム１"),
                                            text::textToTranslate("ライバルチーム２")};
    for (int i = 0; i < 3; ++i) {
        QLabel* owner = makeNamedLabel(
            &page, pageRect(1680, 3600 + 480 * i, 1335, 255), {settingsFont(), std::nullopt},
            QStringLiteral("teamOwnerLabel%1").arg(i), uiText(owners[i]));
        owner->setAlignment(Qt::AlignRight | Qt::AlignTop);
        QLineEdit* edit = new QLineEdit(&page);  // owned by its page
        edit->setObjectName(QStringLiteral("teamNameEdit%1").arg(i));
        edit->setGeometry(pageRect(3240, 3480 + 480 * i, 3735, 375));
        edit->setFont(windowFont(FontFace::Gothic, 10.5));
        edit->setEnabled(false);
        edit->setAccessibleName(uiText(owners[i]));
        edit->setAccessibleDescription(
            uiText("「チーム名の変更」にチェックを入れると変えられます"));
        owner->setBuddy(edit);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            report([i, name = toStdString(text)](InformationEvents& events) {
                events.teamNameEdited(i, name);
            });
        });
        teamNameEdits_[i] = edit;
    }

    // The game's language, in a row of its own under the team names.
    if (settings_ != nullptr) {
        addLanguageChoice(page, *settings_,
                          {pageRect(1680, 4980, 1335, 255), pageRect(3240, 4860, 2295, 330),
                           pageRect(5640, 4980, 3255, 255)},
                          settingsFont());
    }
}

void InformationWindow::buildAboutTab(QWidget& page) {
    makeNamedLabel(&page, pageRect(840, 720, 5295, 495),
                   {windowFont(FontFace::Gothic, 20.25, true), std::nullopt},
                   QStringLiteral("aboutTitleLabel"), QStringLiteral("Zelvano"));
    const LabelLook small{windowFont(FontFace::Gothic, 9.0), std::nullopt};
    makeNamedLabel(&page, pageRect(6240, 720, 2415, 255), small, QStringLiteral("productLabel"),
                   uiText("品番 ZLV-3T12"));
    makeNamedLabel(&page, pageRect(6240, 960, 2415, 255), small, QStringLiteral("versionLabel"),
                   uiText("バージョン 1.0"));
    aboutText_ = new QPlainTextEdit(&page);
    aboutText_->setObjectName(QStringLiteral("aboutText"));
    aboutText_->setAccessibleName(uiText("Zelvanoについて"));
    aboutText_->setGeometry(pageRect(240, 1320, 8415, 3375));
    aboutText_->setFont(windowFont(FontFace::Gothic, 10.5));
    aboutText_->setReadOnly(true);
    aboutText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    aboutText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Read-only, yet the keyboard can still reach it to scroll and to select.
    aboutText_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    aboutText_->setTabChangesFocus(true);
    makeNamedLabel(&page, pageRect(240, 4800, 8415, 255), small, QStringLiteral("creditsLabel"),
                   uiText("制作：Zelvano 開発チーム"));
}

}  // namespace zelvano
