#pragma once
// The logic's Platform on Qt: the game's real windows, dialogs and settings.
//
//   QApplication app(argc, argv);
//   QtPlatform platform;
//   League league;
//   return RunLeague(league, platform);

#include <filesystem>
#include <memory>

#include "platform/platform.h"
#include "platform/qt/sound_player.h"

namespace zelvano {

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
    bool startEditor(const std::string& fileName) override;

    void requestEnd(int status) override;
    bool endRequested() const { return endRequested_; }
    const SoundPlayer& sound() const { return sound_; }

    std::unique_ptr<GameView> createGameView(GameViewEvents& events) override;
    std::unique_ptr<OrderView> createOrderView(OrderViewEvents& events) override;
    std::unique_ptr<WizardView> createWizardView(WizardViewEvents& events) override;
    std::unique_ptr<ReportView> createReportView() override;
    std::unique_ptr<DemoView> createDemoView(DemoViewEvents& events) override;
    std::unique_ptr<InformationView> createInformationView(InformationViewEvents& events) override;

private:
    void throwIfEnded() const;

    Parts parts_;
    SoundPlayer sound_;
    bool endRequested_ = false;
    int endStatus_ = 0;
};

}  // namespace zelvano
