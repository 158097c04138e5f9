// The home budget window: empty, the Rent and Food example, a month with a red
// balance and a row marked for deletion, in both display modes.
#include "snapshot.h"

#include "budget/budget1.h"
#include "components/grid.h"

namespace {

using tq::Budget1;
using tq::BudgetModel;

void rentAndFood(Budget1 &w)
{
    BudgetModel &m = w.model();
    m.enterCell(0, BudgetModel::itemColumn, QStringLiteral("Rent"));
    m.enterCell(0, BudgetModel::columnOfMonth(0), QStringLiteral("800"));
    m.copyRight(0, BudgetModel::columnOfMonth(0));
    m.enterCell(1, BudgetModel::itemColumn, QStringLiteral("Food"));
    m.enterCell(1, BudgetModel::columnOfMonth(0), QStringLiteral("200.50"));
    m.setIncome(0, QStringLiteral("2500.00"));
    m.copyIncomeRight(0);
}

void redBalance(Budget1 &w)
{
    rentAndFood(w);
    w.model().setIncome(2, QStringLiteral("700.00"));
}

void markedRow(Budget1 &w)
{
    rentAndFood(w);
    w.model().setMarkedRow(1);
}

void scene(tq::snapshot::Context &ctx, const QString &name, bool fullScreen, void (*before)(Budget1 &))
{
    ctx.useDisplay(fullScreen ? tq::DisplayMode::FullScreen : tq::DisplayMode::Smaller);
    tq::snapshot::renderToolWindow<Budget1>(ctx, name, [before](Budget1 &w) {
        if (before)
            before(w);
    });
}

} // namespace

TQ_SNAPSHOT_SCENE("budget-empty-smaller")
{
    scene(ctx, QStringLiteral("budget-empty-smaller"), false, nullptr);
}
TQ_SNAPSHOT_SCENE("budget-empty-full")
{
    scene(ctx, QStringLiteral("budget-empty-full"), true, nullptr);
}
TQ_SNAPSHOT_SCENE("budget-rent-food-smaller")
{
    scene(ctx, QStringLiteral("budget-rent-food-smaller"), false, rentAndFood);
}
TQ_SNAPSHOT_SCENE("budget-rent-food-full")
{
    scene(ctx, QStringLiteral("budget-rent-food-full"), true, rentAndFood);
}
TQ_SNAPSHOT_SCENE("budget-red-balance-smaller")
{
    scene(ctx, QStringLiteral("budget-red-balance-smaller"), false, redBalance);
}
TQ_SNAPSHOT_SCENE("budget-red-balance-full")
{
    scene(ctx, QStringLiteral("budget-red-balance-full"), true, redBalance);
}
TQ_SNAPSHOT_SCENE("budget-delete-mark-smaller")
{
    scene(ctx, QStringLiteral("budget-delete-mark-smaller"), false, markedRow);
}
TQ_SNAPSHOT_SCENE("budget-delete-mark-full")
{
    scene(ctx, QStringLiteral("budget-delete-mark-full"), true, markedRow);
}
