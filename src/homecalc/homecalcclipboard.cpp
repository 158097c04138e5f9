#include "homecalc/homecalcclipboard.h"

#include "common/numberformat.h"
#include "homecalc/homecalcsheet.h"

#include <QLocale>

namespace tq {

namespace {

// Line ends as other programs have always pasted them: most lines end CR LF,
// the section lines LF CR.
const QString crlf = QStringLiteral("\r\n");
const QString lfcr = QStringLiteral("\n\r");
constexpr QChar tab = u'\t';

QString blanks(int n)
{
    return QString(n, u' ');
}

QString money(const QString &boxText)
{
    return formatCurrency(leadingNumber(boxText));
}

} // namespace

QString homeCalcClipboardText(const HomeCalcSheet &sheet, const QDate &today)
{
    namespace C = HomeCalcCaptions;
    const AffordabilityInputs &s = sheet.inputs;
    const HomeCalcResultTexts r = resultTexts(sheet);
    QString t;
    t += QStringLiteral("Home Calculator Results") + crlf;
    t += QStringLiteral("As of  ") + QLocale().toString(today, QLocale::LongFormat) + lfcr;
    t += QStringLiteral("Input Section") + lfcr;
    t += C::income + tab + money(s.income) + crlf;
    t += C::debt.left(60) + blanks(12) + tab + money(s.debt) + crlf;
    t += C::cash.left(48) + blanks(30) + tab + money(s.cash) + crlf;
    t += C::loanLength + tab + s.loanLength + crlf;
    t += C::rate + blanks(10) + tab + formatPercent(leadingNumber(s.rate) / 100) + lfcr;
    t += QStringLiteral("Calculation Results") + lfcr;
    t += C::home + tab + r.home + crlf;
    t += C::payment + tab + r.payment + crlf;
    t += C::loan + blanks(25) + tab + r.loan + crlf;
    t += C::downPayment + blanks(30) + tab + r.downPayment + crlf;
    t += C::closingCosts + blanks(30) + tab + r.closingCosts + crlf;
    t += C::percent + blanks(30) + tab + r.percent + lfcr;
    t += C::limitingFactor + tab + r.limitingFactor;
    return t;
}

} // namespace tq
