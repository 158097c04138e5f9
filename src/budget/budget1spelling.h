#pragma once
// The home budget window's spelling check: the grid's item column as the
// check's view, the checker the window owns, and the command's status and
// outcome messages.
#include "budgetengine/budgetspelling.h"
#include "components/hunspellchecker.h"

#include <functional>

class QObject;

namespace tq {

class BudgetModel;
class Grid;
struct Program;
class ToolWindow;

class Budget1Spelling : private SpellingView
{
public:
    // `setStatus` shows a text in status panel 1 (empty: the caption again).
    Budget1Spelling(Program &program, ToolWindow &window, BudgetModel &model, Grid &grid,
                    std::function<void(const QString &)> setStatus);

    // Part of the window's opening sequence; the dictionary itself waits for the first check.
    void open() { m_spelling.loadAutocorrectList(); }
    // The checker follows the edit box while it has the focus.
    void attach(QObject *editBox) { m_checker.attach(editBox); }
    void run();

    const HunspellChecker &checker() const { return m_checker; }

private:
    QString itemName(int row) const override;
    void setItemName(int row, const QString &text) override;
    void markChanged() override;
    void moveCursor(int row) override;
    void setHighlightAlways(bool always) override;
    void repaint() override;
    void showHelp(int topicId) override;

    Program &m_program;
    ToolWindow &m_window;
    BudgetModel &m_model;
    Grid &m_grid;
    std::function<void(const QString &)> m_setStatus;
    HunspellChecker m_checker;
    BudgetSpelling m_spelling;
    bool m_running = false;
};

} // namespace tq
