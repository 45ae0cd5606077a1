#include "TestWorld.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <unistd.h>

namespace {

// A quoted registry text as Wine writes it: backslash and quote escaped, everything outside
// printable ASCII as a four-digit \x escape.
QByteArray wineQuoted(const QString& text)
{
    QByteArray quoted = "\"";
    for (QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == '\\' || unit == '"') {
            quoted += '\\';
            quoted += char(unit);
        } else if (unit == '\n') {
            quoted += "\\n";
        } else if (unit < 0x20 || unit >= 0x7F) {
            quoted += "\\x" + QByteArray::number(unit, 16).rightJustified(4, '0');
        } else {
            quoted += char(unit);
        }
    }
    return quoted + '"';
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("TestWorld cannot write %s", qPrintable(path));
    file.write(bytes);
}

} // namespace

TestWorld::TestWorld(bool win64)
    : m_oldPrefix(qgetenv("WINEPREFIX")), m_hadPrefix(qEnvironmentVariableIsSet("WINEPREFIX")),
      m_oldCurrent(QDir::currentPath()), m_win64(win64)
{
    if (!m_dir.isValid())
        qFatal("TestWorld cannot make a temporary folder");
    QDir().mkpath(driveC());
    QDir().mkpath(prefix() + QStringLiteral("/dosdevices"));
    QDir().mkpath(medium());
    addDrive(QLatin1Char('c'), QStringLiteral("../drive_c"));
    writeSystemReg(QByteArray());
    writeUserReg(QByteArray());
    qputenv("WINEPREFIX", QFile::encodeName(prefix()));
    QDir::setCurrent(medium());
}

TestWorld::~TestWorld()
{
    QDir::setCurrent(m_oldCurrent);
    if (m_hadPrefix)
        qputenv("WINEPREFIX", m_oldPrefix);
    else
        qunsetenv("WINEPREFIX");
}

QString TestWorld::root() const
{
    // Canonical, so that paths built here compare equal to the current directory's.
    return QFileInfo(m_dir.path()).canonicalFilePath();
}

QString TestWorld::prefix() const
{
    return root() + QStringLiteral("/prefix");
}

QString TestWorld::driveC() const
{
    return prefix() + QStringLiteral("/drive_c");
}

QString TestWorld::medium() const
{
    return root() + QStringLiteral("/medium");
}

QByteArray TestWorld::header(const QByteArray& relativeTo) const
{
    return "WINE REGISTRY Version 2\n;; All keys relative to " + relativeTo +
           "\n\n#arch=" + (m_win64 ? "win64" : "win32") + "\n";
}

void TestWorld::writeSystemReg(const QByteArray& sections)
{
    m_systemSections = sections;
    m_uninstallSections.clear();
    saveSystemReg();
}

void TestWorld::saveSystemReg() const
{
    QByteArray uninstall;
    for (const QByteArray& section : m_uninstallSections)
        uninstall += section;
    writeBytes(prefix() + QStringLiteral("/system.reg"),
               header("REGISTRY\\\\Machine") + "\n" + m_systemSections + uninstall);
}

void TestWorld::writeUserReg(const QByteArray& sections)
{
    writeBytes(prefix() + QStringLiteral("/user.reg"),
               header("REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000") + "\n" + sections);
}

void TestWorld::setUninstallString(const QString& value, bool wow6432Node)
{
    const QByteArray software = wow6432Node ? "Software\\\\Wow6432Node" : "Software";
    // Set again, the entry is replaced: a second section of the same key would never be read.
    m_uninstallSections.insert(
        wow6432Node, "[" + software +
                         "\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Age of "
                         "Empires] 1700000000\n#time=1d9f0a6b3c2e4f0\n\"UninstallString\"=" +
                         wineQuoted(value) + "\n\n");
    saveSystemReg();
}

void TestWorld::addDrive(QChar letter, const QString& target)
{
    const QString link =
        prefix() + QStringLiteral("/dosdevices/") + letter.toLower() + QLatin1Char(':');
    QFile::remove(link);
    if (::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) != 0)
        qFatal("TestWorld cannot link %s", qPrintable(link));
}

QString TestWorld::makeFolder(const QString& relativePath) const
{
    const QString path = QDir(root()).filePath(relativePath);
    if (!QDir().mkpath(path))
        qFatal("TestWorld cannot make %s", qPrintable(path));
    return path;
}

QString TestWorld::writeFile(const QString& relativePath, const QByteArray& bytes) const
{
    const QString path = QDir(root()).filePath(relativePath);
    writeBytes(path, bytes);
    return path;
}
