#include "WorldBuilder.h"

#include "Registry.h"
#include "UninstallEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString& what, const QString& path)
{
    throw std::runtime_error((what + QLatin1Char(' ') + path).toStdString());
}

void makeLink(const QString& target, const QString& link)
{
    QFile::remove(link);
    if (!QFile::link(target, link))
        fail(QStringLiteral("cannot link"), link);
}

// A text as Wine writes it in a registry file, between its two delimiters: backslashes and the
// delimiters escaped, controls as C escapes or in octal, everything beyond ASCII as a \x escape,
// four digits long when a hex digit follows so that the reader does not take that digit in.
QByteArray wineEscaped(QStringView text, char open, char close)
{
    static const char controlEscapes[33] = ".......abtnvfr.............e....";
    QByteArray escaped;
    escaped += open;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        const char16_t next = i + 1 < text.size() ? text[i + 1].unicode() : 0;
        if (unit > 127) {
            const bool padded = next < 128 && std::isxdigit(next) != 0;
            escaped += "\\x" + QByteArray::number(unit, 16).rightJustified(padded ? 4 : 0, '0');
        } else if (unit < 32) {
            const bool octalFollows = next >= u'0' && next <= u'7';
            if (controlEscapes[unit] != '.')
                escaped += QByteArray("\\") + controlEscapes[unit];
            else
                escaped +=
                    "\\" + QByteArray::number(unit, 8).rightJustified(octalFollows ? 3 : 0, '0');
        } else {
            if (unit == u'\\' || unit == open || unit == close)
                escaped += '\\';
            escaped += char(unit);
        }
    }
    return escaped + close;
}

} // namespace

namespace WorldFiles {

void makeFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        fail(QStringLiteral("cannot create"), path);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    makeFolder(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write"), path);
}

} // namespace WorldFiles

QByteArray PrefixBuilder::RegistryFile::text(bool win64) const
{
    QByteArray text = "WINE REGISTRY Version 2\n;; All keys relative to " + relativeTo +
                      "\n\n#arch=" + (win64 ? "win64" : "win32") + "\n\n" + sections;
    for (const Key& key : keys) {
        text += wineEscaped(key.path, '[', ']') + " 1700000000\n#time=1d9f0a6b3c2e4f0\n";
        for (const auto& [name, value] : key.strings) {
            text += name.isEmpty() ? QByteArray("@") : wineEscaped(name, '"', '"');
            text += '=' + wineEscaped(value, '"', '"') + '\n';
        }
        text += '\n';
    }
    return text;
}

PrefixBuilder::PrefixBuilder(const QString& folder, bool win64)
    : m_prefix(folder),
      m_win64(win64), m_system{QStringLiteral("system.reg"), "REGISTRY\\\\Machine", {}, {}},
      m_user{QStringLiteral("user.reg"), "REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000", {}, {}}
{
    WorldFiles::makeFolder(driveC());
    WorldFiles::makeFolder(m_prefix + QStringLiteral("/dosdevices"));
    addDrive(u'c', QStringLiteral("../drive_c"));
    save(m_system);
    save(m_user);
}

QString PrefixBuilder::prefix() const
{
    return m_prefix;
}

QString PrefixBuilder::driveC() const
{
    return m_prefix + QStringLiteral("/drive_c");
}

void PrefixBuilder::addDrive(QChar letter, const QString& target)
{
    makeLink(target, m_prefix + QStringLiteral("/dosdevices/") + letter.toLower() + u':');
}

void PrefixBuilder::writeSystemReg(const QByteArray& sections)
{
    replaceSections(m_system, sections);
}

void PrefixBuilder::writeUserReg(const QByteArray& sections)
{
    replaceSections(m_user, sections);
}

void PrefixBuilder::setSystemString(const QString& key, const QString& name, const QString& value)
{
    setString(m_system, key, name, value);
}

void PrefixBuilder::setUserString(const QString& key, const QString& name, const QString& value)
{
    setString(m_user, key, name, value);
}

void PrefixBuilder::setUninstallString(const QString& value, bool wow6432Node)
{
    const QString key =
        (wow6432Node ? QStringLiteral("Software\\Wow6432Node\\") : QStringLiteral("Software\\")) +
        UninstallEntry::keyBelowSoftware;
    setSystemString(key, QStringLiteral("DisplayName"), QStringLiteral("Age of Empires"));
    setSystemString(key, UninstallEntry::commandValue, value);
}

void PrefixBuilder::addShellNames()
{
    const QString classes = QStringLiteral("Software\\Classes\\");
    setSystemString(classes + ShellKeys::desktopClass, QString(), QStringLiteral("Desktop"));
    setSystemString(classes + ShellKeys::myComputerClass, QString(), QStringLiteral("My Computer"));
    setSystemString(classes + ShellKeys::recycleBinClass, QString(), QStringLiteral("Trash"));
}

void PrefixBuilder::replaceSections(RegistryFile& file, const QByteArray& sections)
{
    file.sections = sections;
    file.keys.clear();
    save(file);
}

void PrefixBuilder::setString(RegistryFile& file, const QString& key, const QString& name,
                              const QString& value)
{
    auto keyAt = std::find_if(file.keys.begin(), file.keys.end(),
                              [&key](const RegistryFile::Key& known) { return known.path == key; });
    if (keyAt == file.keys.end())
        keyAt = file.keys.insert(file.keys.end(), {key, {}});
    auto valueAt = std::find_if(keyAt->strings.begin(), keyAt->strings.end(),
                                [&name](const auto& known) { return known.first == name; });
    if (valueAt == keyAt->strings.end())
        keyAt->strings.append({name, value});
    else
        valueAt->second = value;
    save(file);
}

void PrefixBuilder::save(const RegistryFile& file) const
{
    WorldFiles::writeFile(m_prefix + u'/' + file.fileName, file.text(m_win64));
}

WorldBuilder::WorldBuilder(const QString& root, bool win64)
    : PrefixBuilder(root + QStringLiteral("/prefix"), win64), m_root(root)
{
    WorldFiles::makeFolder(medium());
}

QString WorldBuilder::root() const
{
    return m_root;
}

QString WorldBuilder::medium() const
{
    return m_root + QStringLiteral("/medium");
}

QString WorldBuilder::makeFolder(const QString& relativePath) const
{
    const QString path = QDir(m_root).filePath(relativePath);
    WorldFiles::makeFolder(path);
    return path;
}

QString WorldBuilder::writeFile(const QString& relativePath, const QByteArray& bytes) const
{
    const QString path = QDir(m_root).filePath(relativePath);
    WorldFiles::writeFile(path, bytes);
    return path;
}
