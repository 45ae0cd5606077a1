#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <optional>

class QItemSelection;
class QItemSelectionModel;
struct DirEntry;

// One row of the scenario list.
struct ScenarioEntry
{
    QString name;
    qint64 size = 0; // bytes
    bool ticked = false;
};

// The scenario list in display order: what the list view shows and what the run copies. It owns
// the selection model the view uses, so that every change of an entry (tick, selection, current
// entry) leaves through entriesChanged, the entry that loses first and the one that gains last.
// It keeps the count and the total size of the ticked entries as the ticks change.
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
    void setTicked(int row, bool ticked);
    // Every entry whose tick changes is reported, in list order, in one report.
    void setEveryTick(bool ticked);
    int tickedCount() const { return m_tickedCount; }
    qint64 tickedTotal() const { return m_tickedTotal; }

    // Holds back the reports of entry changes while it lives and reports them all at once as the
    // outermost one ends, so that one action of the user is one report. Only ticks and the
    // selection may change meanwhile: refilling the list drops what was held back.
    class ReportBatch
    {
    public:
        explicit ReportBatch(ScenarioListModel& list);
        ~ReportBatch();
        ReportBatch(const ReportBatch&) = delete;
        ReportBatch& operator=(const ReportBatch&) = delete;

    private:
        ScenarioListModel& m_list;
    };

    // A click on a column header: ascending on the first click, descending on the next.
    void clickColumn(int column);
    int tag() const { return m_tag; }

    QItemSelectionModel* selectionModel() const { return m_selection; }
    // Makes the first entry the current and the selected one; nothing when the list is empty.
    void selectFirst();
    std::optional<int> firstSelectedRow() const;

Q_SIGNALS:
    // The entries one change touched, in the order it touched them; an entry may come twice.
    void entriesChanged(const QList<int>& rows);

private:
    void reportChanges(const QList<int>& rows);
    void applyTick(int row, bool ticked);
    void reportSelectionChange(const QItemSelection& selected, const QItemSelection& deselected);
    void reportCurrentChange(const QModelIndex& current, const QModelIndex& previous);
    template <class Less> void reorder(Less less);

    QList<ScenarioEntry> m_entries;
    QItemSelectionModel* m_selection;
    int m_tag = 0;
    int m_tickedCount = 0;
    qint64 m_tickedTotal = 0;
    int m_batchDepth = 0;
    QList<int> m_heldReports;
};

// Compares two names byte by byte on their Windows-1252 codes, folding only a-z to upper case;
// a name that is a prefix of the other is the smaller. < 0, 0, > 0.
int compareNamesByteWise(const QString& a, const QString& b);
