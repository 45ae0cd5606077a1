#include "FolderListings.h"
#include "HostName.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Kept folder listings must answer exactly as a fresh reading of the folder would, whoever
// changed the folder and however soon after the last lookup.
class TestFolderListings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void lookupsFollowChangesMadeElsewhere_data();
    void lookupsFollowChangesMadeElsewhere();
    void aFolderReplacedAtTheSamePathIsReadAgain();
    void changesBeyondWhatTheKernelQueuesAreNotLost();
    void keepsABoundedNumberOfFolders();

private:
    QString path(const QString& name) const { return m_folder + QLatin1Char('/') + name; }
    void create(const QString& name) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

void TestFolderListings::init()
{
    FolderListings::forget();
    m_dir = std::make_unique<QTemporaryDir>();
    m_folder = m_dir->filePath(QStringLiteral("folder"));
    QVERIFY(QDir().mkpath(m_folder));
}

void TestFolderListings::cleanup()
{
    FolderListings::forget();
    m_dir.reset();
}

void TestFolderListings::create(const QString& name) const
{
    const int descriptor =
        ::open(HostName::encode(path(name)).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    QVERIFY(descriptor >= 0);
    ::close(descriptor);
}

void TestFolderListings::lookupsFollowChangesMadeElsewhere_data()
{
    // Each change is one step "verb:name" or "rename:from>to", made with plain system calls
    // right after the first lookup, well within one tick of the file system's clock.
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("lookFor");
    QTest::addColumn<bool>("wantFolder");
    QTest::addColumn<QString>("expected"); // empty: no entry matches

    QTest::newRow("created") << QStringList{"other.scn"} << QStringList{"create:Map.SCN"}
                             << "map.scn" << false << "Map.SCN";
    QTest::newRow("removed") << QStringList{"Map.SCN"} << QStringList{"remove:Map.SCN"} << "map.scn"
                             << false << "";
    QTest::newRow("renamed away") << QStringList{"Map.SCN"} << QStringList{"rename:Map.SCN>b.scn"}
                                  << "map.scn" << false << "";
    QTest::newRow("renamed into place")
        << QStringList{"a.tmp"} << QStringList{"rename:a.tmp>MAP.scn"} << "map.scn" << false
        << "MAP.scn";
    QTest::newRow("renamed over a match")
        << QStringList{"MAP.SCN", ".x.tmp"} << QStringList{"rename:.x.tmp>MAP.SCN"} << "map.scn"
        << false << "MAP.SCN";
    QTest::newRow("an earlier spelling added")
        << QStringList{"map.scn"} << QStringList{"create:MAP.scn"} << "Map.scn" << false
        << "MAP.scn";
    QTest::newRow("the earlier spelling removed")
        << QStringList{"MAP.scn", "map.scn"} << QStringList{"remove:MAP.scn"} << "Map.scn" << false
        << "map.scn";
    QTest::newRow("created and removed at once")
        << QStringList{} << QStringList{"create:Map.scn", "remove:Map.scn"} << "map.scn" << false
        << "";
    QTest::newRow("a file became a folder")
        << QStringList{"SUB"} << QStringList{"remove:SUB", "mkdir:SUB"} << "sub" << true << "SUB";
    QTest::newRow("a folder beside a file of that name")
        << QStringList{"SUB"} << QStringList{"mkdir:sub"} << "Sub" << true << "sub";
    QTest::newRow("non-ASCII name")
        << QStringList{} << QStringList{"create:ÉTÉ.scn"} << "été.scn" << false << "ÉTÉ.scn";
    QTest::newRow("name that is not UTF-8")
        << QStringList{} << QStringList{QStringLiteral("create:CAF") + QChar(0xDCC9)}
        << QStringLiteral("caf") + QChar(0xDCC9) << false << QStringLiteral("CAF") + QChar(0xDCC9);
}

void TestFolderListings::lookupsFollowChangesMadeElsewhere()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, changes);
    QFETCH(QString, lookFor);
    QFETCH(bool, wantFolder);
    QFETCH(QString, expected);

    for (const QString& name : before)
        create(name);
    FolderListings::findIgnoringCase(m_folder, lookFor, wantFolder);

    for (const QString& change : changes) {
        const QString verb = change.section(QLatin1Char(':'), 0, 0);
        const QString argument = change.section(QLatin1Char(':'), 1);
        const QByteArray target = HostName::encode(path(argument.section(QLatin1Char('>'), 0, 0)));
        if (verb == QLatin1String("create"))
            create(argument);
        else if (verb == QLatin1String("remove"))
            QCOMPARE(::unlink(target.constData()), 0);
        else if (verb == QLatin1String("mkdir"))
            QCOMPARE(::mkdir(target.constData(), 0755), 0);
        else if (verb == QLatin1String("rename"))
            QCOMPARE(
                ::rename(target.constData(),
                         HostName::encode(path(argument.section(QLatin1Char('>'), 1))).constData()),
                0);
    }

    const std::optional<QString> found =
        FolderListings::findIgnoringCase(m_folder, lookFor, wantFolder);
    QCOMPARE(found.value_or(QString()), expected);
    FolderListings::forget();
    const std::optional<QString> fresh =
        FolderListings::findIgnoringCase(m_folder, lookFor, wantFolder);
    QCOMPARE(fresh.value_or(QString()), expected);
}

void TestFolderListings::aFolderReplacedAtTheSamePathIsReadAgain()
{
    create(QStringLiteral("OLD.scn"));
    QCOMPARE(FolderListings::findIgnoringCase(m_folder, QStringLiteral("old.scn"), false).value(),
             QStringLiteral("OLD.scn"));
    const QString aside = m_dir->filePath(QStringLiteral("aside"));
    QVERIFY(QDir().rename(m_folder, aside));
    QVERIFY(QDir().mkpath(m_folder));
    create(QStringLiteral("New.scn"));
    QVERIFY(!FolderListings::findIgnoringCase(m_folder, QStringLiteral("old.scn"), false));
    QCOMPARE(FolderListings::findIgnoringCase(m_folder, QStringLiteral("NEW.SCN"), false).value(),
             QStringLiteral("New.scn"));
    // The folder moved away keeps its own names under its new path.
    QCOMPARE(FolderListings::findIgnoringCase(aside, QStringLiteral("old.scn"), false).value(),
             QStringLiteral("OLD.scn"));
    QVERIFY(QDir(aside).removeRecursively());
    QVERIFY(!FolderListings::findIgnoringCase(aside, QStringLiteral("old.scn"), false));
}

void TestFolderListings::changesBeyondWhatTheKernelQueuesAreNotLost()
{
    QFile limitFile(QStringLiteral("/proc/sys/fs/inotify/max_queued_events"));
    if (!limitFile.open(QIODevice::ReadOnly))
        QSKIP("the kernel does not say how many changes it queues");
    const int limit = limitFile.readAll().trimmed().toInt();
    if (limit <= 0 || limit > 50000)
        QSKIP("the kernel queues too many changes to overflow here quickly");
    FolderListings::findIgnoringCase(m_folder, QStringLiteral("x"), false);
    for (int i = 0; i <= limit; ++i)
        create(QStringLiteral("f%1").arg(i));
    create(QStringLiteral("LAST.scn"));
    QCOMPARE(FolderListings::findIgnoringCase(m_folder, QStringLiteral("last.scn"), false).value(),
             QStringLiteral("LAST.scn"));
}

void TestFolderListings::keepsABoundedNumberOfFolders()
{
    for (int i = 0; i < 40; ++i) {
        const QString folder = m_dir->filePath(QStringLiteral("many/%1").arg(i));
        QVERIFY(QDir().mkpath(folder));
        FolderListings::findIgnoringCase(folder, QStringLiteral("x"), false);
    }
    QVERIFY(FolderListings::keptCount() <= 16);
    // Folders dropped to make room answer from a fresh reading.
    const QString first = m_dir->filePath(QStringLiteral("many/0"));
    QVERIFY(QFile(first + QStringLiteral("/X")).open(QIODevice::WriteOnly));
    QCOMPARE(FolderListings::findIgnoringCase(first, QStringLiteral("x"), false).value(),
             QStringLiteral("X"));
}

QTEST_GUILESS_MAIN(TestFolderListings)
#include "tst_folderlistings.moc"
