#pragma once

#include <QProcess>
#include <QString>

// A folder on which a FUSE file system is mounted that never answers a look inside it, as a
// network mount whose server is gone (tests/support/stalled_mount.py, python3-fusepy). While it
// lives, whatever looks into the folder waits; when it goes, the file system is ended and
// unmounted, and every look still waiting fails.
class StalledMount
{
public:
    explicit StalledMount(const QString& folder);
    ~StalledMount();
    StalledMount(const StalledMount&) = delete;
    StalledMount& operator=(const StalledMount&) = delete;

    // Whether the mount is in place; false where FUSE or python3-fusepy is missing.
    bool isMounted() const { return m_mounted; }

private:
    QString m_folder;
    QProcess m_server;
    bool m_mounted = false;
};
