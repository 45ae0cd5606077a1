#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <optional>

class QItemSelection;
class QItemSelectionModel;
struct DirEntry;

// One row of the scenario list. The size text is the only copy of the size.
struct ScenarioEntry
{
    QString name;
    QString sizeText;
    bool ticked = false;
};

// The scenario list in display order: what the list view shows and what the run copies. It owns
// the selection model the view uses, so that every change of an entry (tick, selection, current
// entry) leaves through entryChanged, the entry that loses first and the one that gains last.
class ScenarioListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        NameColumn,
        SizeColumn,
        ColumnCount
    };
    // Bits of tag(): which ascending sort ran last for each column.
    enum SortToggle
    {
        SizeAscendingDone = 1,
        NameAscendingDone = 2
    };

    explicit ScenarioListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Name ascending: the locale's word sort; name descending: byte-wise, folding a-z only;
    // size: by the number in the size text.
    void sort(int column, Qt::SortOrder order) override;

    // Replaces every entry, unticked, in the given order. Reports no entry change.
    void fill(const QList<DirEntry>& entries);

    const ScenarioEntry& entry(int row) const { return m_entries.at(row); }
    qint64 size(int row) const;
    void setTicked(int row, bool ticked);
    void setAllTicks(bool ticked);

    // A click on a column header: ascending on the first click, descending on the next.
    void clickColumn(int column);
    int tag() const { return m_tag; }

    QItemSelectionModel* selectionModel() const { return m_selection; }
    // Makes the first entry the current and the selected one; nothing when the list is empty.
    void selectFirst();
    std::optional<int> firstSelectedRow() const;

    // While frozen (an installation runs) the entries, their ticks and their order stay put.
    void setFrozen(bool frozen) { m_frozen = frozen; }
    bool isFrozen() const { return m_frozen; }

Q_SIGNALS:
    void entryChanged(int row);

private:
    void reportChange(int row);
    void reportSelectionChange(const QItemSelection& selected, const QItemSelection& deselected);
    void reportCurrentChange(const QModelIndex& current, const QModelIndex& previous);
    template <class Less> void reorder(Less less);

    QList<ScenarioEntry> m_entries;
    QItemSelectionModel* m_selection;
    int m_tag = 0;
    bool m_frozen = false;
};

// Compares two names byte by byte on their Windows-1252 codes, folding only a-z to upper case;
// a name that is a prefix of the other is the smaller. < 0, 0, > 0.
int compareNamesByteWise(const QString& a, const QString& b);
