#include "desktop/qt_platform.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QThread>
#include <filesystem>

#include "desktop/editor_launcher.h"
#include "desktop/installed_data.h"
#include "desktop/qt_dialogs.h"
#include "desktop/qt_settings_store.h"
#include "folder_store/folder_file_store.h"
#include "text/translation.h"
#include "windows/batting_order_window.h"
#include "windows/information_window_handle.h"
#include "windows/opening_demo_window.h"
#include "windows/qt_text.h"
#include "windows/registration_wizard_window.h"
#include "windows/results_report_window.h"
#include "windows/scoreboard_window.h"

namespace zelvano {

QtPlatform::QtPlatform() : QtPlatform(Parts{}) {}

QtPlatform::QtPlatform(Parts parts)
    : parts_(std::move(parts)), editor_(std::make_unique<EditorLauncher>()) {
    if (!parts_.settings) {
        auto settings = std::make_unique<QtSettingsStore>();
        settings->onUnusableFile = [](const std::string& path, const std::string& problem) {
            showMessageBox({text::fillIn(text::translated(
                                             "設定ファイル「{1}」を使えませんでした。\n（{2}）\n\n"
                                             "設定は初期値のまま遊べますが、変えた設定は保存され"
                                             "ません。このファイルを取り除いてから、もう一度起動"
                                             "してください。"),
                                         {path, problem}),
                            text::translated("Zelvano／設定"), MessageIcon::Exclamation});
        };
        parts_.settings = std::move(settings);
    }
    // The game keeps its league in the folder it is started in.
    if (!parts_.files) parts_.files = makeFolderFileStore(std::filesystem::current_path());
    if (!parts_.random) parts_.random = std::make_unique<SeededRandom>(seedFromClock());
    if (parts_.dataFolder.empty()) parts_.dataFolder = installedDataFolder();
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::throwIfEnded() const {
    if (endRequested_) throw ProgramEnded{endStatus_};
}

void QtPlatform::yieldOnce() {
    throwIfEnded();
    QCoreApplication::processEvents();
    throwIfEnded();
}

void QtPlatform::waitUntil(const std::function<bool()>& done) {
    throwIfEnded();
    while (!done()) {
        // Sleeps in the window system until something happens; every event handler that could
        // make done() true runs inside this call.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        throwIfEnded();
    }
}

void QtPlatform::sleepMs(int milliseconds) {
    throwIfEnded();
    if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
    throwIfEnded();
}

Answer QtPlatform::message(const MessageRequest& request) { return showMessageBox(request); }

std::string QtPlatform::inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& initialText) {
    return showInputBox(prompt, title, initialText);
}

void QtPlatform::beep() { QApplication::beep(); }

SettingsStore& QtPlatform::settings() { return *parts_.settings; }

FileStore& QtPlatform::files() { return *parts_.files; }

RandomSource& QtPlatform::random() { return *parts_.random; }

void QtPlatform::playSound(const std::string& fileName) {
    // The player's own copy in the league folder first, then the one installed with the game.
    std::filesystem::path path = parts_.files->resolve(fileName);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) path = parts_.dataFolder / fileName;
    sound_.play(QString::fromStdString(path.string()));
}

void QtPlatform::startEditor(const std::string& fileName, std::function<void()> nothingOpened) {
    const std::filesystem::path path = parts_.files->resolve(fileName);
    editor_->open(QString::fromStdString(path.string()), std::move(nothingOpened));
}

void QtPlatform::requestEnd(int status) {
    endRequested_ = true;
    endStatus_ = status;
    // A wait blocked in the window system must notice the request even if no other event comes.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        dispatcher->wakeUp();
    }
}

std::unique_ptr<ScoreboardView> QtPlatform::createScoreboardView(ScoreboardEvents& events) {
    return std::make_unique<ScoreboardWindow>(events);
}

std::unique_ptr<BattingOrderView> QtPlatform::createBattingOrderView(BattingOrderEvents& events) {
    return std::make_unique<BattingOrderWindow>(events);
}

std::unique_ptr<RegistrationWizardView> QtPlatform::createRegistrationWizardView(
    RegistrationWizardEvents& events) {
    return std::make_unique<RegistrationWizardWindow>(events);
}

std::unique_ptr<ResultsReportView> QtPlatform::createResultsReportView() {
    return std::make_unique<ResultsReportWindow>();
}

std::unique_ptr<OpeningDemoView> QtPlatform::createOpeningDemoView(OpeningDemoEvents& events) {
    return std::make_unique<OpeningDemoWindow>(events);
}

std::unique_ptr<InformationView> QtPlatform::createInformationView(InformationEvents& events) {
    return std::make_unique<InformationWindowHandle>(events, parts_.settings.get());
}

}  // namespace zelvano
