#include "budgetengine/budgetmodel.h"
#include "budgetfixture.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tq;
using namespace tq::budgetfixture;

namespace {

constexpr int january = 1, march = 3, december = 12;

// The monthly figures computed afresh from the cells' texts.
std::array<MonthFigures, budgetMonths> fromCells(const BudgetSheet &sheet)
{
    std::array<MonthFigures, budgetMonths> out;
    for (int m = 0; m < budgetMonths; ++m) {
        double sum = 0;
        for (const BudgetRow &row : sheet.rows)
            sum += double(monthAmount(row[size_t(BudgetModel::columnOfMonth(m))]));
        out[size_t(m)] = monthFigures(cappedMonthTotal(sum).total, sheet.incomes[size_t(m)]);
    }
    return out;
}

} // namespace

class TestBudgetModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void savesTheRentExampleAndLoadsItBack()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        BudgetModel model;
        QVERIFY(model.enterCell(0, 0, "Rent").isEmpty());
        QVERIFY(model.enterCell(0, january, "850.00").isEmpty());
        QVERIFY(model.isModified());
        QVERIFY(model.save(folder, 2007));
        QVERIFY(!model.isModified());
        QFile file(folder.filePath("2007.Fil"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), rentFile());

        BudgetModel loaded;
        QCOMPARE(loaded.load(folder, 2007).status, yearfile::Status::Loaded);
        QCOMPARE(loaded.sheet(), model.sheet());
        QVERIFY(!loaded.isModified());
        QCOMPARE(loaded.monthTexts(0), (MonthTexts{"850.00", "0.00", "-850.00", true}));
        QCOMPARE(loaded.monthTexts(1), (MonthTexts{".00", "0.00", ".00", false}));
    }

    void monthlyRows()
    {
        LoadedBudget b({{0, row("Rent", everyMonth("800.00"))},
                        {1, row("Food", {"200.50"})},
                        {2, row("", {"", "", "1,234.00"})},
                        {3, row("Note", {"abc"})}},
                       "2500.00");
        QCOMPARE(b.model.monthTexts(0), (MonthTexts{"1000.50", "2500.00", "1499.50", false}));
        QCOMPARE(b.model.monthTexts(2).expenses, QStringLiteral("2034.00"));
        b.model.setIncome(1, "abc");
        QCOMPARE(b.model.monthTexts(1), (MonthTexts{"800.00", "0.00", "-800.00", true}));
    }

    void expenseCapWarnsOncePerMonth()
    {
        std::vector<std::pair<int, BudgetRow>> rows;
        for (int r = 0; r < 11; ++r)
            rows.push_back({r, row("Bill", {"", "", "9999.99"})});
        LoadedBudget b(rows);
        const BudgetModel::LoadOutcome &outcome = b.outcome;
        QCOMPARE(outcome.notices, BudgetNotices{entry::expenseCapNotice()});
        QCOMPARE(outcome.notices.first().text,
                 QStringLiteral("Due to printer size requirements needed to print this budget, the Total of "
                                "Bills Amount Cannot exceed 99999"));
        QCOMPARE(b.model.monthTexts(2).expenses, QStringLiteral("99999.00"));
    }

    void roundingSteps()
    {
        QCOMPARE(monthAmount("1,234.50"), 1234.5f);
        QCOMPARE(monthAmount("12abc"), 0.0f);
        QCOMPARE(double(monthAmount("0.1")), double(0.1f)); // kept in 32 bits
        QCOMPARE(cappedMonthTotal(99999.5).total, 99999.0);
        QVERIFY(!cappedMonthTotal(99999.5).capped);
        QVERIFY(cappedMonthTotal(100000).capped);
        QCOMPARE(shownIncome("-5"), QStringLiteral("0.00"));
        QCOMPARE(shownIncome("12abc"), QStringLiteral("12abc"));
        QCOMPARE(incomeAmount("12abc"), 0.0);
        QCOMPARE(double(monthBalance(2500, 1000.1)), double(float(1499.9)));
        QVERIFY(!isNegative(-0.004));
        QVERIFY(isNegative(-0.005));
        QCOMPARE(roundedToCents(1.005), 1.01);
        QCOMPARE(yearlyItemTotal(row("Loan", {"1,234.00", "0.005"})), std::optional(1.01));
        QCOMPARE(yearlyItemTotal(row("Refund", {"100", "-150"})), std::nullopt);
        QCOMPARE(percentText(10.8), QStringLiteral("1080.00%"));
        QCOMPARE(percentText(-7.3333), QStringLiteral("-733.33%"));
    }

    // Every kind of entry, in a random order, leaves the figures a full
    // recompute from the cells gives.
    void figuresFollowEveryEntry()
    {
        LoadedBudget b({{0, row("Rent", everyMonth("800.00"))}, {3, row("", {"", "1,234.00"})}}, "2500.00");
        BudgetModel &model = b.model;
        QRandomGenerator random(2007);
        const QStringList typed{"50", "0.5", "9999.99", "1,5", "abc", "-3", "", "Gym", "120.25"};
        auto any = [&](int bound) { return int(random.bounded(bound)); };
        for (int step = 0; step < 600; ++step) {
            const int row = any(budgetItemRows), column = any(budgetColumns), month = any(budgetMonths);
            const QString text = typed.at(any(int(typed.size())));
            switch (any(7)) {
            case 0:
                model.setData(model.index(row, column), text, Qt::EditRole);
                break;
            case 1:
                model.enterEditBox(row, column, text);
                break;
            case 2:
                if (const auto caption = entry::enterIncome(text).caption)
                    model.setIncome(month, *caption);
                if (any(2))
                    model.copyIncomeRight(month);
                break;
            case 3:
                model.copyRight(row, column);
                break;
            case 4:
                model.insertItemRow(row);
                break;
            case 5:
                model.removeItemRow(row);
                break;
            default:
                model.sort(column, any(2) ? Qt::AscendingOrder : Qt::DescendingOrder);
                break;
            }
            const auto expected = fromCells(model.sheet());
            for (int m = 0; m < budgetMonths; ++m)
                QVERIFY2(model.month(m) == expected[size_t(m)], qPrintable(QString("step %1").arg(step)));
        }
    }

    void oneCellEditRecomputesOneMonth()
    {
        LoadedBudget b({{0, row("Rent", everyMonth("800.00"))}}, "2500.00");
        QSignalSpy cells(&b.model, &QAbstractItemModel::dataChanged);
        QSignalSpy months(&b.model, &BudgetModel::monthsChanged);
        QVERIFY(b.model.setData(b.model.index(4, march), "120", Qt::EditRole));
        QCOMPARE(cells.size(), 1);
        QCOMPARE(cells[0][0].toModelIndex(), b.model.index(4, march));
        QCOMPARE(cells[0][1].toModelIndex(), b.model.index(4, march));
        QCOMPARE(months.size(), 1);
        QCOMPARE(months[0], (QVariantList{2, 2}));
        QCOMPARE(b.model.monthTexts(2).balance, QStringLiteral("1580.00"));

        b.model.enterCell(4, 0, "Gym");
        QCOMPARE(months.size(), 1);
    }

    void refusedEntryRaisesItsNotice()
    {
        BudgetModel model;
        QSignalSpy notices(&model, &BudgetModel::noticesRaised);
        model.setData(model.index(0, january), "-3", Qt::EditRole);
        QCOMPARE(model.text(0, january), QString());
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices[0][0].value<BudgetNotices>(), BudgetNotices{entry::notANumberNotice()});
    }

    void copyRight()
    {
        LoadedBudget b({{0, row("Rent", {"", "", "850.00"})}}, "1000.00");
        QVERIFY(b.model.copyRight(0, december).isEmpty());
        b.model.copyRight(0, march);
        for (int c = march; c <= december; ++c)
            QCOMPARE(b.model.text(0, c), QStringLiteral("850.00"));
        QCOMPARE(b.model.text(0, 2), QString());
        QCOMPARE(b.model.monthTexts(11).balance, QStringLiteral("150.00"));
        QVERIFY(b.model.isModified());
    }

    void insertingDropsTheLastRow()
    {
        LoadedBudget b({{0, row("Rent")}, {2, row("Food")}, {49, row("Car", {"300.00"})}}, "1000.00");
        b.model.insertItemRow(2);
        QCOMPARE(b.names().mid(0, 4), (QStringList{"Rent", "", "", "Food"}));
        QVERIFY(!b.names().contains("Car"));
        QCOMPARE(b.model.scrollTip(3), QStringLiteral(" Row 4: Food "));
        QCOMPARE(b.model.monthTexts(0).expenses, QStringLiteral(".00"));
        QVERIFY(b.model.isModified());
    }

    void removingAppendsAnEmptyRow()
    {
        LoadedBudget b({{0, row("Rent", {"800.00"})}, {1, row("Food", {"200.00"})}}, "1000.00");
        b.model.removeItemRow(0);
        QCOMPARE(b.names().first(2), (QStringList{"Food", ""}));
        QCOMPARE(b.model.monthTexts(0).balance, QStringLiteral("800.00"));
        QCOMPARE(b.model.rowCount(), budgetItemRows);
    }

    void ascendingSortDropsUnnamedRows_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("named");
        QTest::newRow("by item") << 0 << QStringList{"Food", "gas", "Rent"};
        QTest::newRow("by January") << january << QStringList{"gas", "Food", "Rent"};
    }
    void ascendingSortDropsUnnamedRows()
    {
        QFETCH(int, column);
        QFETCH(QStringList, named);
        LoadedBudget b({{0, row("Rent", {"800.00"})},
                        {1, row("", {"50.00"})},
                        {3, row("Food", {"200.00"})},
                        {6, row("  ", {"70.00"})},
                        {9, row("gas", {""})}},
                       "2000.00");
        b.model.sort(column, Qt::AscendingOrder);
        QCOMPARE(b.names().first(3), named);
        QCOMPARE(b.names().mid(3), repeated("", 47));
        QCOMPARE(b.model.monthTexts(0).expenses, QStringLiteral("1000.00"));
        QVERIFY(b.model.isModified());
    }

    void descendingSortKeepsEveryRow()
    {
        LoadedBudget b({{0, row("Rent", {"800.00"})}, {1, row("", {"50.00"})}, {2, row("Food")}});
        b.model.sort(0, Qt::DescendingOrder);
        QCOMPARE(b.names().first(2), (QStringList{"Rent", "Food"}));
        QCOMPARE(b.model.monthTexts(0).expenses, QStringLiteral("850.00"));
    }

    void failedSaveKeepsTheChanges()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        QVERIFY(folder.mkdir("2007.Fil"));
        BudgetModel model;
        QCOMPARE(model.load(folder, 2007).status, yearfile::Status::Unreadable);
        model.enterCell(0, 0, "Rent");
        QVERIFY(!model.save(folder, 2007));
        QVERIFY(model.isModified());
        QVERIFY(QFileInfo(folder.filePath("2007.Fil")).isDir());
    }

    // Quotes and over-long texts are changed as the file is read, and told once.
    void oddTextsAreToldOnceNamingTheFile()
    {
        QTemporaryDir dir;
        QFile file(QDir(dir.path()).filePath(QStringLiteral("2007.Fil")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("O\"Brien,12\r\n\"" + QByteArray(40, 'x') + "\"\r\n");
        file.close();
        BudgetModel model;
        const BudgetModel::LoadOutcome outcome = model.load(QDir(dir.path()), 2007);
        QCOMPARE(outcome.notices.size(), 1);
        QVERIFY(outcome.notices.first().text.startsWith(QDir::toNativeSeparators(file.fileName())));
        QCOMPARE(model.text(0, 0), QStringLiteral("O'Brien"));
        QCOMPARE(model.text(0, 2), QString(24, u'x'));
    }
};

QTEST_GUILESS_MAIN(TestBudgetModel)
#include "tst_budgetmodel.moc"
