#pragma once
// What typing into the budget leaves behind: the rules for the grid's cells,
// the edit box above it and the monthly income. Pure functions; the window
// shows the notices and beeps.
#include "budgetengine/budgetsheet.h"

#include <QString>
#include <optional>

namespace tq::entry {

inline constexpr int maxNameLength = 18;  // item column and edit box
inline constexpr int maxAmountLength = 7; // a month cell while edited in place
inline constexpr double cellLimit = 9999.99;
inline constexpr double incomeLimit = 99999.99;

Notice notANumberNotice();
Notice cellLimitNotice();
Notice incomeLimitNotice();
Notice expenseCapNotice();

// Characters a budget text may not hold: the double quote (the year file has
// no escape for it) and anything outside Windows-1252 (it would change on save).
bool isRefused(QChar ch);
QString withoutRefused(const QString &text);

struct CellEntry {
    QString text;
    std::optional<Notice> notice;
};
// Columns: 0 the item name, 1 to 12 January to December.
// An in-place edit of a cell ends: names stay as typed (refused characters
// dropped, at most 18), amounts become "####.00" or empty.
CellEntry enterCell(int column, const QString &typed);

struct EditBoxEntry {
    QString boxText;     // what the edit box keeps
    bool boxCut = false; // the box text was shortened: caret to its end
    QString cellText;    // what the current cell receives
    bool beep = false;   // an amount was capped
};
// The edit box's text changed while `column` is current.
EditBoxEntry enterEditBox(int column, const QString &text);

struct IncomeEntry {
    std::optional<QString> caption; // nothing when the answer was empty (or cancelled)
    std::optional<Notice> notice;
};
IncomeEntry enterIncome(const QString &answer);

// Amount formats: a cell "####.00", a month's income and figures "#####.00".
QString formatAmount(double value);
QString formatMonthFigure(double value);

// How the monthly totals read a cell or income: one comma removed (a year file
// may hold 1,234.00), then the whole text must be a number.
std::optional<double> amountValue(const QString &text);

} // namespace tq::entry
