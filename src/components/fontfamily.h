#pragma once
#include <QString>

namespace tq {

// The family to draw and measure a font name with: a missing
// "Times New Roman" becomes its metric twin, so text keeps its measure on
// screen and paper, and asking for the missing family costs no fallback search.
QString resolvedFamily(const QString &name);

} // namespace tq
