#include "WinePrefix.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace WinePrefix {

QString path()
{
    const QString fromEnvironment = qEnvironmentVariable("WINEPREFIX");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(fromEnvironment);
    return QDir::cleanPath(QDir::homePath() + QStringLiteral("/.wine"));
}

bool isBareMachine()
{
    // Read on every call: the prefix may be created while the program runs, and tests switch it.
    const QByteArray folder = QFile::encodeName(path());
    struct stat info;
    return ::access(folder.constData(), R_OK | X_OK) != 0 ||
           ::stat(folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode);
}

} // namespace WinePrefix
