#include "budget/totalspanel.h"

#include "budget/budgetchart.h"
#include "budgetengine/budgetmodel.h"
#include "components/accessiblecaptions.h"
#include "components/colours.h"
#include "components/grid.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq {

namespace {

const QColor negativeRed = paletteColor(4);
const QColor balanceHighlight = paletteColor(11);

constexpr double itemColumnShare = 0.46;
constexpr double totalColumnShare = 0.235;
constexpr double percentColumnShare = 0.26;

enum Figure { Expenses, Income, Balance, ExpensesPercent, IncomePercent, BalancePercent };

} // namespace

TotalsPanel::TotalsPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel3D1"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    hide();

    m_caption = addLabel(QStringLiteral("Panel3D1Caption"));
    m_list = new Grid(this);
    m_list->setObjectName(QStringLiteral("Grid2"));
    m_list->setAccessibleTableName(QStringLiteral("Percentage Per Item"));
    setUpList();
    m_chart = new BudgetChart(this);
    auto *hint = addLabel(QStringLiteral("ChartHint"), QStringLiteral("Click Item to Highlight in Graph"));

    auto *left = new QVBoxLayout;
    left->addWidget(m_list, 1);
    left->addWidget(buildTotalsBlock());
    left->addWidget(buildButtons());
    auto *right = new QVBoxLayout;
    right->addWidget(hint);
    right->addWidget(m_chart, 1);
    auto *body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right, 1);
    auto *root = new QVBoxLayout(this);
    root->addWidget(m_caption);
    root->addLayout(body, 1);

    connect(m_list, &Grid::clicked, this, [this] { highlightItem(m_list->currentRow()); });
    connect(m_list, &Grid::keyReleased, this, [this](int key) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            highlightItem(m_list->currentRow());
    });
    connect(m_chart, &BudgetChart::typeChosen, this, [this] {
        m_list->setHighlight(Grid::Highlight::Never);
        setBalanceHighlighted(false);
    });
    m_list->installEventFilter(this);
}

QLabel *TotalsPanel::addLabel(const QString &name, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    return label;
}

QPushButton *TotalsPanel::addButton(const QString &name, const QString &text)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    return button;
}

QWidget *TotalsPanel::buildTotalsBlock()
{
    auto *block = new QWidget(this);
    auto *grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    const QStringList &captions = figureCaptions();
    for (int i = 0; i < 3; ++i) {
        m_captions[i] = addLabel(QStringLiteral("Label%1").arg(10 + i), captions[i]);
        grid->addWidget(m_captions[i], i, 0);
        for (int column = 0; column < 2; ++column) {
            QLabel *figure = addLabel(QStringLiteral("Label%1").arg(13 + i + 3 * column));
            figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            figure->setAccessibleName(spokenCaption(captions[i]) +
                                      (column == 1 ? QStringLiteral(" Percent") : QString()));
            figure->setAutoFillBackground(true);
            grid->addWidget(figure, i, column + 1);
            m_figures[i + 3 * column] = figure;
        }
    }
    m_captions[Balance]->setAutoFillBackground(true);
    for (QLabel *clickable : {m_captions[Balance], m_figures[Balance], m_figures[BalancePercent]})
        clickable->installEventFilter(this);
    m_basis = addLabel(QStringLiteral("Label19"), YearTotals::basisText(PercentBasis::Income));
    grid->addWidget(m_basis, 3, 0, 1, 3);
    return block;
}

QWidget *TotalsPanel::buildButtons()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_changeBasis = addButton(QStringLiteral("Command12"), QStringLiteral("Ch&ange %"));
    m_close = addButton(QStringLiteral("Command9"), QStringLiteral("&Close"));
    auto *print = addButton(QStringLiteral("Command14"), QStringLiteral("&Print Grid Data"));
    for (QPushButton *b : {m_changeBasis, m_close, print})
        layout->addWidget(b);
    connect(m_changeBasis, &QPushButton::clicked, this, &TotalsPanel::changeBasis);
    connect(m_close, &QPushButton::clicked, this, &TotalsPanel::closeTotals);
    connect(print, &QPushButton::clicked, this, &TotalsPanel::printRequested);
    return row;
}

void TotalsPanel::setUpList()
{
    m_list->setFixedCols(0);
    m_list->setCols(3);
    m_list->setRows(2);
    m_list->setRowTexts(0, {QStringLiteral("Item"), QStringLiteral("Total"), QStringLiteral("%")});
    m_list->setColAlignment(0, Qt::AlignLeft);
    m_list->setColAlignment(1, Qt::AlignRight);
    m_list->setColAlignment(2, Qt::AlignRight);
    m_list->setFixedAlignment(0, Qt::AlignHCenter);
    m_list->setFixedAlignment(1, Qt::AlignHCenter);
    m_list->setHighlight(Grid::Highlight::Never);
    m_list->setRowsFollowFont(true);
    m_list->setScrollTipProvider(
        [this](int row) { return QStringLiteral(" Row %1: %2 ").arg(row).arg(m_list->text(row, 0)); });
}

void TotalsPanel::setListAppearance(const QColor &background, const QColor &text, const QPixmap &picture)
{
    m_listBackground = background;
    m_listText = text;
    m_listPicture = picture;
}

void TotalsPanel::setChartBackground(const QColor &colour)
{
    m_chart->setBackground(colour);
}

std::optional<Notice> TotalsPanel::open(const BudgetModel &model, int year)
{
    if (std::optional<Notice> refused = YearTotals::openCheck(model))
        return refused;
    if (m_open) {
        closeTotals();
        return std::nullopt;
    }
    m_model = &model;
    m_year = year;
    if (m_listBackground.isValid())
        m_list->setBackgroundColor(m_listBackground);
    if (m_listText.isValid())
        m_list->setTextColor(m_listText);
    m_list->setBackgroundPicture(m_listPicture);
    m_list->setHighlight(Grid::Highlight::Never);
    m_list->setRows(1);
    m_list->setRows(2);
    m_totals.resetList();
    const YearTotals::Outcome outcome = fill();
    m_chart->draw(m_totals.chartPoints());
    if (outcome == YearTotals::Outcome::MissingIncome)
        return YearTotals::missingIncomeMessage();
    m_open = true;
    show();
    raise();
    setBalanceHighlighted(false);
    m_changeBasis->setEnabled(m_totals.items().size() != 1);
    m_close->setFocus();
    Q_EMIT commandsChanged();
    return std::nullopt;
}

void TotalsPanel::refill()
{
    if (m_open)
        fill();
}

YearTotals::Outcome TotalsPanel::fill()
{
    const YearTotals::Outcome outcome = m_totals.fill(*m_model);
    showFigures();
    if (outcome == YearTotals::Outcome::Filled) {
        showItems();
        setEditingBlocked(true);
    }
    return outcome;
}

void TotalsPanel::showFigures()
{
    m_caption->setText(YearTotals::caption(m_year));
    const YearlyLabels l = m_totals.labels();
    const QString texts[6] = {l.expenses,        l.income,        l.balance,
                              l.expensesPercent, l.incomePercent, l.balancePercent};
    for (int i = 0; i < 6; ++i)
        m_figures[i]->setText(texts[i]);
    QPalette palette = m_figures[Balance]->palette();
    palette.setColor(QPalette::WindowText, l.balanceNegative ? negativeRed : QColor(Qt::black));
    m_figures[Balance]->setPalette(palette);
    m_basis->setText(YearTotals::basisText(m_totals.basis()));
}

void TotalsPanel::showItems()
{
    const QList<ItemTotal> &items = m_totals.items();
    m_list->setRows(1 + int(items.size()));
    for (qsizetype i = 0; i < items.size(); ++i)
        m_list->setRowTexts(int(i) + 1, {items[i].name, listTotal(items[i]), listPercent(items[i])});
}

void TotalsPanel::setEditingBlocked(bool blocked)
{
    if (m_editingBlocked == blocked)
        return;
    m_editingBlocked = blocked;
    Q_EMIT commandsChanged();
}

void TotalsPanel::closeTotals()
{
    const bool wasOpen = m_open;
    m_open = false;
    hide();
    setEditingBlocked(false);
    if (!wasOpen)
        return;
    Q_EMIT commandsChanged();
    Q_EMIT closed();
}

void TotalsPanel::reset()
{
    closeTotals();
    m_totals.setBasis(PercentBasis::Income);
    m_basis->setText(YearTotals::basisText(PercentBasis::Income));
}

void TotalsPanel::changeBasis()
{
    if (!m_model)
        return;
    m_totals.toggleBasis();
    setBalanceHighlighted(false);
    m_list->setHighlight(Grid::Highlight::Never);
    fill();
    m_chart->draw(m_totals.chartPoints());
    Q_EMIT basisChanged();
}

void TotalsPanel::setBalanceHighlighted(bool on)
{
    const QColor normal = m_captions[Income]->palette().color(QPalette::Window);
    for (QLabel *label : {m_captions[Balance], m_figures[Balance], m_figures[BalancePercent]}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, on ? balanceHighlight : normal);
        label->setPalette(palette);
    }
}

void TotalsPanel::highlightItem(int row)
{
    if (row < 1 || row > m_totals.items().size())
        return;
    if (m_totals.basis() == PercentBasis::Income)
        setBalanceHighlighted(false);
    m_list->selectRow(row);
    m_list->setHighlight(Grid::Highlight::Always);
    m_chart->highlight(row - 1);
    if (m_close->isVisible())
        m_close->setFocus();
}

void TotalsPanel::highlightBalance()
{
    if (m_totals.basis() != PercentBasis::Income)
        return;
    m_list->setHighlight(Grid::Highlight::Never);
    setBalanceHighlighted(true);
    m_chart->highlight(int(m_totals.items().size()));
    m_close->setFocus();
}

bool TotalsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::Resize) {
        const int width = m_list->widthTwips();
        m_list->setColWidth(0, int(width * itemColumnShare));
        m_list->setColWidth(1, int(width * totalColumnShare));
        m_list->setColWidth(2, int(width * percentColumnShare));
    } else if (watched != m_list && event->type() == QEvent::MouseButtonPress) {
        highlightBalance();
    }
    return QFrame::eventFilter(watched, event);
}

void TotalsPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_open) {
        closeTotals();
        return;
    }
    QFrame::keyPressEvent(event);
}

} // namespace tq
