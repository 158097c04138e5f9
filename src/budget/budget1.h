#pragma once
// The home budget window: one year's items and amounts in the budget grid,
// the monthly rows under it, the year box and the year file, on the shared
// tool window frame. The figures live in BudgetModel; this window routes the
// user's clicks and keys to it and shows its answers.
#include "backup/backuptexts.h"
#include "budget/budget1spelling.h"
#include "budget/budgetform.h"
#include "budget/budgetmenus.h"
#include "budgetengine/budgetmodel.h"
#include "budget/budgetundo.h"
#include "frame/toolwindow.h"

namespace tq {

class Budget1Colours;
class Budget1Totals;
class BudgetGridFit;
class ReportPreview;

class Budget1 : public ToolWindow
{
    Q_OBJECT
public:
    Budget1(Program &program, QWidget *launcher);
    ~Budget1() override;

    static ToolWindowConfig budgetConfig(const QString &familyName);

    BudgetModel &model() { return m_model; }
    const BudgetForm &form() const { return m_form; }
    const Budget1Spelling &spelling() const { return m_spelling; }
    int selectedYear() const { return m_year; }

    // "&Save": false when the file was not written (the user was told).
    bool save();
    // The save prompt: true when the caller may go on (saved or discarded).
    bool askToSave();
    // `file` empty: the year's own file; else a kept version of it, which
    // then counts as unsaved.
    void loadYear(int year, const QString &file = {});
    void openEarlierVersion();
    void checkSpelling();
    void showTotals();
    void printTotals();
    void toggleBackgroundSelector();
    void copyToClipboard();
    void copyRight();
    void insertRow();
    void deleteRow();
    void copyToNextYear();
    void runBackup(backup::Mode mode);
    void enterIncome(int month);

protected:
    bool hasResults() const override; // the first item has a name
    void openReport() override;
    void onActivated() override;
    bool confirmExit() override;
    void storeColourChoice() override;
    void onCustomSideButton(int number) override;
    void aboutToPopUp() override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectTotals();
    void connectColours();
    void connectPreview();
    void connectGrid();
    void connectEditBox();
    void connectYearBox();
    void connectCommands();
    void connectUndo();
    void showNotices(const BudgetNotices &notices);
    void showMonths(int first, int last);

    // Grid row and column of the cursor as model row and column (-1 without one).
    int cursorRow() const;
    int cursorColumn() const;
    void putCursor(int row, int column);
    void showPosition();
    void refreshEditBox();
    void editBoxTyped(const QString &text);
    void editBoxFocus(bool in);
    void gridClicked();
    void cellClicked();
    void gridFocused();
    void cursorMoved();
    void syncDeleteItems();
    void setDeleteEnabled(bool on);

    void yearBoxFocused();
    void yearPicked();
    void enableYearCommands(); // "&Print", "&Save" and "Copy (&Yr)"
    void reopen();
    bool takeYearFromBox();
    void showYearInBox();
    bool confirmReplaceUnreadable();
    QString yearFilePath(int year) const;

    BudgetModel m_model;
    BudgetUndo m_undo{m_model, nullptr};
    BudgetForm m_form;
    BudgetMenus m_menus;
    Budget1Spelling m_spelling;
    Budget1Totals *m_totals = nullptr;  // child of this window
    BudgetGridFit *m_gridFit = nullptr; // child of the grid
    Budget1Colours *m_colours = nullptr; // child of this window
    int m_year = 0;
    bool m_yearChosen = false;
    bool m_unreadable = false; // the year's file exists but could not be read
    int m_lastClickedRow = -1; // model row; insert and delete act on it
};

} // namespace tq
