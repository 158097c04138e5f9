#pragma once
// The home calculator's printed report.
#include <QDate>

namespace tq {

class PrintDocument;
struct HomeCalcSheet;

// Writes the report into a started document whose font is the print font.
void buildHomeCalcReport(PrintDocument &document, const HomeCalcSheet &sheet, const QDate &today);

} // namespace tq
