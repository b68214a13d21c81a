#pragma once
// The command line of zelvano-sim:
//   zelvano-sim [--seed N] [--dir DIR] new
//   zelvano-sim [--seed N] [--dir DIR] play N

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zelvano {

struct SimOptions {
    enum class Command { New, Play };
    Command command = Command::Play;
    int seasons = 0;
    std::optional<std::uint64_t> seed;
    std::string folder = ".";
};

struct SimOptionsParse {
    std::optional<SimOptions> options;
    std::string error;  // one line, when options is empty
};

SimOptionsParse parseSimOptions(const std::vector<std::string>& arguments);

inline constexpr const char* kSimUsage =
    "usage: zelvano-sim [--seed N] [--dir DIR] new | play SEASONS";

}  // namespace zelvano
