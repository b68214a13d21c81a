#pragma once
// What the logic needs of each window, and the events each window reports back. The Qt windows
// and the headless views implement the views; the logic implements the events, so that every rule
// lives in the logic and a window only shows and reports.

#include <string>

#include "league/league.h"

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
    virtual void setCaption(const std::string& text) = 0;
    virtual void setInningText(const std::string& text) = 0;          // Label4
    virtual void setScoreLine(const std::string& text) = 0;           // Label5
    virtual void setTeamName(int side, const std::string& text) = 0;  // Label1(side - 1)
    // index = (side - 1) × 9 + slot - 1
    virtual void setBatterName(int index, const std::string& text) = 0;     // Label2(index)
    virtual void setBatterAverage(int index, const std::string& text) = 0;  // Label3(index)
    virtual void setBatterHighlighted(int index, bool current) = 0;         // red, or white
    virtual void setTeamAverage(int side, const std::string& text) = 0;     // Label6(side - 1)
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
    // Places row index (player index + 1) and fills its button, name and average.
    virtual void setPlayerRow(int index, const std::string& button, const std::string& name,
                              const std::string& average) = 0;
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
