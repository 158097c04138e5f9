#pragma once
// Present and future value tables of an amount or an annuity over a range of
// annual rates (rows) and years (columns). Figures are kept as 32-bit floats,
// as the table always has been, so the cents shown follow from that precision.
#include "common/notice.h"

#include <QString>
#include <optional>
#include <vector>

namespace tq {

enum class TableKind {
    PresentValueOfAmount,
    PresentValueOfAnnuity,
    FutureValueOfAmount,
    FutureValueOfAnnuity
};

// The window's boxes, as typed.
struct ValueTableInputs {
    QString amount;          // Text1
    QString paymentsPerYear; // Text2
    QString maximumRate;     // Combo1
    QString minimumRate;     // Combo2
    QString maximumYears;    // Text3
    QString minimumYears;    // Text4 (may be empty)
};

enum class FailingInput { Amount, AmountTooLarge, PaymentsPerYear, PaymentsPerYearTooLarge, MaximumYears };

// The first input that stops a table, checked in the order the user fills them.
std::optional<FailingInput> firstFailingInput(const ValueTableInputs &inputs);
Notice messageFor(FailingInput input);

// New box texts when a range was typed upside down; the window shows them
// before the table is built.
struct BoxExchange {
    std::optional<QString> maximumYears; // for Text3, plain number text
    std::optional<QString> minimumYears; // for Text4
    std::optional<QString> maximumRate;  // for Combo1, "0.0"
    std::optional<QString> minimumRate;  // for Combo2
};
BoxExchange boxExchange(const ValueTableInputs &inputs);

struct ValueTableRanges {
    float minimumRate = 0;
    float maximumRate = 0;
    float minimumYears = 0;
    float maximumYears = 0;
};
// A missing minimum means a single column or row at the maximum; a reversed
// range is turned round.
ValueTableRanges normalisedRanges(const ValueTableInputs &inputs);

// Shown in a cell whose value does not fit a 32-bit float; the window, the
// clipboard text and the printed report all show the same word.
inline constexpr char16_t kOverflowText[] = u"Overflow";

class ValueTable
{
public:
    ValueTable() = default;

    TableKind kind() const { return m_kind; }
    int rowCount() const { return int(m_rates.size()); }
    int columnCount() const { return int(m_years.size()); }

    // Rows and columns count from 0 here; the grid adds its header row and column.
    float rate(int row) const { return m_rates[size_t(row)]; }
    double year(int column) const { return m_years[size_t(column)]; }
    QString rateLabel(int row) const;    // "5%", "5.5%", "0%"
    QString yearLabel(int column) const; // "1 Years", "10 Years"
    float value(int row, int column) const { return m_values[size_t(row * columnCount() + column)]; }
    QString cellText(int row, int column) const; // locale currency, or kOverflowText
    // The value of the maximum year in the last rate row: the bottom-right cell.
    float cornerValue() const { return m_corner; }
    QString sentence() const;

private:
    friend class ValueTableFiller;
    ValueTable(TableKind kind, double amount, QString paymentsText);

    TableKind m_kind = TableKind::PresentValueOfAmount;
    double m_amount = 0;
    QString m_paymentsText;
    std::vector<float> m_rates;
    std::vector<double> m_years;
    std::vector<float> m_values; // row by row
    float m_corner = 0;
};

// The sentence under the table; "\r" separates its heading from its text.
QString explanatorySentence(TableKind kind, double amount, const QString &paymentsText);

// Validates, normalises and fills. Without a failing input the table is set.
struct ValueTableOutcome {
    std::optional<FailingInput> failure;
    BoxExchange exchange;
    std::optional<ValueTable> table;
};
ValueTableOutcome buildValueTable(TableKind kind, const ValueTableInputs &inputs);

// Rows and columns stop here, the limit of the table's 16-bit counters, so a
// wildly typed rate range cannot run the fill without end.
inline constexpr int kMaxTableLines = 32767;

} // namespace tq
