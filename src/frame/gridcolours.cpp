#include "frame/gridcolours.h"

#include "common/numberformat.h"
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
        const std::optional<double> number = strictNumber(background);
        grid.setBackgroundColor(number ? colorFromNumber(quint32(qint64(*number)), palette)
                                       : palette.color(QPalette::Base));
    }
    const std::optional<double> text = strictNumber(program.settings.gridTextColour());
    grid.setTextColor(text ? colorFromNumber(quint32(qint64(*text)), palette) : QColor(Qt::black));
}

} // namespace tq
