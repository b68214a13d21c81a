#pragma once
// The platform without a window system: for tests and zelvano-sim. The user is a script or the
// automatic manager; a wait that the user can no longer end is reported as HeadlessStall instead
// of hanging.
//
//   HeadlessPlatform platform(user, files, seed);
//   League league;
//   RunLeague(league, platform);

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/headless/headless_views.h"
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
    bool startEditor(const std::string& fileName) override {
        lastEditorFile = fileName;
        return editorAvailable;
    }
    void requestEnd(int status) override;

    std::unique_ptr<GameView> createGameView(GameViewEvents& events) override;
    std::unique_ptr<OrderView> createOrderView(OrderViewEvents& events) override;
    std::unique_ptr<WizardView> createWizardView(WizardViewEvents& events) override;
    std::unique_ptr<ReportView> createReportView() override;
    std::unique_ptr<InformationView> createInformationView(InformationViewEvents& events) override;
    std::unique_ptr<DemoView> createDemoView(DemoViewEvents& events) override;

    // The windows open now, or null.
    HeadlessGameView* gameView() const { return gameView_; }
    HeadlessOrderView* orderView() const { return orderView_; }
    HeadlessWizardView* wizardView() const { return wizardView_; }
    HeadlessReportView* reportView() const { return reportView_; }
    HeadlessInformationView* informationView() const { return informationView_; }
    HeadlessDemoView* demoView() const { return demoView_; }

    // Every message, question and input box as a record: kind, title, text and the answer.
    std::function<void(const std::string& kind, const std::string& title, const std::string& text,
                       const std::string& answer)>
        onDialog;
    // Called at every yield: lets a test look at the windows in the middle of a game.
    std::function<void()> onYield;
    // False when nobody looks at the scoreboards (zelvano-sim, the benchmarks): a game without
    // pauses then leaves its board blank and makes no yield, and only its result counts.
    bool gamesWatched = true;

    int beeps = 0;
    int gameViewsCreated = 0, orderViewsCreated = 0, wizardViewsCreated = 0, reportViewsCreated = 0,
        informationViewsCreated = 0;
    long long sleptMs = 0;
    std::string lastSound, lastEditorFile;
    bool editorAvailable = true;
    std::vector<std::string> sounds;     // every sound asked for, in order
    std::vector<std::string> demoSteps;  // what the opening demo showed, see HeadlessDemoView

private:
    friend class HeadlessGameView;
    friend class HeadlessOrderView;
    friend class HeadlessWizardView;
    friend class HeadlessReportView;
    friend class HeadlessInformationView;
    friend class HeadlessDemoView;
    void checkEnd() const;

    HeadlessUser& user_;
    std::unique_ptr<FileStore> files_;
    MemorySettingsStore settings_;
    std::unique_ptr<RandomSource> random_;
    HeadlessGameView* gameView_ = nullptr;
    HeadlessOrderView* orderView_ = nullptr;
    HeadlessWizardView* wizardView_ = nullptr;
    HeadlessReportView* reportView_ = nullptr;
    HeadlessInformationView* informationView_ = nullptr;
    HeadlessDemoView* demoView_ = nullptr;
    bool endRequested_ = false;
    int endStatus_ = 0;
    static constexpr int kMaxEmptyInputs = 100;
    int emptyInputsInARow_ = 0;
};

}  // namespace zelvano
