#include "FileSystem.h"
#include "ProgramState.h"
#include "ScenarioCatalogue.h"
#include "ScenarioListModel.h"
#include "ScenarioTypes.h"
#include "TestWorld.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

// A scenario file's first bytes: 20 bytes of header, the description at byte 20, then filler
// up to `totalSize`.
QByteArray scenarioBytes(const QByteArray& description, qint64 totalSize, bool terminate = true)
{
    QByteArray bytes("1.11", 4);
    bytes.append(16, '\x01');
    bytes.append(description);
    if (terminate)
        bytes.append('\0');
    while (bytes.size() < totalSize)
        bytes.append(static_cast<char>(0xA5));
    bytes.truncate(totalSize);
    return bytes;
}

QStringList namesIn(const ScenarioListModel& list)
{
    QStringList names;
    for (int row = 0; row < list.rowCount(); ++row)
        names << list.entry(row).name;
    return names;
}

} // namespace

class TestScenarioCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typeFolders_data();
    void typeFolders();

    void listing_data();
    void listing();
    void listingKeepsTheSizes();

    void description_data();
    void description();
    void campaignDescription_data();
    void campaignDescription();
    void realScenarioFiles_data();
    void realScenarioFiles();
    void realFolderListing();

    void countLine_data();
    void countLine();
    void countTicked();
};

void TestScenarioCatalogue::typeFolders_data()
{
    QTest::addColumn<QString>("gameFolder");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");

    QTest::newRow("historical") << "C:\\Games\\AoE" << 0 << "HISTSCR"
                                << "C:\\Games\\AoE\\SCENARIO";
    QTest::newRow("crazy") << "C:\\Games\\AoE" << 1 << "CRAZYSCR"
                           << "C:\\Games\\AoE\\SCENARIO";
    QTest::newRow("real-map") << "C:\\Games\\AoE" << 2 << "REALMAP"
                              << "C:\\Games\\AoE\\SCENARIO";
    QTest::newRow("campaigns") << "C:\\Games\\AoE" << 3 << "CAMPAIGN"
                               << "C:\\Games\\AoE\\CAMPAIGN";
    QTest::newRow("no type changes nothing") << "C:\\Games\\AoE" << -1 << "before"
                                             << "before";
    QTest::newRow("no game folder") << "" << 3 << "CAMPAIGN"
                                    << "\\CAMPAIGN";
}

void TestScenarioCatalogue::typeFolders()
{
    QFETCH(QString, gameFolder);
    QFETCH(int, type);
    QFETCH(QString, source);
    QFETCH(QString, destination);

    ProgramState state;
    state.gameFolder = gameFolder;
    state.sourceFolder = state.destinationFolder = QStringLiteral("before");
    ScenarioTypes::selectTypeFolders(state, type);
    QCOMPARE(state.sourceFolder, source);
    QCOMPARE(state.destinationFolder, destination);
}

void TestScenarioCatalogue::listing_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("missing source folder") << QStringList() << QStringList() << QStringList();
    QTest::newRow("empty source folder")
        << QStringList() << QStringList{QStringLiteral("HISTSCR")} << QStringList();
    QTest::newRow("extensions in any case, others left out")
        << QStringList{"HISTSCR/b.SCN", "HISTSCR/a.scn",  "HISTSCR/c.CpN", "HISTSCR/d.scx",
                       "HISTSCR/e.sc",  "HISTSCR/f.scnx", "HISTSCR/g.cpd", "HISTSCR/h.txt"}
        << QStringList() << QStringList{"a.scn", "b.SCN", "c.CpN"};
    QTest::newRow("a leading space sorts before letters")
        << QStringList{"HISTSCR/Alpha.scn", "HISTSCR/ The Destruction of Rome.scn"} << QStringList()
        << QStringList{" The Destruction of Rome.scn", "Alpha.scn"};
    QTest::newRow("dot names are listed like any other")
        << QStringList{"HISTSCR/.hidden.scn", "HISTSCR/visible.scn", "HISTSCR/.scn"}
        << QStringList() << QStringList{".hidden.scn", ".scn", "visible.scn"};
    QTest::newRow("folders matching the pattern are entries too")
        << QStringList{"HISTSCR/file.scn"} << QStringList{"HISTSCR/Folder.scn", "HISTSCR/Other"}
        << QStringList{"file.scn", "Folder.scn"};
    QTest::newRow("source folder in another case")
        << QStringList{"histscr/one.scn"} << QStringList() << QStringList{"one.scn"};
    QTest::newRow("listed by upper-cased name, not by creation")
        << QStringList{"HISTSCR/zeta.scn", "HISTSCR/Beta.scn", "HISTSCR/alpha.scn",
                       "HISTSCR/_under.scn"}
        << QStringList() << QStringList{"alpha.scn", "Beta.scn", "zeta.scn", "_under.scn"};
    // Each a path, or no name at all, to a Windows program.
    for (const char* odd : {"back\\slash.scn", "..\\pwn.scn", "..\\..\\pwn.scn", "a:b.scn",
                            "a*b.scn", "a?.scn", "\"a\".scn", "<a>.scn", "a|b.scn", "tab\t.scn"})
        QTest::addRow("a name Windows cannot spell is left out: %s", odd)
            << QStringList{"HISTSCR/good.scn", QStringLiteral("HISTSCR/") + QLatin1String(odd)}
            << QStringList() << QStringList{"good.scn"};
}

void TestScenarioCatalogue::listing()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, folders);
    QFETCH(QStringList, expected);

    TestWorld world;
    for (const QString& folder : folders)
        world.makeFolder(QStringLiteral("medium/") + folder);
    for (const QString& file : files)
        world.writeFile(QStringLiteral("medium/") + file, scenarioBytes("x", 3000));

    static const QRegularExpression refused(QStringLiteral("[\\\\:*?\"<>|\\x01-\\x1f]"));
    for (const QString& file : files) {
        const QString name = file.section(QLatin1Char('/'), 1);
        if (name.contains(refused))
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(QStringLiteral("korvane-installer: HISTSCR/") + name +
                                            QStringLiteral(": the name holds a character Windows "
                                                           "does not allow; left out")));
    }

    ScenarioListModel list;
    ScenarioCatalogue::fillFileList(list, QStringLiteral("HISTSCR"));
    QCOMPARE(namesIn(list), expected);
    for (int row = 0; row < list.rowCount(); ++row)
        QVERIFY(!list.entry(row).ticked);
}

void TestScenarioCatalogue::listingKeepsTheSizes()
{
    TestWorld world;
    world.writeFile(QStringLiteral("medium/REALMAP/small.scn"), QByteArray(5, 'x'));
    world.writeFile(QStringLiteral("medium/REALMAP/big.scn"), QByteArray(123457, 'x'));
    world.writeFile(QStringLiteral("medium/REALMAP/empty.scn"), QByteArray());

    ScenarioListModel list;
    ScenarioCatalogue::fillFileList(list, QStringLiteral("REALMAP"));
    QCOMPARE(namesIn(list), (QStringList{"big.scn", "empty.scn", "small.scn"}));
    QCOMPARE(list.entry(0).size, 123457);
    QCOMPARE(list.entry(1).size, 0);
    QCOMPARE(list.entry(2).size, 5);
}

void TestScenarioCatalogue::description_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ordinary") << scenarioBytes("Defend the city.", 30000) << true
                              << "Defend the city.";
    QTest::newRow("exactly 2049 bytes")
        << scenarioBytes("Short enough.", 2049) << true << "Short enough.";
    QTest::newRow("one byte short of 2049") << scenarioBytes("Too short.", 2048) << false << "";
    QTest::newRow("tiny file") << scenarioBytes("", 10) << false << "";
    QTest::newRow("empty file") << QByteArray() << false << "";
    QTest::newRow("empty description") << scenarioBytes("", 5000) << true << "";
    QTest::newRow("no zero byte: the text runs to the end of the block")
        << QByteArray(20, '\x01') + QByteArray(2029, 'y') + QByteArray(100, 'z') << true
        << QString(2029, QLatin1Char('y'));
    QTest::newRow("text ends at the first zero, not at a later one")
        << scenarioBytes(QByteArray("first\0second", 12), 4000) << true << "first";
    QTest::newRow("Windows-1252 letters")
        << scenarioBytes("Caf\xe9 \x80 \x9c\x9f \xe0 la carte\x81", 4000) << true
        << QString::fromUtf8("Café € œŸ à la carte\u0081");
    QTest::newRow("line breaks of every kind become lines")
        << scenarioBytes("one\r\ntwo\rthree\nfour\r\n\r\nsix", 4000) << true
        << "one\ntwo\nthree\nfour\n\nsix";
}

void TestScenarioCatalogue::description()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);
    QFETCH(QString, expected);

    TestWorld world;
    world.writeFile(QStringLiteral("medium/HISTSCR/file.scn"), bytes);
    const std::optional<QString> text =
        ScenarioCatalogue::readDescription(QStringLiteral("HISTSCR\\file.scn"));
    QCOMPARE(text.has_value(), readable);
    if (readable)
        QCOMPARE(*text, expected);
}

void TestScenarioCatalogue::campaignDescription_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected"); // empty: no description

    const QStringList companions{"CAMPAIGN/Mr. Smith.cpn", "CAMPAIGN/Mr. Smith.cpd",
                                 "CAMPAIGN/Mr. Sdith.cpn"};
    QTest::newRow("a dot inside the name")
        << "Mr. Smith.cpn" << 3 << companions << "CAMPAIGN/Mr. Smith.cpd";
    QTest::newRow("upper-case extension")
        << "LONG.CPN" << 3 << QStringList{"CAMPAIGN/LONG.CPN", "CAMPAIGN/LONG.CPD"}
        << "CAMPAIGN/LONG.CPD";
    QTest::newRow("without companion")
        << "Alone.cpn" << 3 << QStringList{"CAMPAIGN/Alone.cpn"} << "";
    QTest::newRow("a scenario reads itself")
        << "Mr. Smith.cpn" << 0 << companions << "CAMPAIGN/Mr. Smith.cpn";
}

void TestScenarioCatalogue::campaignDescription()
{
    QFETCH(QString, entry);
    QFETCH(int, type);
    QFETCH(QStringList, files);
    QFETCH(QString, expected);

    TestWorld world;
    for (const QString& file : files)
        world.writeFile(QStringLiteral("medium/") + file,
                        scenarioBytes(QStringLiteral("text of %1").arg(file).toLatin1(), 2500));

    const QString path = ScenarioTypes::descriptionPath(QStringLiteral("CAMPAIGN\\") + entry, type);
    const std::optional<QString> text = ScenarioCatalogue::readDescription(path);
    QCOMPARE(text.has_value(), !expected.isEmpty());
    if (text)
        QCOMPARE(*text, QStringLiteral("text of %1").arg(expected));
}

void TestScenarioCatalogue::realScenarioFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("start");

    QTest::newRow("name with a leading space") << " The Destruction of Rome.scn"
                                               << "Hannibal has led his troops into Rome.";
    QTest::newRow("plain") << "A New Emporer.scn"
                           << "Japaniese forces are exspanding";
    QTest::newRow("CRLF line breaks") << "Bronze Age Art of War.scn"
                                      << "Bronze Age Art of War, 500 BC\n\nScenario Instructions";
    QTest::newRow("Windows-1252 letters")
        << "El advenimiento de los hunos_.scx"
        << QString::fromUtf8("El advenimiento de los hunos, 373 al 453 d.C.\n\nInstrucciones "
                             "del escenario\n\nDesde hace varias décadas, un nuevo grupo de "
                             "bárbaros");
    QTest::newRow("empty description") << "aoe1_small_islands_random.scn"
                                       << "";
    QTest::newRow("empty, upper-case extension") << "CAMELOT.SCN"
                                                 << "";
}

void TestScenarioCatalogue::realScenarioFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, start);

    const QString folder =
        qEnvironmentVariable("KORVANE_SHARED") + QStringLiteral("/fixtures/scenarios");
    if (!QFileInfo::exists(folder))
        QSKIP("the shared scenario files are not here");
    TestWorld world;
    QVERIFY(QFile::link(folder, world.medium() + QStringLiteral("/HISTSCR")));

    const std::optional<QString> text =
        ScenarioCatalogue::readDescription(QStringLiteral("HISTSCR\\") + file);
    QVERIFY(text.has_value());
    QVERIFY2(text->startsWith(start), qPrintable(text->left(200)));
    if (start.isEmpty())
        QVERIFY(text->isEmpty());
    QVERIFY(!text->contains(QLatin1Char('\r')));
}

void TestScenarioCatalogue::realFolderListing()
{
    const QString folder =
        qEnvironmentVariable("KORVANE_SHARED") + QStringLiteral("/fixtures/scenarios");
    if (!QFileInfo::exists(folder))
        QSKIP("the shared scenario files are not here");
    TestWorld world;
    QVERIFY(QFile::link(folder, world.medium() + QStringLiteral("/HISTSCR")));

    ScenarioListModel list;
    ScenarioCatalogue::fillFileList(list, QStringLiteral("HISTSCR"));
    QCOMPARE(namesIn(list),
             (QStringList{" The Destruction of Rome.scn", "A New Emporer.scn",
                          "aoe1_small_islands_random.scn", "Armies at War A Combat Showcase.cpn",
                          "Bronze Age Art of War.scn", "CAMELOT.SCN", "CEASAR.scn",
                          "Dawn of a New Age.scn", "Rise of Egypt Learning Campaign.cpn"}));
    QCOMPARE(list.entry(0).size, 26660);
}

void TestScenarioCatalogue::countLine_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing") << "C" << 0 << qint64(0) << "0 ( 0.0 kB )";
    QTest::newRow("half a kB") << "C" << 1 << qint64(512) << "1 ( 0.5 kB )";
    QTest::newRow("0.25 kB rounds half away from zero")
        << "C" << 1 << qint64(256) << "1 ( 0.3 kB )";
    QTest::newRow("1.25 kB rounds up too") << "C" << 2 << qint64(1280) << "2 ( 1.3 kB )";
    QTest::newRow("just below a half") << "C" << 1 << qint64(51) << "1 ( 0.0 kB )";
    QTest::newRow("just above a half") << "C" << 1 << qint64(52) << "1 ( 0.1 kB )";
    QTest::newRow("12.5 kB") << "C" << 3 << qint64(12800) << "3 ( 12.5 kB )";
    QTest::newRow("rounding carries into the units")
        << "C" << 1 << qint64(1048525) << "1 ( 1024.0 kB )";
    QTest::newRow("beyond 2 GB, no grouping")
        << "C" << 7 << qint64(5368709120LL) << "7 ( 5242880.0 kB )";
    QTest::newRow("decimal comma") << "de_DE" << 1 << qint64(512) << "1 ( 0,5 kB )";
    QTest::newRow("decimal comma, no grouping")
        << "de_DE" << 12 << qint64(5368709120LL) << "12 ( 5242880,0 kB )";
    QTest::newRow("English: no grouping either")
        << "en_US" << 1000 << qint64(2048000) << "1000 ( 2000.0 kB )";
}

void TestScenarioCatalogue::countLine()
{
    QFETCH(QString, locale);
    QFETCH(int, count);
    QFETCH(qint64, bytes);
    QFETCH(QString, expected);

    QCOMPARE(ScenarioCatalogue::countLine(count, bytes, QLocale(locale)), expected);

    QLocale::setDefault(QLocale(locale));
    QCOMPARE(ScenarioCatalogue::countLine(count, bytes), expected);
    QLocale::setDefault(QLocale::c());
}

void TestScenarioCatalogue::countTicked()
{
    ScenarioListModel list;
    list.fill({{"a.scn", 1000, 0}, {"b.scn", 3000000000LL, 0}, {"c.scn", 24, 0}});
    ProgramState state;
    list.setTicked(1, true);
    list.setTicked(2, true);

    ScenarioCatalogue::countTicked(state, list);
    QCOMPARE(state.tickedCount, 2);
    QCOMPARE(state.selectedTotal, 3000000024LL);
}

QTEST_GUILESS_MAIN(TestScenarioCatalogue)
#include "tst_scenario_catalogue.moc"
