// The budget grid's background selector with its thumbnails, and the grid on
// the window colour, a chosen colour and pictures.
#include "snapshot.h"

#include "budget/budgetgridcolours.h"
#include "budget/gridbackgroundselector.h"
#include "common/twips.h"
#include "components/grid.h"
#include "wallpapers.h"

#include <QPalette>

namespace {

// The pictures an install ships, in the scene's program folder.
void paintPictures(const tq::Program &program)
{
    for (int n = 1; n <= tq::pictures::wallpaperCount; ++n)
        tq::pictures::paintWallpaper(n).save(program.folder.filePath(QStringLiteral("WP%1.jpg").arg(n)));
}

struct BudgetGridScene {
    QWidget panel;
    tq::Grid *grid;
    tq::BudgetGridColours *colours;
    tq::GridBackgroundSelector *selector;

    explicit BudgetGridScene(tq::Program &program)
        : grid(new tq::Grid(&panel)), colours(new tq::BudgetGridColours(program, *grid, &panel)),
          selector(new tq::GridBackgroundSelector(*colours, &panel))
    {
        paintPictures(program);
        QPalette face = panel.palette();
        face.setColor(QPalette::Window, QColor(0x00, 0x80, 0x80));
        panel.setPalette(face);
        panel.setAutoFillBackground(true);
        panel.resize(900, 560);
        grid->setGeometry(10, 10, 880, 540);
        fill();
        colours->load();
        selector->move(0, tq::twipsToPixels(120));
        panel.show();
    }

    void fill()
    {
        grid->setRows(51);
        grid->setCols(14);
        const QStringList months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        grid->setRowTexts(0, QStringList{QString(), QStringLiteral("Item")} + months);
        grid->setColWidth(1, 1800);
        const QStringList items{"Rent", "Groceries", "Electricity", "Car Payment", "Insurance", "Telephone"};
        const QStringList amounts{"850.00", "320.50", "75.25", "289.99", "110.00", "45.60"};
        for (int r = 0; r < items.size(); ++r)
            grid->setRowTexts(r + 1, {QString(), items[r], amounts[r], amounts[r], amounts[r], amounts[r]});
    }
};

} // namespace

TQ_SNAPSHOT_SCENE("budget-background-selector")
{
    BudgetGridScene scene(ctx.program);
    scene.selector->toggle();
    scene.selector->clickThumbnail(4);
    QApplication::processEvents();
    ctx.save(&scene.panel, QStringLiteral("budget-background-selector"));
}

TQ_SNAPSHOT_SCENE("budget-grid-backgrounds")
{
    BudgetGridScene scene(ctx.program);
    QApplication::processEvents();
    ctx.save(scene.grid, QStringLiteral("budget-grid-window-colour"));
    scene.grid->setBackgroundColor(QColor(255, 250, 205));
    ctx.save(scene.grid, QStringLiteral("budget-grid-colour"));
    // Every picture behind the same figures, to check each keeps them readable.
    for (int index = 0; index < tq::GridBackgroundSelector::thumbnailCount; ++index) {
        scene.colours->preview(index);
        QApplication::processEvents();
        ctx.save(scene.grid, QStringLiteral("budget-grid-WP%1").arg(index + 1));
    }
}
