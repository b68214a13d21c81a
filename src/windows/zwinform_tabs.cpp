// The six pages of ZWInform, one builder each. Every control stands where the design puts it,
// in twips relative to the tab control, and reports through ZWInform::report.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "windows/fonts.h"
#include "windows/look.h"
#include "windows/qt_text.h"
#include "windows/zwinform.h"
#include "windows/zwinform_layout.h"

namespace zelvano {

namespace {

// The list boxes show columns of full-width and half-width characters.
QListWidget* makeColumnList(QWidget* page, const QRect& geometry, FontFace face) {
    auto* list = new QListWidget(page);  // owned by its page
    list->setGeometry(geometry);
    list->setFont(columnFont(face, 10.5));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

LabelLook titleLook() { return {windowFont(FontFace::Gothic, 12.0, true), std::nullopt}; }

// The owner's tab holds long captions in narrow places; a smaller face keeps them whole.
QFont settingsFont() { return windowFont(FontFace::Gothic, 8.25); }

}  // namespace

void ZWInform::buildRosterTab(QWidget& page) {
    zwwhoLabel1_[0] = makeLabel(&page, pageRect(1080, 840, 4815, 255), titleLook());
    zwwhoLabel2_ = makeLabel(&page, pageRect(7080, 1080, 1335, 180), {settingsFont(), std::nullopt},
                             QStringLiteral("優劣:名球:履歴"));
    zwwhoList1_ = makeColumnList(&page, pageRect(120, 1320, 8535, 3180), FontFace::Gothic);
    zwwhoList1_->installEventFilter(this);
    zwwhoList1_->viewport()->installEventFilter(this);

    const std::array<int, 3> lefts{480, 3120, 5760};
    for (int i = 0; i < 3; ++i) {
        zwwhoCommand1_[i] =
            makeButton(&page, QStringLiteral("Command1"), pageRect(lefts[i], 4800, 2535, 375));
        connect(zwwhoCommand1_[i], &QPushButton::clicked, this, [this, i] {
            report([i](InformationViewEvents& events) { events.ZWwhoCommand1_Click(i); });
        });
    }
}

void ZWInform::buildRankingTab(QWidget& page) {
    rsLabel1_ = makeLabel(&page, pageRect(1080, 840, 4815, 255), titleLook(),
                          QStringLiteral("らんだむ資料館"));
    rsList1_ = makeColumnList(&page, pageRect(120, 1320, 8535, 3390), FontFace::Mincho);

    const std::array<const char*, 5> captions{"打率５０傑", "安打５０傑", "年数５０傑",
                                              "低打率５０貧", "長名５０傑"};
    const std::array<int, 5> lefts{240, 1920, 3600, 5280, 6960};
    for (int i = 0; i < 5; ++i) {
        rsCommand1_[i] =
            makeButton(&page, QString::fromUtf8(captions[i]), pageRect(lefts[i], 4800, 1500, 350));
        connect(rsCommand1_[i], &QPushButton::clicked, this, [this, i] {
            report([i](InformationViewEvents& events) { events.rsCommand1_Click(i); });
        });
    }
}

void ZWInform::buildHallOfFameTab(QWidget& page) {
    zwwhoLabel1_[1] = makeLabel(&page, pageRect(1080, 840, 4815, 255), titleLook(),
                                QStringLiteral("名球会　登録選手一覧"));
    meiList1_ = makeColumnList(&page, pageRect(120, 1320, 8535, 3570), FontFace::Gothic);
    label9_ =
        makeLabel(&page, pageRect(6240, 4920, 2415, 255),
                  {windowFont(FontFace::Gothic, 10.5), std::nullopt}, QStringLiteral("現在　0名"));
    label9_->setAlignment(Qt::AlignRight | Qt::AlignTop);
}

void ZWInform::buildMajorLeagueTab(QWidget& page) {
    label10_ = makeLabel(&page, pageRect(2160, 1200, 4455, 495),
                         {windowFont(FontFace::Gothic, 18.0, true), std::nullopt},
                         QStringLiteral("メジャーリーグ情報"));
    label10_->setAlignment(Qt::AlignCenter);
    kankokuLabel_ = makeLabel(&page, pageRect(360, 2040, 8175, 1215),
                              {windowFont(FontFace::Gothic, 10.5), std::nullopt});
    kankokuLabel_->setWordWrap(true);
}

void ZWInform::buildOwnerTab(QWidget& page) {
    label7_ = makeLabel(&page, pageRect(1800, 960, 5175, 255), titleLook(),
                        QStringLiteral("Zelvano 各種設定"));

    zwsetCheck1_ = new QCheckBox(
        QStringLiteral("試合終了後、しばらく経つと自動的に次の試合に進むようにする"), &page);
    zwsetCheck1_->setGeometry(pageRect(1800, 1440, 5175, 255));
    zwsetCheck1_->setFont(settingsFont());
    connect(zwsetCheck1_, &QCheckBox::clicked, this, [this](bool checked) {
        report([checked](InformationViewEvents& events) { events.zwsetCheck1_Click(checked); });
    });

    // 15 full-width spaces between the two ends of the scale; a 9-pixel face fits it above the
    // slider.
    QFont scaleFont = windowFont(FontFace::Gothic, 6.75);
    label6_ = makeLabel(&page, pageRect(3480, 1800, 3255, 255), {scaleFont, std::nullopt},
                        QStringLiteral("めちゃ速　　　　　　　　　　　　　　　のんびり"));
    label1_ = makeLabel(&page, pageRect(1800, 2040, 1215, 255), {settingsFont(), std::nullopt},
                        QStringLiteral("試合のスピード"));

    hScroll1_ = new QScrollBar(Qt::Horizontal, &page);
    hScroll1_->setGeometry(pageRect(3240, 2040, 3615, 255));
    hScroll1_->setRange(0, 9);
    hScroll1_->setSingleStep(1);
    hScroll1_->setPageStep(2);
    hScroll1_->setFocusPolicy(Qt::StrongFocus);  // the arrow keys move it
    // A scroll bar's keys are inverted for vertical use; here → moves towards "のんびり".
    hScroll1_->setInvertedControls(false);
    hScroll1_->setAccessibleName(QStringLiteral("試合のスピード"));
    connect(hScroll1_, &QScrollBar::valueChanged, this, [this](int value) {
        report([value](InformationViewEvents& events) { events.HScroll1_Change(value); });
    });

    loCommand1_ = makeButton(&page, QStringLiteral("来年度以降の新人選手をスカウト"),
                             pageRect(1800, 2520, 5175, 375));
    connect(loCommand1_, &QPushButton::clicked, this,
            [this] { report([](InformationViewEvents& events) { events.loCommand1_Click(); }); });

    zwsetCheck2_ =
        new QCheckBox(QStringLiteral("チーム名の変更（あまり多用しないことをお勧めします)"), &page);
    zwsetCheck2_->setGeometry(pageRect(1800, 3120, 5175, 255));
    zwsetCheck2_->setFont(settingsFont());
    connect(zwsetCheck2_, &QCheckBox::clicked, this, [this](bool checked) {
        report([checked](InformationViewEvents& events) { events.zwsetCheck2_Click(checked); });
    });

    const std::array<const char*, 3> owners{"あなたのチーム", "ライバルチーム１",
                                            "ライバルチーム２"};
    for (int i = 0; i < 3; ++i) {
        label8_[i] = makeLabel(&page, pageRect(1680, 3600 + 480 * i, 1335, 255),
                               {settingsFont(), std::nullopt}, QString::fromUtf8(owners[i]));
        label8_[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
        zwsetText1_[i] = new QLineEdit(&page);
        zwsetText1_[i]->setGeometry(pageRect(3240, 3480 + 480 * i, 3735, 375));
        zwsetText1_[i]->setFont(windowFont(FontFace::Gothic, 10.5));
        zwsetText1_[i]->setEnabled(false);
        zwsetText1_[i]->setAccessibleName(QString::fromUtf8(owners[i]));
        label8_[i]->setBuddy(zwsetText1_[i]);
        connect(zwsetText1_[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
            report([i, name = toStdString(text)](InformationViewEvents& events) {
                events.zwsetText1_Change(i, name);
            });
        });
    }
}

void ZWInform::buildAboutTab(QWidget& page) {
    label2_ = makeLabel(&page, pageRect(840, 720, 5295, 495),
                        {windowFont(FontFace::Gothic, 20.25, true), std::nullopt},
                        QStringLiteral("Zelvano"));
    const LabelLook small{windowFont(FontFace::Gothic, 9.0), std::nullopt};
    label5_ =
        makeLabel(&page, pageRect(6240, 720, 2415, 255), small, QStringLiteral("品番 ZLV-3T12"));
    label4_ =
        makeLabel(&page, pageRect(6240, 960, 2415, 255), small, QStringLiteral("バージョン 1.0"));
    aboutText1_ = new QPlainTextEdit(&page);
    aboutText1_->setGeometry(pageRect(240, 1320, 8415, 3375));
    aboutText1_->setFont(windowFont(FontFace::Gothic, 10.5));
    aboutText1_->setReadOnly(true);
    aboutText1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    aboutText1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Read-only, yet the keyboard can still reach it to scroll and to select.
    aboutText1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    aboutText1_->setTabChangesFocus(true);
    label3_ = makeLabel(&page, pageRect(240, 4800, 8415, 255), small,
                        QStringLiteral("制作：Zelvano 開発チーム"));
}

}  // namespace zelvano
