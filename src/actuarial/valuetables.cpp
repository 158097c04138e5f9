#include "actuarial/valuetables.h"

#include "common/numberformat.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace tq {

namespace {

// A double beyond the float range becomes an infinity rather than undefined behaviour.
float toFloat(double value)
{
    if (std::fabs(value) <= double(std::numeric_limits<float>::max()) || std::isnan(value))
        return float(value);
    return value > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
}

float boxValue(const QString &text)
{
    return toFloat(leadingNumber(text));
}

// The shortest text that reads back as the same float, so 5.5 stays "5.5".
QString plainFloatText(float value)
{
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return QString::fromLatin1(buf, end - buf);
}

QString formatRateBox(double value)
{
    return formatPattern(value, u"0.0");
}

} // namespace

std::optional<FailingInput> firstFailingInput(const ValueTableInputs &inputs)
{
    if (leadingNumber(inputs.amount) <= 0)
        return FailingInput::Amount;
    if (leadingNumber(inputs.amount) > largestAmount)
        return FailingInput::AmountTooLarge;
    if (leadingNumber(inputs.paymentsPerYear) <= 0)
        return FailingInput::PaymentsPerYear;
    if (leadingNumber(inputs.paymentsPerYear) > largestAmount)
        return FailingInput::PaymentsPerYearTooLarge;
    if (boxValue(inputs.maximumYears) <= 0)
        return FailingInput::MaximumYears;
    return std::nullopt;
}

Notice messageFor(FailingInput input)
{
    switch (input) {
    case FailingInput::Amount:
        return {QStringLiteral("Amount or Annuity"), QStringLiteral("Amount or Annuity must be 1 or more")};
    case FailingInput::AmountTooLarge:
        return {QStringLiteral("Amount or Annuity"), QStringLiteral("Amount or Annuity must be ") +
                                                         largestAmountText() + QStringLiteral(" or less")};
    case FailingInput::PaymentsPerYear:
        return {QStringLiteral("Number of Interest Payments Per Year"),
                QStringLiteral("No. Payments Per Year must be 1 or more")};
    case FailingInput::PaymentsPerYearTooLarge:
        return {QStringLiteral("Number of Interest Payments Per Year"),
                QStringLiteral("No. Payments Per Year must be ") + largestAmountText() +
                    QStringLiteral(" or less")};
    case FailingInput::MaximumYears:
        break;
    }
    return {QStringLiteral("Number of Years"), QStringLiteral("Maximum Number of Years must be 1 or more")};
}

BoxExchange boxExchange(const ValueTableInputs &inputs)
{
    BoxExchange exchange;
    const double maxYears = leadingNumber(inputs.maximumYears);
    const double minYears = leadingNumber(inputs.minimumYears);
    if (toFloat(maxYears) < toFloat(minYears)) {
        exchange.maximumYears = formatGeneral(minYears);
        exchange.minimumYears = formatGeneral(maxYears);
    }
    const double maxRate = leadingNumber(inputs.maximumRate);
    const double minRate = leadingNumber(inputs.minimumRate);
    if (toFloat(maxRate) < toFloat(minRate)) {
        exchange.maximumRate = formatRateBox(minRate);
        exchange.minimumRate = formatRateBox(maxRate);
    }
    return exchange;
}

ValueTableRanges normalisedRanges(const ValueTableInputs &inputs)
{
    ValueTableRanges r;
    r.maximumYears = boxValue(inputs.maximumYears);
    r.minimumYears = boxValue(inputs.minimumYears);
    if (inputs.minimumYears.isEmpty() || r.minimumYears <= 0)
        r.minimumYears = r.maximumYears;
    r.maximumRate = boxValue(inputs.maximumRate);
    r.minimumRate = boxValue(inputs.minimumRate);
    // A minimum left at 0.0 asks for the maximum rate alone; this comes before
    // the turn-round, so "5.0 down to 0.0" still gives the whole range.
    if (r.minimumRate == 0)
        r.minimumRate = r.maximumRate;
    if (r.minimumYears > r.maximumYears)
        std::swap(r.minimumYears, r.maximumYears);
    if (r.minimumRate > r.maximumRate)
        std::swap(r.minimumRate, r.maximumRate);
    return r;
}

ValueTable::ValueTable(TableKind kind, double amount, QString paymentsText)
    : m_kind(kind), m_amount(amount), m_paymentsText(std::move(paymentsText))
{
}

QString ValueTable::rateLabel(int row) const
{
    return plainFloatText(rate(row)) + u'%';
}

QString ValueTable::yearLabel(int column) const
{
    return formatGeneral(year(column)) + QStringLiteral(" Years");
}

QString ValueTable::cellText(int row, int column) const
{
    const float v = value(row, column);
    return std::isfinite(v) ? formatCurrency(v) : QString::fromUtf16(kOverflowText);
}

QString ValueTable::sentence() const
{
    return explanatorySentence(m_kind, m_amount, m_paymentsText);
}

QString explanatorySentence(TableKind kind, double amount, const QString &paymentsText)
{
    const QString a = formatCurrency(amount);
    const QString &m = paymentsText;
    switch (kind) {
    case TableKind::PresentValueOfAmount:
        return QStringLiteral(
                   "Present Value of an Amount:\rAmount(s) shown are what you need to put into a savings "
                   "account now at interest rate(s) shown in the left column and interest is paid "
                   "(compounded) ") +
               m + QStringLiteral(" time(s) a year, to reach the amount entered of ") + a +
               QStringLiteral(" in the years shown.");
    case TableKind::PresentValueOfAnnuity:
        return QStringLiteral("Present Value of an Annuity:\rThe amount you need in a savings account now to "
                              "receive a payment of ") +
               a + QStringLiteral("  ") + m +
               QStringLiteral(
                   " time(s) a year for the number of years specified in the Top Column at interest "
                   "rate(s) shown in the left column.");
    case TableKind::FutureValueOfAmount:
        return QStringLiteral(
                   "Future Value of an Amount:\rAmount(s) show the future value if you put one lump sum "
                   "of ") +
               a +
               QStringLiteral(" into a savings account now at interest rate(s) shown in the left column and "
                              "Interest was compounded ") +
               m + QStringLiteral(" time(s) a year.");
    case TableKind::FutureValueOfAnnuity:
        break;
    }
    return QStringLiteral(
               "Future Value of an Annuity:\rAmount(s) show the future value if you put a sum of ") +
           a + QStringLiteral(" into a savings account ") + m +
           QStringLiteral(
               " time(s) a year for the number years shown at the interest rate(s) shown in the left "
               "column.");
}

// Fills a table cell by cell with the table's 32-bit roundings.
class ValueTableFiller
{
public:
    ValueTableFiller(TableKind kind, const ValueTableInputs &inputs)
        : m_amount(leadingNumber(inputs.amount)), m_perYear(leadingNumber(inputs.paymentsPerYear)),
          m_table(kind, m_amount, inputs.paymentsPerYear)
    {
    }

    ValueTable fill(const ValueTableRanges &r)
    {
        for (double year = r.minimumYears; year <= r.maximumYears && m_table.columnCount() < kMaxTableLines;
             year += 1)
            m_table.m_years.push_back(year);
        const float rateLimit = toFloat(double(r.maximumRate) + 0.5);
        for (float rate = r.minimumRate; rate < rateLimit && m_table.rowCount() < kMaxTableLines;
             rate = toFloat(double(rate) + 0.5)) {
            m_table.m_rates.push_back(rate);
            for (const double year : m_table.m_years) {
                const float v = cellValue(rate, year);
                m_table.m_values.push_back(v);
                if (float(year) == r.maximumYears)
                    m_table.m_corner = v;
            }
        }
        return m_table;
    }

private:
    float cellValue(float rate, double year) const
    {
        const double n = std::nearbyint(year * m_perYear); // whole periods, halves to even
        const double i = double(rate) / m_perYear / 100.0;
        const double f = toFloat(std::pow(i + 1.0, n));
        const double a = m_amount;
        // With no growth the annuity formulas divide 0 by 0; their limit is the
        // sum of the payments.
        const bool noGrowth = f == 1.0;
        switch (m_table.kind()) {
        case TableKind::PresentValueOfAmount:
            return toFloat(a / f);
        case TableKind::PresentValueOfAnnuity:
            return toFloat(noGrowth ? a * n : a * (1.0 - 1.0 / f) / i);
        case TableKind::FutureValueOfAmount:
            return toFloat(a * f);
        case TableKind::FutureValueOfAnnuity:
            break;
        }
        return toFloat(noGrowth ? a * n : a * (f - 1.0) / i);
    }

    double m_amount;
    double m_perYear;
    ValueTable m_table;
};

ValueTableOutcome buildValueTable(TableKind kind, const ValueTableInputs &inputs)
{
    ValueTableOutcome outcome;
    outcome.failure = firstFailingInput(inputs);
    if (outcome.failure)
        return outcome;
    outcome.exchange = boxExchange(inputs);
    outcome.table = ValueTableFiller(kind, inputs).fill(normalisedRanges(inputs));
    return outcome;
}

} // namespace tq
