#include "loan/loanengine.h"

#include "common/numberformat.h"
#include "common/wholenumber.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tq {

namespace {

// Typed rates such as 1.3 to 2.3 are a whole number of steps apart only up to
// rounding (2.3 - 1.3 is 0.9999999999999998); without the slack the top rate
// would silently drop out of the table.
constexpr double countSlack = 1e-9;

int stepCount(double span, double step)
{
    return truncatedInt(std::floor(span / step + countSlack)) + 1;
}

int paymentsFor(double length, LengthUnit unit)
{
    return roundedInt(unit == LengthUnit::Years ? 12.0 * length : length);
}

double lengthLimit(LengthUnit unit)
{
    return unit == LengthUnit::Years ? LoanEngine::maxLengthYears : LoanEngine::maxLengthMonths;
}

// Cent rounding with halves going up; floor keeps negative balances consistent.
double interestFor(double balance, double monthlyRate)
{
    return std::floor((balance * monthlyRate + 0.005) * 100.0) / 100.0;
}

} // namespace

PaymentTable::PaymentTable(double loanAmount, LengthUnit unit, std::vector<double> rates,
                           std::vector<double> lengths)
    : m_loanAmount(loanAmount), m_unit(unit), m_rates(std::move(rates)), m_lengths(std::move(lengths))
{
    m_payments.reserve(m_rates.size() * m_lengths.size());
    for (double rate : m_rates)
        for (double length : m_lengths)
            m_payments.push_back(LoanEngine::payment(m_loanAmount, rate, paymentsFor(length, m_unit)));
}

bool PaymentTable::contains(int row, int column) const
{
    return row >= 1 && row <= rowCount() && column >= 1 && column <= columnCount();
}

double PaymentTable::payment(int row, int column) const
{
    return contains(row, column)
               ? m_payments[std::size_t(row - 1) * m_lengths.size() + std::size_t(column - 1)]
               : 0.0;
}

int PaymentTable::paymentCount(int column) const
{
    return paymentsFor(length(column), m_unit);
}

double PaymentTable::referencePayment() const
{
    return payment(rowCount(), columnCount());
}

double LoanEngine::loanAmount(const LoanInputs &inputs)
{
    if (inputs.downPaymentMode == DownPaymentMode::Percent)
        return inputs.purchaseAmount * (1.0 - inputs.downPayment / 100.0);
    return inputs.purchaseAmount - inputs.downPayment;
}

RangeNormalisation LoanEngine::normaliseRanges(const LoanInputs &inputs, bool minimumLengthEntered,
                                               bool maximumLengthEntered)
{
    RangeNormalisation result;
    LoanInputs &in = result.inputs;
    in = inputs;

    if (!minimumLengthEntered && !maximumLengthEntered) {
        result.failure = RangeFailure::NoMaximumLength;
        return result;
    }
    if (!maximumLengthEntered)
        in.maximumLength = in.minimumLength;
    else if (!minimumLengthEntered)
        in.minimumLength = in.maximumLength;
    if (in.maximumLength < in.minimumLength) {
        std::swap(in.maximumLength, in.minimumLength);
        result.lengthsExchanged = true;
    }
    // A longest loan of 0 months has no payments; the formula would divide 0 by 0.
    if (in.maximumLength <= 0) {
        result.failure = RangeFailure::NoMaximumLength;
        return result;
    }

    if (in.maximumRate < in.minimumRate) {
        std::swap(in.maximumRate, in.minimumRate);
        result.ratesExchanged = true;
    }
    if (in.maximumRate < minimumUsableRate) {
        result.failure = RangeFailure::MaximumRateTooLow;
        return result;
    }
    if (in.minimumRate < minimumUsableRate) {
        in.minimumRate = in.maximumRate;
        result.minimumRateRaised = true;
    }

    // Bounds that keep the table a size the grid can show at once.
    if (in.maximumLength > lengthLimit(in.lengthUnit))
        result.failure = RangeFailure::LengthTooLong;
    else if (in.maximumRate > maxRatePercent)
        result.failure = RangeFailure::RateTooHigh;
    return result;
}

double LoanEngine::payment(double loanAmount, double annualRatePercent, int paymentCount)
{
    if (paymentCount <= 0)
        return 0.0;
    const double i = annualRatePercent / 1200.0;
    if (i == 0.0)
        return loanAmount / paymentCount;
    return loanAmount * i / (1.0 - 1.0 / std::pow(1.0 + i, paymentCount));
}

PaymentTable LoanEngine::buildTable(const LoanInputs &inputs)
{
    const double longest = inputs.maximumLength;
    const double shortest = inputs.minimumLength <= 0 ? longest : inputs.minimumLength;
    std::vector<double> lengths;
    if (longest > 0 && longest >= shortest) {
        const int columns = stepCount(longest - shortest, 1.0);
        for (int c = 0; c < columns; ++c)
            lengths.push_back(shortest + c);
    }

    std::vector<double> rates;
    if (inputs.maximumRate >= inputs.minimumRate) {
        const int rows = stepCount(inputs.maximumRate - inputs.minimumRate, rateStep);
        for (int r = 0; r < rows; ++r)
            rates.push_back(inputs.minimumRate + r * rateStep);
    }
    return PaymentTable(loanAmount(inputs), inputs.lengthUnit, std::move(rates), std::move(lengths));
}

std::optional<AmortizationSchedule> LoanEngine::buildSchedule(const PaymentTable &table, int row, int column)
{
    if (!table.contains(row, column))
        return std::nullopt;

    AmortizationSchedule s;
    s.payment = table.payment(row, column);
    s.monthlyRate = table.rate(row) / 1200.0;
    s.paymentCount = table.paymentCount(column);
    s.rateLabel = rateLabel(table.rate(row));
    s.openingBalance = table.loanAmount();
    s.rows.reserve(std::size_t(std::max(s.paymentCount, 0)));

    double balance = s.openingBalance;
    for (int k = 1; k <= s.paymentCount; ++k) {
        const double interest = interestFor(balance, s.monthlyRate);
        balance = balance - s.payment + interest;
        s.totalInterest += interest;
        s.rows.push_back({k, s.payment - interest, interest, balance, s.totalInterest});
    }
    return s;
}

QString LoanEngine::rateLabel(double rate)
{
    return formatPattern(rate, u"0.0") + u'%';
}

} // namespace tq
