#pragma once
// Colour numbers 0x00BBGGRR; numbers with the top bit set name system colours.
#include <QtGlobal>

namespace tq {

constexpr quint32 systemColourFlag = 0x80000000u;
constexpr quint32 systemButtonFace = systemColourFlag | 15u; // the 3-D face colour
constexpr quint32 systemWindow = systemColourFlag | 5u;

constexpr bool isSystemColour(quint32 n)
{
    return (n & systemColourFlag) != 0;
}
constexpr quint32 colourNumber(int r, int g, int b)
{
    return quint32(r & 0xFF) | (quint32(g & 0xFF) << 8) | (quint32(b & 0xFF) << 16);
}
constexpr int redOf(quint32 n)
{
    return int(n & 0xFF);
}
constexpr int greenOf(quint32 n)
{
    return int((n >> 8) & 0xFF);
}
constexpr int blueOf(quint32 n)
{
    return int((n >> 16) & 0xFF);
}

} // namespace tq
