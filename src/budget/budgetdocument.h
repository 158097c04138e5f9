#pragma once
// The budget's two printed documents, written into a document the preview has
// started with the print font (its size is the base size):
//
// - the budget document: every item row that has any text, with its twelve
//   amounts, then the monthly total expenses, income and balance rows;
// - the totals document: the totals panel's item list and yearly totals.
//
// Positions are fractions of the page width W and fixed twip offsets from the
// page's edges, so both follow the paper and its orientation. A row is
// written on one line and moves to the next page whole when it would not fit.
#include "budgetengine/yeartotals.h"

#include <QDate>
#include <QString>

namespace tq {

class BudgetModel;
class PrintDocument;

// The preview's "Print Options" for the budget document, in option order.
enum class BudgetGridlines {
    All,         // "Print All Gridlines"
    NoItemLines, // "No Horizontal lines after Items"
    None,        // "No Gridlines"
};

struct BudgetPrintOptions {
    BudgetGridlines gridlines = BudgetGridlines::All;
    // The preview's option index; anything unknown prints all gridlines.
    static BudgetPrintOptions fromOption(int index);
};

struct BudgetDocumentSource {
    const BudgetModel &model;
    int year = 0;
    QString familyName; // empty when none is set
    QDate printed;      // today
};

struct TotalsDocumentSource {
    const YearTotals &totals;
    QString yearText; // the year box's text
    QDate printed;
};

void writeBudgetDocument(PrintDocument &doc, const BudgetDocumentSource &source,
                         const BudgetPrintOptions &options);
void writeTotalsDocument(PrintDocument &doc, const TotalsDocumentSource &source);

// The print font a print command starts with, from the budget grid's font:
// a screen font (the desktop's default font `screenFontName`, or "MS Sans Serif"
// and "MS Serif" from older settings) or no name becomes "Times New Roman",
// whose narrow figures stay inside the printed columns. The base size is
// budgetPrintSize.
QString budgetPrintFont(const QString &gridFontName, const QString &screenFontName);
inline constexpr double budgetPrintSize = 14;

// The first status bar panel while each document is open; the preview
// rebuilds the totals document when it reads printTotalsStatus.
inline const QString printBudgetStatus = QStringLiteral("Print");
inline const QString printTotalsStatus = QStringLiteral("Print Totals");

} // namespace tq
