#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>

namespace {

Q_LOGGING_CATEGORY(translationsLog, "plumeno.translations", QtWarningMsg)

} // namespace

bool Translations::installQtJapanese(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_ja"), folder) || !QCoreApplication::installTranslator(translator)) {
        // Qt's own buttons stay in English; the game's texts are its own.
        qCInfo(translationsLog).noquote() << "Qt's Japanese texts (qtbase_ja) not found in" << folder;
        delete translator;
        return false;
    }
    return true;
}
