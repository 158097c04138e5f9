#pragma once
// The home calculator's results as the plain text put on the clipboard.
#include <QDate>
#include <QString>

namespace tq {

struct HomeCalcSheet;

QString homeCalcClipboardText(const HomeCalcSheet &sheet, const QDate &today);

} // namespace tq
