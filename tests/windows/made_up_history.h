#pragma once
// A history of as many seasons as a test wants, made up without playing them: every season has a
// champion, two games with their pages, a report and two moves, and every player a game of each
// season. It counts what the window asks of it, so a test sees which pages were read.

#include <map>
#include <string>

#include "platform/history_view.h"

namespace zelvano::test {

class MadeUpHistory final : public HistorySource {
public:
    explicit MadeUpHistory(Counter seasons, std::string longName = "ゼルバーノ")
        : seasons_(seasons), longName_(std::move(longName)) {}

    mutable std::map<std::string, int> asked;

    std::string knownSinceText() const override {
        ++asked["knownSinceText"];
        return "リーグの歴史は、1年目のシーズンから記録しています。";
    }
    HistoryTable champions() const override {
        ++asked["champions"];
        HistoryTable table{{"年度", "優勝", "A", "B", "C", "優勝回数", "連続優勝"}, {}};
        for (Counter year = 1; year <= seasons_; ++year) {
            table.rows.push_back({std::to_string(year) + "年目", teamName(1), "5勝3敗", "4勝4敗",
                                  "3勝5敗", std::to_string(year) + "回目", ""});
        }
        return table;
    }
    std::vector<Counter> years() const override {
        ++asked["years"];
        std::vector<Counter> years;
        for (Counter year = 1; year <= seasons_; ++year) years.push_back(year);
        return years;
    }
    SeasonPage season(Counter year) const override {
        ++asked["season"];
        SeasonPage page;
        page.title = std::to_string(year) + "年目のシーズン";
        page.standings = {{"チーム", "勝", "敗", "勝敗", "平均打率"},
                          {{teamName(1), "5", "3", "○○●", ".378"}}};
        page.games = {{"試合", "先攻", "得点", "後攻", "得点", "回"},
                      {{"1", teamName(1), "3", teamName(2), "2", "9"},
                       {"2", teamName(2), "0", teamName(3), "1", "9"}}};
        page.gameNumbers = {1, 2};
        page.milestones = {"第1試合　Ａ　通算100安打"};
        page.report = {"優勝は" + teamName(1) + "です。" + teamName(1) + "の優勝は通算" +
                       std::to_string(year) + "回目になります。"};
        page.moves = {{"種類", "内容"}, {{"トレード", teamName(1) + " 1番のＡ ⇔ Ｂ 2番のＣ"}}};
        return page;
    }
    HistoryTable transactions(int team) const override {
        ++asked["transactions"];
        HistoryTable table{{"年度", "種類", "内容"}, {}};
        for (Counter year = 1; year <= seasons_; ++year) {
            table.rows.push_back({std::to_string(year) + "年目", "トレード", "Ａ ⇔ Ｂ"});
            if (team == 0)
                table.rows.push_back({std::to_string(year) + "年目", "引退", "Ｃが引退"});
        }
        return table;
    }
    CareerPage career(PlayerId id) const override {
        ++asked["career"];
        CareerPage page{"選手" + std::to_string(id) + "の歩み", {{"年度", "チーム"}, {}}, {}, {}};
        for (Counter year = 1; year <= seasons_; ++year) {
            page.seasons.rows.push_back({std::to_string(year) + "年目", teamName(1)});
            page.averages.push_back({year, 0.25 + static_cast<double>(year % 7) / 100});
            page.years.push_back(year);
        }
        return page;
    }
    // Each game's batters are the players year × 100 + slot.
    GamePage game(Counter year, int number) const override {
        ++asked["game"];
        GamePage page;
        page.title = std::to_string(year) + "年目 第" + std::to_string(number) + "試合";
        page.result = teamName(1) + " 3 - 2 " + teamName(2) + "（9回）";
        page.lineScore = {{"チーム", "1", "2", "計", "安"},
                          {{teamName(1), "3", "0", "3", "5"}, {teamName(2), "2", "×", "2", "4"}}};
        for (std::size_t side = 0; side < 2; ++side) {
            page.batting[side] = {
                teamName(static_cast<int>(side) + 1), {{"打順", "選手", "打数", "安打"}, {}}, {}};
            for (int slot = 1; slot <= 9; ++slot) {
                page.batting[side].table.rows.push_back(
                    {std::to_string(slot) + "番", "Ｐ" + std::to_string(slot), "4", "1"});
                page.batting[side].ids.push_back(year * 100 + slot);
            }
        }
        return page;
    }
    GameLogPage gameLog(PlayerId id, Counter year) const override {
        ++asked["gameLog"];
        return {std::to_string(year) + "年目の選手" + std::to_string(id) + "の試合",
                {{"試合", "相手"}, {{"第2試合", teamName(2)}}},
                {2}};
    }
    std::vector<RecordsSection> records() const override {
        ++asked["records"];
        return {{"シーズン最多安打", {{"順位", "年度", "選手"}, {{"1", "1年目", "Ａ"}}}},
                {"チーム別の名球会会員", {{"チーム", "選手"}, {{teamName(1), "Ｂ"}}}}};
    }
    std::array<std::vector<ChartPoint>, kHistoryTeams> teamAverages() const override {
        ++asked["teamAverages"];
        std::array<std::vector<ChartPoint>, kHistoryTeams> series;
        for (Counter year = 1; year <= seasons_; ++year) {
            for (std::size_t team = 0; team < kHistoryTeams; ++team) {
                series[team].push_back({year, 0.3 + static_cast<double>(team) / 50});
            }
        }
        return series;
    }
    std::string teamName(int team) const override {
        return team == 1 ? longName_ : team == 2 ? "ベータ" : "ガンマ";
    }

private:
    Counter seasons_;
    std::string longName_;
};

}  // namespace zelvano::test
