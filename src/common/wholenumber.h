#pragma once
// Whole numbers from stored or typed doubles. Casting a double outside the
// target's range (or NaN) to an integer is undefined behaviour, and a file or
// an entry box can hold any number, so every such conversion goes through here.
#include <QtGlobal>
#include <optional>

namespace tq {

// The value when it is a whole number within [lowest, highest]; nothing otherwise.
std::optional<int> wholeIntIn(double value, int lowest, int highest);

// Toward zero, then held within int's range; NaN gives 0.
int truncatedInt(double value);

// Halves away from zero, then held within int's range; NaN gives 0.
int roundedInt(double value);

// A colour number as stored (a whole number, negatives naming system colours
// as a signed 32-bit value); nothing when it fits neither reading.
std::optional<quint32> storedColourNumber(double value);

} // namespace tq
