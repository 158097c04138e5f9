#include "homecalc/affordability.h"

#include "common/numberformat.h"

#include <cmath>

namespace tq {

namespace {

// Every figure is a whole currency unit, rounded by the whole part (-1.5 gives -2).
double whole(double v)
{
    return std::floor(v);
}

// Larger amounts overflow the figures; the first one typed is named.
std::optional<QString> firstTooLargeAmount(const AffordabilityInputs &in)
{
    const std::pair<const QString *, const char *> amounts[] = {{&in.income, "Gross Annual Income"},
                                                                {&in.debt, "Minimum Monthly Debt"},
                                                                {&in.cash, "Cash Available"},
                                                                {&in.limit, "Limit of Monthly Payment"}};
    for (const auto &[text, name] : amounts) {
        if (std::fabs(leadingNumber(*text)) > largestAmount)
            return QString::fromLatin1(name);
    }
    return std::nullopt;
}

} // namespace

QString limitingFactorText(LimitingFactor factor)
{
    switch (factor) {
    case LimitingFactor::MinimumMonthlyDebt:
        return QStringLiteral("Minimum Monthly Debt");
    case LimitingFactor::CashForDownPayment:
        return QStringLiteral("Cash Available for Down Payment");
    case LimitingFactor::MonthlyPaymentLimit:
        return QStringLiteral("Limit of Monthly Payment");
    case LimitingFactor::AnnualIncome:
        return QStringLiteral("Gross Amount of Annual Income");
    }
    return {};
}

QString AffordabilityResult::limitingFactorText() const
{
    return limitingFactor ? tq::limitingFactorText(*limitingFactor) : QString();
}

AffordablePurchase Affordability::purchaseFor(double payment, double annualRate, double months, double cash)
{
    AffordablePurchase p;
    const double i = annualRate / 1200.0;
    // No months means no loan; the annuity would divide by zero.
    if (months > 0)
        p.loan = whole(i > 0 ? payment / (i / (1.0 - 1.0 / std::pow(1.0 + i, months))) : payment * months);
    p.closingCosts = whole(closingCostRate * p.loan + 0.5);
    p.downPayment = whole(cash - p.closingCosts + 0.5);
    if (p.downPayment < 0) {
        p.downPayment = 0;
        p.home = p.loan - p.closingCosts;
    } else {
        p.home = p.downPayment + p.loan;
    }
    return p;
}

AffordabilityResult Affordability::calculate(const AffordabilityInputs &inputs)
{
    AffordabilityResult r;
    // "0" passes: only a box left empty is asked for again.
    if (inputs.income.isEmpty()) {
        r.status = AffordabilityResult::Status::IncomeMissing;
        return r;
    }
    if (const std::optional<QString> tooLarge = firstTooLargeAmount(inputs)) {
        r.status = AffordabilityResult::Status::AmountTooLarge;
        r.tooLargeInput = *tooLarge;
        return r;
    }
    const double monthlyIncome = leadingNumber(inputs.income) / 12.0;
    const double debt = leadingNumber(inputs.debt);
    const double cash = leadingNumber(inputs.cash);
    const double limit = whole(leadingNumber(inputs.limit));

    r.housingPayment = whole(monthlyIncome * housingRatio + 0.5);
    r.debtPayment = whole(monthlyIncome * debtRatio - debt + 0.5);
    if (r.debtPayment > 0 && r.housingPayment > r.debtPayment) {
        r.payment = r.debtPayment;
        r.limitingFactor = LimitingFactor::MinimumMonthlyDebt;
    } else if (r.debtPayment > 0) {
        r.payment = r.housingPayment;
        r.limitingFactor = LimitingFactor::CashForDownPayment;
    } else {
        r.payment = r.debtPayment;
    }

    if (limit > 0 && limit < r.payment) {
        r.payment = limit;
        r.limitingFactor = LimitingFactor::MonthlyPaymentLimit;
    }
    // A limit above what the income allows is brought down to that payment.
    if (limit > 0 && limit > r.payment)
        r.limitBoxText = QString::number(r.payment, 'f', 0);

    const double months = leadingNumber(inputs.loanLength) * 12.0;
    double rate = leadingNumber(inputs.rate);
    if (rate <= 0) {
        rate = defaultRate;
        r.rateBoxText = formatGeneral(defaultRate);
    }

    // Taxes and insurance depend on the home, which depends on the payment left
    // for the loan: one estimate from the full payment, then one recalculation.
    r.estimate = purchaseFor(r.payment, rate, months, cash);
    r.principalAndInterest = whole(r.payment - (taxAndInsuranceRate * r.estimate.home + 0.5));
    r.purchase = purchaseFor(r.principalAndInterest, rate, months, cash);

    const AffordablePurchase &p = r.purchase;
    if (p.downPayment > 0 && p.home != 0)
        r.downPaymentRatio = p.downPayment / p.home;
    if (r.limitingFactor == LimitingFactor::CashForDownPayment && r.downPaymentRatio * 100 >= 10)
        r.limitingFactor = LimitingFactor::AnnualIncome;
    return r;
}

} // namespace tq
