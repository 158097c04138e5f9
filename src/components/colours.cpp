#include "components/colours.h"

#include <QApplication>

namespace tq {

namespace {

QPalette::ColorRole roleFor(quint32 index)
{
    switch (index) {
    case 1:
    case 12:
        return QPalette::Window; // desktop, application workspace
    case 2:
    case 13:
        return QPalette::Highlight; // active caption, highlight
    case 5:
        return QPalette::Base; // window background
    case 7:
    case 8:
    case 18:
        return QPalette::WindowText; // menu, window and button text
    case 9:
    case 14:
        return QPalette::HighlightedText;
    case 16:
        return QPalette::Mid; // button shadow
    case 17:
        return QPalette::PlaceholderText; // grey text
    case 20:
    case 22:
        return QPalette::Light;
    case 21:
        return QPalette::Shadow;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return QPalette::Button; // 3-D face and the rest
    }
}

constexpr QRgb sixteenColours[16] = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};

} // namespace

QColor paletteColor(int index)
{
    return QColor(sixteenColours[index & 15]);
}

QColor colorFromNumber(quint32 number, const QPalette &palette)
{
    if (isSystemColour(number))
        return palette.color(QPalette::Active, roleFor(number & 0xFFu));
    return QColor(redOf(number), greenOf(number), blueOf(number));
}

quint32 numberFromColor(const QColor &color)
{
    return colourNumber(color.red(), color.green(), color.blue());
}

QColor systemDefaultColor()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

} // namespace tq
