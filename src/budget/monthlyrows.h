#pragma once
// The three monthly rows under the budget grid: total expenses (Label3),
// income (Label5, clicked to enter it) and balance (Label7, red below zero),
// one label a month under the month columns, with their titles (Label2).
#include "budgetengine/monthlyfigures.h"

#include <QFrame>
#include <array>

class QFontMetrics;
class QLabel;

namespace tq {

class MonthlyRows : public QFrame
{
    Q_OBJECT
public:
    explicit MonthlyRows(QWidget *parent = nullptr);

    // The column fractions of the grid above, so each label sits under its month.
    static constexpr double headColumns = 0.019 + 0.14;
    static constexpr double monthColumn = 0.06825;

    void showMonth(int month, const MonthTexts &figures);
    QLabel *incomeLabel(int month) const { return m_income.at(size_t(month)); }
    // Marks the income label whose dialog is open with the grid's colour.
    void setIncomeHighlight(int month, const QColor &colour);
    QList<QWidget *> labels() const;
    // The widest figures a month label shows, in the font of `metrics`.
    static QStringList widestFigures(const QFontMetrics &metrics);

Q_SIGNALS:
    void incomeClicked(int month);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    using Row = std::array<QLabel *, budgetMonths>;
    Row makeRow(const QString &name, const QString &title, int index);
    void fitFonts(QSize titleRoom, QSize figureRoom);

    std::array<QLabel *, 3> m_titles{};
    Row m_expenses{};
    Row m_income{};
    Row m_balance{};
};

} // namespace tq
