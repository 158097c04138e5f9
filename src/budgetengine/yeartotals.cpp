#include "budgetengine/yeartotals.h"

#include "budgetengine/budgetmodel.h"
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

} // namespace

std::optional<Notice> YearTotals::openCheck(const BudgetModel &model)
{
    if (hasEntry(model.sheet()) && hasIncome(model.sheet()))
        return std::nullopt;
    return Notice{
        QStringLiteral("View Totals"),
        QStringLiteral("There must be at least one entry and at least one income entry to view Totals!")};
}

QString percentText(double ratio)
{
    return formatPattern(ratio, u"##0.00%");
}

double roundedToCents(double value)
{
    return roundHalfAway(value, 2);
}

std::optional<double> yearlyItemTotal(const BudgetRow &row)
{
    double running = 0;
    for (int m = 1; m <= budgetMonths; ++m) {
        running += leadingNumber(row[size_t(m)]);
        if (!(running > 0))
            running = 0;
    }
    return running > 0 ? std::optional(roundedToCents(running)) : std::nullopt;
}

QString listTotal(const ItemTotal &item)
{
    return item.total ? formatPattern(*item.total, itemPattern) : QString();
}

QString listPercent(const ItemTotal &item)
{
    return item.total ? percentText(item.share) + u' ' : QString();
}

Notice YearTotals::missingIncomeMessage()
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
    m_figures = YearFigures();
    accumulateMonths(model);
    if (!(m_figures.income > 0))
        return Outcome::MissingIncome;
    if (m_figures.expenses == 0)
        return Outcome::NoExpenses;
    fillPercentages();
    fillItems(model.sheet());
    return Outcome::Filled;
}

// Each month adds the figure its row shows, and the sum is kept in cents as
// the yearly label shows it after every month.
void YearTotals::accumulateMonths(const BudgetModel &model)
{
    for (int m = 0; m < budgetMonths; ++m) {
        const MonthFigures month = model.month(m);
        const double expenses = month.computed ? roundedToCents(month.expenses) : 0;
        m_figures.expenses = roundedToCents(m_figures.expenses + expenses);
        m_figures.income = roundedToCents(m_figures.income + leadingNumber(month.income));
    }
}

void YearTotals::fillPercentages()
{
    YearFigures &f = m_figures;
    f.balance = roundedToCents(f.income - f.expenses);
    f.expensesShare = f.expenses / f.income;
    f.balanceShare = f.balance / f.income;
    f.complete = true;
    m_incomeShare = true;
}

void YearTotals::fillItems(const BudgetSheet &sheet)
{
    const double basis = basisTotal();
    m_items.clear();
    m_itemsWithTotal = 0;
    for (const BudgetRow &row : sheet.rows) {
        if (row[0].isEmpty())
            continue;
        ItemTotal item{row[0], yearlyItemTotal(row), 0};
        if (item.total) {
            item.share = *item.total / basis;
            ++m_itemsWithTotal;
        }
        m_items.append(item);
    }
}

double YearTotals::basisTotal() const
{
    return m_basis == PercentBasis::Income ? m_figures.income : m_figures.expenses;
}

YearlyLabels YearTotals::labels() const
{
    const YearFigures &f = m_figures;
    const QString zero = QStringLiteral("0");
    YearlyLabels l{formatPattern(f.expenses, yearlyPattern),
                   formatPattern(f.income, yearlyPattern),
                   zero,
                   zero,
                   QString(),
                   zero,
                   false};
    if (m_incomeShare)
        l.incomePercent = percentText(1) + percentGap;
    if (f.complete) {
        l.balance = formatPattern(f.balance, yearlyPattern);
        l.expensesPercent = percentText(f.expensesShare) + percentGap;
        l.balancePercent = percentText(f.balanceShare) + percentGap;
        l.balanceNegative = f.balance < 0;
    }
    return l;
}

QList<ChartPoint> YearTotals::chartPoints() const
{
    const double basis = basisTotal();
    auto share = [basis](double amount) { return basis != 0 ? amount / basis * 100 : 0.0; };
    QList<ChartPoint> points;
    for (const ItemTotal &item : m_items)
        points.append({item.name, share(item.total.value_or(0))});
    if (m_basis == PercentBasis::Income)
        points.append({QStringLiteral("Balance"), share(m_figures.balance)});
    else
        points.append({QStringLiteral(" "), 0});
    return points;
}

} // namespace tq
