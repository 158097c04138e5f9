// The home budget window: empty, the Rent and Food example, a month with a red
// balance, a row marked for deletion, the widest figures and their printout,
// in both display modes.
#include "snapshot.h"

#include "budget/budget1.h"
#include "budget/earlierversions.h"
#include "budgetengine/yearfile.h"
#include "budgetengine/yearhistory.h"
#include "components/grid.h"
#include "components/printdocument.h"
#include "frame/reportpreview.h"

#include <QAction>
#include <QMenu>

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

// Ten rows of 9999.99 make every month's total 99999.90; January's income
// is 99999.99 and February has none, so its balance is -99999.90.
void widestFigures(Budget1 &w)
{
    BudgetModel &m = w.model();
    for (int r = 0; r < 10; ++r) {
        m.enterCell(r, BudgetModel::itemColumn, QStringLiteral("Widest %1").arg(r + 1));
        m.enterCell(r, BudgetModel::columnOfMonth(0), QStringLiteral("9999.99"));
        m.copyRight(r, BudgetModel::columnOfMonth(0));
    }
    m.setIncome(0, QStringLiteral("99999.99"));
    m.setIncome(2, QStringLiteral("12345.67"));
}

void printWidest(Budget1 &w)
{
    widestFigures(w);
    w.optionsMenu()->findChild<QAction *>(QStringLiteral("mOPrt"))->trigger();
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
TQ_SNAPSHOT_SCENE("budget-widest-smaller")
{
    scene(ctx, QStringLiteral("budget-widest-smaller"), false, widestFigures);
}
TQ_SNAPSHOT_SCENE("budget-widest-full")
{
    scene(ctx, QStringLiteral("budget-widest-full"), true, widestFigures);
}
TQ_SNAPSHOT_SCENE("budget-print-widest")
{
    for (const bool fullScreen : {false, true}) {
        const QString name = fullScreen ? QStringLiteral("budget-print-widest-full")
                                        : QStringLiteral("budget-print-widest-smaller");
        scene(ctx, name, fullScreen, printWidest);
    }
    ctx.useDisplay(tq::DisplayMode::Smaller);
    tq::snapshot::ToolWindowScene<Budget1> window(ctx);
    printWidest(*window.window);
    ctx.saveImage(window.window->reportPreview()->document().renderPage(1, QSize(1224, 1584)),
                  QStringLiteral("budget-print-widest-page1"));
}

// Three kept versions of 2007, listed newest first with their totals.
TQ_SNAPSHOT_SCENE("budget-earlier-versions")
{
    tq::BudgetSheet sheet;
    sheet.rows[0][0] = QStringLiteral("Rent");
    const QDateTime first(QDate(2007, 3, 1), QTime(18, 5, 12));
    for (int i = 0; i < 3; ++i) {
        sheet.rows[0][1] = QString::number(800 + 25 * i) + QStringLiteral(".00");
        tq::yearfile::save(ctx.program.folder, 2007, sheet);
        tq::yearhistory::keep(ctx.program.folder, 2007, first.addDays(4 * i).addSecs(3600 * i));
    }
    tq::snapshot::PhotographingPrompter prompter(ctx, QStringLiteral("budget-earlier-versions"));
    tq::Program program(ctx.program.folder, prompter, ctx.program.platform, ctx.program.clock);
    QWidget window;
    tq::chooseEarlierVersion(program, &window, 2007);
}
