#include "budget/yeartotals.h"

#include "budget/budgetmodel.h"
#include "common/numberformat.h"

#include <algorithm>

namespace tq {

namespace {

const QString yearlyPattern = QStringLiteral("######.00 ");
const QString itemPattern = QStringLiteral("####.00");
const QString percentGap = QStringLiteral("     ");

bool hasEntry(const BudgetSheet &sheet)
{
    return std::any_of(sheet.rows.begin(), sheet.rows.end(), [](const BudgetRow &row) {
        return std::any_of(row.begin(), row.end(), [](const QString &cell) { return !cell.isEmpty(); });
    });
}

bool hasIncome(const BudgetSheet &sheet)
{
    return std::any_of(sheet.incomes.begin(), sheet.incomes.end(),
                       [](const QString &income) { return leadingNumber(income) != 0; });
}

// A running sum that falls to 0 or below shows as an empty cell, so the next
// month adds to nothing.
QString yearlyItemTotal(const BudgetRow &row)
{
    double running = 0;
    for (int m = 1; m <= budgetMonths; ++m) {
        running += leadingNumber(row[size_t(m)]);
        if (!(running > 0))
            running = 0;
    }
    return running > 0 ? formatPattern(running, itemPattern) : QString();
}

QString accumulated(const QString &label, const QString &month)
{
    return formatPattern(leadingNumber(label) + leadingNumber(month), yearlyPattern);
}

} // namespace

std::optional<TotalsMessage> YearTotals::openCheck(const BudgetModel &model)
{
    if (hasEntry(model.sheet()) && hasIncome(model.sheet()))
        return std::nullopt;
    return TotalsMessage{
        QStringLiteral("View Totals"),
        QStringLiteral("There must be at least one entry and at least one income entry to view Totals!")};
}

TotalsMessage YearTotals::missingIncomeMessage()
{
    return {QStringLiteral("Totals Button"),
            QStringLiteral("Please enter at least the first row of data and the Total Income!")};
}

QString YearTotals::caption(int year)
{
    return QString(10, u' ') + QStringLiteral("TOTALS FOR ") + QString::number(year) + QString(40, u' ') +
           QStringLiteral("Percentage Per Item");
}

QString YearTotals::basisText(PercentBasis basis)
{
    return basis == PercentBasis::Income ? QStringLiteral("% = Item Totals divided by Total Income")
                                         : QStringLiteral("% = Item Totals divided by Total Expenses");
}

void YearTotals::toggleBasis()
{
    m_basis = m_basis == PercentBasis::Income ? PercentBasis::Expenses : PercentBasis::Income;
}

void YearTotals::resetList()
{
    m_items = {ItemTotal()};
}

YearTotals::Outcome YearTotals::fill(const BudgetModel &model)
{
    const QString zero = QStringLiteral("0");
    m_labels.expenses = m_labels.income = m_labels.balance = zero;
    m_labels.expensesPercent = m_labels.balancePercent = zero;
    accumulateMonths(model);
    if (!(leadingNumber(m_labels.income) > 0))
        return Outcome::MissingIncome;
    if (strictNumber(m_labels.expenses).value_or(0) == 0)
        return Outcome::NoExpenses;
    fillPercentages();
    fillItems(model.sheet());
    return Outcome::Filled;
}

void YearTotals::accumulateMonths(const BudgetModel &model)
{
    for (int m = 0; m < budgetMonths; ++m) {
        const MonthFigures month = model.month(m);
        m_labels.expenses = accumulated(m_labels.expenses, month.expenses);
        m_labels.income = accumulated(m_labels.income, month.income);
    }
}

void YearTotals::fillPercentages()
{
    const double expenses = leadingNumber(m_labels.expenses);
    const double income = leadingNumber(m_labels.income);
    m_labels.balance = formatPattern(income - expenses, yearlyPattern);
    m_labels.expensesPercent = formatPercent(expenses / income) + percentGap;
    m_labels.incomePercent = formatPercent(1) + percentGap;
    m_labels.balancePercent = formatPercent(leadingNumber(m_labels.balance) / income) + percentGap;
    m_labels.balanceNegative = leadingNumber(m_labels.balance) < 0;
}

void YearTotals::fillItems(const BudgetSheet &sheet)
{
    const double basis = basisTotal();
    m_items.clear();
    m_itemsWithTotal = 0;
    for (const BudgetRow &row : sheet.rows) {
        if (row[0].isEmpty())
            continue;
        ItemTotal item{row[0], yearlyItemTotal(row), {}};
        if (!item.total.isEmpty()) {
            item.percent = formatPercent(leadingNumber(item.total) / basis) + u' ';
            ++m_itemsWithTotal;
        }
        m_items.append(item);
    }
}

double YearTotals::basisTotal() const
{
    return leadingNumber(m_basis == PercentBasis::Income ? m_labels.income : m_labels.expenses);
}

QList<ChartPoint> YearTotals::chartPoints() const
{
    const double basis = basisTotal();
    auto share = [basis](const QString &amount) {
        return basis != 0 ? leadingNumber(amount) / basis * 100 : 0.0;
    };
    QList<ChartPoint> points;
    for (const ItemTotal &item : m_items)
        points.append({item.name, share(item.total)});
    if (m_basis == PercentBasis::Income)
        points.append({QStringLiteral("Balance"), share(m_labels.balance)});
    else
        points.append({QStringLiteral(" "), 0});
    return points;
}

} // namespace tq
