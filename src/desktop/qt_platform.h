#pragma once
// The logic's Platform on Qt: the game's real windows, dialogs and settings.
//
//   QApplication app(argc, argv);
//   QtPlatform platform;
//   League league;
//   return runLeague(league, platform);

#include <filesystem>
#include <memory>

#include "desktop/sound_player.h"
#include "platform/platform.h"

namespace zelvano {

class EditorLauncher;

class QtPlatform final : public Platform {
public:
    // The pieces a test wants to control; whatever is left null is the real thing: the user's
    // settings, the current folder and a generator seeded from the clock.
    struct Parts {
        std::unique_ptr<SettingsStore> settings;
        std::unique_ptr<FileStore> files;
        std::unique_ptr<RandomSource> random;
        // Where a sound missing from the current folder is looked for next; empty: the data
        // installed with the game.
        std::filesystem::path dataFolder;
    };

    QtPlatform();
    explicit QtPlatform(Parts parts);
    ~QtPlatform() override;

    void yieldOnce() override;
    void waitUntil(const std::function<bool()>& done) override;
    void sleepMs(int milliseconds) override;

    Answer message(const MessageRequest& request) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& initialText) override;
    void beep() override;

    SettingsStore& settings() override;
    FileStore& files() override;
    RandomSource& random() override;

    void playSound(const std::string& fileName) override;
    void startEditor(const std::string& fileName, std::function<void()> nothingOpened) override;

    void requestEnd(int status) override;
    const SoundPlayer& sound() const { return sound_; }

    std::unique_ptr<ScoreboardView> createScoreboardView(ScoreboardEvents& events) override;
    std::unique_ptr<BattingOrderView> createBattingOrderView(BattingOrderEvents& events) override;
    std::unique_ptr<RegistrationWizardView> createRegistrationWizardView(
        RegistrationWizardEvents& events) override;
    std::unique_ptr<ResultsReportView> createResultsReportView() override;
    std::unique_ptr<OpeningDemoView> createOpeningDemoView(OpeningDemoEvents& events) override;
    std::unique_ptr<InformationView> createInformationView(InformationEvents& events) override;

private:
    void throwIfEnded() const;

    Parts parts_;
    SoundPlayer sound_;
    std::unique_ptr<EditorLauncher> editor_;
    bool endRequested_ = false;
    int endStatus_ = 0;
};

}  // namespace zelvano
