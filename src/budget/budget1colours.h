#pragma once
// The home budget window's grid colours: the background selector panel and
// the grid text colour, loaded at opening and stored with the colour choice.
#include "budget/budgetgridcolours.h"
#include "frame/lazywidget.h"

#include <QObject>
#include <functional>

namespace tq {

class Budget1Totals;
class GridBackgroundSelector;
class ToolWindow;

class Budget1Colours : public QObject
{
    Q_OBJECT
public:
    // The selector is built on first use, a hidden child of `window`'s main
    // panel that `place` puts in its place.
    Budget1Colours(Program &program, ToolWindow &window, Grid &grid, Budget1Totals &totals,
                   std::function<void(GridBackgroundSelector *)> place);

    GridBackgroundSelector *selector() { return m_selector.get(); }
    GridBackgroundSelector *selectorIfBuilt() const { return m_selector.ifBuilt(); }
    BudgetGridColours &colours() { return m_colours; }

Q_SIGNALS:
    void changed(); // the window's colour question then covers the grid colours

private:
    GridBackgroundSelector *build(ToolWindow &window,
                                  const std::function<void(GridBackgroundSelector *)> &place);

    BudgetGridColours m_colours;
    LazyWidget<GridBackgroundSelector> m_selector;
};

} // namespace tq
