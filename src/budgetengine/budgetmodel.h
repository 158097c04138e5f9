#pragma once
// The budget being edited: its texts as a table model the budget grid shows,
// the monthly rows computed from them, and the unsaved-changes flag.
//
// Shape: 50 rows (the item rows) by 13 columns, column 0 the item name and
// columns 1 to 12 January to December. The grid's fixed heading row and empty
// fixed left column are the view's headers: headerData gives "Item", "Jan" to
// "Dec" across and empty texts down. The grid numbers its columns from the
// fixed one, so model column c is grid column c + 1 (cellPosition()).
//
// Each cell keeps its text as typed (the year file and the clipboard need it)
// and beside it the amount its month counts. Every change of an amount or an
// income computes all twelve months again from those amounts, so no month can
// keep a figure from before an entry that came in another way; only the
// months a change touched raise the expense cap notice. Notices (messages the
// window shows) are returned by the operations; setData() and sort(), which
// views call, emit them through noticesRaised() instead.
#include "budgetengine/budgetsheet.h"
#include "budgetengine/entryrules.h"
#include "budgetengine/monthlyfigures.h"
#include "budgetengine/yearfile.h"

#include <QAbstractTableModel>
#include <QDir>

namespace tq {

class BudgetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // bool: the row is marked for deletion while its question is open; its
    // cells then answer Qt::BackgroundRole with red as a colour number.
    // Qt::UserRole + 1 is taken by the grid's picture role.
    static constexpr int MarkedRole = Qt::UserRole + 2;
    static constexpr quint32 markedColour = 0x000000FF; // red, 0x00BBGGRR
    static constexpr int itemColumn = 0;

    explicit BudgetModel(QObject *parent = nullptr);

    static int columnOfMonth(int month) { return month + 1; }
    static int monthOfColumn(int column) { return column - 1; } // -1 for the item column
    // The position indicator's text in the grid's numbering, "C1:R1" for (0, 0).
    static QString cellPosition(int row, int column);

    const BudgetSheet &sheet() const { return m_sheet; }
    const QString &text(int row, int column) const;
    // Shown while the scroll box is dragged: " Row 4: Rent ".
    QString scrollTip(int row) const;
    // A month's row figures with its current income caption.
    MonthFigures month(int month) const;
    MonthTexts monthTexts(int month) const { return tq::monthTexts(this->month(month)); }

    // --- The whole year ----------------------------------------------------
    // 50 empty rows, empty monthly rows, nothing unsaved.
    void clear();
    struct LoadOutcome {
        yearfile::Status status = yearfile::Status::Missing;
        BudgetNotices notices;
    };
    // Anything but a loaded file leaves the empty budget of clear().
    LoadOutcome load(const QDir &folder, int year);
    LoadOutcome loadFile(const QString &path); // a year file of another name
    // The unsaved-changes flag is cleared only when the file was written.
    bool save(const QDir &folder, int year);
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // Undo and redo: the whole sheet at once, every figure recomputed from it.
    // A cap notice was shown when the state was first reached and is not
    // raised again; the unsaved-changes flag is the caller's.
    void replaceSheet(const BudgetSheet &sheet);

    // --- Editing -----------------------------------------------------------
    // Each of these ends with edited(), so one user action is one change.
    // An in-place edit ends: the entry rules, then the month's recompute.
    BudgetNotices enterCell(int row, int column, const QString &typed);
    // The edit box changed while (row, column) is current: the cell takes its
    // text without a recompute, and the budget counts as changed.
    entry::EditBoxEntry enterEditBox(int row, int column, const QString &text);
    // A caption made by entry::enterIncome; the month's balance follows.
    void setIncome(int month, const QString &caption);
    void copyIncomeRight(int month);

    static bool canCopyRight(int column) { return column >= 1 && column < budgetMonths; }
    BudgetNotices copyRight(int row, int column);
    // A new empty row at `row`; the last row is dropped with its amounts.
    BudgetNotices insertItemRow(int row);
    // The row goes and an empty one is appended.
    BudgetNotices removeItemRow(int row);
    // Sorts the item rows by a column, then drops unnamed rows after an
    // ascending sort: the leading ones when sorted by item, all of them when
    // sorted by a month, so the named rows stay together on top.
    BudgetNotices sortRows(int column, Qt::SortOrder order);

    int markedRow() const { return m_markedRow; }
    void setMarkedRow(int row);

    // --- Model -------------------------------------------------------------
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

Q_SIGNALS:
    // The figures of months first to last (0 = January) changed.
    void monthsChanged(int first, int last);
    void noticesRaised(const tq::BudgetNotices &notices);
    // An editing call below has finished (the figures already follow it).
    void edited();

private:
    // Emits edited() when an editing call returns, whichever way it returns.
    struct EditScope {
        BudgetModel &model;
        ~EditScope() { Q_EMIT model.edited(); }
    };

    bool isCell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    void replaceRows(std::vector<BudgetRow> rows);
    void setAmounts();
    BudgetNotices recompute(int firstMonth, int lastMonth);
    BudgetNotices recomputeAmountsOf(const BudgetRow &row);

    using RowAmounts = std::array<float, budgetMonths>;

    BudgetSheet m_sheet;
    std::vector<RowAmounts> m_amounts; // beside m_sheet.rows, row for row
    std::array<MonthFigures, budgetMonths> m_figures;
    bool m_computed = false; // the monthly rows were filled since the last clear
    bool m_modified = false;
    int m_markedRow = -1;
};

} // namespace tq
