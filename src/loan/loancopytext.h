#pragma once
// The two clipboard texts of the loan calculator, built from what its grid
// and boxes show. Lines end with CR LF; each text ends with a lone CR.
#include "common/padtowidth.h"
#include "loan/loanengine.h"
#include "loan/paymentsblock.h"

#include <QString>
#include <optional>

namespace tq {

struct PaymentsCopySource {
    QString purchaseText;      // the purchase amount box
    double purchaseAmount = 0; // its stored value
    double tableLoanAmount = 0;
    std::optional<double> loanAmount; // as the loan amount field shows it
    double referencePayment = 0;
    LengthUnit unit = LengthUnit::Years;
    QString yearsNote; // appended in Years only
    PaymentsBlock block;
};

struct AmortizationCopySource {
    QString rateLabel;
    double totalInterest = 0;
    double payment = 0;
    QList<QStringList> rows; // the five cell texts of each schedule row
};

// Nothing when the loan amount field is empty: there is no amount to quote.
std::optional<QString> paymentsCopyText(const PaymentsCopySource &source, const TextWidth &textWidth);
QString amortizationCopyText(const AmortizationCopySource &source);

} // namespace tq
