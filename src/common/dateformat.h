#pragma once
// Dates as the reports print them.
#include <QDate>
#include <QString>

namespace tq {

// The locale's short date with the year in four digits (3/14/2007 in the
// United States), so a printed date never leaves the century to guesswork.
QString formatShortDate(const QDate &date);

} // namespace tq
