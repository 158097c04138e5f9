#include "budget/documentlines.h"

#include "budgetengine/entryrules.h"
#include "common/numberformat.h"
#include "components/printdocument.h"

#include <QLocale>

namespace tq::documentlines {

void writeAt(PrintDocument &doc, const QString &text, double x)
{
    // A right indent far beyond the paper leaves room for any text.
    const double indent = doc.indentRight();
    doc.setIndentRight(-100 * doc.pageWidth());
    doc.setCurrentX(x);
    doc.paragraph(text);
    doc.setIndentRight(indent);
}

void writeCentred(PrintDocument &doc, const QString &text, double centre)
{
    writeAt(doc, text, centre - doc.textWidth(text) / 2);
}

void writeRightAligned(PrintDocument &doc, const QString &text, double rightEdge, double y)
{
    doc.setCurrentY(y);
    writeAt(doc, text, rightEdge - doc.textWidth(text));
}

void skipLine(PrintDocument &doc)
{
    doc.paragraph(QString());
}

QString formatText(const QString &text, QStringView pattern)
{
    if (text.isEmpty())
        return text;
    const std::optional<double> value = entry::amountValue(text);
    return value ? formatPattern(*value, pattern) : text;
}

QString printedLine(const QDate &date, bool continued)
{
    QString line = QStringLiteral("Printed: ") + QLocale().toString(date, QLocale::LongFormat);
    if (continued)
        line += QStringLiteral(" (Continued)");
    return line;
}

} // namespace tq::documentlines
