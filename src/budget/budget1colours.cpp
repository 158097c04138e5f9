#include "budget/budget1colours.h"

#include "budget/budget1totals.h"
#include "budget/gridbackgroundselector.h"
#include "budget/totalspanel.h"
#include "components/grid.h"
#include "frame/toolwindow.h"

namespace tq {

Budget1Colours::Budget1Colours(Program &program, ToolWindow &window, Grid &grid, Budget1Totals &totals,
                               std::function<void(GridBackgroundSelector *)> place)
    : QObject(&window), m_colours(program, grid, &window),
      m_selector([this, &window, place = std::move(place)] { return build(window, place); })
{
    connect(&m_colours, &BudgetGridColours::statusText, this,
            [&window](const QString &text) { window.setStatusText(text); });
    connect(&m_colours, &BudgetGridColours::changed, this, &Budget1Colours::changed);
    // A totals panel not built yet takes the grid's colours when it opens.
    connect(&m_colours, &BudgetGridColours::textColourChanged, this, [&totals](const QColor &colour) {
        if (TotalsPanel *panel = totals.panelIfBuilt())
            panel->itemList()->setTextColor(colour);
    });
    m_colours.load();
}

GridBackgroundSelector *Budget1Colours::build(ToolWindow &window,
                                              const std::function<void(GridBackgroundSelector *)> &place)
{
    auto *selector = new GridBackgroundSelector(m_colours, window.mainPanel());
    connect(selector, &GridBackgroundSelector::statusText, this,
            [&window](const QString &text) { window.setStatusText(text); });
    place(selector);
    selector->hide();
    return selector;
}

} // namespace tq
