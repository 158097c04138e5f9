#include "budget/budgetundo.h"
#include "budgetfixture.h"

#include <QCoreApplication>
#include <functional>

using namespace tq;
using namespace tq::budgetfixture;

namespace {

using Action = std::function<void(BudgetModel &, BudgetUndo &)>;

QList<MonthFigures> figures(const BudgetModel &model)
{
    QList<MonthFigures> out;
    for (int m = 0; m < budgetMonths; ++m)
        out << model.month(m);
    return out;
}

// The figures a budget of this sheet shows when it is opened afresh.
QList<MonthFigures> recomputed(const BudgetSheet &sheet)
{
    QTemporaryDir dir;
    yearfile::save(QDir(dir.path()), 2007, sheet);
    BudgetModel model;
    model.load(QDir(dir.path()), 2007);
    return figures(model);
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestBudgetUndo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Every kind of edit is one step: undo gives back the sheet before it
    // with the figures recomputed, redo the sheet after it.
    void eachEditIsOneStep_data()
    {
        QTest::addColumn<Action>("action");
        QTest::newRow("amount typed")
            << Action([](BudgetModel &m, BudgetUndo &) { m.enterCell(1, 2, "99"); });
        QTest::newRow("item name typed")
            << Action([](BudgetModel &m, BudgetUndo &) { m.enterCell(2, 0, QStringLiteral("Gas")); });
        QTest::newRow("Input Box letters") << Action([](BudgetModel &m, BudgetUndo &u) {
            for (const char *typed : {"1", "12", "120"}) {
                u.mergeNextEditWith(13);
                m.enterEditBox(1, 1, QString::fromLatin1(typed));
            }
        });
        QTest::newRow("income") << Action([](BudgetModel &m, BudgetUndo &) { m.setIncome(3, "90.00"); });
        QTest::newRow("income with copy right") << Action([](BudgetModel &m, BudgetUndo &u) {
            BudgetUndo::Batch batch(u);
            m.setIncome(3, "90.00");
            m.copyIncomeRight(3);
        });
        QTest::newRow("copy right") << Action([](BudgetModel &m, BudgetUndo &) { m.copyRight(1, 1); });
        QTest::newRow("insert row") << Action([](BudgetModel &m, BudgetUndo &) { m.insertItemRow(0); });
        QTest::newRow("delete row") << Action([](BudgetModel &m, BudgetUndo &) { m.removeItemRow(0); });
        QTest::newRow("sort") << Action(
            [](BudgetModel &m, BudgetUndo &) { m.sortRows(0, Qt::AscendingOrder); });
    }
    void eachEditIsOneStep()
    {
        QFETCH(Action, action);
        LoadedBudget budget({{3, row("Rent", everyMonth("800.00"))}, {1, row("Food", {"200.50"})}},
                            "2500.00");
        BudgetModel &model = budget.model;
        BudgetUndo undo(model, nullptr);
        const BudgetSheet before = model.sheet();
        action(model, undo);
        const BudgetSheet after = model.sheet();
        QVERIFY(after != before);
        QCOMPARE(undo.stack().count(), 1);

        undo.stack().undo();
        QCOMPARE(model.sheet(), before);
        QCOMPARE(figures(model), recomputed(before));
        QVERIFY(!model.isModified()); // back where it was loaded
        undo.stack().redo();
        QCOMPARE(model.sheet(), after);
        QCOMPARE(figures(model), recomputed(after));
        QVERIFY(model.isModified());
        QCOMPARE(undo.stack().count(), 1);
    }

    // The unsaved mark follows the saved state through undo and redo; a new
    // year clears the history but keeps a version opened unsaved as unsaved.
    void unsavedMarkFollowsTheSavedState()
    {
        LoadedBudget budget({{0, row("Rent", {"800.00"})}});
        BudgetModel &model = budget.model;
        BudgetUndo undo(model, nullptr);
        model.enterCell(0, 1, "700");
        undo.markSaved();
        QVERIFY(!model.isModified());
        model.enterCell(0, 1, "600");
        QVERIFY(model.isModified());
        undo.stack().undo();
        QVERIFY(!model.isModified());
        undo.stack().undo();
        QVERIFY(model.isModified());
        QCOMPARE(model.text(0, 1), QStringLiteral("800.00"));

        model.load(budget.folder(), 2007);
        undo.reset();
        QVERIFY(!undo.stack().canUndo());
        QVERIFY(!model.isModified());
        model.setModified(true); // an earlier version shown in place of the file
        undo.reset();
        QVERIFY(model.isModified());
        model.enterCell(0, 1, "1");
        undo.stack().undo();
        QVERIFY(model.isModified());
    }
};

QTEST_GUILESS_MAIN(TestBudgetUndo)
#include "tst_budgetundo.moc"
