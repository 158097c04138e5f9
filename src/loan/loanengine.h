#pragma once
// Monthly payments of a fixed-rate loan over ranges of rates and lengths, and
// the month-by-month amortization of one of them. Pure arithmetic: the window
// validates, shows and reports.
#include <QString>
#include <optional>
#include <vector>

namespace tq {

enum class DownPaymentMode { Percent, Amount };
enum class LengthUnit { Years, Months };

struct LoanInputs {
    double purchaseAmount = 0;
    double downPayment = 0; // percent (0 to 99) or money, by mode
    DownPaymentMode downPaymentMode = DownPaymentMode::Percent;
    LengthUnit lengthUnit = LengthUnit::Years;
    double minimumLength = 0; // whole units of lengthUnit
    double maximumLength = 0;
    double minimumRate = 0; // annual percent: 6.5 means 6.5 %
    double maximumRate = 0;
};

enum class RangeFailure {
    None,
    NoMaximumLength,   // neither length entered, or the longest length is 0
    MaximumRateTooLow, // the higher rate is below 0.5
    LengthTooLong,     // more than maxLengthYears years or maxLengthMonths months
    RateTooHigh,       // the higher rate is above maxRatePercent
};

struct RangeNormalisation {
    RangeFailure failure = RangeFailure::None;
    // The inputs as far as normalisation got; exchanges made before a failure
    // are kept so the window can show them in its boxes all the same.
    LoanInputs inputs;
    bool lengthsExchanged = false;
    bool ratesExchanged = false;
    bool minimumRateRaised = false; // the minimum rate became the maximum rate
    bool ok() const { return failure == RangeFailure::None; }
};

// Rows 1..rowCount() are rates, columns 1..columnCount() are lengths, as the
// grid shows them; index 0 is the header row or column and holds no payment.
class PaymentTable
{
public:
    PaymentTable() = default;
    PaymentTable(double loanAmount, LengthUnit unit, std::vector<double> rates, std::vector<double> lengths);

    int rowCount() const { return int(m_rates.size()); }
    int columnCount() const { return int(m_lengths.size()); }
    bool isEmpty() const { return m_payments.empty(); }
    bool contains(int row, int column) const;

    double rate(int row) const { return m_rates.at(row - 1); }
    double length(int column) const { return m_lengths.at(column - 1); }
    double payment(int row, int column) const;
    int paymentCount(int column) const; // monthly payments for the length of a column

    double loanAmount() const { return m_loanAmount; }
    LengthUnit unit() const { return m_unit; }
    // The payment at the highest rate and the longest length.
    double referencePayment() const;

private:
    double m_loanAmount = 0;
    LengthUnit m_unit = LengthUnit::Years;
    std::vector<double> m_rates;
    std::vector<double> m_lengths;
    std::vector<double> m_payments; // row-major, unrounded
};

struct ScheduleRow {
    int number = 0;
    double principal = 0; // payment minus this month's interest
    double interest = 0;  // rounded to the cent
    double balance = 0;   // not rounded
    double interestToDate = 0;
};

struct AmortizationSchedule {
    double payment = 0; // unrounded, as in the table
    double monthlyRate = 0;
    int paymentCount = 0;
    QString rateLabel; // as the grid's row header shows the rate, "6.5%"
    double openingBalance = 0;
    double totalInterest = 0;
    std::vector<ScheduleRow> rows;
};

class LoanEngine
{
public:
    static constexpr double rateStep = 0.5;
    static constexpr double minimumUsableRate = 0.5;
    static constexpr double maxRatePercent = 100.0;
    static constexpr double maxLengthYears = 100.0;
    static constexpr double maxLengthMonths = 1200.0;

    static double loanAmount(const LoanInputs &inputs);

    // Fills a missing length from the other, puts both ranges in order and
    // drops a minimum rate below 0.5 so that only the maximum is tabulated.
    static RangeNormalisation normaliseRanges(const LoanInputs &inputs, bool minimumLengthEntered,
                                              bool maximumLengthEntered);

    // Annual rate in percent; 0 when there are no payments to make.
    static double payment(double loanAmount, double annualRatePercent, int paymentCount);

    // Expects normalised inputs. A minimum length of 0 tabulates the maximum only.
    static PaymentTable buildTable(const LoanInputs &inputs);

    // Nothing when the cell is outside the table.
    static std::optional<AmortizationSchedule> buildSchedule(const PaymentTable &table, int row, int column);

    // "6.5%": the rate as the grid's row header and the reports show it.
    static QString rateLabel(double rate);
};

} // namespace tq
