#include "budget/budgetform.h"

#include "budget/monthlyrows.h"
#include "budgetengine/budgetmodel.h"
#include "components/grid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace tq {

namespace {

constexpr int margin = 120;
constexpr int rowTop = 330; // under the panel's caption
constexpr int rowHeight = 330;
constexpr int gridTop = 760;
constexpr int gridHeight = 4500;
constexpr int monthlyTop = gridTop + gridHeight + 60;
constexpr int buttonTop = monthlyTop + 1000 + 120;

template <typename W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *caption(const QString &name, const QString &text)
{
    auto *label = named(new QLabel(text), name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QPushButton *button(const QString &name, const QString &text)
{
    auto *b = named(new QPushButton(text), name);
    b->setAutoDefault(false);
    return b;
}

// "9999.99" in a cell and "99999.00" under it fit a month column.
QFont smaller(QFont font)
{
    font.setPointSizeF(font.pointSizeF() * 0.85);
    return font;
}

void buildTopRow(BudgetForm &f, const BudgetForm::Placer &place)
{
    f.yearCaption = caption(QStringLiteral("Label1"), QStringLiteral("Select Year:"));
    place(f.yearCaption, {margin, rowTop, 1100, rowHeight});
    f.yearBox = named(new QComboBox, QStringLiteral("Combo1"));
    f.yearBox->setEditable(true);
    f.yearBox->setInsertPolicy(QComboBox::NoInsert);
    f.yearBox->setMaxVisibleItems(12);
    f.yearCaption->setBuddy(f.yearBox);
    place(f.yearBox, {1290, rowTop, 1000, rowHeight});

    f.boxCaption = caption(QStringLiteral("Label8"), QStringLiteral("Input Box:"));
    place(f.boxCaption, {2400, rowTop, 1000, rowHeight});
    f.editBox = named(new QLineEdit, QStringLiteral("Text1"));
    f.editBox->setMaxLength(18);
    f.boxCaption->setBuddy(f.editBox);
    place(f.editBox, {3470, rowTop, 2300, rowHeight});

    f.position = named(new QLabel, QStringLiteral("Panel3D4"));
    f.position->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    f.position->setAlignment(Qt::AlignCenter);
    f.position->setAccessibleName(QStringLiteral("Cell Position"));
    place(f.position, {5900, rowTop, 1100, rowHeight});

    f.copyYear = button(QStringLiteral("Command7"), QStringLiteral("Copy (&Yr)"));
    place(f.copyYear, {7150, rowTop - 30, 1500, rowHeight + 60});
    f.totals = button(QStringLiteral("Command8"), QStringLiteral("&Totals (Yr)"));
    place(f.totals, {8800, rowTop - 30, 1500, rowHeight + 60});
}

void buildGrid(BudgetForm &f, const BudgetForm::Placer &place)
{
    f.grid = named(new Grid, QStringLiteral("VSGd1"));
    f.grid->setAccessibleTableName(QStringLiteral("Home Budget"));
    f.grid->setEditable(true);
    f.grid->setScrollBars(Grid::ScrollBars::Vertical);
    f.grid->setFont(smaller(f.grid->font()));
    f.grid->setSortOnHeadingClick(true);
    f.grid->setHighlight(Grid::Highlight::WhenFocused);
    f.grid->setEditMask(1, QString(entry::maxNameLength, u'&'));
    for (int m = 0; m < budgetMonths; ++m)
        f.grid->setEditMask(BudgetModel::columnOfMonth(m) + 1, QString(entry::maxAmountLength, u'&'));
    place(f.grid, {margin, gridTop, budgetPanelWidth - 2 * margin, gridHeight});

    f.monthly = named(new MonthlyRows, QStringLiteral("Panel3D6"));
    f.monthly->setFont(smaller(f.monthly->font()));
    place(f.monthly, {margin, monthlyTop, budgetPanelWidth - 2 * margin, 1000});
}

void buildBottomRow(BudgetForm &f, const BudgetForm::Placer &place)
{
    f.copyRight = button(QStringLiteral("Command4"), QStringLiteral("&Copy To Right"));
    f.deleteRow = button(QStringLiteral("Command6"), QStringLiteral("&Delete Row"));
    f.print = button(QStringLiteral("Command2"), QStringLiteral("&Print"));
    f.save = button(QStringLiteral("Command5"), QStringLiteral("&Save"));
    f.spelling = button(QStringLiteral("Command15"), QStringLiteral("Spelling Chec&k"));
    f.exit = button(QStringLiteral("Command3"), QStringLiteral("E&xit "));
    constexpr int width = 1600;
    constexpr int gap = (budgetPanelWidth - 2 * margin - 6 * width) / 5;
    int left = margin;
    for (QPushButton *b : {f.copyRight, f.deleteRow, f.print, f.save, f.spelling, f.exit}) {
        place(b, {left, buttonTop, width, 450});
        left += width + gap;
    }
}

} // namespace

BudgetForm BudgetForm::build(const Placer &placeInPanel)
{
    BudgetForm f;
    buildTopRow(f, placeInPanel);
    buildGrid(f, placeInPanel);
    buildBottomRow(f, placeInPanel);
    return f;
}

QList<QPushButton *> BudgetForm::buttons() const
{
    return {copyYear, totals, copyRight, deleteRow, print, save, spelling, exit};
}

QList<QWidget *> BudgetForm::popupAreas() const
{
    QList<QWidget *> areas{yearCaption, boxCaption, position, monthly};
    for (QPushButton *b : buttons())
        areas << b;
    areas << monthly->labels();
    return areas;
}

} // namespace tq
