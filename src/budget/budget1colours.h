#pragma once
// The home budget window's grid colours: the background selector panel and
// the grid text colour, loaded at opening and stored with the colour choice.
#include "budget/budgetgridcolours.h"

#include <QObject>

namespace tq {

class GridBackgroundSelector;
class TotalsPanel;
class ToolWindow;

class Budget1Colours : public QObject
{
    Q_OBJECT
public:
    // The selector is a child of `window`'s main panel, hidden until asked for.
    Budget1Colours(Program &program, ToolWindow &window, Grid &grid, TotalsPanel &totals);

    GridBackgroundSelector *selector() const { return m_selector; }
    BudgetGridColours &colours() { return m_colours; }

Q_SIGNALS:
    void changed(); // the window's colour question then covers the grid colours

private:
    BudgetGridColours m_colours;
    GridBackgroundSelector *m_selector;
};

} // namespace tq
