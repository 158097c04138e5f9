#pragma once
// The budget as text: the clipboard copy that pastes into a word processor or
// spreadsheet, the tab-separated export file, and when the menus offer them.
#include "budgetengine/budgetsheet.h"
#include "common/padtowidth.h"

#include <QDir>
#include <optional>

namespace tq {

class BudgetModel;

namespace budgettext {

// Item names are padded to this width in the window's font.
inline constexpr int itemWidthPixels = 60;

// Title line, heading line, one line per named item row, then the total
// expenses, income and balance of each month. Lines after the heading and the
// items end in a lone CR, the others in CR LF, as pasted budgets always have.
QString clipboardText(const BudgetModel &model, int year, const TextWidth &widthOf);
Notice copiedNotice();

// Edit's copy and the right-click "&Copy": the first row has an item name.
bool canCopy(const BudgetSheet &sheet);
// Utilities' export: one of the first 20 rows has a name other than spaces.
bool canExport(const BudgetSheet &sheet);

// The Utilities menu each time it opens: backup needs a saved, non-empty year
// file; restore is always there.
struct UtilitiesMenu {
    bool backup = false;
    bool exportFile = false;
    bool restore = true;
};
UtilitiesMenu utilitiesMenu(const QDir &folder, int year, const BudgetSheet &sheet);

QString exportTitle();
QString suggestedExportName(int year); // "Budget2007.xls"
QString exportPrompt(const QDir &programFolder);
// Where a typed name is written: in the program folder unless it holds a
// path. Nothing for a name that is empty after trimming spaces.
std::optional<QString> exportPath(const QDir &programFolder, const QString &typed);

// 51 lines (the heading row and the 50 item rows) of 14 cells: the empty
// fixed column, the item and the twelve months, TAB between, CR LF after each.
QByteArray exportBytes(const BudgetSheet &sheet);
// Replaces the file whole; on failure the earlier file stays and the notice
// names the file.
std::optional<Notice> exportTo(const QString &path, const BudgetSheet &sheet);

} // namespace budgettext
} // namespace tq
