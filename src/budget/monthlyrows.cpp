#include "budget/monthlyrows.h"

#include "components/accessiblecaptions.h"
#include "components/colours.h"
#include "components/fittext.h"

#include <QLabel>
#include <QMouseEvent>

namespace tq {

MonthlyRows::MonthlyRows(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    m_expenses = makeRow(QStringLiteral("Label3"), figureCaptions().at(0), 0);
    m_income = makeRow(QStringLiteral("Label5"), figureCaptions().at(1), 1);
    m_balance = makeRow(QStringLiteral("Label7"), figureCaptions().at(2), 2);
    for (QLabel *label : m_income) {
        label->setCursor(Qt::PointingHandCursor);
        label->setToolTip(QStringLiteral("Click to enter this month's income"));
        label->installEventFilter(this);
    }
}

MonthlyRows::Row MonthlyRows::makeRow(const QString &name, const QString &title, int index)
{
    auto *heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("Label2(%1)").arg(index));
    heading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_titles.at(size_t(index)) = heading;
    Row row{};
    for (int m = 0; m < budgetMonths; ++m) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(m));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setAccessibleName(spokenCaption(title) + u' ' + monthNames().at(m));
        label->setAutoFillBackground(false);
        row.at(size_t(m)) = label;
    }
    return row;
}

void MonthlyRows::showMonth(int month, const MonthTexts &figures)
{
    m_expenses.at(size_t(month))->setText(figures.expenses);
    m_income.at(size_t(month))->setText(figures.income);
    QLabel *balance = m_balance.at(size_t(month));
    balance->setText(figures.balance);
    QPalette p = palette();
    if (figures.negative)
        p.setColor(QPalette::WindowText, paletteColor(4)); // dark red, as in the totals panel
    balance->setPalette(p);
}

void MonthlyRows::setIncomeHighlight(int month, const QColor &colour)
{
    QLabel *label = m_income.at(size_t(month));
    QPalette p = palette();
    if (colour.isValid())
        p.setColor(QPalette::Window, colour);
    label->setPalette(p);
    label->setAutoFillBackground(colour.isValid());
}

QList<QWidget *> MonthlyRows::labels() const
{
    QList<QWidget *> all(m_titles.begin(), m_titles.end());
    for (const Row *row : {&m_expenses, &m_income, &m_balance})
        all.append(QList<QWidget *>(row->begin(), row->end()));
    return all;
}

bool MonthlyRows::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        for (int m = 0; m < budgetMonths; ++m)
            if (watched == m_income.at(size_t(m))) {
                Q_EMIT incomeClicked(m);
                return true;
            }
    }
    return QFrame::eventFilter(watched, event);
}

void MonthlyRows::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    const double w = width();
    const int rowHeight = height() / 3;
    const int gap = 2;
    const int titleWidth = int(w * headColumns) - gap;
    const int figureWidth = int(w * monthColumn) - gap;
    for (int r = 0; r < 3; ++r) {
        const int top = r * rowHeight;
        m_titles.at(size_t(r))->setGeometry(2, top, titleWidth, rowHeight);
        const Row &row = r == 0 ? m_expenses : r == 1 ? m_income : m_balance;
        for (int m = 0; m < budgetMonths; ++m) {
            const int left = int(w * (headColumns + m * monthColumn));
            row.at(size_t(m))->setGeometry(left, top, figureWidth, rowHeight);
        }
    }
    fitFonts(QSize(titleWidth, rowHeight), QSize(figureWidth, rowHeight));
}

// The frame's own font is the design font the window gives it at either
// display size; the labels take it, made smaller where the widest title or
// figure would not fit.
void MonthlyRows::fitFonts(QSize titleRoom, QSize figureRoom)
{
    QStringList titles;
    for (const QLabel *title : m_titles)
        titles << title->text();
    const QFont titleFont = fontFitting(font(), titles, titleRoom);
    for (QLabel *title : m_titles)
        title->setFont(titleFont);
    const QFontMetrics metrics(font());
    const QFont figureFont = fontFitting(font(), widestFigures(metrics), figureRoom);
    for (const Row *row : {&m_expenses, &m_income, &m_balance})
        for (QLabel *label : *row)
            label->setFont(figureFont);
}

QStringList MonthlyRows::widestFigures(const QFontMetrics &metrics)
{
    // Income up to 99999.99, totals up to 99999.00, balances down to -99999.00.
    return {widestFigure(metrics, QStringLiteral("#####.##")),
            widestFigure(metrics, QStringLiteral("-#####.##"))};
}

} // namespace tq
