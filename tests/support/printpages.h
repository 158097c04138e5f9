#pragma once
// Reading a printed document back as a reader of the paper would.
#include "components/printdocument.h"

#include <QList>
#include <QStringList>

namespace tq::test {

// The texts of a page grouped into lines by their vertical position, top to
// bottom, each line left to right.
QList<QStringList> printedLines(const PrintPage &page);

// True when no text of the page starts left of the paper or runs below it.
bool textsOnPaper(const PrintPage &page);

} // namespace tq::test
