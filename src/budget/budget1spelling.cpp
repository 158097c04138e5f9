#include "budget/budget1spelling.h"

#include "budgetengine/budgetmodel.h"
#include "components/eventyield.h"
#include "components/grid.h"
#include "components/program.h"
#include "frame/toolwindow.h"

#include <QScopedValueRollback>

namespace tq {

Budget1Spelling::Budget1Spelling(Program &program, ToolWindow &window, BudgetModel &model, Grid &grid,
                                 std::function<void(const QString &)> setStatus)
    : m_program(program), m_window(window), m_model(model), m_grid(grid), m_setStatus(std::move(setStatus)),
      m_checker(program.prompter, program.folder), m_spelling(m_checker, *this)
{
    m_checker.setOwner(&window);
}

// A second check started from inside the first would walk the rows twice at once.
void Budget1Spelling::run()
{
    if (m_running)
        return;
    const QScopedValueRollback running(m_running, true);
    m_setStatus(BudgetSpelling::statusText());
    m_checker.startCheck();
    const SpellingOutcome outcome = m_spelling.run();
    // Without a dictionary nothing was checked, and its message has said so.
    if (!m_checker.missingDictionaryReported())
        m_program.prompter.inform(&m_window, outcome.title, outcome.text);
    if (!outcome.keepsStatus || m_checker.missingDictionaryReported())
        m_setStatus(QString());
}

// The check counts rows from 1; the model from 0.
QString Budget1Spelling::itemName(int row) const
{
    return m_model.text(row - 1, BudgetModel::itemColumn);
}

void Budget1Spelling::setItemName(int row, const QString &text)
{
    m_model.setData(m_model.index(row - 1, BudgetModel::itemColumn), text, Qt::EditRole);
}

void Budget1Spelling::markChanged()
{
    m_model.setModified(true);
}

void Budget1Spelling::moveCursor(int row)
{
    m_grid.setCurrentCell(row, BudgetModel::itemColumn + 1);
}

void Budget1Spelling::setHighlightAlways(bool always)
{
    m_grid.setHighlight(always ? Grid::Highlight::Always : Grid::Highlight::WhenFocused);
}

// Other events must wait: a click could edit the rows the check is walking.
void Budget1Spelling::repaint()
{
    repaintNow(&m_window);
}

void Budget1Spelling::showHelp(int topicId)
{
    m_program.platform.showHelp(topicId);
}

} // namespace tq
