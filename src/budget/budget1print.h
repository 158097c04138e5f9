#pragma once
// The home budget window's preview and its two documents.
#include "frame/reportpreview.h"

#include <functional>

namespace tq {

class BudgetModel;
class YearTotals;

// The preview with the budget document's gridline options as its ranges.
ReportPreview *makeBudgetPreview(Program &program, QWidget *window);

// The grid's document, read from `model` at each rebuild; `year` is read then too.
ReportPreview::Document budgetGridDocument(Program &program, const BudgetModel &model,
                                           std::function<int()> year, const QString &gridFont);
// The totals panel's document; `yearText` is the year box's text at each rebuild.
ReportPreview::Document budgetTotalsDocument(Program &program, const YearTotals &totals,
                                             std::function<QString()> yearText, const QString &gridFont);

} // namespace tq
