#pragma once
// The budget's own menu items, added around the frame's Options and Edit
// items in the budget's order, and its Utilities menu.
#include <QObject>

class QAction;
class QMenu;

namespace tq {

struct BudgetMenus {
    QAction *undo = nullptr;           // mEUndo, Ctrl+Z
    QAction *redo = nullptr;           // mERedo, Ctrl+Y
    QAction *gridBackground = nullptr; // mOGB
    QAction *gridText = nullptr;       // mOGT
    QAction *deleteRow = nullptr;      // mODel
    QAction *insertRow = nullptr;      // mOIN
    QAction *copy = nullptr;           // mOCopy, shown only in the right-click menu
    QAction *save = nullptr;           // mOS
    QAction *spelling = nullptr;       // mOSpell
    QAction *totals = nullptr;         // mOT
    QAction *copyRight = nullptr;      // mECR
    QAction *copyYear = nullptr;       // mECY
    QAction *editDeleteRow = nullptr;  // mED
    QAction *clipboard = nullptr;      // the frame's Edit "&Copy", recaptioned
    QMenu *utilities = nullptr;        // mU
    QAction *backup = nullptr;         // mUB
    QAction *versions = nullptr;       // mUVersions
    QAction *restore = nullptr;        // mUR
    QAction *exportFile = nullptr;     // mUExcel

    // `utilities` is the frame's new tool menu (before "&Help").
    static BudgetMenus build(QMenu *options, QMenu *edit, QMenu *utilities);
};

} // namespace tq
