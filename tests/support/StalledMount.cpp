#include "StalledMount.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <sys/mount.h>

namespace {

bool isMountPoint(const QString& folder)
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    return table.open(QIODevice::ReadOnly) &&
           table.readAll().contains(' ' + QFile::encodeName(folder) + ' ');
}

} // namespace

StalledMount::StalledMount(const QString& folder) : m_folder(QDir::cleanPath(folder))
{
    QDir().mkpath(m_folder);
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.start(QStringLiteral("/usr/bin/python3"),
                   {QStringLiteral(KORVANE_STALLED_MOUNT_SCRIPT), m_folder});
    const QDeadlineTimer deadline(5000);
    while (!m_mounted && !deadline.hasExpired() && m_server.state() != QProcess::NotRunning) {
        m_mounted = isMountPoint(m_folder);
        QThread::msleep(20);
    }
}

StalledMount::~StalledMount()
{
    // The server's end fails every request still waiting, so that the threads held by it end.
    m_server.kill();
    m_server.waitForFinished(5000);
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
}
