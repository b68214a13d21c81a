#pragma once
// Windows without a screen: each view keeps what a window would show, and the press functions
// do what a click would, refusing what a real window would not allow (a hidden or greyed button).

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "platform/views.h"
#include "text/translation.h"

namespace zelvano {

class HeadlessPlatform;

// The events of a scoreboard nobody sits in front of: a game played on its own, outside a
// season, as benchmarks and tests do.
class UnattendedScoreboardEvents final : public ScoreboardEvents {
public:
    void nextPressed() override {}
    void advanceTimerTicked() override {}
    void playersListPressed() override {}
    bool refuseUserClose() override { return true; }
};

class HeadlessScoreboardView final : public ScoreboardView {
public:
    HeadlessScoreboardView(HeadlessPlatform& owner, ScoreboardEvents& events);
    ~HeadlessScoreboardView() override;

    void setWindowState(WindowState state) override { state_ = state; }
    WindowState windowState() const override { return state_; }
    void setCaption(const std::string& text) override { caption = text; }
    void setInning(int number, int top1Bottom2) override {
        inning = number;
        half = top1Bottom2;
    }
    void setScoreLine(const std::string& text) override { scoreLine = text; }
    void setTeamName(int side, const std::string& text) override { teamNames.at(side - 1) = text; }
    void setBatterName(int index, const std::string& text) override { names.at(index) = text; }
    void setBatterFigures(int index, Counter hits, Counter atBats) override {
        figures.at(index) = {hits, atBats};
    }
    void setCurrentBatter(int index) override { currentBatter = index; }
    void setTeamAverage(int side, const std::string& text) override {
        teamAverages.at(side - 1) = text;
    }
    void setStandings(int team, const std::string& name, const std::string& marks) override {
        standingNames.at(team - 1) = name;
        standingMarks.at(team - 1) = marks;
    }
    void show() override { shown = true; }
    void startAdvanceTimer(int milliseconds) override { timerPeriodMs = milliseconds; }
    void showNextButton() override { nextVisible = true; }
    void closeByProgram() override { closed = true; }

    // What the user can do.
    bool pressNext();    // false when "次へ" is hidden
    void tickTimer();    // one tick of the auto-advance timer, when it runs
    bool closeByUser();  // true when the window stayed open

    std::string caption, scoreLine;
    int inning = 0, half = 0;  // of the last setInning; the window shows inningText()
    std::array<std::string, 2> teamNames, teamAverages;
    std::array<std::string, 18> names;
    std::array<std::pair<Counter, Counter>, 18> figures{};  // hits, at-bats
    int currentBatter = -1;                                 // red; every other name white
    std::array<std::string, 3> standingNames, standingMarks;
    bool shown = false, nextVisible = false, closed = false;
    int timerPeriodMs = 0;

private:
    HeadlessPlatform& owner_;
    ScoreboardEvents& events_;
    WindowState state_ = WindowState::Normal;
};

class HeadlessBattingOrderView final : public BattingOrderView {
public:
    HeadlessBattingOrderView(HeadlessPlatform& owner, BattingOrderEvents& events);
    ~HeadlessBattingOrderView() override;

    void setMatchLine(const std::string& text) override { matchLine = text; }
    void setRosterTitle(const std::string& text) override { rosterTitle = text; }
    void setPlayerRow(int index, const std::string& name, int average) override;
    void disablePlayer(int index, bool averageToo) override;
    void setPrompt(const std::string& text) override { prompt = text; }
    void showWholeOrderButton(const std::string& text) override;
    void disableShortcuts() override { sortEnabled = wholeOrderEnabled = false; }
    void hideShortcuts() override { sortVisible = wholeOrderVisible = false; }
    void setCaption(const std::string& text) override { caption = text; }
    void focusPlayer(int index) override;
    void show() override { shown = true; }
    void closeByProgram() override { closed = true; }

    bool pressPlayer(int index);  // false when greyed
    bool doubleClickName(int index);
    bool pressSort();        // "打順の打率順ソート"
    bool pressWholeOrder();  // "前回と同順" / "ベスト打順"
    bool closeByUser();

    // The window's design-time captions, in the game's language as the window shows them.
    std::string caption = text::translated("打者選考"), matchLine, rosterTitle, prompt;
    std::string wholeOrderCaption = text::translated("前回と同順");
    std::array<std::string, 30> names;  // as given, without the two leading spaces
    std::array<int, 30> averages{};
    std::array<bool, 30> buttonEnabled{}, nameEnabled{}, averageEnabled{};
    bool sortEnabled = true, sortVisible = true, wholeOrderVisible = false,
         wholeOrderEnabled = true;
    bool shown = false, closed = false;
    int focusedPlayer = -1;  // index of the player button with the focus, -1 for none

private:
    HeadlessPlatform& owner_;
    BattingOrderEvents& events_;
};

class HeadlessResultsReportView final : public ResultsReportView {
public:
    explicit HeadlessResultsReportView(HeadlessPlatform& owner);
    ~HeadlessResultsReportView() override;

    void setChampionLine(const std::string& text) override { championLine = text; }
    void setTitleCount(const std::string& text) override { titleCount = text; }
    void setTitleRun(const std::string& text) override { titleRun = text; }
    void setTeamAverage(int team, const std::string& name, const std::string& average) override {
        teamNames.at(team - 1) = name;
        teamAverages.at(team - 1) = average;
    }
    void addMvpLine(const std::string& text) override { mvpLines.push_back(text); }
    void show() override { visible = true; }
    bool isVisible() const override { return visible; }

    bool pressOk();  // "ＯＫ", or the close box: both close the report

    // The texts as the window shows them; before the season end fills them, the window's own
    // placeholders.
    std::string championLine = "Label2", titleCount = "Label6", titleRun = "Label7";
    std::array<std::string, 3> teamNames{"Label4", "Label4", "Label4"};
    std::array<std::string, 3> teamAverages{"Label5", "Label5", "Label5"};
    std::vector<std::string> mvpLines;
    bool visible = false;

private:
    HeadlessPlatform& owner_;
};

class HeadlessInformationView final : public InformationView {
public:
    HeadlessInformationView(HeadlessPlatform& owner, InformationEvents& events);
    ~HeadlessInformationView() override;

    void setCurrentTab(int tab) override { currentTab = tab; }
    void setTeamButtons(const std::array<std::string, 3>& names) override { teamButtons = names; }
    void setRosterTitle(const std::string& text) override { rosterTitle = text; }
    void setRosterLines(const std::vector<std::string>& lines) override { rosterLines = lines; }
    void setRankingTitle(const std::string& text) override { rankingTitle = text; }
    void clearRanking() override { rankingLines.clear(); }
    void addRankingLine(const std::string& text) override { rankingLines.push_back(text); }
    void setRankingBusy(bool busy) override { rankingBusy = busy; }
    void setHallOfFameLines(const std::vector<std::string>& lines) override {
        hallOfFameLines = lines;
    }
    void setHallOfFameCount(const std::string& text) override { hallOfFameCount = text; }
    void setMajorLeagueText(const std::string& text) override { majorLeagueText = text; }
    void setSpeed(int value) override { speed = value; }
    void setAutoAdvance(bool checked) override { autoAdvance = checked; }
    void setRenameUnlocked(bool checked) override { renameUnlocked = checked; }
    void setTeamNameText(int index, const std::string& text) override {
        teamNameTexts.at(index) = text;
    }
    void setTeamNamesEnabled(bool enabled) override { teamNamesEnabled = enabled; }
    void setAboutText(const std::string& text) override { aboutText = text; }
    void showNormal() override { shown = true; }
    void showHistory(std::shared_ptr<const HistorySource> source, PlayerId career) override {
        history = std::move(source);
        historyCareer = career;
        ++historyShown;
        // The window fills its first page as it opens.
        history->knownSinceText();
        history->champions();
    }

    // What the user can do; each is refused (false) where the window would not allow it.
    bool selectTab(int tab);
    bool pressTeam(int index);
    bool doubleClickLine(int line);  // -1: no line selected
    bool pressRanking(int index);
    bool moveSlider(int value);
    bool clickAutoAdvance();
    bool clickRename();
    bool typeTeamName(int index, const std::string& text);
    bool pressScout();
    bool pressHistory();         // "リーグの歴史", on the rankings tab
    bool pressCareer(int line);  // "この選手の歩み", on the rosters or the rankings tab
    void closeByUser();

    int currentTab = 0;
    // The buttons' design-time caption, as the window shows it until the teams are named.
    std::array<std::string, 3> teamButtons{"Command1", "Command1", "Command1"};
    std::string rosterTitle, rankingTitle = text::translated("らんだむ資料館"),
                             hallOfFameCount = text::translated("現在　0名");
    std::string majorLeagueText, aboutText;
    std::vector<std::string> rosterLines, rankingLines, hallOfFameLines;
    std::array<std::string, 3> teamNameTexts;
    bool rankingBusy = false, autoAdvance = false, renameUnlocked = false;
    bool teamNamesEnabled = false, shown = false;
    int speed = 0;
    std::shared_ptr<const HistorySource> history;  // of the history window last shown
    PlayerId historyCareer = 0;
    int historyShown = 0;

private:
    HeadlessPlatform& owner_;
    InformationEvents& events_;
};

class HeadlessRegistrationWizardView final : public RegistrationWizardView {
public:
    HeadlessRegistrationWizardView(HeadlessPlatform& owner, RegistrationWizardEvents& events);
    ~HeadlessRegistrationWizardView() override;

    void setTeamLabel(const std::string& text) override { teamLabel = text; }
    void setPlayerLabel(const std::string& text) override { playerLabel = text; }
    void setTeamText(const std::string& text) override { teamText_ = text; }
    std::string teamText() const override { return teamText_; }
    void setPlayerText(const std::string& text) override { playerText_ = text; }
    std::string playerText() const override { return playerText_; }
    void focusTeamText() override { focus = Focus::Team; }
    void focusPlayerText(bool selectAll) override {
        focus = Focus::Player;
        playerSelected = selectAll;
    }
    void show() override { shown = true; }
    void closeByProgram() override { closed = true; }

    void typeTeam(const std::string& text) { teamText_ = text; }
    void typePlayer(const std::string& text) { playerText_ = text; }
    void pressForward() { events_.forwardPressed(); }
    bool closeByUser();

    enum class Focus { Player, Team } focus = Focus::Player;
    std::string teamLabel, playerLabel;
    bool playerSelected = false, shown = false, closed = false;

private:
    HeadlessPlatform& owner_;
    RegistrationWizardEvents& events_;
    std::string teamText_, playerText_;
};

// The opening demo without a screen: every change the demo makes goes to the platform's
// demoSteps, with the milliseconds slept before it ("1000 frame 1", "1100 line 2", ...).
class HeadlessOpeningDemoView final : public OpeningDemoView {
public:
    HeadlessOpeningDemoView(HeadlessPlatform& owner, OpeningDemoEvents& events);
    ~HeadlessOpeningDemoView() override;

    void hideLogo() override { record("hide logo"); }
    void setStageTop(int twips) override { record("top " + std::to_string(twips)); }
    void showFrame(int frame) override { record("frame " + std::to_string(frame)); }
    void showLine(int index) override { record("line " + std::to_string(index)); }
    void setBackground(int red, int green, int blue) override;
    void showEditionLabels() override { record("labels"); }
    void show() override { record("show"); }
    void closeByProgram() override { record("close"); }

    void pressKey(int keyCode, int modifiers) { events_.keyPressed(keyCode, modifiers); }

private:
    void record(const std::string& step);

    HeadlessPlatform& owner_;
    OpeningDemoEvents& events_;
};

}  // namespace zelvano
