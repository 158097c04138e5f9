#include "budget/budget1print.h"

#include "budget/budgetdocument.h"
#include "components/program.h"

#include <QApplication>

namespace tq {

ReportPreview *makeBudgetPreview(Program &program, QWidget *window)
{
    return new ReportPreview(
        program,
        {ToolId::Budget,
         78,
         QStringLiteral("Print Options"),
         {QStringLiteral("Print All Gridlines"), QStringLiteral("No Horizontal lines after Items"),
          QStringLiteral("No Gridlines")}},
        window);
}

ReportPreview::Document budgetGridDocument(Program &program, const BudgetModel &model,
                                           std::function<int()> year, const QString &gridFont)
{
    ReportPreview::Document doc;
    doc.status = printBudgetStatus;
    doc.fontFamily = budgetPrintFont(gridFont, QApplication::font().family());
    doc.pdfNameSuffix = QString::number(year());
    doc.build = [&program, &model, year](PrintDocument &d, int range) {
        writeBudgetDocument(d, {model, year(), program.state.familyName.trimmed(), program.clock.today()},
                            BudgetPrintOptions::fromOption(range));
    };
    return doc;
}

ReportPreview::Document budgetTotalsDocument(Program &program, const YearTotals &totals,
                                             std::function<QString()> yearText, const QString &gridFont)
{
    ReportPreview::Document doc;
    doc.status = printTotalsStatus;
    doc.fontFamily = budgetPrintFont(gridFont, QApplication::font().family());
    doc.rangesEnabled = false;
    doc.pdfNameSuffix = yearText();
    doc.build = [&program, &totals, yearText](PrintDocument &d, int) {
        writeTotalsDocument(d, {totals, yearText(), program.clock.today()});
    };
    return doc;
}

} // namespace tq
