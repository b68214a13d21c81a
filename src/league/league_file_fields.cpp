#include "league/league_file_fields.h"

namespace zelvano {

std::string describeLeagueField(const LeagueFieldPlace& place) {
    const std::string team = "チーム" + std::to_string(place.team);
    const std::string player = team + "・選手" + std::to_string(place.player);
    const std::string slot = "リーグ記録" + std::to_string(place.slot);
    switch (place.field) {
        case LeagueField::CurrentYear:
            return "現在の年度";
        case LeagueField::TeamName:
            return team + "の名前";
        case LeagueField::PlayerName:
            return player + "の名前";
        case LeagueField::AtBats:
            return player + "の打数";
        case LeagueField::Hits:
            return player + "の安打数";
        case LeagueField::LeagueRecord:
            return slot + "の数値";
        case LeagueField::LeagueRecordText:
            return slot + "の文字列";
        case LeagueField::EntryYear:
            return player + "の入団年度";
    }
    return {};
}

}  // namespace zelvano
