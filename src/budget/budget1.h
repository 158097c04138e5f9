#pragma once
// The home budget window: one year's items and amounts in the budget grid,
// the monthly rows under it, the year box and the year file, on the shared
// tool window frame. The figures live in BudgetModel; this window routes the
// user's clicks and keys to it and shows its answers.
#include "backup/backuptexts.h"
#include "budget/budget1spelling.h"
#include "budget/budgetcursor.h"
#include "budget/budgetform.h"
#include "budget/budgetmenus.h"
#include "budget/budgetundo.h"
#include "budget/budgetyearfiles.h"
#include "budgetengine/budgetmodel.h"
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
    int selectedYear() const { return m_years.year(); }

    void checkSpelling();
    void showTotals();
    void printTotals();
    void toggleBackgroundSelector();
    void copyToClipboard();
    void copyRight();
    void insertRow();
    void deleteRow();
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
    void connectYearBox();
    void connectCommands();
    void connectUndo();
    void showNotices(const BudgetNotices &notices);
    void showMonths(int first, int last);

    void yearPicked();
    void enableYearCommands(); // "&Print", "&Save" and "Copy (&Yr)"
    void reopen();

    BudgetModel m_model;
    BudgetUndo m_undo{m_model, nullptr};
    BudgetForm m_form;
    BudgetMenus m_menus;
    Budget1Spelling m_spelling;
    BudgetCursor m_cursor;
    BudgetYearFiles m_years;
    Budget1Totals *m_totals = nullptr;   // child of this window
    BudgetGridFit *m_gridFit = nullptr;  // child of the grid
    Budget1Colours *m_colours = nullptr; // child of this window
};

} // namespace tq
