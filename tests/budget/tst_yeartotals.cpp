#include "budgetengine/yeartotals.h"
#include "budgetfixture.h"

#include <QTest>

using namespace tq;
using namespace tq::budgetfixture;

Q_DECLARE_METATYPE(Rows)
// An item list as the panel shows it: name, total and percentage.
using Items = QList<QStringList>;
Q_DECLARE_METATYPE(Items)

namespace {

Items listed(const YearTotals &totals)
{
    Items out;
    for (const ItemTotal &item : totals.items())
        out.append({item.name, listTotal(item), listPercent(item)});
    return out;
}

} // namespace
Q_DECLARE_METATYPE(YearTotals::Outcome)

class TestYearTotals : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rentAndFoodOnBothBases()
    {
        LoadedBudget b(rentAndFood(), "2500.00");
        YearTotals totals;
        QCOMPARE(totals.fill(b.model), YearTotals::Outcome::Filled);
        const YearlyLabels expected{"9800.50 ",     "30000.00 ",   "20199.50 ", "32.67%     ",
                                    "100.00%     ", "67.33%     ", false};
        QCOMPARE(totals.labels(), expected);
        QCOMPARE(listed(totals), (Items{{"Rent", "9600.00", "32.00% "}, {"Food", "200.50", "0.67% "}}));
        QCOMPARE(totals.itemsWithTotal(), 2);
        compareChart(totals.chartPoints(), {{"Rent", 32}, {"Food", 0.6683}, {"Balance", 67.3317}});

        totals.toggleBasis();
        QCOMPARE(totals.basis(), PercentBasis::Expenses);
        QCOMPARE(totals.fill(b.model), YearTotals::Outcome::Filled);
        QCOMPARE(totals.labels(), expected);
        QCOMPARE(listed(totals), (Items{{"Rent", "9600.00", "97.95% "}, {"Food", "200.50", "2.05% "}}));
        compareChart(totals.chartPoints(), {{"Rent", 97.954}, {"Food", 2.046}, {" ", 0}});
    }

    void itemList_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<Items>("items");
        QTest::addColumn<QString>("yearExpenses");
        const BudgetRow rent = row("Rent", everyMonth("800.00"));
        const QStringList rentItem{"Rent", "9600.00", "32.00% "};
        QTest::newRow("a comma cell counts 1 in the year")
            << Rows{{0, rent}, {1, row("Loan", {"1,234.00"})}} << Items{rentItem, {"Loan", "1.00", "0.00% "}}
            << "10834.00 ";
        QTest::newRow("a name without amounts is listed empty")
            << Rows{{0, row("Gifts")}, {1, rent}} << Items{{"Gifts", "", ""}, rentItem} << "9600.00 ";
        QTest::newRow("amounts without a name count but are not listed")
            << Rows{{0, rent}, {3, row("", {"300.00"})}} << Items{rentItem} << "9900.00 ";
        QTest::newRow("a running sum at or below 0 starts again")
            << Rows{{0, rent}, {1, row("Refund", {"100.00", "-150.00", "80.00"})}}
            << Items{rentItem, {"Refund", "80.00", "0.27% "}} << "9630.00 ";
    }

    void itemList()
    {
        QFETCH(Rows, rows);
        QFETCH(Items, items);
        QFETCH(QString, yearExpenses);
        LoadedBudget b(rows, "2500.00");
        YearTotals totals;
        QCOMPARE(totals.fill(b.model), YearTotals::Outcome::Filled);
        QCOMPARE(listed(totals), items);
        QCOMPARE(totals.labels().expenses, yearExpenses);
        // The chart has one series per listed item, empty totals at 0, then the balance.
        const QList<ChartPoint> chart = totals.chartPoints();
        QCOMPARE(chart.size(), items.size() + 1);
        for (qsizetype i = 0; i < items.size(); ++i)
            QCOMPARE(chart[i].value == 0, items[i][1].isEmpty());
    }

    void cappedMonthAndNegativeBalance()
    {
        Rows rows;
        for (int r = 0; r < 11; ++r)
            rows.push_back({r, row(QStringLiteral("Bill %1").arg(r), {"", "", "9999.99"})});
        LoadedBudget b(rows, "1000.00");
        YearTotals totals;
        QCOMPARE(totals.fill(b.model), YearTotals::Outcome::Filled);
        QCOMPARE(totals.labels().expenses, QStringLiteral("99999.00 "));
        QCOMPARE(totals.labels().balance, QStringLiteral("-87999.00 "));
        QCOMPARE(totals.labels().balancePercent, QStringLiteral("-733.33%     "));
        QVERIFY(totals.labels().balanceNegative);
    }

    void percentagesAreNeverGrouped()
    {
        LoadedBudget b({{0, row("Rent", everyMonth("900.00"))}});
        b.model.setIncome(0, "1000.00");
        YearTotals totals;
        QCOMPARE(totals.fill(b.model), YearTotals::Outcome::Filled);
        QCOMPARE(totals.labels().expensesPercent, QStringLiteral("1080.00%     "));
        QCOMPARE(totals.labels().balancePercent, QStringLiteral("-980.00%     "));
        QCOMPARE(listed(totals), (Items{{"Rent", "10800.00", "1080.00% "}}));
    }

    void stopsBeforeDividing_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("income");
        QTest::addColumn<YearTotals::Outcome>("outcome");
        QTest::newRow("no income") << Rows{{0, row("Rent", {"800.00"})}} << ""
                                   << YearTotals::Outcome::MissingIncome;
        QTest::newRow("no expenses") << Rows{{0, row("Rent")}} << "2500.00"
                                     << YearTotals::Outcome::NoExpenses;
    }

    void stopsBeforeDividing()
    {
        QFETCH(Rows, rows);
        QFETCH(QString, income);
        QFETCH(YearTotals::Outcome, outcome);
        LoadedBudget b(rows, income);
        YearTotals totals;
        totals.resetList();
        QCOMPARE(totals.fill(b.model), outcome);
        // The list stays as opening left it and the percentages are not computed.
        QCOMPARE(totals.items(), QList<ItemTotal>{ItemTotal()});
        QCOMPARE(totals.labels().balance, QStringLiteral("0"));
        QCOMPARE(totals.labels().expensesPercent, QStringLiteral("0"));
        QCOMPARE(totals.labels().balancePercent, QStringLiteral("0"));
        for (const ChartPoint &p : totals.chartPoints())
            QCOMPARE(p.value, 0.0);
    }

    void openCheck_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("income");
        QTest::addColumn<bool>("refused");
        QTest::newRow("empty") << Rows{} << "" << true;
        QTest::newRow("entries without income") << Rows{{0, row("Rent", {"800.00"})}} << "" << true;
        QTest::newRow("income without entries") << Rows{} << "2500.00" << true;
        QTest::newRow("a name and an income") << Rows{{4, row("Rent")}} << "2500.00" << false;
    }

    void openCheck()
    {
        QFETCH(Rows, rows);
        QFETCH(QString, income);
        QFETCH(bool, refused);
        LoadedBudget b(rows, income);
        const std::optional<Notice> message = YearTotals::openCheck(b.model);
        QCOMPARE(message.has_value(), refused);
        if (refused)
            QCOMPARE(*message, (Notice{"View Totals", "There must be at least one entry and at least one "
                                                      "income entry to view Totals!"}));
    }

    void texts()
    {
        QCOMPARE(YearTotals::caption(2007),
                 QString(10, ' ') + "TOTALS FOR 2007" + QString(40, ' ') + "Percentage Per Item");
        QCOMPARE(YearTotals::basisText(PercentBasis::Expenses),
                 QStringLiteral("% = Item Totals divided by Total Expenses"));
        QCOMPARE(
            YearTotals::missingIncomeMessage(),
            (Notice{"Totals Button", "Please enter at least the first row of data and the Total Income!"}));
    }
};

QTEST_GUILESS_MAIN(TestYearTotals)
#include "tst_yeartotals.moc"
