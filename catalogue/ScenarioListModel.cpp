#include "ScenarioListModel.h"

#include "Collation.h"
#include "Cp1252.h"
#include "FileSystem.h"

#include <QItemSelectionModel>
#include <algorithm>
#include <numeric>
#include <set>

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

std::set<int> rowsOf(const QItemSelection& selection)
{
    std::set<int> rows;
    for (const QItemSelectionRange& range : selection)
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.insert(row);
    return rows;
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
        return index.column() == NameColumn ? item.name : item.sizeText;
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
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        m_frozen)
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
    if (m_frozen)
        return;
    beginResetModel();
    m_entries.clear();
    m_entries.reserve(entries.size());
    for (const DirEntry& found : entries)
        m_entries.append({found.name, QString::number(found.size), false});
    endResetModel();
}

qint64 ScenarioListModel::size(int row) const
{
    return m_entries.at(row).sizeText.toLongLong();
}

void ScenarioListModel::setTicked(int row, bool ticked)
{
    if (m_frozen || m_entries.at(row).ticked == ticked)
        return;
    m_entries[row].ticked = ticked;
    const QModelIndex changed = index(row, NameColumn);
    Q_EMIT dataChanged(changed, changed, {Qt::CheckStateRole});
    reportChange(row);
}

void ScenarioListModel::setAllTicks(bool ticked)
{
    for (int row = 0; row < rowCount(); ++row)
        setTicked(row, ticked);
}

void ScenarioListModel::sort(int column, Qt::SortOrder order)
{
    if (m_frozen)
        return;
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
            const qint64 sizeA = a.sizeText.toLongLong();
            const qint64 sizeB = b.sizeText.toLongLong();
            return ascending ? sizeA < sizeB : sizeA > sizeB;
        });
    }
}

void ScenarioListModel::clickColumn(int column)
{
    if (m_frozen)
        return;
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

void ScenarioListModel::reportChange(int row)
{
    Q_EMIT entryChanged(row);
}

void ScenarioListModel::reportSelectionChange(const QItemSelection& selected,
                                              const QItemSelection& deselected)
{
    for (int row : rowsOf(deselected))
        reportChange(row);
    for (int row : rowsOf(selected))
        reportChange(row);
}

void ScenarioListModel::reportCurrentChange(const QModelIndex& current, const QModelIndex& previous)
{
    if (previous.isValid() && current.isValid() && previous.row() == current.row())
        return;
    if (previous.isValid())
        reportChange(previous.row());
    if (current.isValid())
        reportChange(current.row());
}
