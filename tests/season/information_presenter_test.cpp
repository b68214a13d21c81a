#include "season/information_presenter.h"

#include <gtest/gtest.h>

#include "league/settings_keys.h"
#include "season/major_league_loan.h"
#include "season/personal_data.h"
#include "support/scripted_user.h"
#include "support/test_league.h"
#include "text/cp932.h"

namespace zelvano {
namespace {

TEST(PersonalData, FiguresAndCategories) {
    struct Case {
        const char* what;
        Counter hits, atBats, entryYear, year;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"exactly .300 qualifies and is poor", 102, 340, 0, 5,
         "Ａ０１は、0年入団以来、5年間で、340打数102安打、打率.3で活躍中です。\n"
         "名球会に入会資格があります。\n打率が芳しくありません。劣等選手です。\n"
         "創世期からの選手です。"},
        {"exactly .500 is not outstanding", 50, 100, 2, 4,
         "Ａ０１は、2年入団以来、2年間で、100打数50安打、打率.5で活躍中です。"},
        {"above .500, a veteran of 31 years", 5001, 10000, 3, 34,
         "Ａ０１は、3年入団以来、31年間で、10000打数5001安打、打率.5001で活躍中です。\n"
         "名球会に入会資格があります。\n打率が5割以上の優秀選手です。\n"
         "1000安打以上の超優秀選手です。ベテラン選手です。"},
        {"30 years is not yet a veteran", 40, 100, 3, 33,
         "Ａ０１は、3年入団以来、30年間で、100打数40安打、打率.4で活躍中です。"},
        {"a founder is never a veteran", 40, 100, 0, 40,
         "Ａ０１は、0年入団以来、40年間で、100打数40安打、打率.4で活躍中です。\n"
         "創世期からの選手です。"},
        {"no hits, nothing shown", 0, 100, 0, 3, ""},
    };
    for (const Case& c : cases) {
        League league = testing::testLeague();
        league.CurrentYear = c.year;
        league.Hits[1][1] = c.hits;
        league.AtBats[1][1] = c.atBats;
        league.EntryYear[1][1] = c.entryYear;
        EXPECT_EQ(personalDataText(league, 1, 1), c.text) << c.what;
    }
}

// The information window in a scripted run, opened from the scoreboard's button.
struct Opened {
    testing::ScriptedRun run;
    InformationPresenter window{run.league, *run.platform};
    Opened() {
        run.league = testing::testLeague();
        window.openPlayersList();
    }
    HeadlessInformationView& view() { return *run.platform->informationView(); }
};

TEST(InformationPresenter, OpensOnTeamOnesRosterAndLooksUpPlayers) {
    Opened opened;
    HeadlessInformationView& view = opened.view();
    EXPECT_TRUE(view.shown);
    EXPECT_EQ(view.currentTab, 0);
    EXPECT_EQ(view.teamButtons, (std::array<std::string, 3>{"ABC", "DEF", "GHI"}));
    EXPECT_EQ(view.rosterTitle, "ABC登録選手一覧表");
    ASSERT_EQ(view.rosterLines.size(), 30u);

    opened.run.league.PlayerName[3][5] = "Ｃ０５";
    view.pressTeam(2);
    view.doubleClickLine(4);
    view.doubleClickLine(-1);  // no line selected: nothing
    EXPECT_EQ(view.rosterTitle, "GHI登録選手一覧表");
    ASSERT_EQ(opened.run.user.asked.size(), 1u);
    EXPECT_EQ(opened.run.user.asked[0].title, "Zelvano／Personal Data");
    EXPECT_TRUE(opened.run.user.asked[0].text.starts_with("Ｃ０５は、"));
}

TEST(InformationPresenter, HallOfFameTab) {
    Opened opened;
    HeadlessInformationView& view = opened.view();
    view.selectTab(2);
    EXPECT_EQ(view.hallOfFameLines,
              std::vector<std::string>{"現在、名球会に登録されている引退選手はいません。"});
    EXPECT_EQ(view.hallOfFameCount, "現在　0名");
    opened.run.files->files["Jbball.Mei"] =
        *text::encodeCp932("A(1年度入団)【301安打】\r\nB,C\r\n");
    view.selectTab(2);
    view.selectTab(2);  // rebuilt, not appended to
    EXPECT_EQ(view.hallOfFameLines.size(), 3u);
    EXPECT_EQ(view.hallOfFameCount, "現在3名");
}

TEST(InformationPresenter, OwnerSettings) {
    Opened opened;
    HeadlessInformationView& view = opened.view();
    SettingsStore& settings = opened.run.platform->settings();
    settings.write(kAutoAdvanceKey, "on");  // only "ON" counts
    view.selectTab(4);
    EXPECT_EQ(view.speed, 0);
    EXPECT_FALSE(view.autoAdvance);
    EXPECT_FALSE(view.teamNamesEnabled);
    EXPECT_EQ(view.teamNameTexts[1], "DEF");

    view.moveSlider(9);
    view.clickAutoAdvance();
    EXPECT_EQ(opened.run.league.GameWait, 9);
    EXPECT_EQ(settings.read(kGameSpeedKey), "9");
    EXPECT_EQ(settings.read(kAutoAdvanceKey), "ON");

    EXPECT_FALSE(view.typeTeamName(0, "X"));  // locked until the box is ticked
    view.clickRename();
    struct Typed {
        std::string typed, kept;
    };
    // A comma would split the name in the league file; a tab cannot be kept at all.
    for (const Typed& t : {Typed{"Lions,", "Lions，"}, Typed{"Lions，\t", "Lions，"}, Typed{"", ""},
                           Typed{"獅子", "獅子"}}) {
        view.typeTeamName(0, t.typed);
        EXPECT_EQ(opened.run.league.TeamName[1], t.kept) << t.typed;
        EXPECT_EQ(view.teamNameTexts[0], t.kept) << t.typed;
    }
    view.selectTab(4);  // locked again, with the new name
    EXPECT_FALSE(view.renameUnlocked);
    EXPECT_FALSE(view.teamNamesEnabled);
    EXPECT_EQ(view.teamNameTexts[0], "獅子");
    EXPECT_EQ(view.teamButtons[0], "ABC");  // the buttons change only when the window reopens
}

TEST(InformationPresenter, ScoutingListInTheEditor) {
    for (const bool editor : {true, false}) {
        Opened opened;
        opened.run.platform->editorAvailable = editor;
        opened.view().selectTab(4);
        opened.view().pressScout();
        const auto& asked = opened.run.user.asked;
        ASSERT_EQ(asked.size(), editor ? 1u : 2u);
        EXPECT_EQ(asked[0].title, "Zelvano / 新人スカウト");
        EXPECT_TRUE(asked[0].text.ends_with("自動的に上から入団していきます。"));
        EXPECT_EQ(opened.run.files->files.at("Z02MEM.TXT"), "");  // made empty for the editor
        EXPECT_EQ(opened.run.platform->lastEditorFile, "Z02MEM.TXT");
        if (!editor) {  // told when no editor opened the list, with where it is
            EXPECT_EQ(asked[1].title, "Zelvano / 新人スカウト");
            EXPECT_TRUE(asked[1].text.starts_with("テキストエディターを起動できませんでした。"));
            EXPECT_NE(asked[1].text.find("「Z02MEM.TXT」"), std::string::npos);
        }
    }
}

TEST(InformationPresenter, ClosingInTheMiddleOfARankingAbandonsIt) {
    Opened opened;
    opened.view().selectTab(1);
    int yields = 0;
    opened.run.platform->onYield = [&] {
        if (++yields == 500) opened.view().closeByUser();
    };
    opened.view().pressRanking(0);
    EXPECT_FALSE(opened.window.isOpen());
    EXPECT_EQ(yields, 500);

    opened.run.platform->onYield = nullptr;
    opened.window.openPlayersList();  // a new window, on the roster, with no list yet
    EXPECT_EQ(opened.view().currentTab, 0);
    EXPECT_EQ(opened.view().rankingTitle, "らんだむ資料館");
    opened.view().selectTab(1);
    opened.view().pressRanking(0);
    EXPECT_EQ(opened.view().rankingLines.size(), 50u);
    EXPECT_FALSE(opened.view().rankingBusy);
}

TEST(InformationPresenter, MajorLeagueAndAboutTabs) {
    Opened opened;
    opened.view().selectTab(3);
    EXPECT_EQ(opened.view().majorLeagueText, "メジャーリーグへは誰も派遣されていません。");
    opened.view().selectTab(5);
    const std::string about = opened.view().aboutText;
    opened.view().selectTab(5);
    EXPECT_EQ(opened.view().aboutText, about);  // rebuilt, not appended
    EXPECT_TRUE(about.ends_with("\r\n"));
}

// 「この選手の歩み」 that finds no career to show says why, and what to do instead.
TEST(InformationPresenter, ACareerPressWithoutACareerSaysWhy) {
    struct Case {
        const char* what;
        int line;
        std::string name;
        PlayerId id;
        std::string told;
    };
    const Case cases[] = {
        {"no line picked", -1, "Ａ０５", 5, "先に一覧で選手を選んでから"},
        {"a line beyond the roster", 30, "Ａ０５", 5, "先に一覧で選手を選んでから"},
        {"a player away in the major leagues", 4, kMajorLeaguePlaceholder, 0,
         "大リーグでプレー中です"},
        {"an empty slot", 4, "", 0, "この枠には選手がいません"},
        {"a player, in a league without a history", 4, "Ａ０５", 5,
         "リーグの歴史は記録されていません"},
    };
    for (const Case& c : cases) {
        Opened opened;
        opened.run.league.PlayerName[1][5] = c.name;
        opened.run.league.PlayerIds[1][5] = c.id;
        opened.view().pressCareer(c.line);
        ASSERT_EQ(opened.run.user.asked.size(), 1u) << c.what;
        EXPECT_NE(opened.run.user.asked[0].text.find(c.told), std::string::npos)
            << c.what << ": " << opened.run.user.asked[0].text;
    }
}

}  // namespace
}  // namespace zelvano
