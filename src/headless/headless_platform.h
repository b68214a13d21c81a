#pragma once
// The platform without a window system: for tests and zelvano-sim. The user is a script or the
// automatic manager; a wait that the user can no longer end is reported as HeadlessStall instead
// of hanging.
//
//   HeadlessPlatform platform(user, files, seed);
//   League league;
//   runLeague(league, platform);

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "headless/headless_views.h"
#include "headless/memory_settings_store.h"
#include "platform/platform.h"

namespace zelvano {

struct HeadlessStall : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Whoever sits in front of the headless windows.
class HeadlessUser {
public:
    virtual ~HeadlessUser() = default;
    virtual Answer answer(const MessageRequest& request) = 0;
    virtual std::string input(const std::string& prompt, const std::string& title,
                              const std::string& initialText) = 0;
    // Does one thing with the open windows that may end the current wait; false when there is
    // nothing left to do.
    virtual bool act(HeadlessPlatform& platform) = 0;
};

class HeadlessPlatform final : public Platform {
public:
    HeadlessPlatform(HeadlessUser& user, std::unique_ptr<FileStore> files, std::uint64_t seed);
    // A test may script the draws themselves.
    HeadlessPlatform(HeadlessUser& user, std::unique_ptr<FileStore> files,
                     std::unique_ptr<RandomSource> random);

    void yieldOnce() override;
    void waitUntil(const std::function<bool()>& done) override;
    void sleepMs(int milliseconds) override;
    bool showsGames() const override { return gamesWatched; }

    Answer message(const MessageRequest& request) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& initialText) override;
    void beep() override { ++beeps; }

    SettingsStore& settings() override { return settings_; }
    FileStore& files() override { return *files_; }
    RandomSource& random() override { return *random_; }

    void playSound(const std::string& fileName) override {
        lastSound = fileName;
        sounds.push_back(fileName);
    }
    // Without an editor the player is told at once.
    void startEditor(const std::string& fileName, std::function<void()> nothingOpened) override {
        lastEditorFile = fileName;
        if (!editorAvailable && nothingOpened) nothingOpened();
    }
    void requestEnd(int status) override;

    std::unique_ptr<ScoreboardView> createScoreboardView(ScoreboardEvents& events) override;
    std::unique_ptr<BattingOrderView> createBattingOrderView(BattingOrderEvents& events) override;
    std::unique_ptr<RegistrationWizardView> createRegistrationWizardView(
        RegistrationWizardEvents& events) override;
    std::unique_ptr<ResultsReportView> createResultsReportView() override;
    std::unique_ptr<InformationView> createInformationView(InformationEvents& events) override;
    std::unique_ptr<OpeningDemoView> createOpeningDemoView(OpeningDemoEvents& events) override;

    // The windows open now, or null.
    HeadlessScoreboardView* scoreboardView() const { return scoreboardView_; }
    HeadlessBattingOrderView* battingOrderView() const { return battingOrderView_; }
    HeadlessRegistrationWizardView* registrationWizardView() const {
        return registrationWizardView_;
    }
    HeadlessResultsReportView* resultsReportView() const { return resultsReportView_; }
    HeadlessInformationView* informationView() const { return informationView_; }
    HeadlessOpeningDemoView* openingDemoView() const { return openingDemoView_; }

    // Every message, question and input box as a record: kind, title, text and the answer.
    std::function<void(const std::string& kind, const std::string& title, const std::string& text,
                       const std::string& answer)>
        onDialog;
    // Called at every yield: lets a test look at the windows in the middle of a game.
    std::function<void()> onYield;
    // False when nobody looks at the scoreboards (zelvano-sim, the benchmarks): a game without
    // pauses then leaves its board blank, and only its result counts.
    bool gamesWatched = true;

    int beeps = 0;
    int scoreboardViewsCreated = 0, battingOrderViewsCreated = 0,
        registrationWizardViewsCreated = 0, resultsReportViewsCreated = 0,
        informationViewsCreated = 0;
    long long sleptMs = 0;
    std::string lastSound, lastEditorFile;
    bool editorAvailable = true;
    std::vector<std::string> sounds;  // every sound asked for, in order
    std::vector<std::string>
        demoSteps;  // what the opening demo showed, see HeadlessOpeningDemoView

private:
    friend class HeadlessScoreboardView;
    friend class HeadlessBattingOrderView;
    friend class HeadlessRegistrationWizardView;
    friend class HeadlessResultsReportView;
    friend class HeadlessInformationView;
    friend class HeadlessOpeningDemoView;
    void checkEnd() const;

    HeadlessUser& user_;
    std::unique_ptr<FileStore> files_;
    MemorySettingsStore settings_;
    std::unique_ptr<RandomSource> random_;
    HeadlessScoreboardView* scoreboardView_ = nullptr;
    HeadlessBattingOrderView* battingOrderView_ = nullptr;
    HeadlessRegistrationWizardView* registrationWizardView_ = nullptr;
    HeadlessResultsReportView* resultsReportView_ = nullptr;
    HeadlessInformationView* informationView_ = nullptr;
    HeadlessOpeningDemoView* openingDemoView_ = nullptr;
    bool endRequested_ = false;
    int endStatus_ = 0;
    static constexpr int kMaxEmptyInputs = 100;
    int emptyInputsInARow_ = 0;
};

}  // namespace zelvano
