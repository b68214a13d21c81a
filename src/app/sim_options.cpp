#include "app/sim_options.h"

#include <charconv>

namespace zelvano {

namespace {

template <typename T>
bool parseNumber(const std::string& text, T& out) {
    if (text.empty()) return false;
    const auto* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, out);
    return error == std::errc() && ptr == end;
}

}  // namespace

SimOptionsParse parseSimOptions(const std::vector<std::string>& arguments) {
    SimOptions options;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--seed" || argument == "--dir") {
            if (i + 1 >= arguments.size()) return {std::nullopt, argument + " needs a value"};
            const std::string& value = arguments[++i];
            if (argument == "--dir") {
                options.folder = value;
                continue;
            }
            std::uint64_t seed = 0;
            if (!parseNumber(value, seed)) {
                return {std::nullopt,
                        "--seed needs a non-negative whole number, not '" + value + "'"};
            }
            options.seed = seed;
        } else if (argument.starts_with("--")) {
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
    return {std::nullopt, "expected 'new' or 'play SEASONS'"};
}

}  // namespace zelvano
