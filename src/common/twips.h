#pragma once
#include <QtGlobal>
#include <cmath>

namespace tq {

constexpr int twipsPerInch = 1440;

// Twips to device pixels at the given logical DPI (96 dpi: 15 twips a pixel).
inline int twipsToPixels(double twips, double dpi = 96.0)
{
    return int(std::lround(twips * dpi / twipsPerInch));
}

inline double pixelsToTwips(double pixels, double dpi = 96.0)
{
    return pixels * twipsPerInch / dpi;
}

} // namespace tq
