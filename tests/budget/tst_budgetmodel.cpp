#include "budget/budgetmodel.h"
#include "budgetfixture.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tq;
using namespace tq::budgetfixture;

namespace {

constexpr int january = 1, march = 3, december = 12;

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
        QCOMPARE(loaded.month(0), (MonthFigures{"850.00", "0.00", "-850.00", true}));
        QCOMPARE(loaded.month(1), (MonthFigures{".00", "0.00", ".00", false}));
    }

    void monthlyRows()
    {
        LoadedBudget b({{0, row("Rent", everyMonth("800.00"))},
                        {1, row("Food", {"200.50"})},
                        {2, row("", {"", "", "1,234.00"})},
                        {3, row("Note", {"abc"})}},
                       "2500.00");
        QCOMPARE(b.model.month(0), (MonthFigures{"1000.50", "2500.00", "1499.50", false}));
        QCOMPARE(b.model.month(2).expenses, QStringLiteral("2034.00"));
        b.model.setIncome(1, "abc");
        QCOMPARE(b.model.month(1), (MonthFigures{"800.00", "0.00", "-800.00", true}));
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
        QCOMPARE(b.model.month(2).expenses, QStringLiteral("99999.00"));
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
        QCOMPARE(b.model.month(2).balance, QStringLiteral("1580.00"));

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
        QCOMPARE(b.model.month(11).balance, QStringLiteral("150.00"));
        QVERIFY(b.model.isModified());
    }

    void insertingDropsTheLastRow()
    {
        LoadedBudget b({{0, row("Rent")}, {2, row("Food")}, {49, row("Car", {"300.00"})}}, "1000.00");
        b.model.insertItemRow(2);
        QCOMPARE(b.names().mid(0, 4), (QStringList{"Rent", "", "", "Food"}));
        QVERIFY(!b.names().contains("Car"));
        QCOMPARE(b.model.scrollTip(3), QStringLiteral(" Row 4: Food "));
        QCOMPARE(b.model.month(0).expenses, QStringLiteral(".00"));
        QVERIFY(b.model.isModified());
    }

    void removingAppendsAnEmptyRow()
    {
        LoadedBudget b({{0, row("Rent", {"800.00"})}, {1, row("Food", {"200.00"})}}, "1000.00");
        b.model.removeItemRow(0);
        QCOMPARE(b.names().first(2), (QStringList{"Food", ""}));
        QCOMPARE(b.model.month(0).balance, QStringLiteral("800.00"));
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
        QCOMPARE(b.model.month(0).expenses, QStringLiteral("1000.00"));
        QVERIFY(b.model.isModified());
    }

    void descendingSortKeepsEveryRow()
    {
        LoadedBudget b({{0, row("Rent", {"800.00"})}, {1, row("", {"50.00"})}, {2, row("Food")}});
        b.model.sort(0, Qt::DescendingOrder);
        QCOMPARE(b.names().first(2), (QStringList{"Rent", "Food"}));
        QCOMPARE(b.model.month(0).expenses, QStringLiteral("850.00"));
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
