#include "budget/budgetgridfit.h"

#include "budget/monthlyrows.h"
#include "budgetengine/budgetmodel.h"
#include "common/twips.h"
#include "components/fittext.h"
#include "components/grid.h"

#include <QEvent>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTableView>

namespace tq {

namespace {
constexpr double headingColumn = 0.019;
constexpr double itemColumn = 0.14;
} // namespace

BudgetGridFit::BudgetGridFit(Grid &grid) : QObject(&grid), m_grid(grid), m_view(grid.tableView())
{
    m_grid.setRowsFollowFont(true);
    m_grid.installEventFilter(this);
    m_view->installEventFilter(this);
}

QString BudgetGridFit::widestAmount(const QFontMetrics &metrics)
{
    return widestFigure(metrics, QStringLiteral("####.##"));
}

void BudgetGridFit::apply()
{
    // Fractions of the room inside the grid's frame and scroll bar, so the
    // thirteen columns fit without a horizontal scroll bar.
    QTableView *view = m_grid.tableView();
    const int scrollBar = view->verticalScrollBar()->sizeHint().width();
    const double width =
        pixelsToTwips(view->width() - 2 * view->frameWidth() - scrollBar, m_grid.logicalDpiX());
    m_grid.setColWidth(0, int(width * headingColumn));
    m_grid.setColWidth(1, int(width * itemColumn));
    for (int m = 0; m < budgetMonths; ++m)
        m_grid.setColWidth(BudgetModel::columnOfMonth(m) + 1, int(width * MonthlyRows::monthColumn));

    const QFont design = m_grid.font();
    const int room = m_grid.cellTextRoom(BudgetModel::columnOfMonth(0) + 1);
    view->setFont(fontFitting(design, {widestAmount(QFontMetrics(design))}, QSize(room, QWIDGETSIZE_MAX)));
}

bool BudgetGridFit::eventFilter(QObject *watched, QEvent *event)
{
    // The window gives the grid its font; the view inside it gets the room.
    if ((watched == &m_grid && event->type() == QEvent::FontChange) ||
        (watched == m_view && event->type() == QEvent::Resize))
        apply();
    return QObject::eventFilter(watched, event);
}

} // namespace tq
