#pragma once
// What the logic needs of each window, and the events each window reports back. The Qt windows
// and the headless views implement the views; the logic implements the events, so that every rule
// lives in the logic and a window only shows and reports.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/counter.h"
#include "platform/history_view.h"
#include "platform/window_state.h"

namespace zelvano {

// ---- The scoreboard, on which every game is played ----------------------------------------
class ScoreboardEvents {
public:
    virtual ~ScoreboardEvents() = default;
    virtual void nextPressed() = 0;  // "次へ"
    virtual void advanceTimerTicked() = 0;
    virtual void playersListPressed() = 0;  // the icon button "選手一覧"
    // A close by the user (never by the program). Returns true to keep the window open.
    virtual bool refuseUserClose() = 0;
};

class ScoreboardView {
public:
    virtual ~ScoreboardView() = default;
    virtual void setWindowState(WindowState state) = 0;
    virtual WindowState windowState() const = 0;
    virtual void setCaption(const std::string& text) = 0;
    // The inning about to be played, "1回表", in the inning label and in the window's title.
    virtual void setInning(int inning, int half) = 0;
    virtual void setScoreLine(const std::string& text) = 0;
    virtual void setTeamName(int side, const std::string& text) = 0;
    // index = (side - 1) × 9 + slot - 1
    virtual void setBatterName(int index, const std::string& text) = 0;
    // The batter's career figures; the window shows his displayed average (the integer part of
    // 1000 × average) beside his name.
    virtual void setBatterFigures(int index, Counter hits, Counter atBats) = 0;
    // The batter at the plate is red, every other one white; -1: nobody at the plate.
    virtual void setCurrentBatter(int index) = 0;
    virtual void setTeamAverage(int side, const std::string& text) = 0;
    // One line of the win-loss frame: the team's name and its marks of the season so far.
    virtual void setStandings(int team, const std::string& name, const std::string& marks) = 0;
    virtual void show() = 0;
    virtual void startAdvanceTimer(int milliseconds) = 0;
    virtual void showNextButton() = 0;  // visible, with the keyboard focus
    virtual void closeByProgram() = 0;
};

// ---- "打者選考", the batting order ------------------------------------------------------------
class BattingOrderEvents {
public:
    virtual ~BattingOrderEvents() = default;
    virtual void playerPressed(int index) = 0;  // the button with the player number index + 1
    virtual void playerNameDoubleClicked(int index) = 0;
    virtual void sortPressed() = 0;        // "打順の打率順ソート"
    virtual void wholeOrderPressed() = 0;  // "前回と同順" / "ベスト打順"
    virtual bool refuseUserClose() = 0;    // a close by the user; true keeps the window
};

class BattingOrderView {
public:
    virtual ~BattingOrderView() = default;
    virtual void setMatchLine(const std::string& text) = 0;    // "…対…の試合です。"
    virtual void setRosterTitle(const std::string& text) = 0;  // "…のメンバー表"
    // Places row index and fills it: the button shows the player number index + 1, the name
    // label two spaces and the name, the average label the displayed average.
    virtual void setPlayerRow(int index, const std::string& name, int average) = 0;
    // Greys the button and the name label; with the average too after a pick.
    virtual void disablePlayer(int index, bool averageToo) = 0;
    virtual void setPrompt(const std::string& text) = 0;  // "n番打者を決定してください。"
    // The whole-order button: caption, shown, enabled.
    virtual void showWholeOrderButton(const std::string& caption) = 0;
    virtual void disableShortcuts() = 0;  // the sort and whole-order buttons greyed
    virtual void hideShortcuts() = 0;     // and hidden: the rookie pick
    virtual void setCaption(const std::string& text) = 0;  // the window's title
    // Gives player index's button the keyboard focus; nothing happens when it is disabled.
    virtual void focusPlayer(int index) = 0;
    virtual void show() = 0;
    virtual void closeByProgram() = 0;
};

// ---- "年間結果報告", the season's results report -----------------------------------------------
// The window has no rules of its own: its "ＯＫ" button and its close box both close it, and the
// season end waits for as long as it is visible.
class ResultsReportView {
public:
    virtual ~ResultsReportView() = default;
    virtual void setChampionLine(const std::string& text) = 0;
    virtual void setTitleCount(const std::string& text) = 0;
    virtual void setTitleRun(const std::string& text) = 0;
    virtual void setTeamAverage(int team, const std::string& name, const std::string& average) = 0;
    virtual void addMvpLine(const std::string& text) = 0;
    virtual void show() = 0;  // modeless
    virtual bool isVisible() const = 0;
};

// ---- "Zelvano -情報ウィンドウ", the information window ------------------------------------------
// Six tabs: 0 "現役選手一覧", 1 "らんだむ資料館", 2 "名球会名簿", 3 "大リーグ情報",
// 4 "リーグオーナー", 5 "Zelvanoについて". The window reports the player's actions; what a tab
// shows is given to it. A value set by the logic is never reported back as a change.
class InformationEvents {
public:
    virtual ~InformationEvents() = default;
    virtual void tabSelected(int tab) = 0;
    virtual void teamPressed(int index) = 0;         // team button 0..2
    virtual void rosterLineActivated(int line) = 0;  // the selected line, -1 when none
    virtual void rankingPressed(int index) = 0;      // ranking button 0..4
    virtual void speedChanged(int value) = 0;        // the speed slider, 0..9
    virtual void autoAdvanceClicked(bool checked) = 0;
    virtual void renameUnlockClicked(bool checked) = 0;  // team names may be changed
    virtual void teamNameEdited(int index, const std::string& text) = 0;  // keystroke by keystroke
    virtual void scoutPressed() = 0;    // "来年度以降の新人選手をスカウト"
    virtual void historyPressed() = 0;  // "リーグの歴史": the history window
    // "この選手の歩み": the career of the player on the selected line of the rosters (tab 0) or
    // of the ranking (tab 1); line -1 when none is selected.
    virtual void careerPressed(int tab, int line) = 0;
    // The player closed the window (close box, Alt+F4, Esc). The logic lets go of its view.
    virtual void closedByUser() = 0;
};

class InformationView {
public:
    // The window may be let go of from inside one of its own event handlers (a close in the
    // middle of a ranking): destroying the view must be safe at any moment.
    virtual ~InformationView() = default;
    virtual void setCurrentTab(int tab) = 0;
    virtual void setTeamButtons(const std::array<std::string, 3>& names) = 0;
    virtual void setRosterTitle(const std::string& text) = 0;
    virtual void setRosterLines(const std::vector<std::string>& lines) = 0;
    virtual void setRankingTitle(const std::string& text) = 0;
    virtual void clearRanking() = 0;
    virtual void addRankingLine(const std::string& text) = 0;
    // While a ranking is built its five buttons are greyed and its list hidden.
    virtual void setRankingBusy(bool busy) = 0;
    virtual void setHallOfFameLines(const std::vector<std::string>& lines) = 0;
    virtual void setHallOfFameCount(const std::string& text) = 0;
    virtual void setMajorLeagueText(const std::string& text) = 0;
    virtual void setSpeed(int value) = 0;
    virtual void setAutoAdvance(bool checked) = 0;
    virtual void setRenameUnlocked(bool checked) = 0;
    virtual void setTeamNameText(int index, const std::string& text) = 0;
    virtual void setTeamNamesEnabled(bool enabled) = 0;
    virtual void setAboutText(const std::string& text) = 0;
    // Normal window state, shown modeless, brought to the front.
    virtual void showNormal() = 0;
    // Opens the history window beside this one (or brings it to the front), on the career of
    // the player `career` when it is not 0. The window keeps the source while it is open.
    virtual void showHistory(std::shared_ptr<const HistorySource> source, PlayerId career) = 0;
};

// ---- "選手登録ウィザード", the registration wizard of a new league ---------------------------
class RegistrationWizardEvents {
public:
    virtual ~RegistrationWizardEvents() = default;
    virtual void forwardPressed() = 0;  // "進む"
    virtual void backPressed() = 0;     // "戻る"
    virtual bool refuseUserClose() = 0;
};

class RegistrationWizardView {
public:
    virtual ~RegistrationWizardView() = default;
    virtual void setTeamLabel(const std::string& text) = 0;    // "チーム名n"
    virtual void setPlayerLabel(const std::string& text) = 0;  // "選手名n"
    virtual void setTeamText(const std::string& text) = 0;
    virtual std::string teamText() const = 0;
    virtual void setPlayerText(const std::string& text) = 0;
    virtual std::string playerText() const = 0;
    virtual void focusTeamText() = 0;
    // Focus on the player name; with selectAll its whole text is selected, so typing replaces
    // it.
    virtual void focusPlayerText(bool selectAll) = 0;
    virtual void show() = 0;
    virtual void closeByProgram() = 0;
};

// ---- The opening demo ---------------------------------------------------------------------
class OpeningDemoEvents {
public:
    virtual ~OpeningDemoEvents() = default;
    // modifiers: the mask of the modifier keys, 1 Shift, 2 Ctrl, 4 Alt; a modifier pressed by
    // itself counts as held.
    virtual void keyPressed(int keyCode, int modifiers) = 0;
};

// The stage shows one of the eight stored frames; the logo is drawn by making its nineteen
// strokes visible one by one.
class OpeningDemoView {
public:
    virtual ~OpeningDemoView() = default;
    virtual void hideLogo() = 0;  // the edition label and every stroke hidden
    virtual void setStageTop(int twips) = 0;
    virtual void showFrame(int frame) = 0;  // 0..7
    virtual void showLine(int index) = 0;   // stroke 1..19
    virtual void setBackground(int red, int green, int blue) = 0;
    virtual void showEditionLabels() = 0;  // "2004"
    virtual void show() = 0;               // modeless, visible at once
    virtual void closeByProgram() = 0;
};

}  // namespace zelvano
