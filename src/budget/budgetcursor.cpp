#include "budget/budgetcursor.h"

#include "budget/budget1spelling.h"
#include "budget/budgetform.h"
#include "budget/budgetmenus.h"
#include "budget/budgetundo.h"
#include "budgetengine/budgetmodel.h"
#include "components/grid.h"
#include "components/platform.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace tq {

namespace {
const QColor editBoxFocusColour(255, 255, 160); // light yellow
}

BudgetCursor::BudgetCursor(BudgetForm &form, BudgetMenus &menus, BudgetModel &model, BudgetUndo &undo,
                           Budget1Spelling &spelling, Platform &platform, QAction *insertButton)
    : m_form(form), m_menus(menus), m_model(model), m_undo(undo), m_spelling(spelling), m_platform(platform),
      m_insertButton(insertButton)
{
    Grid *grid = m_form.grid;
    connect(grid, &Grid::clicked, this, &BudgetCursor::gridClicked);
    connect(grid, &Grid::cellClicked, this, &BudgetCursor::cellClicked);
    connect(grid, &Grid::cursorMoved, this, &BudgetCursor::moved);
    connect(grid, &Grid::keyReleased, this, &BudgetCursor::showPosition);
    grid->tableView()->installEventFilter(this);
    connect(m_form.editBox, &QLineEdit::textEdited, this, &BudgetCursor::editBoxTyped);
    m_form.editBox->installEventFilter(this);
    for (QPushButton *b : {m_form.copyRight, m_form.save, m_form.deleteRow})
        b->installEventFilter(this); // the position indicator empties while they have the focus
}

int BudgetCursor::row() const
{
    return m_form.grid->currentRow() - 1;
}
int BudgetCursor::column() const
{
    return m_form.grid->currentCol() - 1;
}

void BudgetCursor::put(int row, int column)
{
    m_form.grid->setCurrentCell(row + 1, column + 1);
}

void BudgetCursor::showPosition()
{
    if (row() >= 0)
        m_form.position->setText(BudgetModel::cellPosition(row(), column()));
}

// Showing a cell's text does not run the edit box rules: a name read from a
// year file may hold a comma, and a look must not change or mark anything.
void BudgetCursor::refreshEditBox()
{
    if (row() >= 0)
        m_form.editBox->setText(m_model.text(row(), column()));
}

void BudgetCursor::editBoxTyped(const QString &text)
{
    if (row() < 0)
        return;
    m_undo.mergeNextEditWith(row() * budgetColumns + column());
    const entry::EditBoxEntry e = m_model.enterEditBox(row(), column(), text);
    if (e.boxText != text) {
        m_form.editBox->setText(e.boxText);
        m_form.editBox->end(false);
    }
    if (e.beep)
        m_platform.beep();
}

void BudgetCursor::editBoxFocus(bool in)
{
    QPalette p = m_form.editBox->palette();
    p.setColor(QPalette::Base, in ? editBoxFocusColour : m_form.grid->backgroundColor());
    m_form.editBox->setPalette(p);
    m_form.grid->setHighlight(in ? Grid::Highlight::Always : Grid::Highlight::Never);
    if (in) {
        m_spelling.attach(m_form.editBox);
        refreshEditBox();
    }
}

void BudgetCursor::moved()
{
    refreshEditBox();
    showPosition();
    const bool copyable = BudgetModel::canCopyRight(column());
    m_form.copyRight->setEnabled(copyable);
    m_menus.copyRight->setEnabled(copyable);
}

void BudgetCursor::gridClicked()
{
    if (row() >= 0)
        moved();
}

// Only a click on a cell chooses the row insert and delete act on: a heading
// click sorts and leaves the cursor where it was.
void BudgetCursor::cellClicked()
{
    if (row() < 0)
        return;
    m_clickedRow = row();
    m_menus.deleteRow->setEnabled(!m_model.text(row(), column()).isEmpty());
    m_insertButton->setEnabled(true);
}

void BudgetCursor::gridFocused()
{
    moved();
    m_form.deleteRow->setEnabled(true);
    m_menus.editDeleteRow->setEnabled(true);
}

void BudgetCursor::setDeleteEnabled(bool on)
{
    m_form.deleteRow->setEnabled(on);
    m_menus.deleteRow->setEnabled(on);
    m_menus.editDeleteRow->setEnabled(on);
}

void BudgetCursor::syncDeleteItems()
{
    const bool on = m_form.deleteRow->isEnabled();
    m_menus.deleteRow->setEnabled(on);
    m_menus.insertRow->setEnabled(on);
    m_insertButton->setEnabled(on);
}

bool BudgetCursor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const bool in = event->type() == QEvent::FocusIn;
        if (watched == m_form.editBox)
            editBoxFocus(in);
        else if (watched == m_form.grid->tableView() && in)
            gridFocused();
        else if (in && (watched == m_form.copyRight || watched == m_form.save || watched == m_form.deleteRow))
            m_form.position->clear();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tq
