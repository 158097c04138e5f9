#include "budget/budgetchart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QButtonGroup>
#include <QChartView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QPieSeries>
#include <QRadioButton>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>

namespace tq {

namespace {

constexpr Qt::BrushStyle normalFill = Qt::SolidPattern;
constexpr Qt::BrushStyle highlightFill = Qt::DiagCrossPattern;
constexpr qreal pieOffset = 0.20; // a highlighted slice moves out by a fifth of the radius

QAbstractBarSeries *newBarSeries(BudgetChart::Type type, Qt::Orientation orientation)
{
    const bool stacked = type == BudgetChart::Type::Stacking;
    if (orientation == Qt::Horizontal)
        return stacked ? static_cast<QAbstractBarSeries *>(new QHorizontalStackedBarSeries)
                       : new QHorizontalBarSeries;
    return stacked ? static_cast<QAbstractBarSeries *>(new QStackedBarSeries) : new QBarSeries;
}

void setFillStyle(QBarSet *set, Qt::BrushStyle style)
{
    QBrush brush = set->brush();
    brush.setStyle(style);
    set->setBrush(brush);
}

void setFillStyle(QPieSlice *slice, Qt::BrushStyle style)
{
    QBrush brush = slice->brush();
    brush.setStyle(style);
    slice->setBrush(brush);
}

} // namespace

BudgetChart::BudgetChart(QWidget *parent) : QWidget(parent), m_layout(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("Chart2D1Area"));
    m_layout->setContentsMargins(0, 0, 0, 0);
    auto *options = new QHBoxLayout;
    options->addWidget(optionGroup(QStringLiteral("Chart Type"), QStringLiteral("SSOption1"),
                                   {QStringLiteral("Bar"), QStringLiteral("Pie"), QStringLiteral("Stacking")},
                                   m_typeGroup));
    options->addWidget(optionGroup(QStringLiteral("Orientation"), QStringLiteral("SSOption2"),
                                   {QStringLiteral("Vertical"), QStringLiteral("Horizontal")},
                                   m_orientationGroup));
    m_layout->addStretch(1);
    m_layout->addLayout(options);
    connect(m_typeGroup, &QButtonGroup::idClicked, this, [this](int id) {
        setType(Type(id));
        Q_EMIT typeChosen();
    });
    connect(m_orientationGroup, &QButtonGroup::idClicked, this,
            [this](int id) { setOrientation(id == 1 ? Qt::Horizontal : Qt::Vertical); });
}

QWidget *BudgetChart::optionGroup(const QString &title, const QString &name, const QStringList &captions,
                                  QButtonGroup *&group)
{
    auto *box = new QGroupBox(title, this);
    auto *layout = new QHBoxLayout(box);
    group = new QButtonGroup(box);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto *option = new QRadioButton(captions[i], box);
        option->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(i));
        option->setChecked(i == 0);
        group->addButton(option, int(i));
        layout->addWidget(option);
    }
    return box;
}

QChart *BudgetChart::chart() const
{
    return m_view ? m_view->chart() : nullptr;
}

void BudgetChart::buildChart()
{
    m_view = new QChartView(this);
    m_view->setObjectName(QStringLiteral("Chart2D1"));
    m_view->setRenderHint(QPainter::Antialiasing);
    QChart *chart = m_view->chart();
    chart->legend()->setAlignment(Qt::AlignRight);
    // The theme's grey labels fade on a coloured panel; the panel's text colour does not.
    chart->legend()->setLabelColor(palette().color(QPalette::WindowText));
    chart->setMargins(QMargins(4, 4, 4, 4));
    if (m_background.isValid())
        chart->setBackgroundBrush(m_background);
    delete m_layout->takeAt(0); // the stretch that held the chart's place
    m_layout->insertWidget(0, m_view, 1);
}

void BudgetChart::setBackground(const QColor &colour)
{
    m_background = colour;
    if (QChart *c = chart())
        c->setBackgroundBrush(colour);
}

void BudgetChart::draw(const QList<ChartPoint> &points)
{
    if (!m_view)
        buildChart();
    m_points = points;
    m_highlighted = -1;
    rebuildSeries();
}

void BudgetChart::setType(Type type)
{
    m_type = type;
    m_typeGroup->button(int(type))->setChecked(true);
    m_highlighted = -1;
    rebuildSeries();
}

void BudgetChart::setOrientation(Qt::Orientation orientation)
{
    m_orientation = orientation;
    m_orientationGroup->button(orientation == Qt::Horizontal ? 1 : 0)->setChecked(true);
    rebuildSeries();
}

// The chart holds one series object at a time, so a new type or orientation
// rebuilds it from the same values.
void BudgetChart::rebuildSeries()
{
    QChart *c = chart();
    if (!c)
        return;
    c->removeAllSeries();
    for (QAbstractAxis *axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    if (m_type == Type::Pie)
        addPieSeries();
    else
        addBarSeries();
    applyHighlight();
}

void BudgetChart::addBarSeries()
{
    QAbstractBarSeries *series = newBarSeries(m_type, m_orientation);
    for (const ChartPoint &p : std::as_const(m_points)) {
        auto *set = new QBarSet(p.label);
        set->append(p.value);
        series->append(set);
    }
    QChart *c = chart();
    c->addSeries(series);
    auto *values = new QValueAxis;
    values->setLabelFormat(QStringLiteral("%.0f"));
    auto *category = new QBarCategoryAxis;
    category->append(QStringLiteral(" "));
    const bool horizontal = m_orientation == Qt::Horizontal;
    c->addAxis(values, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    c->addAxis(category, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    series->attachAxis(values);
    series->attachAxis(category);
    for (QAbstractAxis *axis : std::initializer_list<QAbstractAxis *>{values, category})
        axis->setLabelsColor(palette().color(QPalette::WindowText));
}

void BudgetChart::addPieSeries()
{
    auto *series = new QPieSeries;
    // A slice cannot be negative: an overspent balance has no share to show.
    for (const ChartPoint &p : std::as_const(m_points))
        series->append(p.label, std::max(0.0, p.value));
    chart()->addSeries(series);
}

void BudgetChart::highlight(int series)
{
    m_highlighted = series;
    applyHighlight();
}

void BudgetChart::applyHighlight()
{
    QChart *c = chart();
    if (!c || c->series().isEmpty())
        return;
    if (auto *pie = qobject_cast<QPieSeries *>(c->series().first())) {
        const QList<QPieSlice *> slices = pie->slices();
        for (qsizetype i = 0; i < slices.size(); ++i) {
            const bool on = i == m_highlighted;
            setFillStyle(slices[i], on ? highlightFill : normalFill);
            slices[i]->setExploded(on);
            slices[i]->setExplodeDistanceFactor(on ? pieOffset : 0);
        }
        return;
    }
    const QList<QBarSet *> sets = static_cast<QAbstractBarSeries *>(c->series().first())->barSets();
    for (qsizetype i = 0; i < sets.size(); ++i)
        setFillStyle(sets[i], i == m_highlighted ? highlightFill : normalFill);
}

} // namespace tq
