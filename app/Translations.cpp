#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

const QString catalogueName = QStringLiteral("korvane-installer");

// Beside the program in a build, in the data folder once installed.
QStringList catalogueFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QDir::cleanPath(programFolder + QLatin1Char('/') +
                                           QStringLiteral(KORVANE_TRANSLATIONS_FROM_BINDIR))};
}

void installFirstFound(const QLocale& locale, const QString& name, const QStringList& folders)
{
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            translator->setParent(QCoreApplication::instance());
            QCoreApplication::installTranslator(translator.release());
            return;
        }
    }
}

} // namespace

namespace Translations {

void install(const QLocale& locale)
{
    // English is the language the texts are written in: no catalogue may stand between them and
    // the user, not even Qt's.
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return;
    installFirstFound(locale, QStringLiteral("qtbase"),
                      {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    installFirstFound(locale, catalogueName, catalogueFolders());
}

} // namespace Translations
