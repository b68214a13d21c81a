// zelvano: the game on the desktop. It keeps its league in the folder it is started in.

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "app/game_options.h"
#include "desktop/qt_platform.h"
#include "desktop/qt_settings_store.h"
#include "desktop/qt_translations.h"
#include "league/league.h"
#include "league/settings_keys.h"
#include "season/season_driver.h"
#include "text/desktop_language.h"
#include "text/translation.h"
#include "windows/baseball_icon.h"
#include "windows/fonts.h"

namespace {

constexpr const char* kNoDisplay =
    "zelvano: no display found (DISPLAY/WAYLAND_DISPLAY unset); run it inside a desktop session, "
    "or use zelvano-sim for a headless league\n";
constexpr const char* kDisplayFailed =
    "zelvano: cannot open the display; run it inside a desktop session, or use zelvano-sim for a "
    "headless league\n";

bool set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt ends the program with a page of plugin diagnostics when the display cannot be opened. While
// the application starts, its messages are held back; a fatal one becomes one plain line.
bool starting = true;

void startupMessageHandler(QtMsgType type, const QMessageLogContext& /*context*/,
                           const QString& message) {
    if (starting && type == QtFatalMsg) {
        std::fputs(kDisplayFailed, stderr);
        std::_Exit(1);
    }
    if (starting) return;
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> answered = zelvano::answerCommandLine(argc, argv)) {
        return *answered;
    }
    if (!set("DISPLAY") && !set("WAYLAND_DISPLAY") && !set("QT_QPA_PLATFORM")) {
        std::fputs(kNoDisplay, stderr);
        return 1;
    }

    const QtMessageHandler previousHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    starting = false;
    qInstallMessageHandler(previousHandler);

    QApplication::setApplicationName(QStringLiteral("zelvano"));
    // Lets the desktop match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(ZELVANO_APP_ID));
    // The program ends when the league loop does; between two windows none may be open.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(zelvano::baseballIcon());
    QApplication::setFont(zelvano::defaultWindowFont());
    // The player's language, else the desktop's, before the first window is made. The settings
    // are only read here; an unusable file is told of by the platform's own store.
    const std::string language = zelvano::text::chosenLanguage(
        zelvano::QtSettingsStore().read(zelvano::kLanguageKey),
        [](const char* name) -> const char* { return std::getenv(name); });
    zelvano::text::useLanguage(language);
    const auto translator = zelvano::installQtTranslations(language);

    try {
        zelvano::QtPlatform platform;
        zelvano::League league;
        // history.sqlite beside the league file, in the league folder.
        zelvano::LeagueHistory history;
        return zelvano::runLeague(league, platform, nullptr, &history);
    } catch (const zelvano::ProgramEnded& ended) {
        return ended.status;
    }
}
