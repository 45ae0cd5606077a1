#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

const QString catalogueName = QStringLiteral("korvane-installer");

bool installFirstFound(const QLocale& locale, const QString& name, const QStringList& folders)
{
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            translator->setParent(QCoreApplication::instance());
            QCoreApplication::installTranslator(translator.release());
            return true;
        }
    }
    return false;
}

} // namespace

namespace Translations {

QStringList catalogueFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QDir::cleanPath(programFolder + QLatin1Char('/') +
                                           QStringLiteral(KORVANE_TRANSLATIONS_FROM_BINDIR))};
}

void install(const QLocale& locale, const QStringList& folders)
{
    // English is the language the texts are written in: no catalogue may stand between them and
    // the user, not even Qt's.
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return;
    // Qt's standard buttons in a language the rest of the window does not speak would be worse
    // than English throughout.
    if (installFirstFound(locale, catalogueName, folders))
        installFirstFound(locale, QStringLiteral("qtbase"),
                          {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
}

} // namespace Translations
