#include "FileSystem.h"
#include "ScenarioListModel.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>
#include <functional>

namespace {

using Action = std::function<void(ScenarioListModel&)>;

// Names and sizes of the list the sort and report tests start from, in file-system order.
QList<DirEntry> sortSample()
{
    return {{"Bb.scn", 300, 0}, {"ba.scn", 3000000000LL, 0}, {"b-d.scn", 20, 0}, {"Ba.scn", 5, 0},
            {"bc.scn", 300, 0}, {"10.scn", 1000, 0},         {"9.scn", 40, 0}};
}

QStringList namesIn(const ScenarioListModel& list)
{
    QStringList names;
    for (int row = 0; row < list.rowCount(); ++row)
        names << list.entry(row).name;
    return names;
}

QStringList namesIn(const QList<DirEntry>& entries)
{
    QStringList names;
    for (const DirEntry& entry : entries)
        names << entry.name;
    return names;
}

void selectRow(ScenarioListModel& list, int row)
{
    list.selectionModel()->setCurrentIndex(list.index(row, 0), QItemSelectionModel::ClearAndSelect |
                                                                   QItemSelectionModel::Rows);
}

// What a view does on a click: the current entry moves first, the selection follows.
void clickRow(ScenarioListModel& list, int row)
{
    list.selectionModel()->setCurrentIndex(list.index(row, 0), QItemSelectionModel::NoUpdate);
    list.selectionModel()->select(list.index(row, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestScenarioListModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void passesTheModelTester();

    void columnSorts_data();
    void columnSorts();
    void namesByteWise_data();
    void namesByteWise();
    void selectionFollowsTheEntryThroughASort();

    void entryChanges_data();
    void entryChanges();
    void tickedTotals_data();
    void tickedTotals();
    void firstSelectedRow();
};

void TestScenarioListModel::passesTheModelTester()
{
    ScenarioListModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.fill(sortSample());
    list.setData(list.index(2, 0), Qt::Checked, Qt::CheckStateRole);
    selectRow(list, 3);
    list.clickColumn(0);
    list.clickColumn(0);
    list.clickColumn(1);
    list.fill({});
    list.fill(sortSample());
    QCOMPARE(list.data(list.index(1, 1), Qt::DisplayRole).toString(), QStringLiteral("3000000000"));
    QCOMPARE(list.data(list.index(1, 0), Qt::CheckStateRole).value<int>(), int(Qt::Unchecked));
    QVERIFY(!(list.flags(list.index(0, 1)) & Qt::ItemIsUserCheckable));
    QVERIFY(list.flags(list.index(0, 0)) & Qt::ItemIsUserCheckable);
    QVERIFY(!(list.flags(list.index(0, 0)) & Qt::ItemIsEditable));
}

void TestScenarioListModel::columnSorts_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("tag");

    const QStringList nameAscending{"10.scn", "9.scn",  "ba.scn", "Ba.scn",
                                    "Bb.scn", "bc.scn", "b-d.scn"};
    // Byte-wise from the ascending order: "-" sorts below letters, ba and Ba tie and keep
    // their places, digits come last.
    const QStringList nameDescending{"bc.scn",  "Bb.scn", "ba.scn", "Ba.scn",
                                     "b-d.scn", "9.scn",  "10.scn"};
    const QStringList sizeAscending{"Ba.scn", "b-d.scn", "9.scn", "Bb.scn",
                                    "bc.scn", "10.scn",  "ba.scn"};
    const QStringList sizeDescending{"ba.scn", "10.scn",  "Bb.scn", "bc.scn",
                                     "9.scn",  "b-d.scn", "Ba.scn"};

    QTest::newRow("unsorted after filling") << QList<int>{} << namesIn(sortSample()) << 0;
    QTest::newRow("name: first click ascending") << QList<int>{0} << nameAscending << 2;
    QTest::newRow("name: second click descending") << QList<int>{0, 0} << nameDescending << 0;
    QTest::newRow("name: third click ascending again") << QList<int>{0, 0, 0} << nameAscending << 2;
    QTest::newRow("size: first click smallest first") << QList<int>{1} << sizeAscending << 1;
    QTest::newRow("size: second click largest first") << QList<int>{1, 1} << sizeDescending << 0;
    // Equal keys keep the order the previous sort left them in.
    QTest::newRow("toggles are kept per column")
        << QList<int>{0, 1, 0}
        << QStringList{"bc.scn", "Bb.scn", "Ba.scn", "ba.scn", "b-d.scn", "9.scn", "10.scn"} << 1;
    QTest::newRow("size after a name sort")
        << QList<int>{0, 0, 1, 1}
        << QStringList{"ba.scn", "10.scn", "bc.scn", "Bb.scn", "9.scn", "b-d.scn", "Ba.scn"} << 0;
    QTest::newRow("other columns do nothing") << QList<int>{2, -1} << namesIn(sortSample()) << 0;
}

void TestScenarioListModel::columnSorts()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, expected);
    QFETCH(int, tag);

    ScenarioListModel list;
    list.fill(sortSample());
    QSignalSpy reports(&list, &ScenarioListModel::entriesChanged);
    for (int column : clicks)
        list.clickColumn(column);
    QCOMPARE(namesIn(list), expected);
    QCOMPARE(list.tag(), tag);
    QCOMPARE(reports.count(), 0);
}

void TestScenarioListModel::namesByteWise_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("sign");

    QTest::newRow("a-z fold") << "abc"
                              << "ABC" << 0;
    QTest::newRow("accented letters do not fold")
        << QString::fromUtf8("é") << QString::fromUtf8("É") << 1;
    QTest::newRow("by Windows-1252 code, not by Unicode") << QString::fromUtf8("€") // 0x80
                                                          << QString::fromUtf8("é") << -1;
    QTest::newRow("prefix is smaller") << "ab"
                                       << "abc" << -1;
    QTest::newRow("underscore above letters after folding") << "_a"
                                                            << "za" << 1;
    QTest::newRow("folds to upper case, not to lower") << "a_"
                                                       << "aZ" << 1;
    QTest::newRow("characters outside Windows-1252 do not crash")
        << QString::fromUtf8("a\u4e2d") << "a?" << 0;
}

void TestScenarioListModel::namesByteWise()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, sign);

    const int result = compareNamesByteWise(a, b);
    QCOMPARE((result > 0) - (result < 0), sign);
    const int reversed = compareNamesByteWise(b, a);
    QCOMPARE((reversed > 0) - (reversed < 0), -sign);
}

void TestScenarioListModel::selectionFollowsTheEntryThroughASort()
{
    ScenarioListModel list;
    list.fill(sortSample());
    selectRow(list, 1); // ba.scn
    list.clickColumn(1);
    QCOMPARE(list.firstSelectedRow(), std::optional<int>(6));
    QCOMPARE(list.selectionModel()->currentIndex().row(), 6);
}

void TestScenarioListModel::entryChanges_data()
{
    using Reports = QList<QList<int>>;
    QTest::addColumn<Action>("before");
    QTest::addColumn<Action>("action");
    QTest::addColumn<Reports>("reports");

    const Action nothing = [](ScenarioListModel&) {};
    QTest::newRow("filling reports nothing") << Action([](ScenarioListModel& list) {
        list.setTicked(2, true);
        selectRow(list, 2);
    }) << Action([](ScenarioListModel& list) { list.fill(sortSample()); })
                                             << Reports{};
    QTest::newRow("selecting the first entry reports it")
        << nothing << Action([](ScenarioListModel& list) { list.selectFirst(); })
        << Reports{{0}, {0}};
    QTest::newRow("selection moved by the program: loser first, gainer last")
        << Action([](ScenarioListModel& list) { selectRow(list, 0); })
        << Action([](ScenarioListModel& list) { selectRow(list, 4); }) << Reports{{0, 4}, {0, 4}};
    QTest::newRow("selection moved by a click: loser first, gainer last")
        << Action([](ScenarioListModel& list) { selectRow(list, 5); })
        << Action([](ScenarioListModel& list) { clickRow(list, 2); }) << Reports{{5, 2}, {5, 2}};
    QTest::newRow("a tick reports its entry") << nothing << Action([](ScenarioListModel& list) {
        list.setData(list.index(3, 0), Qt::Checked, Qt::CheckStateRole);
    }) << Reports{{3}};
    QTest::newRow("the tick that is already there reports nothing")
        << Action([](ScenarioListModel& list) { list.setTicked(3, true); })
        << Action([](ScenarioListModel& list) { list.setTicked(3, true); }) << Reports{};
    QTest::newRow("tick all reports each changed entry in list order, at once")
        << Action([](ScenarioListModel& list) { list.setTicked(2, true); })
        << Action([](ScenarioListModel& list) { list.setEveryTick(true); })
        << Reports{{0, 1, 3, 4, 5, 6}};
    QTest::newRow("untick all") << Action([](ScenarioListModel& list) {
        list.setTicked(6, true);
        list.setTicked(1, true);
    }) << Action([](ScenarioListModel& list) { list.setEveryTick(false); })
                                << Reports{{1, 6}};
    QTest::newRow("the size column has no tick") << nothing << Action([](ScenarioListModel& list) {
        list.setData(list.index(3, 1), Qt::Checked, Qt::CheckStateRole);
    }) << Reports{};
    QTest::newRow("sorting reports nothing")
        << Action([](ScenarioListModel& list) { selectRow(list, 1); })
        << Action([](ScenarioListModel& list) { list.clickColumn(0); }) << Reports{};
    QTest::newRow("clearing the selection reports the entry")
        << Action([](ScenarioListModel& list) { selectRow(list, 3); })
        << Action([](ScenarioListModel& list) { list.selectionModel()->clearSelection(); })
        << Reports{{3}};
    QTest::newRow("a batch reports all its changes at its end, in order")
        << Action([](ScenarioListModel& list) { selectRow(list, 4); })
        << Action([](ScenarioListModel& list) {
               const ScenarioListModel::ReportBatch outer(list);
               list.setEveryTick(true);
               const ScenarioListModel::ReportBatch inner(list);
               list.selectFirst();
           })
        << Reports{{0, 1, 2, 3, 4, 5, 6, 4, 0, 4, 0}};
    QTest::newRow("refilling drops what a batch held")
        << nothing << Action([](ScenarioListModel& list) {
               const ScenarioListModel::ReportBatch batch(list);
               list.setTicked(2, true);
               list.fill(sortSample());
           })
        << Reports{};
}

void TestScenarioListModel::entryChanges()
{
    QFETCH(Action, before);
    QFETCH(Action, action);
    QFETCH(QList<QList<int>>, reports);

    ScenarioListModel list;
    list.fill(sortSample());
    before(list);
    QSignalSpy spy(&list, &ScenarioListModel::entriesChanged);
    action(list);
    QList<QList<int>> reported;
    for (const QList<QVariant>& call : spy)
        reported << call.at(0).value<QList<int>>();
    QCOMPARE(reported, reports);
}

void TestScenarioListModel::tickedTotals_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("total");

    QTest::newRow("a tick beyond 2 GB") << Action([](ScenarioListModel& list) {
        list.setData(list.index(1, 0), Qt::Checked, Qt::CheckStateRole);
    }) << 1 << 3000000000LL;
    QTest::newRow("an untick takes its entry away") << Action([](ScenarioListModel& list) {
        list.setTicked(1, true);
        list.setTicked(6, true);
        list.setTicked(1, false);
    }) << 1 << qint64(40);
    QTest::newRow("the same tick twice counts once") << Action([](ScenarioListModel& list) {
        list.setTicked(3, true);
        list.setTicked(3, true);
    }) << 1 << qint64(5);
    QTest::newRow("tick all over a tick") << Action([](ScenarioListModel& list) {
        list.setTicked(2, true);
        list.setEveryTick(true);
    }) << 7 << 3000001665LL;
    QTest::newRow("sorting moves the ticks, not the totals") << Action([](ScenarioListModel& list) {
        list.setTicked(0, true);
        list.setTicked(4, true);
        list.clickColumn(1);
        list.setTicked(0, true);
    }) << 3 << qint64(605);
    QTest::newRow("refilling starts again") << Action([](ScenarioListModel& list) {
        list.setEveryTick(true);
        list.fill(sortSample());
        list.setTicked(5, true);
    }) << 1 << qint64(1000);
}

void TestScenarioListModel::tickedTotals()
{
    QFETCH(Action, action);
    QFETCH(int, count);
    QFETCH(qint64, total);

    ScenarioListModel list;
    list.fill(sortSample());
    action(list);
    QCOMPARE(list.tickedCount(), count);
    QCOMPARE(list.tickedTotal(), total);
}

void TestScenarioListModel::firstSelectedRow()
{
    ScenarioListModel list;
    list.fill(sortSample());
    QVERIFY(!list.firstSelectedRow());
    list.selectionModel()->select(list.index(5, 0), QItemSelectionModel::Select);
    list.selectionModel()->select(list.index(2, 1), QItemSelectionModel::Select);
    QCOMPARE(list.firstSelectedRow(), std::optional<int>(2));
    list.fill({});
    QVERIFY(!list.firstSelectedRow());
    list.selectFirst();
    QVERIFY(!list.firstSelectedRow());
}

QTEST_GUILESS_MAIN(TestScenarioListModel)
#include "tst_scenario_list_model.moc"
