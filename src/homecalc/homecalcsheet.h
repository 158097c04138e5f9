#pragma once
// The home calculator's inputs and results as the window holds them, and the
// captions its report and clipboard text repeat.
#include "homecalc/affordability.h"

#include <QString>
#include <optional>

namespace tq {

namespace HomeCalcCaptions {
inline const QString income =
    QStringLiteral("Estimated Gross (pre-tax) Annual Income from all possible sources:");
inline const QString debt = QStringLiteral(
    "Minimum Monthly Debt for Credit Cards, Loans, Alimony, etc... (Not including Current Mortgage):");
inline const QString cash = QStringLiteral(
    "Cash available for down payment and other fees:  (Savings, gifts, sale of current home, etc.)");
inline const QString loanLength = QStringLiteral("Loan Length in Years:");
inline const QString rate = QStringLiteral("Fixed Interest Rate:");
inline const QString limit =
    QStringLiteral("If you have a limit on your Monthly Mortgage Payment. Limit I can afford per Month:");
inline const QString home = QStringLiteral("Approximate Amount of Home You Can Afford:");
inline const QString payment = QStringLiteral("Approx. Monthly Loan Payment + Taxes + Ins.:");
inline const QString loan = QStringLiteral("Approximate Amount of Loan:");
inline const QString downPayment = QStringLiteral("Amount of Down Payment:");
inline const QString closingCosts = QStringLiteral("Estimated Closing Costs:");
inline const QString percent = QStringLiteral("Down Payment Percent (%):");
inline const QString limitingFactor = QStringLiteral("Limiting Factor:");
} // namespace HomeCalcCaptions

// The inputs as typed (rewritten boxes included) and the result they gave.
// The limiting factor outlives a result that names none, as its field does.
struct HomeCalcSheet {
    AffordabilityInputs inputs;
    std::optional<AffordabilityResult> result;
    std::optional<LimitingFactor> limitingFactor;
};

// The result fields' texts, empty without a result.
struct HomeCalcResultTexts {
    QString home;
    QString payment;
    QString loan;
    QString downPayment;
    QString closingCosts;
    QString percent;
    QString limitingFactor;
};
HomeCalcResultTexts resultTexts(const HomeCalcSheet &sheet);

} // namespace tq
