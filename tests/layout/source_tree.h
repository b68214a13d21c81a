#pragma once
// The source tree as the layout tests read it: every C++ file's quoted includes, and the files
// themselves, found from the repository's root.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace zelvano::layout {

namespace fs = std::filesystem;

inline const fs::path kRepository = ZELVANO_SOURCE_DIR;

// One #include "…": the including file and the header, both relative to src/.
struct Include {
    std::string file;
    std::string header;
    friend bool operator==(const Include&, const Include&) = default;
};

inline bool isCpp(const fs::path& path) {
    return path.extension() == ".h" || path.extension() == ".cpp";
}

// The files under folder with the given test, relative to folder and sorted.
template <typename Wanted>
std::vector<std::string> filesUnder(const fs::path& folder, Wanted wanted) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && wanted(entry.path())) {
            files.push_back(entry.path().lexically_relative(folder).generic_string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

inline std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every quoted include of the C++ files under src/. A header named without a folder is the
// including file's neighbour.
inline std::vector<Include> includesUnder(const fs::path& src) {
    static const std::regex quoted(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::vector<Include> includes;
    for (const std::string& file : filesUnder(src, isCpp)) {
        std::ifstream in(src / file);
        std::string line;
        std::smatch match;
        while (std::getline(in, line)) {
            if (!std::regex_search(line, match, quoted)) continue;
            std::string header = match[1];
            if (header.find('/') == std::string::npos) {
                header = (fs::path(file).parent_path() / header).generic_string();
            }
            includes.push_back({file, header});
        }
    }
    return includes;
}

}  // namespace zelvano::layout
