#pragma once
// The program's own toolbar icon set: every icon is a rounded tile in its
// group's colour with a white symbol, painted with QPainter at the size in use.
#include <QIcon>
#include <QString>

namespace tq {

enum class Glyph {
    MainMenu,
    Actuarial,
    Calculator,
    HomeCalc,
    Loan,
    Budget,
    FamilyNames,
    Sound,
    WebSite,
    Help,
    Exit,
    PanelColour,
    Copy,
    Print,
    GridBackground,
    TextColour,
    InsertRow,
    Totals,
};

class ToolbarIcons
{
public:
    static QIcon glyph(Glyph glyph);
    // An activity without a symbol of its own: a neutral tile with up to two letters.
    static QIcon activity(const QString &letters);
};

} // namespace tq
