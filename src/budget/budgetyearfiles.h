#pragma once
// The budget window's year and its file: the year box, opening a year, saving
// it with the replaced file kept in the History folder, the save prompt,
// copying to the next year, backup and restore, and earlier versions.
#include "backup/backuptexts.h"
#include "budgetengine/budgetsheet.h"

#include <functional>

class QWidget;

namespace tq {

struct BudgetForm;
struct BudgetMenus;
struct Program;
class BudgetCursor;
class BudgetModel;
class BudgetUndo;

class BudgetYearFiles
{
public:
    using NoticeShower = std::function<void(const BudgetNotices &)>;
    BudgetYearFiles(Program &program, QWidget &window, BudgetModel &model, BudgetUndo &undo, BudgetForm &form,
                    BudgetMenus &menus, BudgetCursor &cursor, NoticeShower showNotices);

    int year() const { return m_year; }

    // `file` empty: the year's own file; else a kept version of it, which
    // then counts as unsaved.
    void load(int year, const QString &file = {});
    // "&Save": false when the file was not written (the user was told).
    bool save();
    // The save prompt: true when the caller may go on (saved or discarded).
    bool askToSave();
    void openEarlierVersion();
    void copyToNextYear();
    // A restore may have replaced any year's file: `startOver` then brings the
    // window back as when it opened.
    void runBackup(backup::Mode mode, const std::function<void()> &startOver);

    void boxFocused();
    // The box's whole text names the year; false when the user kept the old one.
    bool takeFromBox();

private:
    void showInBox();
    bool confirmReplaceUnreadable();
    QString filePath(int year) const;

    Program &m_program;
    QWidget &m_window;
    BudgetModel &m_model;
    BudgetUndo &m_undo;
    BudgetForm &m_form;
    BudgetMenus &m_menus;
    BudgetCursor &m_cursor;
    NoticeShower m_showNotices;
    int m_year = 0;
    bool m_unreadable = false; // the year's file exists but could not be read
};

} // namespace tq
