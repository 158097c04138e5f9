#pragma once
// Year files and budgets the budget engine tests share.
#include "budgetengine/budgetmodel.h"
#include "budgetengine/budgetsheet.h"
#include "budgetengine/yearfile.h"
#include "budgetengine/yeartotals.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

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

// Item rows by their index.
using Rows = std::vector<std::pair<int, BudgetRow>>;

// A model loaded from a year file holding the given rows and incomes.
struct LoadedBudget {
    QTemporaryDir dir;
    BudgetModel model;
    BudgetModel::LoadOutcome outcome;

    explicit LoadedBudget(const Rows &rows, const QString &income = {})
    {
        BudgetSheet sheet;
        for (const auto &[r, content] : rows)
            sheet.rows[size_t(r)] = content;
        sheet.incomes.fill(income);
        yearfile::save(folder(), 2007, sheet);
        outcome = model.load(folder(), 2007);
    }
    QDir folder() const { return QDir(dir.path()); }
    QStringList names() const
    {
        QStringList out;
        for (int r = 0; r < budgetItemRows; ++r)
            out << model.text(r, 0);
        return out;
    }
};

inline QStringList everyMonth(const QString &amount)
{
    return repeated(amount, budgetMonths);
}

// Rent 800.00 every month, Food 200.50 in January, income 2500.00 every month.
inline Rows rentAndFood()
{
    return {{0, row("Rent", everyMonth("800.00"))}, {1, row("Food", {"200.50"})}};
}

// Chart series compared by label and by value to a hundredth of a percent.
inline void compareChart(const QList<ChartPoint> &actual, const QList<ChartPoint> &expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i) {
        QCOMPARE(actual[i].label, expected[i].label);
        QVERIFY2(std::abs(actual[i].value - expected[i].value) < 0.005, qPrintable(actual[i].label));
    }
}

} // namespace tq::budgetfixture
