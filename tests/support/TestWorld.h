#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A machine of its own for one test: a temporary folder with a Wine prefix (system.reg,
// user.reg, dosdevices) and a medium (the folder the installer is started from). While it lives,
// WINEPREFIX names its prefix and the current directory is its medium; both are restored after.
class TestWorld
{
public:
    explicit TestWorld(bool win64 = true);
    ~TestWorld();
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    QString root() const;   // the temporary folder
    QString prefix() const; // <root>/prefix
    QString driveC() const; // <root>/prefix/drive_c, drive C:
    QString medium() const; // <root>/medium, the current directory

    // Replaces the registry files with a header and these sections (Wine's own text format);
    // writeSystemReg also drops the game's entry set before.
    void writeSystemReg(const QByteArray& sections);
    void writeUserReg(const QByteArray& sections);
    // Writes the game's uninstall entry as a string value (escaped as Wine escapes it); set
    // again, it replaces the earlier value of the same view.
    void setUninstallString(const QString& value, bool wow6432Node = false);

    // Adds dosdevices/<letter>: pointing at target (a missing target is a drive without medium).
    void addDrive(QChar letter, const QString& target);

    // Creates a host folder (and its parents) under root; returns its path.
    QString makeFolder(const QString& relativePath) const;
    // Writes a file under root; returns its path.
    QString writeFile(const QString& relativePath, const QByteArray& bytes) const;

private:
    QByteArray header(const QByteArray& relativeTo) const;
    void saveSystemReg() const;

    QTemporaryDir m_dir;
    QByteArray m_systemSections;                // as writeSystemReg gave them
    QMap<bool, QByteArray> m_uninstallSections; // the game's entry, by Wow6432Node
    QByteArray m_oldPrefix;
    bool m_hadPrefix = false;
    QString m_oldCurrent;
    bool m_win64;
};
