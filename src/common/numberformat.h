#pragma once
// The one place where numbers are read from text and money is formatted.
#include <QString>
#include <QStringView>
#include <optional>

namespace tq {

// Reads the leading numeric part of a text: optional blanks and sign, digits,
// "." as the decimal point, an optional exponent written with E or D.
// Empty or non-numeric text gives 0 ("12a" gives 12, "1.5E+3" gives 1500).
double leadingNumber(QStringView text);

// The whole text (surrounding blanks allowed) must be a number; otherwise nothing.
std::optional<double> strictNumber(QStringView text);

// Formats with a digit pattern: "#" optional digit, "0" required digit, ","
// grouping, "." decimal point, "%" multiplies by 100; other characters are
// copied as they stand ("$##,###,###", "####.00", "##0.00%", "0.0").
// Halves round away from zero; a minus sign stands before the whole result.
QString formatPattern(double value, QStringView pattern);

// The locale's currency with two decimals; negatives in parentheses ($1,234.56, ($5.00)).
QString formatCurrency(double value);

// A ratio as the locale's percentage with two decimals (0.855 gives 85.50%).
QString formatPercent(double ratio);

// A plain number with up to 15 significant digits, trailing zeros dropped and
// exponent form for very large or very small numbers (1.4142135623731, 1E+20).
QString formatGeneral(double value);

// The largest amount of money a tool accepts. No household reaches it, and
// every figure the tools compute from amounts up to it stays finite.
constexpr double largestAmount = 999'999'999'999.0;
// "999,999,999,999", for the messages that refuse larger amounts.
QString largestAmountText();

// What every formatter shows for a value that is not a finite number, so no
// "nan" or "inf" ever reaches the screen, a report or the clipboard.
QString overflowText();

// Rounds half away from zero at the given number of decimals, working on the
// 15-digit decimal form so that 1.005 rounds to 1.01 as a person expects.
double roundHalfAway(double value, int decimals);

} // namespace tq
