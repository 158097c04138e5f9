#pragma once
// Reading a built report back as a reader sees it.
#include "components/printdocument.h"

#include <QList>
#include <QStringList>

namespace tq::test {

// Every item's text in the order written (lines give empty texts).
QStringList pageTexts(const PrintPage &page);
QStringList pageTexts(const PrintDocument &doc, int page); // page from 1
// The first text item that reads exactly `text`, or null.
const PrintItem *findText(const PrintPage &page, const QString &text);
const PrintItem *findText(const PrintDocument &doc, int page, const QString &text);
// The non-empty texts of every page, in order.
QList<const PrintItem *> textItems(const PrintDocument &doc);

// The texts of a page grouped into lines by their vertical position, top to
// bottom, each line left to right.
QList<QStringList> printedLines(const PrintPage &page);

// True when no text of the page starts left of the paper or runs below it.
bool textsOnPaper(const PrintPage &page);

} // namespace tq::test
