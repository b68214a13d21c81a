#include "app/sim_options.h"

#include <algorithm>
#include <charconv>

#include "league/league.h"
#include "season/schedule.h"
#include "text/translation.h"

namespace zelvano {

namespace {

template <typename T>
bool parseNumber(const std::string& text, T& out) {
    if (text.empty()) return false;
    const auto* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, out);
    return error == std::errc() && ptr == end;
}

bool numberIn(const std::string& text, int low, int high, int& out) {
    return parseNumber(text, out) && out >= low && out <= high;
}

bool isYear(const std::string& text, int& out) { return numberIn(text, 1, kCounterLimit, out); }

SimOptionsParse parseShow(SimOptions options, const std::vector<std::string>& words) {
    options.command = SimOptions::Command::Show;
    const std::string view = words.size() > 1 ? words[1] : "";
    const auto wrong = [](const std::string& what) { return SimOptionsParse{std::nullopt, what}; };
    if (view == "roster") {
        options.view = SimOptions::View::Roster;
        if (words.size() != 3 || !numberIn(words[2], 1, 3, options.team)) {
            return wrong("show roster needs a team from 1 to 3");
        }
    } else if (view == "ranking") {
        options.view = SimOptions::View::Ranking;
        if (words.size() != 3 || !numberIn(words[2], 0, 4, options.number)) {
            return wrong("show ranking needs a list from 0 to 4");
        }
    } else if (view == "halloffame" || view == "majors") {
        options.view = view == "majors" ? SimOptions::View::Majors : SimOptions::View::HallOfFame;
        if (words.size() != 2) return wrong("show " + view + " takes nothing more");
    } else if (view == "personal") {
        options.view = SimOptions::View::Personal;
        if (words.size() != 4 || !numberIn(words[2], 1, 3, options.team) ||
            !numberIn(words[3], 1, 30, options.number)) {
            return wrong("show personal needs a team from 1 to 3 and a player from 1 to 30");
        }
    } else if (view == "history" || view == "records") {
        options.view = view == "history" ? SimOptions::View::History : SimOptions::View::Records;
        if (words.size() != 2) return wrong("show " + view + " takes nothing more");
    } else if (view == "transactions" || view == "milestones") {
        options.view =
            view == "transactions" ? SimOptions::View::Transactions : SimOptions::View::Milestones;
        if (words.size() > 3 || (words.size() == 3 && !isYear(words[2], options.year))) {
            return wrong("show " + view + " takes nothing more, or a year of at least 1");
        }
    } else if (view == "career") {
        options.view = SimOptions::View::Career;
        if (words.size() != 4 || !numberIn(words[2], 1, 3, options.team) ||
            !numberIn(words[3], 1, 30, options.number)) {
            return wrong("show career needs a team from 1 to 3 and a player from 1 to 30");
        }
    } else if (view == "game") {
        options.view = SimOptions::View::Game;
        if (words.size() != 4 || !isYear(words[2], options.year) ||
            !numberIn(words[3], 1, kGamesPerSeason, options.game)) {
            return wrong("show game needs a year of at least 1 and a game from 1 to 12");
        }
    } else if (view == "gamelog") {
        options.view = SimOptions::View::GameLog;
        if (words.size() < 4 || words.size() > 5 || !numberIn(words[2], 1, 3, options.team) ||
            !numberIn(words[3], 1, 30, options.number) ||
            (words.size() == 5 && !isYear(words[4], options.year))) {
            return wrong(
                "show gamelog needs a team from 1 to 3 and a player from 1 to 30, and may take a "
                "year of at least 1");
        }
    } else {
        return wrong(
            "show needs roster, ranking, halloffame, majors, personal, history, transactions, "
            "career, records, game, gamelog or milestones");
    }
    return {options, {}};
}

}  // namespace

SimOptionsParse parseSimOptions(const std::vector<std::string>& arguments) {
    SimOptions options;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.command = SimOptions::Command::Help;
            return {options, {}};
        }
        if (argument == "--seed" || argument == "--dir" || argument == "--language") {
            if (i + 1 >= arguments.size()) return {std::nullopt, argument + " needs a value"};
            const std::string& value = arguments[++i];
            if (argument == "--dir") {
                options.folder = value;
                continue;
            }
            if (argument == "--language") {
                const std::vector<std::string> spoken = text::spokenLanguages();
                if (std::find(spoken.begin(), spoken.end(), value) == spoken.end()) {
                    std::string known;
                    for (const std::string& each : spoken)
                        known += (known.empty() ? "" : ", ") + each;
                    return {std::nullopt,
                            "--language needs one of " + known + ", not '" + value + "'"};
                }
                options.language = value;
                continue;
            }
            std::uint64_t seed = 0;
            if (!parseNumber(value, seed)) {
                return {std::nullopt,
                        "--seed needs a non-negative whole number, not '" + value + "'"};
            }
            options.seed = seed;
        } else if (argument.starts_with("-")) {
            return {std::nullopt, "unknown option '" + argument + "'"};
        } else {
            words.push_back(argument);
        }
    }
    if (words.size() == 1 && words[0] == "new") {
        options.command = SimOptions::Command::New;
        return {options, {}};
    }
    if (words.size() == 2 && words[0] == "play") {
        int seasons = 0;
        if (!parseNumber(words[1], seasons) || seasons < 1) {
            return {std::nullopt,
                    "play needs a number of seasons of at least 1, not '" + words[1] + "'"};
        }
        options.command = SimOptions::Command::Play;
        options.seasons = seasons;
        return {options, {}};
    }
    if (!words.empty() && words[0] == "show") return parseShow(options, words);
    return {std::nullopt, "expected 'new', 'play SEASONS' or 'show VIEW'"};
}

}  // namespace zelvano
