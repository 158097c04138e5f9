#pragma once
// The budget grid at either display size: its thirteen columns share the room
// inside its frame and scroll bar, and its cells take the grid's font, made
// smaller where the widest amount (9999.99) would not fit a month column.
// Follows the grid's size and font once made; apply() also fits at once.
#include <QObject>

class QFontMetrics;

namespace tq {

class Grid;

class BudgetGridFit : public QObject
{
public:
    explicit BudgetGridFit(Grid &grid);
    void apply();

    // The widest amount a month cell holds, in the font of `metrics`.
    static QString widestAmount(const QFontMetrics &metrics);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Grid &m_grid;
    QObject *m_view; // the grid's table view, kept: events still come while the grid is destroyed
};

} // namespace tq
