#include "homecalc/homecalcreport.h"

#include "common/dateformat.h"
#include "common/numberformat.h"
#include "components/printdocument.h"
#include "homecalc/homecalcsheet.h"

#include <algorithm>

namespace tq {

namespace {

constexpr double titleIndent = 400;
constexpr double bodyIndent = 600;
constexpr double footerSize = 6;

QString money(const QString &boxText)
{
    return formatCurrency(leadingNumber(boxText));
}

} // namespace

void buildHomeCalcReport(PrintDocument &doc, const HomeCalcSheet &sheet, const QDate &today)
{
    const AffordabilityInputs &s = sheet.inputs;
    const HomeCalcResultTexts r = resultTexts(sheet);
    const QString gap = QStringLiteral("  ");
    doc.setIndentLeft(titleIndent);
    doc.paragraph(QStringLiteral("Home Calculator Results"));

    doc.setIndentLeft(bodyIndent);
    // A tiny print font must not turn into a negative size.
    doc.setFontSize(std::max(1.0, doc.fontSize() - 2));
    doc.paragraph({});
    doc.paragraph(QStringLiteral("Input Section"));
    doc.paragraph({});
    doc.paragraph(QStringLiteral("Estimated Gross (pre-tax) Annual Income:") + gap + money(s.income));
    doc.paragraph(QStringLiteral("Minimum  Monthly  Debt  Payments:") + gap + money(s.debt));
    doc.paragraph(QStringLiteral("Cash available for down Payment:") + gap + money(s.cash));
    doc.paragraph(QStringLiteral("Length of Loan in Years:") + gap + s.loanLength);
    doc.paragraph(QStringLiteral("Loan Interest Rate:") + gap + s.rate + u'%');
    if (leadingNumber(s.limit) > 0)
        doc.paragraph(QStringLiteral("Limit on Monthly Mortgage Payment:") + gap + money(s.limit));

    doc.paragraph({});
    doc.paragraph({});
    doc.paragraph(QStringLiteral("Calculation Results"));
    doc.paragraph({});
    doc.paragraph(QStringLiteral("Approximate Amount of Home You Can Afford:") + gap + r.home);
    doc.paragraph(QStringLiteral("Approximate Monthly Loan Payment + Taxes + Ins.:") + gap + r.payment);
    doc.paragraph(QStringLiteral("Approximate Amount of Loan:") + gap + r.loan);
    doc.paragraph(QStringLiteral("Amount of Down Payment:") + gap + r.downPayment);
    doc.paragraph(QStringLiteral("Estimated Closing Costs:") + gap + r.closingCosts);
    doc.paragraph(QStringLiteral("Down Payment Percent (%):") + gap + r.percent);
    doc.paragraph({});
    doc.paragraph(QStringLiteral("Limiting Factor:") + gap + r.limitingFactor);

    doc.setFontSize(footerSize);
    doc.paragraph({});
    doc.paragraph(QStringLiteral("Tallyquill 2007"));
    doc.paragraph(QStringLiteral("Printed on ") + formatShortDate(today));
}

} // namespace tq
