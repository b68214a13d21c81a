#include "league/registration.h"

#include <gtest/gtest.h>

#include "league/league_file.h"
#include "support/scripted_user.h"

namespace zelvano {
namespace {

struct Wizard : testing::ScriptedRun {
    // Runs the wizard; `step` acts on the window at every wait.
    void run(const std::function<bool(HeadlessRegistrationWizardView&)>& step) {
        user.onAct = [step](HeadlessPlatform& p) {
            HeadlessRegistrationWizardView* view = p.registrationWizardView();
            return view != nullptr && !view->closed && step(*view);
        };
        registerNewLeague(league, *platform);
    }
};

// Types a team name when the box is empty and a player name for team 1, then presses "進む":
// the rivals' default names are taken as shown.
bool enterDefaults(HeadlessRegistrationWizardView& view) {
    if (view.teamText().empty())
        view.typeTeam("チーム" + view.teamLabel.substr(std::string("チーム名").size()));
    if (view.playerText().empty())
        view.typePlayer("選手" + view.playerLabel.substr(std::string("選手名").size()));
    view.pressForward();
    return true;
}

TEST(RegisterNewLeague, NinetyEntriesMakeASavedNewLeague) {
    Wizard wizard;
    wizard.run(enterDefaults);
    const std::string& bytes = wizard.files->files.at("Jbball.jdt");
    League saved;
    ASSERT_TRUE(parseLeagueFile(bytes, saved).ok);
    EXPECT_EQ(saved.CurrentYear, 0);
    EXPECT_EQ(saved.TeamName[1], "チーム1");
    EXPECT_EQ(saved.TeamName[3], "チーム3");
    EXPECT_EQ(saved.PlayerName[1][30], "選手30");
    EXPECT_EQ(saved.PlayerName[2][1], "Ｂ０１");
    EXPECT_EQ(saved.PlayerName[3][30], "Ｃ３０");
    for (int team = 1; team <= kTeams; ++team) {
        for (int player = 1; player <= kPlayers; ++player) {
            EXPECT_EQ(saved.AtBats[team][player], 10);
            EXPECT_EQ(saved.Hits[team][player], 3);
            EXPECT_EQ(saved.EntryYear[team][player], 0);
        }
    }
    EXPECT_DOUBLE_EQ(battingAverage(saved, 2, 5), 0.3);
    ASSERT_EQ(wizard.user.asked.size(), 2u);
    EXPECT_EQ(wizard.user.asked[0].title, "Zelvano 2004　選手登録ウィザード");
    EXPECT_EQ(wizard.user.asked[1].text,
              "登録は無事完了しました。お疲れ様でした。それではゲームをお楽しみください。");
    EXPECT_TRUE(wizard.league.WizardFinished);
}

TEST(RegisterNewLeague, MissingOrUnstorableNamesAreRefusedWhereTheyAre) {
    struct Case {
        const char* what;
        const char* team;
        const char* player;
        const char* warning;  // the start of the warning, or nullptr when accepted
        const char* stored;
    };
    const Case cases[] = {
        {"no player name", "T", "", "選手名が未入力です。名前を登録してください。", nullptr},
        {"no team name", "", "P", "チーム名が未入力です。チームの名前を登録してください。",
         nullptr},
        {"spaces only", "T", "   ", "選手名が未入力です。", nullptr},
        {"a comma", "T", "山田,太郎", nullptr, "山田，太郎"},
        {"leading spaces", "T", "  鈴木", nullptr, "鈴木"},
        {"outside the code page", "T", "Zoë", "選手名を登録できません。", nullptr},
    };
    for (const Case& c : cases) {
        Wizard wizard;
        bool checked = false;
        wizard.run([&](HeadlessRegistrationWizardView& view) {
            if (checked) return enterDefaults(view);
            checked = true;
            view.typeTeam(c.team);
            view.typePlayer(c.player);
            view.pressForward();
            if (c.warning != nullptr) {
                EXPECT_EQ(view.playerLabel, "選手名1") << c.what;
                EXPECT_EQ(wizard.user.asked.back().title, "Zelvano2004") << c.what;
                EXPECT_EQ(wizard.user.asked.back().text.rfind(c.warning, 0), 0u)
                    << c.what << ": " << wizard.user.asked.back().text;
                view.typeTeam("T");
                view.typePlayer("P");
                view.pressForward();
            }
            return true;
        });
        EXPECT_EQ(wizard.league.PlayerName[1][1], c.stored ? c.stored : "P") << c.what;
    }
}

}  // namespace
}  // namespace zelvano
