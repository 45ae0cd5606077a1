#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// A Wine prefix made from scratch in a folder: drive C: (its drive_c folder), the dosdevices
// links of the drives, and the registry files system.reg and user.reg in Wine's own text format.
// Each change is written to the files at once. Throws std::runtime_error when something cannot
// be made.
class PrefixBuilder
{
public:
    // Makes the folders and registry files that hold no key; a prefix made there before keeps
    // its other files.
    explicit PrefixBuilder(const QString& folder, bool win64 = true);

    QString prefix() const;
    QString driveC() const; // <prefix>/drive_c

    // Adds dosdevices/<letter>: pointing at target (a missing target is a drive without medium).
    void addDrive(QChar letter, const QString& target);

    // Replaces what a registry file holds with these sections of Wine's text, as they are; the
    // values set afterwards follow them.
    void writeSystemReg(const QByteArray& sections);
    void writeUserReg(const QByteArray& sections);
    // Sets a string value of a key of system.reg (HKEY_LOCAL_MACHINE) or user.reg
    // (HKEY_CURRENT_USER), written and escaped as Wine writes it; "" names the default value.
    void setSystemString(const QString& key, const QString& name, const QString& value);
    void setUserString(const QString& key, const QString& name, const QString& value);
    // The game's uninstall entry, in the key a 32-bit installer writes in a 64-bit prefix when
    // wow6432Node is set; set again, it replaces the earlier value of that key.
    void setUninstallString(const QString& value, bool wow6432Node = false);
    // The shell's display names as a new prefix holds them: "Desktop", "My Computer", "Trash".
    void addShellNames();

private:
    // One registry file: the sections given as text, then the keys set one value at a time.
    struct RegistryFile
    {
        struct Key
        {
            QString path;
            QList<std::pair<QString, QString>> strings; // name and value, in the order set
        };
        QString fileName;
        QByteArray relativeTo; // the header's comment, as Wine writes it
        QByteArray sections;
        QList<Key> keys;

        QByteArray text(bool win64) const;
    };
    void replaceSections(RegistryFile& file, const QByteArray& sections);
    void setString(RegistryFile& file, const QString& key, const QString& name,
                   const QString& value);
    void save(const RegistryFile& file) const;

    QString m_prefix;
    bool m_win64;
    RegistryFile m_system;
    RegistryFile m_user;
};

// A machine of its own under one folder: the prefix <root>/prefix and the medium <root>/medium,
// the folder a pack is installed from.
class WorldBuilder : public PrefixBuilder
{
public:
    explicit WorldBuilder(const QString& root, bool win64 = true);

    QString root() const;
    QString medium() const; // <root>/medium

    // Creates a folder (and its parents) under root; returns its path.
    QString makeFolder(const QString& relativePath) const;
    // Writes a file under root, making its folders; returns its path.
    QString writeFile(const QString& relativePath, const QByteArray& bytes) const;

private:
    QString m_root;
};

// Host files for the worlds: each throws std::runtime_error when it fails.
namespace WorldFiles {
void makeFolder(const QString& path);                         // and its parents
void writeFile(const QString& path, const QByteArray& bytes); // its folders made too
} // namespace WorldFiles
