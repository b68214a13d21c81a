#pragma once
// What the logic needs of each window, and the events each window reports back. The Qt windows
// and the headless views implement the views; the logic implements the events, so that every rule
// lives in the logic and a window only shows and reports.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "league/league.h"
#include "platform/history_view.h"

namespace zelvano {

// ---- Form1, the scoreboard ----------------------------------------------------------------
class GameViewEvents {
public:
    virtual ~GameViewEvents() = default;
    virtual void Command1_Click() = 0;  // "次へ"
    virtual void Timer1_Timer() = 0;
    virtual void PicIcons_Click() = 0;
    // A close by the user (never by the program). Returns true to keep the window open.
    virtual bool Form_QueryUnload() = 0;
};

class GameView {
public:
    virtual ~GameView() = default;
    virtual void setWindowState(WindowState state) = 0;
    virtual WindowState windowState() const = 0;
    // Whether anybody looks at the board. One that nobody watches is told neither the lineups
    // nor the plate appearances nor the standings of a game played without pauses.
    virtual bool watched() const { return true; }
    virtual void setCaption(const std::string& text) = 0;
    // The inning about to be played, "1回表", in Label4 and in the window's title.
    virtual void setInning(int inning, int half) = 0;
    virtual void setScoreLine(const std::string& text) = 0;           // Label5
    virtual void setTeamName(int side, const std::string& text) = 0;  // Label1(side - 1)
    // index = (side - 1) × 9 + slot - 1
    virtual void setBatterName(int index, const std::string& text) = 0;  // Label2(index)
    // The batter's career figures; the window shows his displayed average (the integer part of
    // 1000 × average) in Label3(index).
    virtual void setBatterFigures(int index, Counter hits, Counter atBats) = 0;
    // The batter at the plate is red, every other one white; -1: nobody at the plate.
    virtual void setCurrentBatter(int index) = 0;
    virtual void setTeamAverage(int side, const std::string& text) = 0;  // Label6(side - 1)
    // Label10(team - 1) and Label11(team - 1)
    virtual void setStandings(int team, const std::string& name, const std::string& marks) = 0;
    virtual void show() = 0;
    virtual void startAdvanceTimer(int milliseconds) = 0;
    virtual void showNextButton() = 0;  // visible, with the keyboard focus
    virtual void closeByProgram() = 0;
};

// ---- Form2, the batting order -------------------------------------------------------------
class OrderViewEvents {
public:
    virtual ~OrderViewEvents() = default;
    virtual void Command1_Click(int index) = 0;  // player index + 1
    virtual void Label3_DblClick(int index) = 0;
    virtual void Command2_Click() = 0;    // "打順の打率順ソート"
    virtual void Command3_Click() = 0;    // "前回と同順" / "ベスト打順"
    virtual bool Form_QueryUnload() = 0;  // a close by the user; true keeps the window
};

class OrderView {
public:
    virtual ~OrderView() = default;
    virtual void setMatchLine(const std::string& text) = 0;    // Label1
    virtual void setRosterTitle(const std::string& text) = 0;  // Label2
    // Places row index and fills it: the button shows the player number index + 1, the name
    // label two spaces and the name, the average label the displayed average.
    virtual void setPlayerRow(int index, const std::string& name, int average) = 0;
    // Greys the button and the name label; with the average too after a pick.
    virtual void disablePlayer(int index, bool averageToo) = 0;
    virtual void setPrompt(const std::string& text) = 0;  // Label5
    // Command3: caption, shown, enabled.
    virtual void showWholeOrderButton(const std::string& caption) = 0;
    virtual void disableShortcuts() = 0;  // Command2 and Command3 greyed
    virtual void hideShortcuts() = 0;     // Command2 and Command3 hidden: the rookie pick
    virtual void setCaption(const std::string& text) = 0;  // the window's title
    // Gives Command1(index) the keyboard focus; nothing happens when it is disabled.
    virtual void focusPlayer(int index) = 0;
    virtual void show() = 0;
    virtual void closeByProgram() = 0;
};

// ---- Form3, the season's results report --------------------------------------------------
// The window has no rules of its own: its "ＯＫ" button and its close box both close it, and the
// season end waits for as long as it is visible.
class ReportView {
public:
    virtual ~ReportView() = default;
    virtual void setChampionLine(const std::string& text) = 0;  // Label2
    virtual void setTitleCount(const std::string& text) = 0;    // Label6
    virtual void setTitleRun(const std::string& text) = 0;      // Label7
    // Label4(team - 1) and Label5(team - 1)
    virtual void setTeamAverage(int team, const std::string& name, const std::string& average) = 0;
    virtual void addMvpLine(const std::string& text) = 0;  // List1
    virtual void show() = 0;                               // modeless
    virtual bool isVisible() const = 0;
};

// ---- ZWInform, the information window ------------------------------------------------------
// Six tabs: 0 "現役選手一覧", 1 "らんだむ資料館", 2 "名球会名簿", 3 "大リーグ情報",
// 4 "リーグオーナー", 5 "Zelvanoについて". The window reports the player's actions; what a tab
// shows is given to it. A value set by the logic is never reported back as a change.
class InformationViewEvents {
public:
    virtual ~InformationViewEvents() = default;
    virtual void SSTab1_Click(int tab) = 0;            // the tab now current
    virtual void ZWwhoCommand1_Click(int index) = 0;   // team button 0..2
    virtual void ZWWhoList1_DblClick(int line) = 0;    // the selected line, -1 when none
    virtual void rsCommand1_Click(int index) = 0;      // ranking button 0..4
    virtual void HScroll1_Change(int value) = 0;       // the speed slider, 0..9
    virtual void zwsetCheck1_Click(bool checked) = 0;  // auto-advance
    virtual void zwsetCheck2_Click(bool checked) = 0;  // team names unlocked
    virtual void zwsetText1_Change(int index,
                                   const std::string& text) = 0;  // keystroke by keystroke
    virtual void loCommand1_Click() = 0;  // "来年度以降の新人選手をスカウト"
    // "リーグの歴史": the history window.
    virtual void historyCommand_Click() {}
    // "この選手の歩み": the career of the player on the selected line of the rosters (tab 0) or
    // of the ranking (tab 1); line -1 when none is selected.
    virtual void careerCommand_Click(int /*tab*/, int /*line*/) {}
    // The player closed the window (close box, Alt+F4, Esc). The logic lets go of its view.
    virtual void Form_Unload() = 0;
};

class InformationView {
public:
    // The window may be let go of from inside one of its own event handlers (a close in the
    // middle of a ranking): destroying the view must be safe at any moment.
    virtual ~InformationView() = default;
    virtual void setCurrentTab(int tab) = 0;                                   // SSTab1
    virtual void setTeamButtons(const std::array<std::string, 3>& names) = 0;  // ZWwhoCommand1
    virtual void setRosterTitle(const std::string& text) = 0;                  // ZWwhoLabel1(0)
    virtual void setRosterLines(const std::vector<std::string>& lines) = 0;    // ZWWhoList1
    virtual void setRankingTitle(const std::string& text) = 0;                 // rsLabel1
    virtual void clearRanking() = 0;                                           // rsList1
    virtual void addRankingLine(const std::string& text) = 0;
    // While a ranking is built its five buttons are greyed and its list hidden.
    virtual void setRankingBusy(bool busy) = 0;
    virtual void setHallOfFameLines(const std::vector<std::string>& lines) = 0;  // meiList1
    virtual void setHallOfFameCount(const std::string& text) = 0;                // Label9
    virtual void setMajorLeagueText(const std::string& text) = 0;                // KankokuLabel
    virtual void setSpeed(int value) = 0;                                        // HScroll1
    virtual void setAutoAdvance(bool checked) = 0;                               // zwsetCheck1
    virtual void setRenameUnlocked(bool checked) = 0;                            // zwsetCheck2
    virtual void setTeamNameText(int index, const std::string& text) = 0;        // zwsetText1
    virtual void setTeamNamesEnabled(bool enabled) = 0;
    virtual void setAboutText(const std::string& text) = 0;  // aboutText1
    // Normal window state, shown modeless, brought to the front.
    virtual void showNormal() = 0;
    // Opens the history window beside this one (or brings it to the front), on the career of
    // the player `career` when it is not 0. The window keeps the source while it is open.
    virtual void showHistory(std::shared_ptr<const HistorySource> /*source*/, PlayerId /*career*/) {
    }
};

// ---- Form4, the registration wizard -------------------------------------------------------
class WizardViewEvents {
public:
    virtual ~WizardViewEvents() = default;
    virtual void Command1_Click() = 0;  // "進む"
    virtual void Command2_Click() = 0;  // "戻る"
    virtual bool Form_QueryUnload() = 0;
};

class WizardView {
public:
    virtual ~WizardView() = default;
    virtual void setTeamLabel(const std::string& text) = 0;    // Label1
    virtual void setPlayerLabel(const std::string& text) = 0;  // Label2
    virtual void setTeamText(const std::string& text) = 0;     // Text1
    virtual std::string teamText() const = 0;
    virtual void setPlayerText(const std::string& text) = 0;  // Text2
    virtual std::string playerText() const = 0;
    virtual void focusTeamText() = 0;
    // Focus on Text2; with selectAll its whole text is selected, so typing replaces it.
    virtual void focusPlayerText(bool selectAll) = 0;
    virtual void show() = 0;
    virtual void closeByProgram() = 0;
};

// ---- Demoform, the opening demo --------------------------------------------------------------
class DemoViewEvents {
public:
    virtual ~DemoViewEvents() = default;
    // shift: the modifier mask of the key, 1 Shift, 2 Ctrl, 4 Alt; a modifier pressed by itself
    // counts as held.
    virtual void Form_KeyDown(int keyCode, int shift) = 0;
};

// The stage (Image1) shows one of the eight stored frames (Image2(0..7)); the logo is drawn by
// making its strokes (Line1(1..19)) visible one by one.
class DemoView {
public:
    virtual ~DemoView() = default;
    virtual void hideLogo() = 0;              // Label1 and every Line1 hidden
    virtual void setStageTop(int twips) = 0;  // Image1.Top
    virtual void showFrame(int frame) = 0;    // Image1 := Image2(frame), 0..7
    virtual void showLine(int index) = 0;     // Line1(index), 1..19
    virtual void setBackground(int red, int green, int blue) = 0;
    virtual void showEditionLabels() = 0;  // Label1 ("2004") and Label2
    virtual void show() = 0;               // modeless, visible at once
    virtual void closeByProgram() = 0;
};

}  // namespace zelvano
