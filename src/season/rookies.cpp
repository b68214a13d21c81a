#include "season/rookies.h"

#include "league/forced_quit.h"
#include "league/name_rule.h"
#include "season/scouting_list.h"
#include "text/translation.h"

namespace zelvano {

namespace {

constexpr int kMaxRookies = 3;
constexpr Counter kRookieAtBats = 30;
constexpr const char* kTitle = text::textToTranslate("Zelvano／新人登録");

// The batting-order window for a rookie: every slot can be picked.
class RookieSlotPicker final : public BattingOrderEvents {
public:
    RookieSlotPicker(League& league, Platform& platform) : league_(league), platform_(platform) {}
    void playerPressed(int index) override {
        if (league_.PickedPlayer == 0) league_.PickedPlayer = index + 1;
    }
    void playerNameDoubleClicked(int index) override { playerPressed(index); }
    void sortPressed() override {}
    void wholeOrderPressed() override {}
    bool refuseUserClose() override { return confirmForcedQuit(platform_); }

private:
    League& league_;
    Platform& platform_;
};

std::string counted(int rookieNumber, int rookieCount) {
    return std::to_string(rookieNumber) + "/" + std::to_string(rookieCount);
}

// The player's name for the rookie, asked until one the league can keep is typed.
std::string askRookieName(Platform& platform, int rookieNumber, int rookieCount) {
    const std::string prompt = text::fillIn(
        text::translated("新人が入りました。\n選手名を決定してください。\n（{1}人め）"),
        {counted(rookieNumber, rookieCount)});
    const char* title = text::translated(kTitle);
    std::string refused;  // given back to the box, to be corrected
    for (;;) {
        const std::string typed = platform.inputBox(prompt, title, refused);
        refused.clear();
        if (typed.empty()) continue;  // Cancel or nothing typed: the box comes back
        const NameCheck check = admitName(typed);
        if (!check.accepted) {
            platform.message({check.problem, title, MessageIcon::Exclamation});
            refused = typed;
        } else if (check.name.empty()) {
            platform.message(
                {text::translated("空白だけの名前は登録できません。選手名を入力してください。"),
                 title, MessageIcon::Exclamation});
        } else {
            return check.name;
        }
    }
}

}  // namespace

int rookieHits(float r) {
    const int hits = static_cast<int>(r * 7.0f + 9.0f);
    return hits > 15 ? 15 : hits;
}

std::string takeScoutedName(League& league, Platform& platform, int rookieNumber, int rookieCount) {
    SeasonFileChanges& changes = league.SeasonFiles;
    std::string list;
    if (changes.scoutingListAfter) {
        // Names already taken this season (or in one whose list could not yet be rewritten)
        // are gone from the list as the league knows it.
        list = *changes.scoutingListAfter;
    } else {
        FileStore& files = platform.files();
        FileRead read = files.readFile(kScoutingListName);
        if (read.status == FileRead::Status::Missing) return {};
        if (read.status == FileRead::Status::Failed) {
            platform.message(
                {text::fillIn(text::translated("新人の名簿「{1}」を読めませんでした。\n（{2}）\n\n"
                                               "名簿はそのまま残してあります。新人の名前は入力して"
                                               "ください。"),
                              {files.resolve(kScoutingListName).string(), read.problem}),
                 text::translated(kTitle), MessageIcon::Exclamation});
            return {};
        }
        list = std::move(read.bytes);
    }
    const ScoutedLine top = takeFirstLine(list);
    if (!top.found) return {};

    platform.message(
        {text::fillIn(text::translated("新人が入りました。{1}人めを自動登録しました。"),
                      {counted(rookieNumber, rookieCount)}),
         text::translated(kTitle), MessageIcon::Information});
    // The list file itself is rewritten when the league is saved with this rookie.
    if (!changes.scoutingListAfter) changes.scoutingListBefore = fingerprintOf(list);
    changes.scoutingListAfter = top.rest;

    if (!top.readable) {
        platform.message(
            {text::translated("名簿の先頭の行は、文字として読めませんでした。新人の名前は入力して"
                              "ください。"),
             text::translated(kTitle), MessageIcon::Exclamation});
        return {};
    }
    const NameCheck check = admitName(top.name);
    // An empty line gives no name either: the input box asks for it.
    if (check.accepted) return check.name;
    platform.message(
        {text::fillIn(text::translated("{1}\n新人の名前は入力してください。"), {check.problem}),
         text::translated(kTitle), MessageIcon::Exclamation});
    return {};
}

int chooseRookieSlot(League& league, Platform& platform) {
    RookieSlotPicker picker(league, platform);
    auto view = platform.createBattingOrderView(picker);
    view->setMatchLine(text::translated("新人を登録する番号を登録してください。"));
    view->setRosterTitle(text::fillIn(text::translated("{1}のメンバー表"), {league.TeamName[1]}));
    for (int player = 1; player <= kPlayers; ++player) {
        platform.yieldOnce();
        view->setPlayerRow(player - 1, league.PlayerName[1][player],
                           displayedAverage(league, 1, player));
    }
    view->hideShortcuts();
    view->setPrompt("");
    view->setCaption(text::translated(kTitle));
    view->show();
    league.PickedPlayer = 0;
    platform.waitUntil([&] { return league.PickedPlayer != 0; });
    view->closeByProgram();
    return league.PickedPlayer;
}

void addRookies(League& league, Platform& platform, SeasonObserver* observer) {
    const int count = drawWholePartPlusOne(platform.random(), kMaxRookies);
    for (int rookie = 1; rookie <= count; ++rookie) {
        std::string name = takeScoutedName(league, platform, rookie, count);
        if (name.empty()) name = askRookieName(platform, rookie, count);
        const int slot = chooseRookieSlot(league, platform);
        const PlayerSnapshot replaced = snapshotOf(league, 1, slot);
        league.PlayerName[1][slot] = name;
        league.Hits[1][slot] = rookieHits(platform.random().next());
        league.AtBats[1][slot] = kRookieAtBats;
        league.EntryYear[1][slot] = league.CurrentYear;
        league.PlayerIds[1][slot] = newPlayerId(league);
        if (observer != nullptr) {
            observer->transactionMade(league, {TransactionKind::Rookie, 1, slot,
                                               snapshotOf(league, 1, slot), 1, slot, replaced});
        }
    }
}

}  // namespace zelvano
