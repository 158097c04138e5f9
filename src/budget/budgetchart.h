#pragma once
// The totals panel's chart (Chart2D1) and its options under it: each item's
// share as one series of one value, then the balance series; bar, pie or
// stacked bars, vertical or horizontal; at most one series highlighted (a
// hatched fill, and in the pie its slice moved out).
//
// The chart itself is made on the first draw(), so a budget window whose
// totals panel never opens builds no chart.
#include "budgetengine/yeartotals.h"

#include <QWidget>

class QButtonGroup;
class QChart;
class QChartView;
class QVBoxLayout;

namespace tq {

class BudgetChart : public QWidget
{
    Q_OBJECT
public:
    enum class Type { Bar, Pie, Stacking }; // option indexes of "Chart Type"

    explicit BudgetChart(QWidget *parent = nullptr);

    // Replaces the series; the highlight goes.
    void draw(const QList<ChartPoint> &points);
    // Series index from 0 (the list's first item); -1 removes the highlight.
    void highlight(int series);
    int highlighted() const { return m_highlighted; }

    Type type() const { return m_type; }
    void setType(Type type); // as the option does, without the typeChosen signal
    Qt::Orientation orientation() const { return m_orientation; }
    void setOrientation(Qt::Orientation orientation);

    void setBackground(const QColor &colour);

    // Null until the first draw().
    QChart *chart() const;
    const QList<ChartPoint> &points() const { return m_points; }

Q_SIGNALS:
    // The user chose a chart type; the highlight is already gone.
    void typeChosen();

private:
    QWidget *optionGroup(const QString &title, const QString &name, const QStringList &captions,
                         QButtonGroup *&group);
    void buildChart();
    void rebuildSeries();
    void addBarSeries();
    void addPieSeries();
    void applyHighlight();

    QVBoxLayout *m_layout = nullptr;
    QChartView *m_view = nullptr;
    QButtonGroup *m_typeGroup = nullptr;
    QButtonGroup *m_orientationGroup = nullptr;
    QList<ChartPoint> m_points;
    QColor m_background;
    Type m_type = Type::Bar;
    Qt::Orientation m_orientation = Qt::Vertical;
    int m_highlighted = -1;
};

} // namespace tq
