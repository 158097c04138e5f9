// The grid alone, in the shapes the tools give it: a payments table with a
// picture in the corner and whole columns highlighted, and a budget-like
// grid with a coloured row, a two-line item and a background picture.
#include "snapshot.h"

#include "components/grid.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

QPixmap cornerPicture()
{
    QPixmap picture(36, 36);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x2e, 0x7d, 0x32));
    painter.drawEllipse(3, 3, 30, 30);
    return picture;
}

QPixmap wallpaper()
{
    QPixmap picture(240, 160);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 240, 160);
    gradient.setColorAt(0, QColor(190, 205, 255));
    gradient.setColorAt(1, QColor(255, 225, 190));
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

} // namespace

TQ_SNAPSHOT_SCENE("grid-payments")
{
    tq::Grid grid;
    grid.setObjectName(QStringLiteral("Grid1"));
    grid.resizeTwips(6000, 5896);
    grid.setRows(1);
    grid.setRows(21);
    grid.setCols(6);
    grid.setCellPicture(0, 0, cornerPicture());
    grid.setColWidth(0, 660);
    grid.setRowHeight(0, 600);
    for (int c = 1; c < 6; ++c) {
        grid.setText(0, c, QStringLiteral("\n\r%1 Years").arg(c * 5));
        grid.setColAlignment(c, Qt::AlignHCenter);
        grid.setColWidth(c, 1700);
    }
    for (int r = 1; r < 21; ++r) {
        grid.setText(r, 0, QStringLiteral("%1%").arg(5 + r * 0.5, 0, 'f', 1));
        for (int c = 1; c < 6; ++c)
            grid.setText(
                r, c,
                QStringLiteral("$%1.%2").arg(1000 + r * 37 + c * 11).arg(r * 7 % 100, 2, 10, QChar(u'0')));
    }
    grid.setSelectionMode(tq::Grid::Selection::WholeColumns);
    grid.setCurrentCell(4, 2);
    grid.setSelectionEnd(4, 3);
    grid.show();
    ctx.save(&grid, QStringLiteral("grid-payments"));
}

TQ_SNAPSHOT_SCENE("grid-budget")
{
    tq::Grid grid;
    grid.setObjectName(QStringLiteral("VSGd1"));
    grid.resize(760, 360);
    grid.setRows(51);
    grid.setCols(14);
    const QStringList headings{"Item", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul",  "Aug", "Sep", "Oct", "Nov", "Dec"};
    grid.setColWidth(0, 200);
    grid.setFixedAlignment(0, Qt::AlignLeft);
    for (int c = 1; c < 14; ++c) {
        grid.setText(0, c, headings[c - 1]);
        grid.setColWidth(c, c == 1 ? 1600 : 800);
        grid.setColAlignment(c, c == 1 ? Qt::Alignment() : Qt::AlignRight);
    }
    grid.setRowTexts(1,
                     {QString(), QStringLiteral("Rent"), QStringLiteral("850.00"), QStringLiteral("850.00")});
    grid.setRowTexts(
        2, {QString(), QStringLiteral("Groceries"), QStringLiteral("320.50"), QStringLiteral(".50")});
    grid.setRowTexts(3, {QString(), QStringLiteral("Two\r\nlines"), QStringLiteral("12.00")});
    grid.setRowHeight(3, 500);
    grid.setCellBackground({2, 1, 2, 13}, Qt::red);
    grid.setTextColor(Qt::darkBlue);
    grid.setCurrentCell(1, 2);
    grid.show();
    ctx.save(&grid, QStringLiteral("grid-budget-colour"));
    grid.setBackgroundPicture(wallpaper());
    grid.setHighlight(tq::Grid::Highlight::Never);
    ctx.save(&grid, QStringLiteral("grid-budget-picture"));
}
