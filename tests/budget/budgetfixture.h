#pragma once
// Year files and budgets the budget engine tests share.
#include "budget/budgetsheet.h"

#include <QByteArray>
#include <QStringList>

namespace tq::budgetfixture {

// One line of a year file as the program writes it.
inline QByteArray line(const QByteArray &text)
{
    return '"' + text + "\"\r\n";
}

// The saved budget whose only entry is Rent with 850.00 in January.
inline QByteArray rentFile()
{
    return line("Rent") + line("850.00") + line("").repeated(648) + line("0.00").repeated(12);
}

inline QStringList repeated(const QString &text, int count)
{
    return QStringList(qsizetype(count), text);
}

// The sheet's 662 texts in file order.
inline QStringList fields(const BudgetSheet &sheet)
{
    QStringList out;
    for (const BudgetRow &row : sheet.rows)
        for (const QString &cell : row)
            out << cell;
    for (const QString &income : sheet.incomes)
        out << income;
    return out;
}

// A row: the name, then amounts from January on.
inline BudgetRow row(const QString &name, const QStringList &amounts = {})
{
    BudgetRow r;
    r[0] = name;
    for (int m = 0; m < amounts.size(); ++m)
        r[size_t(m + 1)] = amounts[m];
    return r;
}

} // namespace tq::budgetfixture
