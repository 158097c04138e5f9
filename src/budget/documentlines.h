#pragma once
// Writing the budget's printed documents: texts placed on a line at fixed
// positions, figures formatted from their texts, and the date line.
#include <QDate>
#include <QString>

namespace tq {

class PrintDocument;

namespace documentlines {

// Texts are written as one line whatever the font size (no wrapping), so a
// row stays one row and its height is known before it is written.
void writeAt(PrintDocument &doc, const QString &text, double x);
void writeCentred(PrintDocument &doc, const QString &text, double centre);
// Written at the vertical position y, ending at rightEdge; the position then
// moves below the line.
void writeRightAligned(PrintDocument &doc, const QString &text, double rightEdge, double y);
// An empty text as an empty line at the current font size.
void skipLine(PrintDocument &doc);

// A number's text in a digit pattern (one comma removed, as the monthly
// totals read it); an empty text stays empty and any other text unchanged.
QString formatText(const QString &text, QStringView pattern);

// "Printed: " and the date in the locale's long format, then " (Continued)"
// on the pages after the first.
QString printedLine(const QDate &date, bool continued);

} // namespace documentlines
} // namespace tq
