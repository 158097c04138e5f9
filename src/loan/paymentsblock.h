#pragma once
// The loan calculator's figures as the grid shows them, made from the tool's
// own table and schedule: what the clipboard copy and the report quote, so
// both match the grid without reading it back.
#include "loan/loanengine.h"

#include <QList>
#include <QStringList>

namespace tq {

struct PaymentsBlock {
    QList<double> lengths;    // one per highlighted column; 0 past the table
    QStringList rates;        // row headings, up to the table's last rate ("6.5%")
    QList<QStringList> cells; // cells[row][column], currency texts as shown
};

// The block of grid rows top..bottom and columns left..right (from 1) of `table`.
PaymentsBlock paymentsBlock(const PaymentTable &table, int top, int left, int bottom, int right);

// One schedule row as the grid shows it: number, principal, interest, balance, interest to date.
QStringList scheduleGridTexts(const ScheduleRow &row);
QList<QStringList> scheduleTexts(const AmortizationSchedule &schedule);

} // namespace tq
