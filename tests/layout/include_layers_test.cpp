// The layers of src/ only point down: a folder includes only from itself and from the floors
// below it (the README's Layout section), and no include comes back to where it started. Checked
// on the tree itself, and on small made-up trees so that the check cannot pass by missing a
// fault.

#include "layout/include_layers.h"

#include <gtest/gtest.h>

namespace zelvano::layout {
namespace {

TEST(IncludeLayers, TheSourceTreeOnlyPointsDown) {
    const std::vector<Include> includes = includesUnder(kRepository / "src");
    ASSERT_GT(includes.size(), 200u);  // the tree was read
    EXPECT_EQ(layerViolations(includes), std::vector<std::string>{});
    EXPECT_EQ(includeCycle(includes), "");
}

TEST(IncludeLayers, EveryFolderOfTheSourceTreeHasAFloor) {
    for (const auto& entry : fs::directory_iterator(kRepository / "src")) {
        if (!entry.is_directory()) continue;
        const std::string folder = entry.path().filename().string();
        EXPECT_EQ(kFloors.count(folder), 1u) << folder;
    }
}

TEST(IncludeLayers, AnIncludeSidewaysOrUpIsNamed) {
    struct Case {
        const char* what;
        Include include;
        bool allowed;
    };
    const std::vector<Case> cases{
        {"within a folder", {"league/league_store.cpp", "league/league.h"}, true},
        {"one floor down", {"game/lineups.h", "league/league.h"}, true},
        {"from the top to the bottom", {"app/sim_main.cpp", "text/utf8.h"}, true},
        {"the windows down to the game",
         {"windows/scoreboard_window.cpp", "game/play_game.h"},
         true},
        {"the interfaces up to the league", {"platform/views.h", "league/league.h"}, false},
        {"the league up to the season", {"league/league_folder.cpp", "season/rookies.h"}, false},
        {"sideways on the ground floor", {"text/utf8.cpp", "platform/platform.h"}, false},
        {"sideways between the windows and the headless platform",
         {"windows/look.cpp", "headless/headless_views.h"},
         false},
        {"the windows up to the desktop", {"windows/look.cpp", "desktop/qt_platform.h"}, false},
        {"into a folder without a floor", {"season/rookies.cpp", "extras/helper.h"}, false},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> violations = layerViolations({c.include});
        EXPECT_EQ(violations.empty(), c.allowed) << c.what;
        if (!c.allowed && !violations.empty()) {
            EXPECT_EQ(violations.front().rfind(c.include.file + " -> " + c.include.header, 0), 0u)
                << c.what;
        }
    }
}

TEST(IncludeLayers, ACycleIsNamedFromWhereItCloses) {
    EXPECT_EQ(includeCycle({{"league/a.h", "league/b.h"}, {"league/b.h", "league/c.h"}}), "");
    EXPECT_EQ(includeCycle({{"league/a.h", "league/b.h"},
                            {"league/b.h", "league/c.h"},
                            {"league/c.h", "league/b.h"}}),
              "league/b.h -> league/c.h -> league/b.h");
    EXPECT_EQ(includeCycle({{"game/x.h", "game/x.h"}}), "game/x.h -> game/x.h");
    // Two files that include one header are no cycle.
    EXPECT_EQ(includeCycle({{"season/a.cpp", "league/league.h"},
                            {"season/b.cpp", "league/league.h"},
                            {"season/a.cpp", "season/b.h"},
                            {"season/b.h", "league/league.h"}}),
              "");
}

}  // namespace
}  // namespace zelvano::layout
