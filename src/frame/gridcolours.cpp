#include "frame/gridcolours.h"

#include "common/numberformat.h"
#include "common/wholenumber.h"
#include "components/colours.h"
#include "components/grid.h"
#include "components/program.h"

#include <QPixmap>

namespace tq {

void applyStoredGridColours(Grid &grid, const Program &program)
{
    // System colour numbers resolve against the palette the grid inherits.
    const QPalette palette = grid.palette();
    const QString background = program.settings.gridBackground().trimmed();
    if (background.left(2).toUpper() == u"WP") {
        const QPixmap picture(program.findDataFile(background + QStringLiteral(".jpg")));
        if (!picture.isNull())
            grid.setBackgroundPicture(picture);
    } else {
        const std::optional<quint32> number = storedColourNumber(strictNumber(background).value_or(NAN));
        grid.setBackgroundColor(number ? colorFromNumber(*number, palette) : palette.color(QPalette::Base));
    }
    const std::optional<quint32> text =
        storedColourNumber(strictNumber(program.settings.gridTextColour()).value_or(NAN));
    grid.setTextColor(text ? colorFromNumber(*text, palette) : QColor(Qt::black));
}

} // namespace tq
