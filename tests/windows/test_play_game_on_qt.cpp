// A whole game played by the logic on the real scoreboard: what the user sees, yield by yield.

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "game/play_game.h"
#include "season/scoreboard_presenter.h"
#include "support/test_league.h"
#include "window_fixture.h"
#include "windows/look.h"
#include "windows/scoreboard_window.h"

using namespace zelvano;
using test::control;

namespace {

struct Snapshot {
    QString caption;
    QString inning;
    QString score;
    std::vector<int> red;  // indexes of the name labels shown red
    bool nextVisible = false;

    bool operator==(const Snapshot&) const = default;
};

QLabel* label(const ScoreboardWindow& window, const char* name) {
    return control<QLabel>(window, name);
}
QLabel* label(const ScoreboardWindow& window, const char* name, int index) {
    return control<QLabel>(window, name, index);
}

Snapshot take(const ScoreboardWindow& window) {
    Snapshot shot{window.windowTitle(),
                  label(window, "inningLabel")->text(),
                  label(window, "scoreLabel")->text(),
                  {},
                  control<QPushButton>(window, "nextButton")->isVisible()};
    for (int index = 0; index < 18; ++index) {
        if (background(*label(window, "batterNameLabel", index)) == QColor(255, 0, 0)) {
            shot.red.push_back(index);
        }
    }
    return shot;
}

}  // namespace

class PlayGameOnQtTest : public QObject {
    Q_OBJECT

private slots:
    // Side 1 (ABC) gets five hits in the top of the first, so it scores twice; every other
    // plate appearance is an out. The game ends 2 - 0 after the bottom of the ninth.
    void aScriptedGame() {
        QtPlatform platform(test::memoryParts(std::make_unique<testing::ScriptedRandom>(
                                                  std::vector<float>{0.0f, 0.0f, 0.0f, 0.0f, 0.0f}))
                                .parts);
        League league = testing::testLeague(1, 3);
        league.GameWait = 1;  // a pause with yields after every plate appearance
        InformationPresenter information(league, platform);
        ScoreboardPresenter events(league, platform, information);

        // Every yield lets the recorder look at the scoreboard; it keeps each change.
        std::vector<Snapshot> shots;
        QTimer recorder;
        connect(&recorder, &QTimer::timeout, [&] {
            if (auto* form = test::openWindow<ScoreboardWindow>()) {
                Snapshot shot = take(*form);
                if (shots.empty() || !(shots.back() == shot)) shots.push_back(std::move(shot));
            }
        });
        recorder.start(0);
        const auto view = playGame(league, platform, events);
        recorder.stop();
        auto* form = dynamic_cast<ScoreboardWindow*>(view.get());
        QVERIFY(form != nullptr);
        QVERIFY(!shots.empty());

        // Shown already filled, before the first inning text.
        QCOMPARE(shots.front().caption, QStringLiteral("Zelvano"));
        QCOMPARE(shots.front().score, QStringLiteral("A 0 - 0 G"));
        QVERIFY(shots.front().red.empty());
        QCOMPARE(label(*form, "teamNameLabel", 0)->text(), QStringLiteral("ABC"));
        QCOMPARE(label(*form, "teamNameLabel", 1)->text(), QStringLiteral("GHI"));
        QCOMPARE(label(*form, "teamAverageLabel", 0)->text(), QStringLiteral("平均：300"));
        QCOMPARE(label(*form, "teamAverageLabel", 1)->text(), QStringLiteral("平均：300"));
        QCOMPARE(label(*form, "batterNameLabel", 0)->text(),
                 QString::fromStdString(league.PlayerName[1][1]));
        QCOMPARE(label(*form, "batterNameLabel", 17)->text(),
                 QString::fromStdString(league.PlayerName[3][9]));

        // The score line keeps its one-character form until the first run.
        std::vector<QString> scores;
        for (const Snapshot& shot : shots) {
            if (scores.empty() || scores.back() != shot.score) scores.push_back(shot.score);
        }
        QCOMPARE(scores,
                 (std::vector<QString>{QStringLiteral("A 0 - 0 G"), QStringLiteral("AB 1 - 0 GH"),
                                       QStringLiteral("AB 2 - 0 GH")}));

        // At most one name is red, and only on the side at bat; the caption follows the inning.
        for (std::size_t i = 1; i < shots.size(); ++i) {
            const Snapshot& shot = shots[i];
            QVERIFY(shot.red.size() <= 1);
            QVERIFY(!shot.nextVisible);
            if (shot.inning.isEmpty()) continue;
            QCOMPARE(shot.caption, shot.inning);
            if (!shot.red.empty()) {
                const bool top = shot.inning.endsWith(QStringLiteral("表"));
                QVERIFY2(top ? shot.red[0] < 9 : shot.red[0] >= 9, qPrintable(shot.inning));
            }
        }

        // Between half-innings no name is red: exactly at the eighteen starts of a half.
        std::vector<QString> quiet;
        for (const Snapshot& shot : shots) {
            if (shot.red.empty()) quiet.push_back(shot.caption);
        }
        std::vector<QString> starts{QStringLiteral("Zelvano")};
        for (int inning = 1; inning <= 9; ++inning) {
            starts.push_back(QString::number(inning) + QStringLiteral("回表"));
            if (inning < 9) starts.push_back(QString::number(inning) + QStringLiteral("回裏"));
        }
        QCOMPARE(quiet, starts);

        // The batters in order: slots 1-8 in the top of the first (five hits, three outs), 1-3
        // of side 2, then side 1 goes on with slot 9.
        std::vector<int> batters;
        for (const Snapshot& shot : shots) {
            if (!shot.red.empty() && (batters.empty() || batters.back() != shot.red[0])) {
                batters.push_back(shot.red[0]);
            }
        }
        const std::vector<int> expectedStart{0,  1,  2, 3, 4, 5,  6,  7, 9,
                                             10, 11, 8, 0, 1, 12, 13, 14};
        QVERIFY(batters.size() >= expectedStart.size());
        QCOMPARE(std::vector<int>(batters.begin(), batters.begin() + 17), expectedStart);

        // The end: the last inning text and the final score stay, every name white, the averages
        // are the batters' careers including this game.
        QVERIFY(form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("9回裏"));
        QCOMPARE(label(*form, "inningLabel")->text(), QStringLiteral("9回裏"));
        QCOMPARE(label(*form, "scoreLabel")->text(), QStringLiteral("AB 2 - 0 GH"));
        QVERIFY(control<QPushButton>(*form, "nextButton")->isHidden());
        for (int index = 0; index < 18; ++index) {
            QVERIFY(background(*label(*form, "batterNameLabel", index)) != QColor(255, 0, 0));
        }
        for (int side = 1; side <= 2; ++side) {
            for (int slot = 1; slot <= 9; ++slot) {
                const int team = side == 1 ? 1 : 3;
                const int player = league.BattingOrder[side][slot];
                QCOMPARE(label(*form, "batterAverageLabel", batterLabelIndex(side, slot))->text(),
                         QString::number(displayedAverage(league, team, player)));
            }
        }
        QCOMPARE(league.LastWinner, 1);
        QCOMPARE(league.LastLoser, 3);
        QCOMPARE(league.Hits[1][1], 4);  // the lead-off man's hit counts in his career
    }
};

QTEST_MAIN(PlayGameOnQtTest)
#include "test_play_game_on_qt.moc"
