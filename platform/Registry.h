#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

enum class RegistryRoot
{
    LocalMachine,
    CurrentUser,
    ClassesRoot
};

// Value types as Windows numbers them.
enum RegistryType : int
{
    RegNone = 0,
    RegString = 1,
    RegExpandString = 2,
    RegBinary = 3,
    RegDword = 4,
    RegMultiString = 7,
    // A value whose data could not be decoded from the file: it exists but cannot be read.
    RegUnreadable = -1
};

struct RegistryValue
{
    int type = RegNone;
    // String types, as stored (escapes decoded). A string or expandable string ends at its first
    // zero; a multi-string keeps the zeros that separate its items.
    QString text;
    QByteArray bytes; // binary, dword and other types, little-endian as Windows gives them
};

// The shell's keys: its places' display names (the default value of each class key, below
// HKEY_CLASSES_ROOT) and the user's folders (below HKEY_CURRENT_USER).
namespace ShellKeys {
inline const QString desktopClass = QStringLiteral("CLSID\\{00021400-0000-0000-C000-000000000046}");
inline const QString myComputerClass =
    QStringLiteral("CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}");
inline const QString recycleBinClass =
    QStringLiteral("CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}");
inline const QString shellFolders =
    QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");
} // namespace ShellKeys

// A key and its values, read from the prefix's registry files at the moment it was opened.
class RegistryKey
{
public:
    // The key below root, names compared without regard to ASCII case. Reads the registry files
    // afresh on every call. nullopt when the key does not exist (or there is no prefix).
    // A 32-bit view in a 64-bit prefix looks in Software\Wow6432Node\... first, then the plain key.
    static std::optional<RegistryKey> open(RegistryRoot root, const QString& path,
                                           bool view32 = false);

    std::optional<RegistryValue> value(const QString& name) const; // "" is the default value

    // The value as text, empty when it is missing. Throws Exception "Invalid data type for '%s'"
    // when it is neither a string nor an expandable string, and "Failed to get data for '%s'"
    // when it exists but cannot be read.
    QString readString(const QString& name) const;

private:
    QHash<QString, RegistryValue> m_values; // keyed by the upper-cased name
};
