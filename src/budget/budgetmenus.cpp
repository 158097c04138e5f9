#include "budget/budgetmenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace tq {

namespace {

QAction *named(QMenu *menu, const QString &name)
{
    for (QAction *a : menu->actions())
        if (a->objectName() == name)
            return a;
    return nullptr;
}

QAction *item(const QString &text, const QString &name, QMenu *menu, QAction *before)
{
    auto *a = new QAction(text, menu);
    a->setObjectName(name);
    menu->insertAction(before, a);
    return a;
}

QAction *separatorAfter(QMenu *menu, QAction *action)
{
    const QList<QAction *> all = menu->actions();
    const qsizetype i = all.indexOf(action);
    return i >= 0 && i + 1 < all.size() ? all.at(i + 1) : nullptr;
}

} // namespace

BudgetMenus BudgetMenus::build(QMenu *options, QMenu *edit, QMenu *utilities)
{
    BudgetMenus m;
    // The frame's Options menu reads Panel Color, -, Print, -, Exit.
    QAction *panelColour = named(options, QStringLiteral("mOC"));
    QAction *print = named(options, QStringLiteral("mOPrt"));
    QAction *beforeExit = separatorAfter(options, print);
    m.gridBackground =
        item(QStringLiteral("Grid &Backgorund Selector"), QStringLiteral("mOGB"), options, panelColour);
    m.gridText = item(QStringLiteral("Grid &Text  Color"), QStringLiteral("mOGT"), options, panelColour);
    m.deleteRow = item(QStringLiteral("&Delete Row"), QStringLiteral("mODel"), options, print);
    m.insertRow = item(QStringLiteral("&Insert New Row"), QStringLiteral("mOIN"), options, print);
    options->insertSeparator(print);
    m.copy = item(QStringLiteral("&Copy"), QStringLiteral("mOCopy"), options, print);
    m.copy->setVisible(false);
    m.save = item(QStringLiteral("&Save"), QStringLiteral("mOS"), options, beforeExit);
    m.spelling = item(QStringLiteral("Spelling Chec&k"), QStringLiteral("mOSpell"), options, beforeExit);
    options->insertSeparator(beforeExit);
    m.totals = item(QStringLiteral("&Totals For Year"), QStringLiteral("mOT"), options, beforeExit);

    m.clipboard = named(edit, QStringLiteral("mECopy"));
    m.clipboard->setText(QStringLiteral("Copy Budget to &Windows Clipboard"));
    m.copyRight = item(QStringLiteral("&Copy Right"), QStringLiteral("mECR"), edit, m.clipboard);
    m.copyYear = item(QStringLiteral("Copy To Next &Year"), QStringLiteral("mECY"), edit, m.clipboard);
    m.editDeleteRow = item(QStringLiteral("&Delete Row"), QStringLiteral("mED"), edit, m.clipboard);
    edit->insertSeparator(m.clipboard);
    QAction *top = edit->actions().value(0);
    m.undo = item(QStringLiteral("&Undo"), QStringLiteral("mEUndo"), edit, top);
    m.undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m.redo = item(QStringLiteral("&Redo"), QStringLiteral("mERedo"), edit, top);
    m.redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->insertSeparator(top);

    m.utilities = utilities;
    m.backup =
        item(QStringLiteral("&Backup Selected Year File to Disk"), QStringLiteral("mUB"), utilities, nullptr);
    m.restore = item(QStringLiteral("&Restore Selected Year File from Disk"), QStringLiteral("mUR"),
                     utilities, nullptr);
    m.versions =
        item(QStringLiteral("Earlier &Versions..."), QStringLiteral("mUVersions"), utilities, nullptr);
    utilities->addSeparator();
    m.exportFile = item(QStringLiteral("Export File in Excel/Spreadsheet Format"), QStringLiteral("mUExcel"),
                        utilities, nullptr);
    return m;
}

} // namespace tq
