#include "loan/loancopytext.h"

#include "common/numberformat.h"

#include <cmath>

namespace tq {

namespace {

const QString crlf = QStringLiteral("\r\n");
const QChar tab = u'\t';

QString currencyOfText(const QString &text)
{
    const std::optional<double> value = strictNumber(text);
    return value ? formatCurrency(*value) : QString();
}

QString unitName(LengthUnit unit)
{
    return unit == LengthUnit::Years ? QStringLiteral("Years") : QStringLiteral("Months");
}

// Payments of three digits are narrower than the headings; padding the
// headings keeps a spreadsheet's columns readable.
bool padsHeadings(double referencePayment)
{
    return referencePayment > 99 && referencePayment < 1000;
}

QString headingLine(const PaymentsCopySource &s, const TextWidth &textWidth)
{
    QString line(tab);
    for (double length : s.block.lengths) {
        QString heading = QString::number(std::llround(length)) + u' ' + unitName(s.unit);
        if (padsHeadings(s.referencePayment) && textWidth)
            heading = padToWidth(heading, textWidth(QStringLiteral("testtttt")), textWidth, 64);
        line += heading + tab;
    }
    return line + crlf;
}

QString tableLines(const PaymentsBlock &block)
{
    QString text;
    for (qsizetype r = 0; r < block.rates.size(); ++r)
        text += block.rates[r] + tab + block.cells.value(r).join(tab) + crlf;
    return text;
}

} // namespace

std::optional<QString> paymentsCopyText(const PaymentsCopySource &s, const TextWidth &textWidth)
{
    const std::optional<double> &loanAmount = s.loanAmount;
    if (!loanAmount)
        return std::nullopt;
    QString text = QStringLiteral("Purchase Amount = ") + currencyOfText(s.purchaseText) + crlf;
    text += QStringLiteral("Amount Down = ") +
            formatCurrency(std::fabs(s.purchaseAmount - s.tableLoanAmount)) + crlf;
    text += QStringLiteral("Actual Loan Amount = ") + formatCurrency(std::fabs(*loanAmount)) + crlf + crlf;
    text += headingLine(s, textWidth);
    text += tableLines(s.block);
    text += u'\r';
    if (s.unit == LengthUnit::Years)
        text += crlf + crlf + s.yearsNote;
    return text;
}

QString amortizationCopyText(const AmortizationCopySource &s)
{
    QString text = QStringLiteral("Interest on Loan = ") + s.rateLabel + crlf;
    text += QStringLiteral("Total Amount of Interest = ") + formatCurrency(s.totalInterest) + crlf;
    text += QStringLiteral("Monthly Payment Amount = ") + formatCurrency(s.payment) + crlf + crlf;
    text += QStringLiteral("The following list shows") + crlf;
    text += QStringLiteral("Col.1: Payment No.        ") + tab +
            QStringLiteral("Col.2: Amount towards Principal,") + crlf;
    text += QStringLiteral("Col.3: Amount of Interest") + tab + QStringLiteral("Col.4: Principal Remaining") +
            crlf;
    text += QStringLiteral("Col.5: Interest Paid:") + crlf + crlf;
    for (const QStringList &row : s.rows)
        text += row.join(tab) + crlf;
    return text + u'\r';
}

} // namespace tq
