#include "loan/loanreport.h"

#include "common/numberformat.h"
#include "components/printdocument.h"
#include "frame/selectionlimits.h"

#include <algorithm>

namespace tq {

namespace {

constexpr double pageTop = 200;
constexpr double fullPageMargin = 400; // a page is full once a line passes H minus this
constexpr double noteRoom = 500;       // the closing note needs this much room at the bottom
constexpr double noteIndent = 400;
constexpr double tableSizeStep = 2; // tables print two points below the summary

const QString amountPattern = QStringLiteral("$###,###,###.00");

// Each text centred on its own position, all on one line.
void writeCentredLine(PrintDocument &doc, const QStringList &texts, const QList<double> &centres)
{
    QList<CentredText> line;
    for (qsizetype i = 0; i < texts.size() && i < centres.size(); ++i)
        line.append({texts[i], centres[i]});
    doc.centredLine(line);
}

QList<double> fractionsOf(double width, std::initializer_list<double> divisors)
{
    QList<double> positions;
    for (double d : divisors)
        positions.append(width / d);
    return positions;
}

QString currencyOfText(const QString &text)
{
    const std::optional<double> value = strictNumber(text);
    return value ? formatCurrency(*value) : QString();
}

// ---- amortization -------------------------------------------------------------

QStringList amortizationHeadings()
{
    return {QStringLiteral("Payment No."), QStringLiteral("Amount towards Principal"),
            QStringLiteral("Amount of Interest"), QStringLiteral("Principal Remaining"),
            QStringLiteral("Interest Paid")};
}

QStringList scheduleRowTexts(const ScheduleRow &row)
{
    return {QString::number(row.number), formatPattern(row.principal, amountPattern),
            formatPattern(row.interest, amountPattern), formatPattern(row.balance, amountPattern),
            formatPattern(row.interestToDate, amountPattern)};
}

void writeScheduleSummary(PrintDocument &doc, const AmortizationReportSource &s)
{
    doc.paragraph(QStringLiteral(" Purchase Amount = ") + currencyOfText(s.purchaseText));
    doc.paragraph(QStringLiteral(" Interest on Loan = ") + s.schedule.rateLabel);
    doc.paragraph(QStringLiteral(" Total Amount of Interest = ") + formatCurrency(s.schedule.totalInterest));
    doc.paragraph(QStringLiteral(" Monthly Payment Amount = ") + formatCurrency(s.schedule.payment));
}

// ---- payments -----------------------------------------------------------------

QString lengthHeading(double length, LengthUnit unit)
{
    const QString name = unit == LengthUnit::Years ? QStringLiteral(" Year") : QStringLiteral(" Month");
    return u' ' + formatGeneral(length) + name + (length == 1 ? QString() : QStringLiteral("s"));
}

QString downPaymentLine(const PaymentsReportSource &s)
{
    if (s.mode == DownPaymentMode::Percent)
        return u' ' + s.downCaption + QStringLiteral("   ") +
               formatPercent(leadingNumber(s.downText) / 100.0);
    return QStringLiteral("   ") + s.downCaption + u' ' + currencyOfText(s.downText);
}

struct PaymentsLayout {
    QList<double> centres; // the rate column, then one per printed length
    QStringList headings;
};

PaymentsLayout paymentsLayout(const PrintDocument &doc, const PaymentsReportSource &s)
{
    const double w = doc.pageWidth();
    const QList<double> lengthCentres = fractionsOf(w, {6, 3.4, 2.4, 1.86, 1.5, 1.25, 1.08});
    PaymentsLayout layout{{w / 20}, {QStringLiteral("Interest")}};
    const qsizetype count = std::min<qsizetype>(s.block.lengths.size(), maxPrintedColumns);
    for (qsizetype g = 0; g < count; ++g) {
        layout.centres.append(lengthCentres[g]);
        layout.headings.append(lengthHeading(s.block.lengths[g], s.unit));
    }
    return layout;
}

QStringList paymentRowTexts(const PaymentsReportSource &s, qsizetype row)
{
    QStringList texts{s.block.rates[row].trimmed()};
    for (const QString &cell : s.block.cells.value(row).mid(0, maxPrintedColumns))
        texts.append(cell.trimmed());
    return texts;
}

} // namespace

void writeAmortizationReport(PrintDocument &doc, const AmortizationReportSource &s)
{
    const double reportSize = doc.fontSize();
    const double tableSize = reportSize - tableSizeStep;
    const double w = doc.pageWidth();
    const QList<double> centres = fractionsOf(w, {14, 3.7, 2, 1.4, 1.1});
    const std::vector<ScheduleRow> &rows = s.schedule.rows;
    std::size_t next = 0;
    while (true) {
        doc.setCurrentY(pageTop);
        if (doc.page() == 1) {
            doc.setFontSize(reportSize);
            writeScheduleSummary(doc, s);
        } else {
            doc.setFontSize(tableSize);
            doc.paragraph(QStringLiteral("Page Number ") + QString::number(doc.page()));
        }
        doc.paragraph(QString());
        doc.setFontSize(tableSize);
        if (doc.page() == 1 && !doc.linesFit(2)) { // a large summary leaves no room for the table
            doc.newPage();
            continue;
        }
        writeCentredLine(doc, amortizationHeadings(), centres);
        bool pageFull = false;
        while (next < rows.size() && !pageFull) {
            writeCentredLine(doc, scheduleRowTexts(rows[next]), centres);
            ++next;
            // A large font fills the page before the fixed mark is passed.
            pageFull = doc.currentY() > doc.pageHeight() - fullPageMargin || !doc.linesFit();
        }
        if (next >= rows.size())
            break;
        doc.newPage();
    }
    doc.setFontSize(reportSize); // the document's font is the report font again
}

void writePaymentsReport(PrintDocument &doc, const PaymentsReportSource &s)
{
    const double reportSize = doc.fontSize();
    doc.setCurrentY(pageTop);
    doc.paragraph(QStringLiteral(" Purchase Amount = ") + currencyOfText(s.purchaseText));
    doc.paragraph(downPaymentLine(s));
    doc.paragraph(QStringLiteral(" Loan Amount = ") +
                  (s.loanAmount ? formatCurrency(*s.loanAmount) : QString()));
    doc.paragraph(QString());
    doc.setFontSize(reportSize - tableSizeStep);

    const PaymentsLayout layout = paymentsLayout(doc, s);
    const auto nextPage = [&] {
        doc.newPage();
        doc.paragraph(QString());
        doc.paragraph(QStringLiteral("Page Number ") + QString::number(doc.page()));
        doc.paragraph(QString());
        writeCentredLine(doc, layout.headings, layout.centres);
    };
    if (doc.linesFit(2))
        writeCentredLine(doc, layout.headings, layout.centres);
    else
        nextPage();         // a large summary leaves no room for the table
    bool freshPage = false; // a page that holds only its headings takes the row whatever its size
    for (qsizetype r = 0; r < s.block.rates.size(); ++r) {
        // A large font fills the page before the fixed mark is passed.
        if (!freshPage && !doc.linesFit())
            nextPage();
        writeCentredLine(doc, paymentRowTexts(s, r), layout.centres);
        freshPage = doc.currentY() > doc.pageHeight() - fullPageMargin;
        if (freshPage)
            nextPage();
    }
    if (doc.currentY() < doc.pageHeight() - noteRoom) {
        doc.paragraph(QString());
        doc.setIndentLeft(noteIndent);
        doc.setIndentRight(noteIndent);
        // Only whole, on the last page: a note split by a page break would
        // open a page without its headings.
        if (!s.yearsNote.isEmpty() && doc.paragraphFits(s.yearsNote))
            doc.paragraph(s.yearsNote);
        doc.setIndentLeft(0);
        doc.setIndentRight(0);
    }
    doc.setFontSize(reportSize);
}

} // namespace tq
