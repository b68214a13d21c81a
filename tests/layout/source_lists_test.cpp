// Every C++ source of src/ and tests/ is named in a CMakeLists.txt: the lists are written out, so
// a file added to a folder and forgotten in its list would otherwise never be built, and a test
// in it never run.

#include <gtest/gtest.h>

#include "layout/source_tree.h"

namespace zelvano::layout {
namespace {

// Whether the CMakeLists.txt of the file's folder, or of a folder above it up to root, names it:
// by its path from there, or by its name without ".cpp" where a function adds that (the window
// tests: zelvano_qtest(test_scoreboard_window)).
bool listed(const fs::path& root, const std::string& file) {
    const fs::path path(file);
    for (fs::path folder = path.parent_path();; folder = folder.parent_path()) {
        const fs::path lists = root / folder / "CMakeLists.txt";
        if (fs::exists(lists)) {
            const std::string text = contentsOf(lists);
            const std::string fromThere = path.lexically_relative(folder).generic_string();
            const std::regex named("(^|[\\s(/])(" +
                                   std::regex_replace(fromThere, std::regex(R"([.])"), R"(\.)") +
                                   "|" + path.stem().string() + ")($|[\\s)])");
            if (std::regex_search(text, named)) return true;
        }
        if (folder.empty()) return false;
    }
}

TEST(SourceLists, EveryCppFileIsInAList) {
    for (const char* top : {"src", "tests"}) {
        const std::vector<std::string> sources = filesUnder(
            kRepository / top, [](const fs::path& path) { return path.extension() == ".cpp"; });
        ASSERT_FALSE(sources.empty()) << top;
        for (const std::string& source : sources) {
            EXPECT_TRUE(listed(kRepository / top, source)) << top << "/" << source;
        }
    }
}

}  // namespace
}  // namespace zelvano::layout
