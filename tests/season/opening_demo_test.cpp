#include "season/opening_demo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "season/season_driver.h"
#include "support/scripted_user.h"

namespace zelvano {
namespace {

// Every change of the demo window with the milliseconds of pause before it.
const std::vector<std::string> kScript = {
    "0 hide logo",
    "0 top 650",
    "0 frame 0",
    "0 show",
    "1000 frame 1",
    "1100 line 1",
    "1100 line 2",
    "1100 frame 0",
    "1200 frame 1",
    "1400 line 3",
    "1400 line 4",
    "1400 line 5",
    "1400 line 6",
    "1700 frame 2",
    "1800 frame 3",
    "1900 frame 4",
    "2000 frame 1",
    "2050 line 7",
    "2050 line 8",
    "2050 line 9",
    "2050 top 0",
    "2050 frame 5",
    "2050 background 255 255 255",
    "2090 background 221 221 221",
    "2130 background 187 187 187",
    "2170 background 153 153 153",
    "2210 background 119 119 119",
    "2250 background 85 85 85",
    "2290 background 51 51 51",
    "2330 background 17 17 17",
    "2370 line 10",
    "2370 line 11",
    "2370 line 12",
    "2370 line 13",
    "2370 background 0 0 0",
    "2870 line 14",
    "2870 line 15",
    "2870 line 16",
    "2870 line 17",
    "2870 frame 6",
    "3120 line 18",
    "3120 line 19",
    "3370 frame 7",
    "3370 labels",
    "5870 close",
};

// Runs the demo; at the given yield (1-based), presses the key with the modifier mask.
struct DemoRun : testing::ScriptedRun {
    int yields = 0;

    const std::vector<std::string>& run(int keyAtYield = 0, int keyCode = 0, int shift = 0) {
        platform->onYield = [&] {
            ++yields;
            HeadlessOpeningDemoView* view = platform->openingDemoView();
            if (yields == keyAtYield && view != nullptr) view->pressKey(keyCode, shift);
        };
        showOpeningDemo(*platform);
        return platform->demoSteps;
    }
};

TEST(OpeningDemo, StepsAndPausesInTheirOrder) {
    DemoRun demo;
    EXPECT_EQ(demo.run(), kScript);
    EXPECT_EQ(demo.platform->sleptMs, 5870);
    // One yield at the load, then two around every one of the 57 pauses.
    EXPECT_EQ(demo.yields, 1 + 2 * 57);
    EXPECT_EQ(demo.platform->sounds, std::vector<std::string>{kOpeningSound});
}

TEST(OpeningDemo, OnlyAKeyWithAModifierStopsTheSoundAndNothingShortensTheDemo) {
    const int keyA = 65, keyShift = 16;
    struct Case {
        int keyCode, shift;
        std::vector<std::string> sounds;
    };
    const Case cases[] = {
        {keyA, 0, {kOpeningSound}},
        {keyShift, 1, {kOpeningSound, kSilence}},
        {keyA, 2, {kOpeningSound, kSilence}},
        {keyA, 4, {kOpeningSound, kSilence}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.keyCode) + " with " + std::to_string(c.shift));
        DemoRun demo;
        EXPECT_EQ(demo.run(40, c.keyCode, c.shift), kScript);
        EXPECT_EQ(demo.platform->sounds, c.sounds);
        EXPECT_EQ(demo.platform->sleptMs, 5870);
    }
}

TEST(OpeningDemo, ShownBeforeTheLeagueIsLoaded) {
    testing::ScriptedRun run;
    bool demoSeen = false, demoOverBeforeWizard = false;
    run.platform->onYield = [&] {
        demoSeen = demoSeen || run.platform->openingDemoView() != nullptr;
    };
    run.user.onAct = [&](HeadlessPlatform& p) {
        demoOverBeforeWizard = p.registrationWizardView() != nullptr &&
                               p.openingDemoView() == nullptr && p.sleptMs >= 5870;
        return false;  // nobody registers: the wait ends the run
    };
    EXPECT_THROW(runLeague(run.league, *run.platform), HeadlessStall);
    EXPECT_TRUE(demoSeen);
    EXPECT_TRUE(demoOverBeforeWizard);
}

}  // namespace
}  // namespace zelvano
