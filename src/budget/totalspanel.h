#pragma once
// The totals panel (Panel3D1) the budget window lays over its grid: the
// yearly totals and percentages, the item list (Grid2), the chart with its
// options, "Ch&ange %", "&Close" and "&Print Grid Data".
//
// How the window uses it:
// - "&Totals (Yr)" and its menu item and toolbar button call open(); a
//   returned message is shown with the question icon and an OK button.
//   open() on an open panel closes it.
// - A recompute while the panel is open calls refill().
// - Picking a year calls closeTotals() (harmless when closed).
// - After commandsChanged() the window applies the availability below:
//   isOpen(): side toolbar button 1 and "Grid &Backgorund Selector" disabled,
//     Options "&Totals For Year" checked, status panel 1 "Totals For Year"
//     (statusText()), otherwise the window caption;
//   editingBlocked(): "&Print", "&Save", "&Delete Row" (button and Edit menu)
//     and "Copy (&Yr)" disabled.
// - closed(): the grid cursor goes back to its cell and the grid takes the
//   focus. printRequested(): the totals document of budgetdocument.h.
#include "budgetengine/yeartotals.h"

#include <QFrame>
#include <QPixmap>

class QLabel;
class QPushButton;

namespace tq {

class BudgetChart;
class BudgetModel;
class Grid;

class TotalsPanel : public QFrame
{
    Q_OBJECT
public:
    explicit TotalsPanel(QWidget *parent = nullptr);

    // The budget grid's look, given to the item list each time the panel opens.
    void setListAppearance(const QColor &background, const QColor &text, const QPixmap &picture = {});
    void setChartBackground(const QColor &colour);

    // The model must outlive the open panel; the basis change reads it again.
    std::optional<Notice> open(const BudgetModel &model, int year);
    void refill();
    void closeTotals();
    // Closed, with the percentage basis back on income, as when the window opened.
    void reset();

    bool isOpen() const { return m_open; }
    bool editingBlocked() const { return m_editingBlocked; }
    static QString statusText() { return QStringLiteral("Totals For Year"); }

    const YearTotals &totals() const { return m_totals; }
    int year() const { return m_year; }
    Grid *itemList() const { return m_list; }
    BudgetChart *chart() const { return m_chart; }

    // Highlights: a list row from 1 (the chart series of the same number),
    // or the balance on the income basis.
    void highlightItem(int row);
    void highlightBalance();
    void changeBasis();

Q_SIGNALS:
    void commandsChanged();
    void closed();
    void printRequested();
    void basisChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *addLabel(const QString &name, const QString &text = {});
    QPushButton *addButton(const QString &name, const QString &text);
    QWidget *buildTotalsBlock();
    QWidget *buildButtons();
    void setUpList();
    YearTotals::Outcome fill();
    void showFigures();
    void showItems();
    void setBalanceHighlighted(bool on);
    void setEditingBlocked(bool blocked);

    YearTotals m_totals;
    const BudgetModel *m_model = nullptr;
    int m_year = 0;
    bool m_open = false;
    bool m_editingBlocked = false;
    QColor m_listBackground;
    QColor m_listText;
    QPixmap m_listPicture;

    QLabel *m_caption = nullptr;
    Grid *m_list = nullptr;
    QLabel *m_figures[6] = {};  // Label13 to Label18
    QLabel *m_captions[3] = {}; // Label10 to Label12
    QLabel *m_basis = nullptr;  // Label19
    QPushButton *m_changeBasis = nullptr;
    QPushButton *m_close = nullptr;
    BudgetChart *m_chart = nullptr;
};

} // namespace tq
