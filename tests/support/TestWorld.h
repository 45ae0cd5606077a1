#pragma once

#include "WorldBuilder.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// The temporary folder a test's world is made in: a base of its own, so that it exists before the
// world and is removed after it.
class TemporaryFolder
{
protected:
    TemporaryFolder();
    QString canonicalPath() const;

private:
    QTemporaryDir m_dir;
};

// A machine of its own for one test: a world (see WorldBuilder) in a temporary folder. While it
// lives, WINEPREFIX names its prefix and the current directory is its medium; both are restored
// after.
class TestWorld : private TemporaryFolder, public WorldBuilder
{
public:
    explicit TestWorld(bool win64 = true);
    ~TestWorld();

private:
    QByteArray m_oldPrefix;
    bool m_hadPrefix;
    QString m_oldCurrent;
};
