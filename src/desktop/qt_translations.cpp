#include "desktop/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace zelvano {

std::unique_ptr<QTranslator> installQtTranslations(std::string_view language) {
    if (language == "en") return nullptr;
    const QLocale locale(
        QString::fromUtf8(language.data(), static_cast<qsizetype>(language.size())));
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return nullptr;
    }
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

}  // namespace zelvano
