#include "budgetengine/monthlyfigures.h"

#include "budgetengine/entryrules.h"
#include "common/numberformat.h"

namespace tq {

namespace {

constexpr double capNotice = 100000;
constexpr double capValue = 99999;

} // namespace

float monthAmount(const QString &cell)
{
    return cell.isEmpty() ? 0.0f : float(entry::amountValue(cell).value_or(0));
}

MonthTotal cappedMonthTotal(double sum)
{
    return {sum > capValue ? capValue : sum, sum >= capNotice};
}

QString shownIncome(const QString &caption)
{
    return leadingNumber(caption) > 0 ? caption : QStringLiteral("0.00");
}

double incomeAmount(const QString &caption)
{
    return entry::amountValue(caption).value_or(0);
}

float monthBalance(double income, double total)
{
    return float(income - total);
}

bool isNegative(double figure)
{
    return roundHalfAway(figure, 2) < 0;
}

MonthFigures monthFigures(double total, const QString &incomeCaption)
{
    MonthFigures f;
    f.expenses = total;
    f.income = shownIncome(incomeCaption);
    f.balance = monthBalance(incomeAmount(f.income), total);
    f.computed = true;
    return f;
}

MonthTexts monthTexts(const MonthFigures &figures)
{
    if (!figures.computed)
        return {QString(), figures.income, QString(), false};
    return {entry::formatMonthFigure(figures.expenses), figures.income,
            entry::formatMonthFigure(double(figures.balance)), isNegative(figures.balance)};
}

} // namespace tq
