#pragma once
// The program's own toolbar icon set: every icon is a rounded tile in its
// group's colour with a white symbol, painted with QPainter at the size in use.
#include <QIcon>
#include <QList>
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

    // The sizes the tiles were designed at.
    static const QList<int> &designedSizes();
    // Those and the sizes the toolbars show between them: the build paints
    // every icon of the toolbars at each into the resources
    // (tools/pictures/painticons), so a window neither paints nor scales one.
    static const QList<int> &prebuiltSizes();
    // The resource file name of an icon (its QIcon::name()) painted at `size`.
    static QString prebuiltName(const QString &iconName, int size);
};

} // namespace tq
