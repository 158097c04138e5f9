#pragma once
// The home budget window's totals panel: opening it over the grid, keeping it
// filled while the figures change, and the commands it blocks while open.
#include "frame/lazywidget.h"

#include <QObject>
#include <functional>

namespace tq {

class BudgetModel;
struct BudgetForm;
struct BudgetMenus;
struct Program;
class ToolWindow;
class TotalsPanel;

class Budget1Totals : public QObject
{
    Q_OBJECT
public:
    // The panel is built on first use, a child of `window`'s main panel that
    // `place` puts in its place.
    Budget1Totals(Program &program, ToolWindow &window, BudgetModel &model, BudgetForm &form,
                  BudgetMenus &menus, std::function<void(TotalsPanel *)> place);

    TotalsPanel *panel() { return m_panel.get(); }
    TotalsPanel *panelIfBuilt() const { return m_panel.ifBuilt(); }
    // "&Totals (Yr)": opens the panel, or closes it when open. `opening` runs
    // only once the budget may be totalled, before the list takes the grid's look.
    void toggle(int year, const std::function<void()> &opening);
    void close();
    void reset();

Q_SIGNALS:
    void closed();
    void printRequested();

private:
    TotalsPanel *build(const std::function<void(TotalsPanel *)> &place);
    void applyCommands();

    Program &m_program;
    ToolWindow &m_window;
    BudgetModel &m_model;
    BudgetForm &m_form;
    BudgetMenus &m_menus;
    LazyWidget<TotalsPanel> m_panel;
};

} // namespace tq
