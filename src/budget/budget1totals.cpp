#include "budget/budget1totals.h"

#include "budget/budgetform.h"
#include "budget/budgetmenus.h"
#include "budget/totalspanel.h"
#include "budgetengine/budgetmodel.h"
#include "components/grid.h"
#include "components/program.h"
#include "frame/toolwindow.h"

#include <QAction>
#include <QPushButton>

namespace tq {

namespace {
constexpr int backgroundSideButton = 1;
}

Budget1Totals::Budget1Totals(Program &program, ToolWindow &window, BudgetModel &model, BudgetForm &form,
                             BudgetMenus &menus, std::function<void(TotalsPanel *)> place)
    : QObject(&window), m_program(program), m_window(window), m_model(model), m_form(form), m_menus(menus),
      m_panel([this, place = std::move(place)] { return build(place); })
{
    m_menus.totals->setCheckable(true);
}

TotalsPanel *Budget1Totals::build(const std::function<void(TotalsPanel *)> &place)
{
    auto *panel = new TotalsPanel(m_window.mainPanel());
    connect(panel, &TotalsPanel::commandsChanged, this, &Budget1Totals::applyCommands);
    connect(panel, &TotalsPanel::closed, this, &Budget1Totals::closed);
    connect(panel, &TotalsPanel::printRequested, this, &Budget1Totals::printRequested);
    connect(&m_model, &BudgetModel::monthsChanged, panel, [panel] { panel->refill(); });
    place(panel);
    return panel;
}

// The menu item checks itself when triggered; a refused opening unchecks it.
void Budget1Totals::toggle(int year, const std::function<void()> &opening)
{
    TotalsPanel *panel = m_panel.get();
    if (panel->isOpen()) {
        panel->closeTotals();
        return;
    }
    std::optional<Notice> message = YearTotals::openCheck(m_model);
    if (!message) {
        opening();
        panel->setListAppearance(m_form.grid->backgroundColor(), m_form.grid->textColor(),
                                 m_form.grid->backgroundPicture());
        panel->setChartBackground(m_window.panelColour());
        message = panel->open(m_model, year);
    }
    if (message)
        m_program.prompter.message(
            &m_window, {message->title, message->text, Icon::Question, int(Button::Ok), Button::Ok});
    m_menus.totals->setChecked(panel->isOpen());
}

void Budget1Totals::close()
{
    if (TotalsPanel *panel = m_panel.ifBuilt())
        panel->closeTotals();
}

void Budget1Totals::reset()
{
    if (TotalsPanel *panel = m_panel.ifBuilt())
        panel->reset();
}

void Budget1Totals::applyCommands()
{
    const TotalsPanel *panel = m_panel.ifBuilt();
    const bool open = panel->isOpen();
    const bool blocked = panel->editingBlocked();
    m_window.sideButton(backgroundSideButton)->setEnabled(!open);
    m_menus.gridBackground->setEnabled(!open);
    m_menus.totals->setChecked(open);
    m_window.setStatusText(open ? TotalsPanel::statusText() : QString());
    for (QPushButton *b : {m_form.print, m_form.save, m_form.deleteRow, m_form.copyYear})
        b->setEnabled(!blocked);
    m_menus.editDeleteRow->setEnabled(!blocked);
}

} // namespace tq
