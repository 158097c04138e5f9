#pragma once
// The budget's spelling check of its item names: walks the rows through the
// checker's dialog and, when the user changes a word everywhere, carries the
// whole replacement list over to the item names further down.
#include "common/notice.h"
#include "common/spellchecker.h"

#include <QString>

namespace tq {

// The budget window's item names as the spelling check needs them. Rows run 1 to 50.
class SpellingView
{
public:
    virtual ~SpellingView() = default;
    virtual QString itemName(int row) const = 0;
    virtual void setItemName(int row, const QString &text) = 0;
    virtual void markChanged() = 0;
    // The grid cursor to the item column of `row`.
    virtual void moveCursor(int row) = 0;
    // Highlight the current cell always (true) or only while the grid has the focus.
    virtual void setHighlightAlways(bool always) = 0;
    // Repaints the window without running other events.
    virtual void repaint() = 0;
    virtual void showHelp(int topicId) = 0;
};

// What the window shows when the check is over, through its prompter.
struct SpellingOutcome : Notice {
    // Status panel 1 keeps BudgetSpelling::statusText() when true, else shows the caption again.
    bool keepsStatus = false;
};

class BudgetSpelling : public SpellListener
{
public:
    static constexpr int rows = 50;
    static constexpr int itemLength = 18;
    static constexpr int helpTopic = 5050;

    BudgetSpelling(SpellChecker &checker, SpellingView &view);
    ~BudgetSpelling() override;
    BudgetSpelling(const BudgetSpelling &) = delete;
    BudgetSpelling &operator=(const BudgetSpelling &) = delete;

    static QString statusText();

    // Part of the window's opening sequence: the autocorrect list into the checker.
    void loadAutocorrectList();
    // The window shows statusText() before and the outcome after.
    SpellingOutcome run();

    int changeCounter() const { return m_changeCounter; }
    bool changeAllPending() const { return m_changeAll; }

    void misspellingShown() override;
    void textFinished() override;
    void userChoice(int code) override;
    void dialogClosed(bool cancelled) override;
    void helpRequested() override;

private:
    static constexpr int stopPosition = 501; // past the last row: the check ends after this item
    void checkRow(int row);
    void moveCursor(int row);
    void carryOver();

    SpellChecker &m_checker;
    SpellingView &m_view;
    int m_changeCounter = 0;
    bool m_changeAll = false;
    int m_position = 0;
    int m_cursorRow = 1;
};

} // namespace tq
