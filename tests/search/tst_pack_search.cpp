#include "Drives.h"
#include "PackSearch.h"
#include "StalledMount.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sched.h>
#include <sys/mount.h>

class TestPackSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void places_data();
    void places();
};

void TestPackSearch::places_data()
{
    // Where a pack lies: the executable's folder, a medium mounted in /mnt, a CD-ROM drive's
    // folder, media in the user's (nobody's) and another user's (alice's) folders under /media
    // and /run/media, a mount deeper in /mnt; "executable=mount" is a copy run from the medium.
    QTest::addColumn<QStringList>("packs");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("the executable's folder")
        << QStringList{"executable"} << QStringList{"executable"};
    QTest::newRow("a mounted medium, names in lower case")
        << QStringList{"mount"} << QStringList{"mount"};
    QTest::newRow("a CD-ROM drive's folder") << QStringList{"cdrom"} << QStringList{"cdrom"};
    QTest::newRow("all three, in their order") << QStringList{"cdrom", "mount", "executable"}
                                               << QStringList{"executable", "mount", "cdrom"};
    QTest::newRow("a copy run from the medium counts once")
        << QStringList{"executable=mount"} << QStringList{"mount"};
    QTest::newRow("a network share on /mnt is not looked into")
        << QStringList{"share"} << QStringList{};
    QTest::newRow("a medium that does not answer is passed over")
        << QStringList{"stalled", "executable"} << QStringList{"executable"};
    QTest::newRow("none") << QStringList{} << QStringList{};
    QTest::newRow("this user's media only, and those directly in /mnt")
        << QStringList{"mine", "theirs", "run-theirs", "deep", "run-mine", "direct"}
        << QStringList{"mine", "run-mine", "direct"};
    QTest::newRow("a medium mounted on /mnt itself") << QStringList{"mnt"} << QStringList{"mnt"};
}

void TestPackSearch::places()
{
    QFETCH(QStringList, packs);
    QFETCH(QStringList, found);
    // A tmpfs on /mnt, in a mount namespace of this process's own.
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", "/mnt", "tmpfs", 0, "size=1m") != 0 ||
        ::mount("tmpfs", "/media", "tmpfs", 0, "size=1m") != 0 ||
        ::mount("tmpfs", "/run", "tmpfs", 0, "size=1m") != 0)
        QSKIP("no tmpfs can be mounted on /mnt, /media and /run here (needs root)");
    QTemporaryDir executable, cdrom;
    const QMap<QString, QString> folders{{"executable", executable.path()},
                                         {"mount", "/mnt/medium"},
                                         {"share", "/mnt/medium"},
                                         {"cdrom", cdrom.path()},
                                         {"mine", "/media/nobody/STICK"},
                                         {"theirs", "/media/alice/STICK"},
                                         {"run-mine", "/run/media/nobody/CD"},
                                         {"run-theirs", "/run/media/alice/CD"},
                                         {"deep", "/mnt/a/b"},
                                         {"direct", "/mnt/direct"},
                                         {"mnt", "/mnt"}};
    PackSearch::Where where{executable.path(), {}, "nobody", {cdrom.path()}};
    std::optional<StalledMount> stalled;
    if (packs.removeAll("stalled") > 0) {
        stalled.emplace("/mnt/stalled");
        if (!stalled->isMounted())
            QSKIP("no FUSE file system can be mounted here (python3-fusepy, /dev/fuse)");
    }
    for (const QString& pack : packs) {
        const QString at = folders.value(pack.section('=', -1));
        QDir().mkpath(at + "/crazyscr");
        if (pack.contains('='))
            where.executableFolder = at;
    }
    // The machine's own table may hold media of its own under /media.
    where.mountInfo = packs.contains("share")
                          ? "99 1 0:99 / /mnt/medium rw - nfs4 server:/share rw\n"
                          : "99 1 0:99 / /mnt/medium rw - tmpfs tmpfs rw\n";
    for (const QString& pack : packs) {
        if (!QStringList{"executable", "mount", "share", "cdrom"}.contains(pack))
            where.mountInfo += "97 1 0:97 / " + folders.value(pack).toUtf8() + " rw - vfat x rw\n";
    }
    if (stalled)
        where.mountInfo += "98 99 0:98 / /mnt/stalled rw - fuse.s3fs stalled rw\n";

    Lookout lookout(std::chrono::milliseconds(500));
    QStringList seen;
    for (const PackSearch::Place& place : PackSearch::places(where, lookout))
        seen << folders.key(place.folder);
    QCOMPARE(seen, found);
}

QTEST_GUILESS_MAIN(TestPackSearch)
#include "tst_pack_search.moc"
