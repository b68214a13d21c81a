#include "season/information_presenter.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "league/name_rule.h"
#include "league/players_list.h"
#include "league/rankings.h"
#include "league/settings_keys.h"
#include "season/about_text.h"
#include "season/hall_of_fame.h"
#include "season/history/history_browser.h"
#include "season/major_league_loan.h"
#include "season/personal_data.h"
#include "season/scouting_list.h"
#include "text/translation.h"

namespace zelvano {

namespace {

enum Tab { kRosterTab = 0, kRankingTab, kHallOfFameTab, kMajorLeagueTab, kOwnerTab, kAboutTab };

constexpr const char* kScoutTitle = text::textToTranslate("Zelvano / 新人スカウト");

// Tells the player that the history could not be read, or holds it back while the window opens.
class HistoryProblemTeller {
public:
    HistoryProblemTeller(Platform& platform, std::string path)
        : platform_(platform), path_(std::move(path)) {}

    void tell(const std::string& problem) {
        if (holding_) {
            held_ = problem;
            return;
        }
        platform_.message(
            {text::fillIn(text::translated("リーグの歴史「{1}」を読めませんでした。\n{2}\n\n"
                                           "読めたところだけを表示します。シーズンはいつもどおり"
                                           "遊べて、リーグのデータも保存されます。"),
                          {path_, problem}),
             text::translated("Zelvano／リーグの歴史"), MessageIcon::Exclamation});
    }
    void release() {
        holding_ = false;
        if (held_) tell(*std::exchange(held_, std::nullopt));
    }

private:
    Platform& platform_;
    std::string path_;
    bool holding_ = true;
    std::optional<std::string> held_;
};

// A ranking shown in the window it was begun in, for as long as that window is open.
class WindowRankingSink final : public RankingSink {
public:
    WindowRankingSink(Platform& platform, std::unique_ptr<InformationView>& view,
                      const unsigned& opened, std::vector<std::pair<int, int>>& players)
        : platform_(platform),
          view_(view),
          opened_(opened),
          openedAtStart_(opened),
          players_(players) {}

    bool yield() override {
        try {
            platform_.yieldOnce();
        } catch (const ProgramEnded&) {
            // Inside a window event the end cannot be thrown through the window system; the
            // ranking stops, and the season driver's own wait ends the program.
            return false;
        }
        return live();
    }
    void setTitle(const std::string& title) override {
        if (live()) view_->setRankingTitle(title);
    }
    void clear() override {
        if (!live()) return;
        view_->clearRanking();
        players_.clear();
    }
    void addLine(const std::string& line) override {
        if (live()) view_->addRankingLine(line);
    }
    void addedPlayer(int team, int player) override {
        if (live()) players_.emplace_back(team, player);
    }
    bool live() const { return view_ != nullptr && opened_ == openedAtStart_; }

private:
    Platform& platform_;
    std::unique_ptr<InformationView>& view_;
    const unsigned& opened_;
    unsigned openedAtStart_;
    std::vector<std::pair<int, int>>& players_;
};

}  // namespace

void InformationPresenter::openPlayersList() {
    if (!view_) {
        view_ = platform_.createInformationView(*this);
        ++opened_;
        view_->setCurrentTab(kRosterTab);
        view_->setRankingTitle(text::translated("らんだむ資料館"));
    }
    view_->setTeamButtons({league_.TeamName[1], league_.TeamName[2], league_.TeamName[3]});
    league_.ListedTeam = 1;
    fillPlayersList(1);
    view_->showNormal();
}

void InformationPresenter::fillPlayersList(int team) {
    view_->setRosterTitle(playersListTitle(league_, team));
    view_->setRosterLines(playersListLines(league_, team));
}

void InformationPresenter::tabSelected(int tab) {
    if (!view_) return;
    switch (tab) {
        case kHallOfFameTab:
            fillHallOfFameRoster();
            break;
        case kMajorLeagueTab:
            view_->setMajorLeagueText(majorLeagueInformation(league_));
            break;
        case kOwnerTab:
            fillOwnerSettings();
            break;
        case kAboutTab:
            view_->setAboutText(aboutPageText());
            break;
        default:
            break;
    }
}

void InformationPresenter::teamPressed(int index) {
    if (!view_ || index < 0 || index >= kTeams) return;
    league_.ListedTeam = index + 1;
    fillPlayersList(index + 1);
}

void InformationPresenter::rosterLineActivated(int line) {
    // No line selected is no player: nothing happens.
    if (line < 0 || line >= kPlayers) return;
    showPersonalData(league_, platform_, line + 1);
}

void InformationPresenter::historyPressed() { showHistory(0); }

void InformationPresenter::careerPressed(int tab, int line) {
    int team = 0, player = 0;
    if (tab == kRosterTab && line >= 0 && line < kPlayers) {
        team = league_.ListedTeam;
        player = line + 1;
    } else if (tab == kRankingTab && line >= 0 && line < static_cast<int>(rankingPlayers_.size())) {
        std::tie(team, player) = rankingPlayers_[static_cast<std::size_t>(line)];
    }
    // A press that leads nowhere is told why, or the player is left wondering whether the
    // button works.
    if (team < 1 || team > kTeams || player < 1 || player > kPlayers) {
        tellNoCareer(
            text::translated("先に一覧で選手を選んでから、「この選手の歩み」を押してください。"));
        return;
    }
    const PlayerId id = league_.PlayerIds[team][player];
    if (id != 0) {
        showHistory(id);
    } else if (league_.PlayerName[team][player] == kMajorLeaguePlaceholder) {
        tellNoCareer(text::translated(
            "この枠の選手は大リーグでプレー中です。大リーグにいる間の歩みはリーグの歴史にはなく、"
            "「大リーグ情報」で見られます。"));
    } else {
        tellNoCareer(text::translated("この枠には選手がいません。一覧で選手を選んでください。"));
    }
}

void InformationPresenter::tellNoCareer(const std::string& text) {
    platform_.message(
        {text, text::translated("Zelvano／この選手の歩み"), MessageIcon::Information});
}

void InformationPresenter::showHistory(PlayerId career) {
    if (!view_) return;
    std::optional<HistoryReader> reader =
        history_ != nullptr ? history_->reader() : std::optional<HistoryReader>();
    std::optional<GameHistoryReader> games =
        history_ != nullptr ? history_->gameReader() : std::optional<GameHistoryReader>();
    if (!reader || !games) {
        platform_.message({text::translated("リーグの歴史は記録されていません。"),
                           text::translated("Zelvano／リーグの歴史"), MessageIcon::Information});
        return;
    }
    // The window shows what can be read of a damaged history, and the player hears of the damage
    // once, with the file's path. What the window meets while it opens waits until it is open:
    // a message box in the middle of building it would run the event loop under a half-built
    // window.
    auto teller = std::make_shared<HistoryProblemTeller>(platform_, history_->shownPath());
    auto browser = std::make_shared<HistoryBrowser>(
        league_, *reader, *games, [teller](const std::string& problem) { teller->tell(problem); });
    view_->showHistory(std::move(browser), career);
    teller->release();
}

void InformationPresenter::rankingPressed(int index) {
    if (!view_ || index < 0 || index >= kRankings) return;
    view_->setRankingBusy(true);
    WindowRankingSink sink(platform_, view_, opened_, rankingPlayers_);
    if (runRanking(league_, index, sink) && sink.live()) view_->setRankingBusy(false);
}

void InformationPresenter::fillHallOfFameRoster() {
    const HallOfFameRoster roster = hallOfFameRoster(platform_.files());
    view_->setHallOfFameLines(roster.lines);
    if (roster.count) view_->setHallOfFameCount(*roster.count);
}

void InformationPresenter::fillOwnerSettings() {
    // A speed edited by hand outside 0..9 is shown at the nearest end, and left as it is.
    view_->setSpeed(std::clamp(league_.GameWait, 0, 9));
    if (autoAdvanceOn(platform_.settings().read(kAutoAdvanceKey))) view_->setAutoAdvance(true);
    view_->setRenameUnlocked(false);
    for (int index = 0; index < kTeams; ++index) {
        view_->setTeamNameText(index, league_.TeamName[index + 1]);
    }
    view_->setTeamNamesEnabled(false);
}

void InformationPresenter::speedChanged(int value) {
    league_.GameWait = value;
    platform_.settings().write(kGameSpeedKey, std::to_string(value));
}

void InformationPresenter::autoAdvanceClicked(bool checked) {
    platform_.settings().write(kAutoAdvanceKey, checked ? "ON" : "OFF");
}

void InformationPresenter::renameUnlockClicked(bool checked) {
    if (view_) view_->setTeamNamesEnabled(checked);
}

void InformationPresenter::teamNameEdited(int index, const std::string& text) {
    if (index < 0 || index >= kTeams) return;
    std::string& name = league_.TeamName[index + 1];
    const NameCheck check = admitName(text);
    // Only a name the league file gives back as it is reaches the league; the box then shows
    // the name as kept (a comma as "，"), and a character that cannot be kept is taken back.
    if (check.accepted) name = check.name;
    if (!check.accepted) platform_.beep();
    if (view_ && name != text) view_->setTeamNameText(index, name);
}

void InformationPresenter::scoutPressed() {
    platform_.message(
        {text::translated("次年度以降、入団する予定の選手名をリストアップしてください。\n"
                          "・メモ帳が開きます。\n"
                          "・一行に一名ずつ登録してください。\n"
                          "・登録が終了したら、上書き保存をしてメモ帳を閉じてください。。\n"
                          "・ここで登録した選手は、新人登録時に自動的に上から入団していきます。"),
         text::translated(kScoutTitle), MessageIcon::Information});
    FileStore& files = platform_.files();
    const std::string path = files.resolve(kScoutingListName).string();
    if (!files.exists(kScoutingListName)) {
        if (const std::string problem = files.appendFile(kScoutingListName, ""); !problem.empty()) {
            platform_.message(
                {text::fillIn(text::translated("新人の名簿「{1}」を作れませんでした。\n（{2}）"),
                              {path, problem}),
                 text::translated(kScoutTitle), MessageIcon::Exclamation});
            return;
        }
    }
    // The answer may come after this window has closed: it needs nothing of the window.
    platform_.startEditor(kScoutingListName, [&platform = platform_, path] {
        platform.message(
            {text::fillIn(text::translated("テキストエディターを起動できませんでした。\n"
                                           "新人の名簿は「{1}」です。お使いのテキストエディターで"
                                           "開いて、一行に一名ずつ書いて保存してください。"),
                          {path}),
             text::translated(kScoutTitle), MessageIcon::Exclamation});
    });
}

}  // namespace zelvano
