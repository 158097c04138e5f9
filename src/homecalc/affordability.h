#pragma once
// How expensive a home a household can afford: the two lender ratios, an
// optional payment limit, the annuity formula, taxes, insurance and closing
// costs. Pure arithmetic over the texts of the entry boxes.
#include <QString>
#include <optional>

namespace tq {

struct AffordabilityInputs {
    QString income;     // gross per year
    QString debt;       // other monthly debt payments
    QString cash;       // for the down payment and fees
    QString loanLength; // years
    QString rate;       // annual percent
    QString limit;      // monthly payment limit; empty or 0 means none
};

enum class LimitingFactor {
    MinimumMonthlyDebt = 1,
    CashForDownPayment = 2,
    MonthlyPaymentLimit = 3,
    AnnualIncome = 4,
};

QString limitingFactorText(LimitingFactor factor);

// What a monthly payment buys, in whole currency units.
struct AffordablePurchase {
    double loan = 0;
    double closingCosts = 0;
    double downPayment = 0;
    double home = 0;
};

struct AffordabilityResult {
    enum class Status { Calculated, IncomeMissing, AmountTooLarge };
    Status status = Status::Calculated;
    QString tooLargeInput; // the name of the first amount above largestAmount

    double housingPayment = 0;       // 28 % of monthly income
    double debtPayment = 0;          // 36 % of monthly income less the debt
    double payment = 0;              // the monthly payment shown, taxes and insurance included
    double principalAndInterest = 0; // the payment less taxes and insurance
    AffordablePurchase estimate;     // from the whole payment, to size taxes and insurance
    AffordablePurchase purchase;     // from the payment less taxes and insurance: the result
    double downPaymentRatio = 0;     // 0.0901 is shown as 9.01%

    // Nothing when the debt leaves no payment; the window then keeps its earlier text.
    std::optional<LimitingFactor> limitingFactor;
    std::optional<QString> limitBoxText; // the limit box is rewritten with the payment
    std::optional<QString> rateBoxText;  // the rate box is rewritten with the default rate

    bool printable() const { return status == Status::Calculated && payment > 0; }
    QString limitingFactorText() const;
};

class Affordability
{
public:
    static constexpr double housingRatio = 0.28;
    static constexpr double debtRatio = 0.36;
    static constexpr double closingCostRate = 0.02;
    static constexpr double taxAndInsuranceRate = 0.00124;
    static constexpr double defaultRate = 0.5;
    static constexpr double downPaymentThreshold = 0.10; // below it the cash limits the home

    static AffordabilityResult calculate(const AffordabilityInputs &inputs);

    // n monthly payments at an annual rate in percent, with the closing costs
    // taken from the cash, or from the loan when the cash does not cover them.
    static AffordablePurchase purchaseFor(double payment, double annualRate, double months, double cash);
};

} // namespace tq
