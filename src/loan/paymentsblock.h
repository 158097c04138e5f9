#pragma once
// The highlighted part of the payments table as the grid shows it: what the
// clipboard copy and the report read back, so both quote the same texts.
#include <QList>
#include <QStringList>

namespace tq {

struct PaymentsBlock {
    QList<double> lengths;    // one per highlighted column; 0 when its heading is blank
    QStringList rates;        // row headings, up to the first blank one ("6.5%")
    QList<QStringList> cells; // cells[row][column], currency texts as shown
};

} // namespace tq
