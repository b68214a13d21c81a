#include "league/league_file_fields.h"

#include "text/translation.h"

namespace zelvano {

std::string describeLeagueField(const LeagueFieldPlace& place) {
    const std::string team = std::to_string(place.team);
    const std::string player = std::to_string(place.player);
    const std::string slot = std::to_string(place.slot);
    switch (place.field) {
        case LeagueField::CurrentYear:
            return text::translated("現在の年度");
        case LeagueField::TeamName:
            // Translators: what the value on a line of the league file is, in the messages about
            // a damaged file; {1} is the team's number (1 to 3), {2} the player's (1 to 30).
            return text::fillIn(text::translated("チーム{1}の名前"), {team});
        case LeagueField::PlayerName:
            return text::fillIn(text::translated("チーム{1}・選手{2}の名前"), {team, player});
        case LeagueField::AtBats:
            return text::fillIn(text::translated("チーム{1}・選手{2}の打数"), {team, player});
        case LeagueField::Hits:
            return text::fillIn(text::translated("チーム{1}・選手{2}の安打数"), {team, player});
        case LeagueField::LeagueRecord:
            return text::fillIn(text::translated("リーグ記録{1}の数値"), {slot});
        case LeagueField::LeagueRecordText:
            return text::fillIn(text::translated("リーグ記録{1}の文字列"), {slot});
        case LeagueField::EntryYear:
            return text::fillIn(text::translated("チーム{1}・選手{2}の入団年度"), {team, player});
    }
    return {};
}

}  // namespace zelvano
