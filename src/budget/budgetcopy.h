#pragma once
// The budget window's two ways of taking the budget out as text, as its menu
// items run them:
//
//     mECopy, mOCopy:  copyBudgetToClipboard(program, this, model, year);
//     mUExcel:         exportBudget(program, this, model.sheet(), year);
//
// Availability each time a menu opens: budgettext::canCopy / canExport.
class QWidget;

namespace tq {

class BudgetModel;
struct BudgetSheet;
struct Program;

// Item names are padded in `window`'s font; the "Copy Option" notice follows.
void copyBudgetToClipboard(Program &program, QWidget *window, const BudgetModel &model, int year);

// Asks for the name, then writes the file; true when a file was written. A
// failure is reported with the file's name and leaves any earlier file.
bool exportBudget(Program &program, QWidget *window, const BudgetSheet &sheet, int year);

} // namespace tq
