#include "ScenarioListModel.h"

#include "Collation.h"
#include "Cp1252.h"
#include "FileSystem.h"

#include <QItemSelectionModel>
#include <algorithm>
#include <numeric>
#include <set>
#include <utility>

namespace {

int foldedCode(QChar c)
{
    int code = Cp1252::code(c);
    if (code < 0)
        code = '?'; // what the 8-bit file functions give for a character they cannot spell
    if (code >= 'a' && code <= 'z')
        code -= 'a' - 'A';
    return code;
}

void appendRowsOf(const QItemSelection& selection, QList<int>& rows)
{
    std::set<int> selected;
    for (const QItemSelectionRange& range : selection)
        for (int row = range.top(); row <= range.bottom(); ++row)
            selected.insert(row);
    rows.append(QList<int>(selected.begin(), selected.end()));
}

} // namespace

int compareNamesByteWise(const QString& a, const QString& b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const int difference = foldedCode(a.at(i)) - foldedCode(b.at(i));
        if (difference != 0)
            return difference;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

ScenarioListModel::ScenarioListModel(QObject* parent)
    : QAbstractTableModel(parent), m_selection(new QItemSelectionModel(this, this))
{
    connect(m_selection, &QItemSelectionModel::selectionChanged, this,
            &ScenarioListModel::reportSelectionChange);
    connect(m_selection, &QItemSelectionModel::currentChanged, this,
            &ScenarioListModel::reportCurrentChange);
}

int ScenarioListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int ScenarioListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ScenarioListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ScenarioEntry& item = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == NameColumn ? item.name : QString::number(item.size);
    case Qt::CheckStateRole:
        if (index.column() == NameColumn)
            return item.ticked ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == SizeColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

bool ScenarioListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != NameColumn ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    setTicked(index.row(), static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked);
    return true;
}

Qt::ItemFlags ScenarioListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == NameColumn)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

QVariant ScenarioListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        if (section == NameColumn)
            return tr("Scenario name");
        if (section == SizeColumn)
            return tr("File size");
    }
    if (role == Qt::TextAlignmentRole && section == SizeColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

void ScenarioListModel::fill(const QList<DirEntry>& entries)
{
    beginResetModel();
    m_entries.clear();
    m_entries.reserve(entries.size());
    for (const DirEntry& found : entries)
        m_entries.append({found.name, found.size, false});
    m_tickedCount = 0;
    m_tickedTotal = 0;
    m_heldReports.clear();
    endResetModel();
}

void ScenarioListModel::applyTick(int row, bool ticked)
{
    ScenarioEntry& changed = m_entries[row];
    changed.ticked = ticked;
    m_tickedCount += ticked ? 1 : -1;
    m_tickedTotal += ticked ? changed.size : -changed.size;
}

void ScenarioListModel::setTicked(int row, bool ticked)
{
    if (m_entries.at(row).ticked == ticked)
        return;
    applyTick(row, ticked);
    const QModelIndex changed = index(row, NameColumn);
    Q_EMIT dataChanged(changed, changed, {Qt::CheckStateRole});
    reportChanges({row});
}

// One change of the view for the whole range, so that a long list repaints once and assistive
// technology hears of one change rather than thousands.
void ScenarioListModel::setEveryTick(bool ticked)
{
    QList<int> changed;
    for (int row = 0; row < rowCount(); ++row) {
        if (m_entries.at(row).ticked != ticked) {
            applyTick(row, ticked);
            changed.append(row);
        }
    }
    if (changed.isEmpty())
        return;
    Q_EMIT dataChanged(index(changed.first(), NameColumn), index(changed.last(), NameColumn),
                       {Qt::CheckStateRole});
    reportChanges(changed);
}

void ScenarioListModel::sort(int column, Qt::SortOrder order)
{
    const bool ascending = order == Qt::AscendingOrder;
    if (column == NameColumn && ascending) {
        reorder([](const ScenarioEntry& a, const ScenarioEntry& b) {
            return Collation::compare(a.name, b.name) < 0;
        });
    } else if (column == NameColumn) {
        reorder([](const ScenarioEntry& a, const ScenarioEntry& b) {
            return compareNamesByteWise(a.name, b.name) > 0;
        });
    } else if (column == SizeColumn) {
        reorder([ascending](const ScenarioEntry& a, const ScenarioEntry& b) {
            return ascending ? a.size < b.size : a.size > b.size;
        });
    }
}

void ScenarioListModel::clickColumn(int column)
{
    const int bit = column == NameColumn   ? NameAscendingDone
                    : column == SizeColumn ? SizeAscendingDone
                                           : 0;
    if (bit == 0)
        return;
    const bool descending = (m_tag & bit) != 0;
    sort(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    m_tag = descending ? m_tag & ~bit : m_tag | bit;
}

template <class Less> void ScenarioListModel::reorder(Less less)
{
    QList<int> order(m_entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return less(m_entries.at(a), m_entries.at(b)); });

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<int> newRowOf(order.size());
    QList<ScenarioEntry> sorted;
    sorted.reserve(order.size());
    for (int newRow = 0; newRow < order.size(); ++newRow) {
        newRowOf[order.at(newRow)] = newRow;
        sorted.append(m_entries.at(order.at(newRow)));
    }
    m_entries = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after.append(index(newRowOf.at(old.row()), old.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ScenarioListModel::selectFirst()
{
    if (m_entries.isEmpty())
        return;
    m_selection->setCurrentIndex(index(0, NameColumn),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::optional<int> ScenarioListModel::firstSelectedRow() const
{
    std::optional<int> first;
    for (const QModelIndex& selected : m_selection->selectedIndexes())
        if (!first || selected.row() < *first)
            first = selected.row();
    return first;
}

ScenarioListModel::ReportBatch::ReportBatch(ScenarioListModel& list) : m_list(list)
{
    ++m_list.m_batchDepth;
}

ScenarioListModel::ReportBatch::~ReportBatch()
{
    if (--m_list.m_batchDepth == 0 && !m_list.m_heldReports.isEmpty())
        Q_EMIT m_list.entriesChanged(std::exchange(m_list.m_heldReports, {}));
}

void ScenarioListModel::reportChanges(const QList<int>& rows)
{
    if (rows.isEmpty())
        return;
    if (m_batchDepth > 0)
        m_heldReports.append(rows);
    else
        Q_EMIT entriesChanged(rows);
}

void ScenarioListModel::reportSelectionChange(const QItemSelection& selected,
                                              const QItemSelection& deselected)
{
    QList<int> rows;
    appendRowsOf(deselected, rows);
    appendRowsOf(selected, rows);
    reportChanges(rows);
}

void ScenarioListModel::reportCurrentChange(const QModelIndex& current, const QModelIndex& previous)
{
    if (previous.isValid() && current.isValid() && previous.row() == current.row())
        return;
    QList<int> rows;
    if (previous.isValid())
        rows.append(previous.row());
    if (current.isValid())
        rows.append(current.row());
    reportChanges(rows);
}
