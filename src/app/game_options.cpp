#include "app/game_options.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

namespace zelvano {

namespace {

// Without an application object yet, Qt cannot name the program in its help.
QString helpText(const QCommandLineParser& parser) {
    return parser.helpText().replace(QStringLiteral("<executable_name>"),
                                     QStringLiteral("zelvano"));
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.size() <= 1) return std::nullopt;

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Zelvano: manage team 1 of a three-team baseball league, year after year.\n"
                       "The game keeps its league in the folder it is started in (Jbball.Jdt)."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "zelvano: %s\n%s", qPrintable(parser.errorText()),
                     qPrintable(helpText(parser)));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(helpText(parser)), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("zelvano %s\n", ZELVANO_VERSION);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "zelvano: takes no arguments\n%s", qPrintable(helpText(parser)));
        return 2;
    }
    return std::nullopt;
}

}  // namespace zelvano
