#include "budget/budget1colours.h"

#include "budget/gridbackgroundselector.h"
#include "budget/totalspanel.h"
#include "components/grid.h"
#include "frame/toolwindow.h"

namespace tq {

Budget1Colours::Budget1Colours(Program &program, ToolWindow &window, Grid &grid, TotalsPanel &totals)
    : QObject(&window), m_colours(program, grid, &window),
      m_selector(new GridBackgroundSelector(m_colours, window.mainPanel()))
{
    m_selector->hide();
    const auto showStatus = [&window](const QString &text) { window.setStatusText(text); };
    connect(&m_colours, &BudgetGridColours::statusText, this, showStatus);
    connect(m_selector, &GridBackgroundSelector::statusText, this, showStatus);
    connect(&m_colours, &BudgetGridColours::changed, this, &Budget1Colours::changed);
    connect(&m_colours, &BudgetGridColours::textColourChanged, this,
            [&totals](const QColor &colour) { totals.itemList()->setTextColor(colour); });
    m_colours.load();
}

} // namespace tq
