#pragma once
// The budget window's cursor: the grid cell it stands on, the position box
// that names that cell, the edit box that shows and takes its text, and the
// row commands that follow it.
#include <QObject>

class QAction;

namespace tq {

struct BudgetForm;
struct BudgetMenus;
class BudgetModel;
class BudgetUndo;
class Budget1Spelling;
class Platform;

class BudgetCursor : public QObject
{
    Q_OBJECT
public:
    // `insertButton` is the side toolbar's "Insert New Row".
    BudgetCursor(BudgetForm &form, BudgetMenus &menus, BudgetModel &model, BudgetUndo &undo,
                 Budget1Spelling &spelling, Platform &platform, QAction *insertButton);

    // Model row and column (-1 without a cursor).
    int row() const;
    int column() const;
    void put(int row, int column);

    // The row insert and delete act on: that of the last clicked cell, -1 before one.
    int clickedRow() const { return m_clickedRow; }
    void forgetClickedRow() { m_clickedRow = -1; }

    void refreshEditBox();
    void setDeleteEnabled(bool on);
    void syncDeleteItems();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPosition();
    void editBoxTyped(const QString &text);
    void editBoxFocus(bool in);
    void gridClicked();
    void cellClicked();
    void gridFocused();
    void moved();

    BudgetForm &m_form;
    BudgetMenus &m_menus;
    BudgetModel &m_model;
    BudgetUndo &m_undo;
    Budget1Spelling &m_spelling;
    Platform &m_platform;
    QAction *m_insertButton;
    int m_clickedRow = -1;
};

} // namespace tq
