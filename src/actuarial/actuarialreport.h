#pragma once
// The printed report of a value table's highlighted block.
#include "actuarial/valueblock.h"

namespace tq {

class PrintDocument;

// Fills a started document: amount and payments, the headings and one line
// per rate (headings again after each page break), then the sentence when
// there is room for it on the last page.
void buildActuarialReport(PrintDocument &doc, const ValueBlock &block);

} // namespace tq
