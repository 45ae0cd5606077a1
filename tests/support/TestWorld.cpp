#include "TestWorld.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TemporaryFolder::TemporaryFolder()
{
    if (!m_dir.isValid())
        qFatal("TestWorld cannot make a temporary folder");
}

QString TemporaryFolder::canonicalPath() const
{
    // Canonical, so that paths built on it compare equal to the current directory's.
    return QFileInfo(m_dir.path()).canonicalFilePath();
}

TestWorld::TestWorld(bool win64)
    : WorldBuilder(canonicalPath(), win64), m_oldPrefix(qgetenv("WINEPREFIX")),
      m_hadPrefix(qEnvironmentVariableIsSet("WINEPREFIX")), m_oldCurrent(QDir::currentPath())
{
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
