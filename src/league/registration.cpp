#include "league/registration.h"

#include "league/forced_quit.h"
#include "league/league_store.h"
#include "league/name_rule.h"
#include "text/translation.h"
#include "text/utf8.h"

namespace zelvano {

namespace {

constexpr const char* kWizardTitle = text::textToTranslate("Zelvano 2004　選手登録ウィザード");

}  // namespace

// The league's data, the same in every language: the names are saved in the league file.
std::string defaultPlayerName(int team, int player) {
    std::string name;
    text::appendUtf8(name, U'Ａ' + static_cast<char32_t>(team - 1));
    text::appendUtf8(name, U'０' + static_cast<char32_t>(player / 10));
    text::appendUtf8(name, U'０' + static_cast<char32_t>(player % 10));
    return name;
}

void setUpNewLeague(League& league) {
    for (int team = 1; team <= kTeams; ++team) {
        for (int player = 1; player <= kPlayers; ++player) {
            league.Hits[team][player] = 3;
            league.AtBats[team][player] = 10;
            league.EntryYear[team][player] = 0;
            if (team != 1) league.PlayerName[team][player] = defaultPlayerName(team, player);
        }
    }
}

void RegistrationWizardPresenter::start() {
    team_ = 1;
    player_ = 1;
    showEntry();
}

void RegistrationWizardPresenter::showEntry() {
    // Translators: the wizard's labels; {1} is the team's number (1 to 3) or the player's
    // (1 to 30).
    view_->setTeamLabel(text::fillIn(text::translated("チーム名{1}"), {std::to_string(team_)}));
    view_->setPlayerLabel(text::fillIn(text::translated("選手名{1}"), {std::to_string(player_)}));
    view_->setTeamText(league_.TeamName[team_]);
    view_->setPlayerText(league_.PlayerName[team_][player_]);
}

void RegistrationWizardPresenter::warn(const std::string& text) {
    platform_.message(
        {text, kApplicationTitle, MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok});
}

void RegistrationWizardPresenter::forwardPressed() {
    if (league_.WizardFinished) return;
    const std::string playerText = view_->playerText();
    const std::string teamText = view_->teamText();
    if (playerText.empty()) {
        warn(text::translated("選手名が未入力です。名前を登録してください。"));
        view_->focusPlayerText(false);
        return;
    }
    if (teamText.empty()) {
        warn(text::translated("チーム名が未入力です。チームの名前を登録してください。"));
        view_->focusTeamText();
        return;
    }
    // Both names go into the league file; one it cannot hold is refused before anything is stored.
    const NameCheck player = admitName(playerText);
    if (!player.accepted) {
        // Translators: {1} says why the name is refused.
        warn(text::fillIn(text::translated("選手名を登録できません。{1}"), {player.problem}));
        view_->focusPlayerText(true);
        return;
    }
    const NameCheck team = admitName(teamText);
    if (!team.accepted) {
        warn(text::fillIn(text::translated("チーム名を登録できません。{1}"), {team.problem}));
        view_->focusTeamText();
        return;
    }
    // A name of spaces alone would be stored empty, which the league reads as a vacant slot.
    if (player.name.empty()) {
        warn(text::translated("選手名が未入力です。名前を登録してください。"));
        view_->focusPlayerText(true);
        return;
    }
    if (team.name.empty()) {
        warn(text::translated("チーム名が未入力です。チームの名前を登録してください。"));
        view_->focusTeamText();
        return;
    }
    league_.TeamName[team_] = team.name;
    league_.PlayerName[team_][player_] = player.name;

    if (++player_ > kPlayers) {
        player_ = 1;
        if (++team_ > kTeams) {
            team_ = kTeams;
            player_ = kPlayers;
            league_.WizardFinished = true;
            view_->closeByProgram();
            return;
        }
    }
    showEntry();
    view_->focusPlayerText(true);
}

void RegistrationWizardPresenter::backPressed() {
    if (league_.WizardFinished) return;
    if (--player_ < 1) {
        --team_;
        player_ = kPlayers;
        if (team_ < 1) {
            // The first entry is already shown.
            team_ = 1;
            player_ = 1;
            return;
        }
    }
    showEntry();
}

bool RegistrationWizardPresenter::refuseUserClose() { return confirmForcedQuit(platform_); }

void registerNewLeague(League& league, Platform& platform) {
    league.WizardFinished = false;
    setUpNewLeague(league);
    platform.message(
        {text::translated(
             "いまから３つのチームのチーム名と、各球団３０人づつの選手名を登録していただきます。"
             "一見、９０人のデータを登録するというのは面倒であり、手間がかかりますが、"
             "これから長く遊ぶための大切なデータですから丁寧に入力してください。"),
         text::translated(kWizardTitle), MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
    RegistrationWizardPresenter wizard(league, platform);
    auto view = platform.createRegistrationWizardView(wizard);
    wizard.attach(*view);
    wizard.start();
    view->show();
    platform.waitUntil([&] { return league.WizardFinished; });
    view.reset();
    saveLeague(league, platform);
    league.RegisteredThisRun = true;
    platform.message(
        {text::translated(
             "登録は無事完了しました。お疲れ様でした。それではゲームをお楽しみください。"),
         text::translated(kWizardTitle), MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
}

}  // namespace zelvano
