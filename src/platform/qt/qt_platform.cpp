#include "platform/qt/qt_platform.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QThread>
#include <filesystem>

#include "platform/qt/editor_launcher.h"
#include "platform/qt/installed_data.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_settings_store.h"
#include "windows/demoform.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/information_window_view.h"
#include "windows/qt_text.h"

namespace zelvano {

QtPlatform::QtPlatform() : QtPlatform(Parts{}) {}

QtPlatform::QtPlatform(Parts parts) : parts_(std::move(parts)) {
    if (!parts_.settings) {
        auto settings = std::make_unique<QtSettingsStore>();
        settings->onUnusableFile = [](const std::string& path, const std::string& problem) {
            showMessageBox({"設定ファイル「" + path + "」を使えませんでした。\n（" + problem +
                                "）\n\n設定は初期値のまま遊べますが、変えた設定は保存されま"
                                "せん。このファイルを取り除いてから、もう一度起動してください。",
                            "Zelvano／設定", MessageIcon::Exclamation});
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

bool QtPlatform::startEditor(const std::string& fileName) {
    const std::filesystem::path path = parts_.files->resolve(fileName);
    return startEditorOn(QString::fromStdString(path.string()));
}

void QtPlatform::requestEnd(int status) {
    endRequested_ = true;
    endStatus_ = status;
    // A wait blocked in the window system must notice the request even if no other event comes.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        dispatcher->wakeUp();
    }
}

std::unique_ptr<GameView> QtPlatform::createGameView(GameViewEvents& events) {
    return std::make_unique<Form1>(events);
}

std::unique_ptr<OrderView> QtPlatform::createOrderView(OrderViewEvents& events) {
    return std::make_unique<Form2>(events);
}

std::unique_ptr<WizardView> QtPlatform::createWizardView(WizardViewEvents& events) {
    return std::make_unique<Form4>(events);
}

std::unique_ptr<ReportView> QtPlatform::createReportView() { return std::make_unique<Form3>(); }

std::unique_ptr<DemoView> QtPlatform::createDemoView(DemoViewEvents& events) {
    return std::make_unique<Demoform>(events);
}

std::unique_ptr<InformationView> QtPlatform::createInformationView(InformationViewEvents& events) {
    return std::make_unique<InformationWindowView>(events);
}

}  // namespace zelvano
