#pragma once
// The loan report: the highlighted columns of the payments table, or the
// whole amortization schedule, written into a started print document whose
// font is the report font. Positions are fractions of the page width so the
// layout follows the orientation.
#include "loan/loanengine.h"
#include "loan/paymentsblock.h"

#include <QString>
#include <optional>

namespace tq {

class PrintDocument;

struct PaymentsReportSource {
    QString purchaseText; // the purchase amount box
    QString downCaption;  // "Percent Down:", "Percent Down" or "Amount Down"
    DownPaymentMode mode = DownPaymentMode::Percent;
    QString downText;                 // the down payment box
    std::optional<double> loanAmount; // none while the loan amount field is empty
    LengthUnit unit = LengthUnit::Years;
    QString yearsNote; // written after the table when not empty
    PaymentsBlock block;
};

struct AmortizationReportSource {
    QString purchaseText;
    AmortizationSchedule schedule;
};

void writePaymentsReport(PrintDocument &doc, const PaymentsReportSource &source);
void writeAmortizationReport(PrintDocument &doc, const AmortizationReportSource &source);

} // namespace tq
