#include "GameFolder.h"

#include "Cp1252.h"
#include "Errors.h"
#include "FileSystem.h"
#include "Registry.h"
#include "UninstallEntry.h"
#include "WinPath.h"
#include "WinePrefix.h"

#include <QCoreApplication>
#include <QDir>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The text of a quoted argument starting at the quotation mark at `quote`; an unclosed one runs
// to the end.
QString quotedArgument(const QString& text, qsizetype quote)
{
    const qsizetype close = text.indexOf(QLatin1Char('"'), quote + 1);
    return close < 0 ? text.mid(quote + 1) : text.mid(quote + 1, close - quote - 1);
}

// A command line split into the program's path and where its arguments begin.
struct Command
{
    QString program;
    qsizetype argumentsFrom = 0;
};

// The program path as Windows finds it: quoted, or unquoted up to ".exe" before a blank or the
// end. An unquoted path without such an ending is the whole text, and its arguments are sought
// from the start. A text that begins with a switch names no program.
Command splitCommand(const QString& text)
{
    if (text.startsWith(QLatin1Char('-')))
        return {};
    if (text.startsWith(QLatin1Char('"'))) {
        const qsizetype close = text.indexOf(QLatin1Char('"'), 1);
        return {quotedArgument(text, 0), close < 0 ? text.size() : close + 1};
    }
    const QLatin1String exe(".exe");
    qsizetype from = 0;
    while (true) {
        const qsizetype at = text.indexOf(exe, from, Qt::CaseInsensitive);
        if (at < 0)
            return {text, 0};
        const qsizetype end = at + exe.size();
        if (end == text.size() || isBlank(text.at(end)))
            return {text.left(end), end};
        from = at + 1;
    }
}

// Where "-f" (or "-F": Windows switches ignore case) starts an argument of its own, at the start
// or after a blank and outside quotation marks, searching from `from`; -1 when absent.
qsizetype logSwitch(const QString& text, qsizetype from)
{
    bool quoted = false;
    for (qsizetype i = from; i + 1 < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('"')) {
            quoted = !quoted;
            continue;
        }
        const bool argumentStart = i == 0 || isBlank(text.at(i - 1));
        if (!quoted && argumentStart && text.at(i) == QLatin1Char('-') &&
            text.at(i + 1).toLower() == QLatin1Char('f'))
            return i;
    }
    return -1;
}

// A switch such as -c or /S begins at `at`.
bool switchStarts(const QString& text, qsizetype at)
{
    return at + 1 < text.size() &&
           (text.at(at) == QLatin1Char('-') || text.at(at) == QLatin1Char('/')) &&
           text.at(at + 1).isLetter();
}

// The log path after -f. Unquoted, it may hold blanks ("C:\Program Files\..."), so it runs to
// the next switch, or to the end.
QString logPath(const QString& text, qsizetype switchAt)
{
    const qsizetype start = switchAt + 2;
    if (start < text.size() && text.at(start) == QLatin1Char('"'))
        return quotedArgument(text, start);
    qsizetype end = start;
    while (end < text.size()) {
        if (isBlank(text.at(end)) && switchStarts(text, end + 1))
            break;
        ++end;
    }
    return text.mid(start, end - start).trimmed();
}

} // namespace

namespace GameFolder {

QString folderPart(const QString& path)
{
    qsizetype last = -1;
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (path.at(i) == QLatin1Char('\\') || path.at(i) == QLatin1Char(':')) {
            last = i;
            break;
        }
    }
    if (last < 0)
        return {};
    const bool dropBackslash = path.at(last) == QLatin1Char('\\') && last > 0 &&
                               path.at(last - 1) != QLatin1Char(':') &&
                               path.at(last - 1) != QLatin1Char('\\');
    return path.left(dropBackslash ? last : last + 1);
}

QString fromUninstallString(const QString& uninstallString)
{
    const QString text = uninstallString.trimmed();
    const Command command = splitCommand(text);
    // An argument that only starts like the log switch ("-force", a bare "-f") names no folder;
    // the program's own folder then serves.
    const qsizetype switchAt = logSwitch(text, command.argumentsFrom);
    if (switchAt >= 0) {
        const QString logFolder = folderPart(logPath(text, switchAt));
        if (!logFolder.isEmpty())
            return logFolder;
    }
    return folderPart(command.program);
}

QString readGameFolder()
{
    const auto key =
        RegistryKey::open(RegistryRoot::LocalMachine, UninstallEntry::key, /*view32=*/true);
    if (!key)
        return {};
    return fromUninstallString(key->readString(UninstallEntry::commandValue));
}

QString withTilde(const QString& hostPath)
{
    const QString home = QDir::cleanPath(QDir::homePath());
    if (home == QLatin1String("/"))
        return hostPath;
    if (hostPath == home)
        return QStringLiteral("~");
    if (hostPath.startsWith(home + QLatin1Char('/')))
        return QLatin1Char('~') + hostPath.mid(home.size());
    return hostPath;
}

QString hostFolder(const QString& gameFolder)
{
    const WinPath::HostPath host = WinPath::toHost(gameFolder); // an empty one leads nowhere
    return host ? withTilde(*host) : QString();
}

QString prefixHint()
{
    if (WinePrefix::isBareMachine())
        return QCoreApplication::translate("GameFolder", "No Wine prefix: %1 is missing")
            .arg(withTilde(WinePrefix::path()));
    return QCoreApplication::translate("GameFolder", "Wine prefix: %1")
        .arg(withTilde(WinePrefix::path()));
}

int driveNumber(const QString& gameFolder)
{
    const int code = gameFolder.isEmpty() ? -1 : Cp1252::code(gameFolder.front());
    if (code < 64)
        throw Exception(QCoreApplication::translate("GameFolder", "Range check error"));
    // Windows takes drive letters in either case; "c:\games" is on drive C.
    if (code >= 'a' && code <= 'z')
        return code - 'a' + 1;
    return code - 64;
}

QString freeSpaceLine(const QString& gameFolder, const FreeSpaceQuery& freeBytes)
{
    const int drive = driveNumber(gameFolder);
    const qint64 kilobytes = freeBytes(drive).value_or(0) / 1024;
    return QCoreApplication::translate("GameFolder", "Free space on drive %1 - %2 kB")
        .arg(gameFolder.front())
        .arg(kilobytes);
}

QString freeSpaceLine(const QString& gameFolder)
{
    return freeSpaceLine(gameFolder, FileSystem::freeSpace);
}

} // namespace GameFolder
