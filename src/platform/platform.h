#pragma once
// The one interface through which the logic reaches the outside world. The game runs on the Qt
// implementation (desktop/qt_platform.h); tests and zelvano-sim run the very same logic on the
// headless one (headless/headless_platform.h).
//
//   platform.waitUntil([&] { return league.NextRequested; });
//   if (platform.message({text, "Zelvano 2004", MessageIcon::Question, MessageButtons::YesNo,
//                         Answer::Yes}) == Answer::No) { ... }

#include <functional>
#include <memory>
#include <string>

#include "platform/dialogs.h"
#include "platform/file_store.h"
#include "platform/random_source.h"
#include "platform/settings_store.h"
#include "platform/views.h"

namespace zelvano {

// Thrown from the logic's own stack (never from inside a window event) to end the program; main
// catches it. A window event that ends the program calls Platform::requestEnd instead, and the
// next yield, wait or sleep throws.
struct ProgramEnded {
    int status = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Processes the pending window events once and returns.
    virtual void yieldOnce() = 0;
    // Blocks on window events until done() holds. It uses no processor time while it waits.
    virtual void waitUntil(const std::function<bool()>& done) = 0;
    virtual void sleepMs(int milliseconds) = 0;
    // Whether anybody sees the scoreboard. Where nobody does, a game without pauses is shown to
    // no board: neither its lineups, nor its plate appearances, nor the standings.
    virtual bool showsGames() const { return true; }

    virtual Answer message(const MessageRequest& request) = 0;
    // The typed text; empty on Cancel. The box opens holding initialText, so a refused entry can
    // be corrected rather than typed again.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& initialText) = 0;
    virtual void beep() = 0;

    virtual SettingsStore& settings() = 0;
    virtual FileStore& files() = 0;
    virtual RandomSource& random() = 0;

    // Starts the wave file in the background and returns at once; it replaces the sound still
    // playing. A file that cannot be found only stops that sound.
    virtual void playSound(const std::string& fileName) = 0;
    // Opens the file in the user's text editor and returns at once. Whether an editor opened it
    // is learnt later: nothingOpened is called, from a window event, when none did.
    virtual void startEditor(const std::string& fileName, std::function<void()> nothingOpened) = 0;

    // Asked from inside a window event: the program ends at the next yield, wait or sleep.
    virtual void requestEnd(int status) = 0;

    virtual std::unique_ptr<ScoreboardView> createScoreboardView(ScoreboardEvents& events) = 0;
    virtual std::unique_ptr<BattingOrderView> createBattingOrderView(
        BattingOrderEvents& events) = 0;
    virtual std::unique_ptr<RegistrationWizardView> createRegistrationWizardView(
        RegistrationWizardEvents& events) = 0;
    virtual std::unique_ptr<ResultsReportView> createResultsReportView() = 0;
    virtual std::unique_ptr<InformationView> createInformationView(InformationEvents& events) = 0;
    virtual std::unique_ptr<OpeningDemoView> createOpeningDemoView(OpeningDemoEvents& events) = 0;
};

}  // namespace zelvano
