#include "common/wholenumber.h"

#include <climits>
#include <cmath>

namespace tq {

namespace {

// Doubles just past each end of int; exact, so the comparisons are too.
constexpr double intCeiling = 2147483648.0;
constexpr double intFloor = -2147483649.0;

int heldInt(double whole)
{
    if (std::isnan(whole))
        return 0;
    if (whole >= intCeiling)
        return INT_MAX;
    if (whole <= intFloor)
        return INT_MIN;
    return int(whole);
}

} // namespace

std::optional<int> wholeIntIn(double value, int lowest, int highest)
{
    // Written so that NaN fails the range test.
    if (!(value >= double(lowest) && value <= double(highest)) || std::trunc(value) != value)
        return std::nullopt;
    return int(value);
}

int truncatedInt(double value)
{
    return heldInt(std::trunc(value));
}

int roundedInt(double value)
{
    return heldInt(std::round(value));
}

std::optional<quint32> storedColourNumber(double value)
{
    if (!(value > -2147483649.0 && value < 4294967296.0))
        return std::nullopt;
    return quint32(qint64(std::trunc(value)));
}

} // namespace tq
