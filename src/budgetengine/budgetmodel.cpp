#include "budgetengine/budgetmodel.h"

#include "budgetengine/rowsort.h"
#include "common/numberformat.h"

namespace tq {

namespace {

const QString noText;

// First and last month with an amount in any of the rows, or {12, -1}.
std::pair<int, int> amountSpan(const std::vector<BudgetRow> &rows)
{
    int first = budgetMonths, last = -1;
    for (const BudgetRow &row : rows)
        for (int m = 0; m < budgetMonths; ++m)
            if (!row[size_t(m + 1)].isEmpty()) {
                first = std::min(first, m);
                last = std::max(last, m);
            }
    return {first, last};
}

QString heading(int column)
{
    return column == BudgetModel::itemColumn ? QStringLiteral("Item") : monthNames().at(column - 1);
}

} // namespace

BudgetModel::BudgetModel(QObject *parent) : QAbstractTableModel(parent), m_amounts(budgetItemRows) {}

QString BudgetModel::cellPosition(int row, int column)
{
    return QStringLiteral("C%1:R%2").arg(column + 1).arg(row + 1);
}

bool BudgetModel::isCell(int row, int column) const
{
    return row >= 0 && row < budgetItemRows && column >= 0 && column < budgetColumns;
}

const QString &BudgetModel::text(int row, int column) const
{
    return isCell(row, column) ? m_sheet.rows[size_t(row)][size_t(column)] : noText;
}

QString BudgetModel::scrollTip(int row) const
{
    return QStringLiteral(" Row %1: %2 ").arg(row + 1).arg(text(row, itemColumn));
}

MonthFigures BudgetModel::month(int month) const
{
    MonthFigures f = m_figures.at(size_t(month));
    f.income = m_sheet.incomes.at(size_t(month));
    return f;
}

void BudgetModel::clear()
{
    beginResetModel();
    m_sheet = BudgetSheet();
    m_amounts.assign(budgetItemRows, {});
    m_figures = {};
    m_computed = false;
    m_markedRow = -1;
    endResetModel();
    m_modified = false;
    Q_EMIT monthsChanged(0, budgetMonths - 1);
}

BudgetModel::LoadOutcome BudgetModel::load(const QDir &folder, int year)
{
    return loadFile(folder.filePath(yearfile::fileName(year)));
}

BudgetModel::LoadOutcome BudgetModel::loadFile(const QString &path)
{
    yearfile::Loaded loaded = yearfile::loadFile(path);
    clear();
    LoadOutcome outcome{loaded.status, {}};
    if (loaded.status == yearfile::Status::Loaded) {
        beginResetModel();
        m_sheet = std::move(loaded.sheet);
        setAmounts();
        endResetModel();
        if (loaded.adjusted)
            outcome.notices << yearfile::adjustedNotice(path);
        outcome.notices += recompute(0, budgetMonths - 1);
    }
    m_modified = false;
    return outcome;
}

void BudgetModel::replaceSheet(const BudgetSheet &sheet)
{
    beginResetModel();
    m_sheet = sheet;
    setAmounts();
    m_markedRow = -1;
    endResetModel();
    recompute(0, budgetMonths - 1);
}

bool BudgetModel::save(const QDir &folder, int year)
{
    if (!yearfile::save(folder, year, m_sheet))
        return false;
    m_modified = false;
    return true;
}

void BudgetModel::setCell(int row, int column, const QString &text)
{
    QString &cell = m_sheet.rows[size_t(row)][size_t(column)];
    if (cell == text)
        return;
    cell = text;
    if (column != itemColumn)
        m_amounts[size_t(row)][size_t(monthOfColumn(column))] = monthAmount(text);
    m_modified = true;
    const QModelIndex at = index(row, column);
    Q_EMIT dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole, Qt::TextAlignmentRole});
}

BudgetNotices BudgetModel::enterCell(int row, int column, const QString &typed)
{
    const EditScope scope{*this};
    if (!isCell(row, column))
        return {};
    entry::CellEntry e = entry::enterCell(column, typed);
    BudgetNotices notices;
    if (e.notice)
        notices << *e.notice;
    setCell(row, column, e.text);
    if (column != itemColumn)
        notices << recompute(monthOfColumn(column), monthOfColumn(column));
    return notices;
}

entry::EditBoxEntry BudgetModel::enterEditBox(int row, int column, const QString &text)
{
    const EditScope scope{*this};
    entry::EditBoxEntry e = entry::enterEditBox(column, text);
    if (isCell(row, column)) {
        setCell(row, column, e.cellText);
        m_modified = true;
        // The box beeps at its own limit; the month's cap notice waits for the next edit.
        if (column != itemColumn)
            recompute(monthOfColumn(column), monthOfColumn(column));
    }
    return e;
}

void BudgetModel::setIncome(int month, const QString &caption)
{
    const EditScope scope{*this};
    m_sheet.incomes.at(size_t(month)) = caption;
    m_modified = true;
    recompute(month, month); // an income cannot reach the expense cap
}

void BudgetModel::copyIncomeRight(int month)
{
    const EditScope scope{*this};
    for (int m = month + 1; m < budgetMonths; ++m)
        m_sheet.incomes[size_t(m)] = m_sheet.incomes.at(size_t(month));
    m_modified = true;
    recompute(month, month);
}

BudgetNotices BudgetModel::copyRight(int row, int column)
{
    const EditScope scope{*this};
    if (!isCell(row, column) || !canCopyRight(column))
        return {};
    const QString value = text(row, column);
    for (int c = column + 1; c < budgetColumns; ++c)
        setCell(row, c, value);
    return recompute(monthOfColumn(column), budgetMonths - 1);
}

BudgetNotices BudgetModel::insertItemRow(int row)
{
    const EditScope scope{*this};
    if (row < 0 || row >= budgetItemRows)
        return {};
    const BudgetRow dropped = m_sheet.rows.back();
    beginRemoveRows({}, budgetItemRows - 1, budgetItemRows - 1);
    m_sheet.rows.pop_back();
    m_amounts.pop_back();
    endRemoveRows();
    beginInsertRows({}, row, row);
    m_sheet.rows.insert(m_sheet.rows.begin() + row, BudgetRow());
    m_amounts.insert(m_amounts.begin() + row, RowAmounts{});
    endInsertRows();
    m_modified = true;
    return recomputeAmountsOf(dropped);
}

BudgetNotices BudgetModel::removeItemRow(int row)
{
    const EditScope scope{*this};
    if (row < 0 || row >= budgetItemRows)
        return {};
    const BudgetRow removed = m_sheet.rows[size_t(row)];
    beginRemoveRows({}, row, row);
    m_sheet.rows.erase(m_sheet.rows.begin() + row);
    m_amounts.erase(m_amounts.begin() + row);
    endRemoveRows();
    beginInsertRows({}, budgetItemRows - 1, budgetItemRows - 1);
    m_sheet.rows.emplace_back();
    m_amounts.emplace_back();
    endInsertRows();
    if (m_markedRow == row)
        m_markedRow = -1;
    m_modified = true;
    return recomputeAmountsOf(removed);
}

BudgetNotices BudgetModel::sortRows(int column, Qt::SortOrder order)
{
    const EditScope scope{*this};
    if (column < 0 || column >= budgetColumns)
        return {};
    std::vector<BudgetRow> dropped;
    if (order == Qt::AscendingOrder)
        std::copy_if(m_sheet.rows.begin(), m_sheet.rows.end(), std::back_inserter(dropped), isUnnamed);
    replaceRows(sortedRows(m_sheet.rows, column, order));
    m_modified = true;
    const auto [first, last] = amountSpan(dropped);
    return first <= last ? recompute(first, last) : BudgetNotices();
}

void BudgetModel::replaceRows(std::vector<BudgetRow> rows)
{
    Q_EMIT layoutAboutToBeChanged();
    m_sheet.rows = std::move(rows);
    setAmounts();
    Q_EMIT layoutChanged();
}

void BudgetModel::setMarkedRow(int row)
{
    const int old = m_markedRow;
    m_markedRow = row;
    for (const int r : {old, row})
        if (r >= 0 && r < budgetItemRows)
            Q_EMIT dataChanged(index(r, 0), index(r, budgetColumns - 1), {MarkedRole, Qt::BackgroundRole});
}

BudgetNotices BudgetModel::recomputeAmountsOf(const BudgetRow &row)
{
    const auto [first, last] = amountSpan({row});
    return first <= last ? recompute(first, last) : BudgetNotices();
}

void BudgetModel::setAmounts()
{
    for (size_t r = 0; r < m_sheet.rows.size(); ++r)
        for (int m = 0; m < budgetMonths; ++m)
            m_amounts[r][size_t(m)] = monthAmount(m_sheet.rows[r][size_t(columnOfMonth(m))]);
}

// All twelve months from the stored amounts (600 additions, cheaper than
// knowing which months an entry could reach); the cap notices of the months
// first to last, and monthsChanged for the months whose figures moved.
BudgetNotices BudgetModel::recompute(int firstMonth, int lastMonth)
{
    BudgetNotices notices;
    int changedFirst = budgetMonths, changedLast = -1;
    for (int m = 0; m < budgetMonths; ++m) {
        double sum = 0;
        for (const RowAmounts &amounts : m_amounts)
            sum += double(amounts[size_t(m)]);
        const MonthTotal t = cappedMonthTotal(sum);
        if (t.capped && ((m >= firstMonth && m <= lastMonth) || !m_computed))
            notices << entry::expenseCapNotice();
        MonthFigures figures = monthFigures(t.total, m_sheet.incomes[size_t(m)]);
        m_sheet.incomes[size_t(m)] = figures.income;
        if (figures != m_figures[size_t(m)]) {
            changedFirst = std::min(changedFirst, m);
            changedLast = m;
        }
        m_figures[size_t(m)] = std::move(figures);
    }
    m_computed = true;
    if (changedFirst <= changedLast)
        Q_EMIT monthsChanged(changedFirst, changedLast);
    return notices;
}

int BudgetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : budgetItemRows;
}

int BudgetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : budgetColumns;
}

QVariant BudgetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !isCell(index.row(), index.column()))
        return {};
    const QString &cell = text(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell;
    case Qt::TextAlignmentRole: {
        const bool right = index.column() != itemColumn || strictNumber(cell).has_value();
        return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
    }
    case MarkedRole:
        return index.row() == m_markedRow;
    case Qt::BackgroundRole:
        return index.row() == m_markedRow ? QVariant(markedColour) : QVariant();
    default:
        return {};
    }
}

bool BudgetModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !isCell(index.row(), index.column()))
        return false;
    const BudgetNotices notices = enterCell(index.row(), index.column(), value.toString());
    if (!notices.isEmpty())
        Q_EMIT noticesRaised(notices);
    return true;
}

Qt::ItemFlags BudgetModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant BudgetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QString();
    return section >= 0 && section < budgetColumns ? heading(section) : QVariant();
}

void BudgetModel::sort(int column, Qt::SortOrder order)
{
    const BudgetNotices notices = sortRows(column, order);
    if (!notices.isEmpty())
        Q_EMIT noticesRaised(notices);
}

} // namespace tq
