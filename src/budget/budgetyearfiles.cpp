#include "budget/budgetyearfiles.h"

#include "backup/backup1.h"
#include "budget/budgetcursor.h"
#include "budget/budgetform.h"
#include "budget/budgetmenus.h"
#include "budget/budgetundo.h"
#include "budget/earlierversions.h"
#include "budgetengine/budgetmodel.h"
#include "budgetengine/budgetyears.h"
#include "budgetengine/yearfile.h"
#include "budgetengine/yearhistory.h"
#include "components/grid.h"
#include "components/program.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tq {

namespace {

// The replaced file could not be kept first, so nothing replaced it.
QString historyFailure(const QString &file, const QString &what)
{
    return QStringLiteral("The earlier version of %1 could not be kept in the History folder, so the budget "
                          "was not %2.")
        .arg(file, what);
}

Message question(const Notice &notice, Buttons buttons, Button preselected)
{
    return {notice.title, notice.text, Icon::Question, buttons, preselected};
}

} // namespace

BudgetYearFiles::BudgetYearFiles(Program &program, QWidget &window, BudgetModel &model, BudgetUndo &undo,
                                 BudgetForm &form, BudgetMenus &menus, BudgetCursor &cursor,
                                 NoticeShower showNotices)
    : m_program(program), m_window(window), m_model(model), m_undo(undo), m_form(form), m_menus(menus),
      m_cursor(cursor), m_showNotices(std::move(showNotices))
{
}

void BudgetYearFiles::load(int year, const QString &file)
{
    BusyPointer busy(m_program.platform);
    m_form.editBox->clear();
    m_year = year;
    const BudgetModel::LoadOutcome outcome =
        file.isEmpty() ? m_model.load(m_program.folder, year) : m_model.loadFile(file);
    m_unreadable = outcome.status == yearfile::Status::Unreadable;
    showInBox();
    if (m_unreadable)
        m_program.prompter.inform(
            &m_window, budgetTitle,
            QStringLiteral("%1 cannot be read. An empty budget is shown; saving will ask "
                           "before it replaces that file.")
                .arg(filePath(year)));
    m_showNotices(outcome.notices);
    m_cursor.put(0, BudgetModel::itemColumn);
    m_form.position->setText(BudgetModel::cellPosition(0, BudgetModel::itemColumn));
    m_form.copyYear->setVisible(years::offersCopy(year));
    m_form.copyRight->setEnabled(false);
    m_menus.copyRight->setEnabled(false);
    m_cursor.setDeleteEnabled(false);
    m_cursor.forgetClickedRow();
    m_model.setModified(!file.isEmpty());
    m_undo.reset();
}

void BudgetYearFiles::openEarlierVersion()
{
    const QString file = chooseEarlierVersion(m_program, &m_window, m_year);
    if (!file.isEmpty() && askToSave())
        load(m_year, file);
}

// The list entry itself, so that leaving the box does not pick it again.
void BudgetYearFiles::showInBox()
{
    QComboBox *box = m_form.yearBox;
    box->setCurrentIndex(box->findText(QString::number(m_year)));
    box->setEditText(QString::number(m_year));
}

// Messages name the file as the user finds it in the program folder.
QString BudgetYearFiles::filePath(int year) const
{
    return QDir::toNativeSeparators(m_program.folder.filePath(yearfile::fileName(year)));
}

bool BudgetYearFiles::confirmReplaceUnreadable()
{
    const QString name = filePath(m_year);
    return m_program.prompter.message(
               &m_window,
               {budgetTitle,
                QStringLiteral("%1 could not be read when this year was opened. Replace it with the budget "
                               "on screen?")
                    .arg(name),
                Icon::Question, int(Button::Yes) | int(Button::No), Button::No}) == Button::Yes;
}

bool BudgetYearFiles::save()
{
    BusyPointer busy(m_program.platform);
    const int row = m_cursor.row();
    const int column = m_cursor.column();
    bool saved = false;
    if (!m_unreadable || confirmReplaceUnreadable()) {
        // An unreadable file the user agreed to replace cannot be kept.
        if (!m_unreadable && !yearhistory::keep(m_program.folder, m_year, m_program.clock.now())) {
            m_program.prompter.inform(&m_window, budgetTitle,
                                      historyFailure(filePath(m_year), QStringLiteral("saved")) +
                                          QStringLiteral(" Your changes are still on screen."));
        } else if (m_model.save(m_program.folder, m_year)) {
            saved = true;
            m_undo.markSaved();
            m_unreadable = false;
            yearhistory::prune(m_program.folder, m_year);
        } else {
            m_program.prompter.inform(
                &m_window, budgetTitle,
                QStringLiteral(
                    "The budget could not be saved to %1. Your changes are still on screen and the "
                    "file was left as it was.")
                    .arg(filePath(m_year)));
        }
    }
    if (row >= 0)
        m_cursor.put(row, column);
    m_form.grid->setFocus();
    return saved;
}

bool BudgetYearFiles::askToSave()
{
    if (!m_model.isModified())
        return true;
    const Button answer = m_program.prompter.message(
        &m_window, question(years::savePrompt(m_year),
                            int(Button::Yes) | int(Button::No) | int(Button::Cancel), Button::Yes));
    if (answer == Button::Cancel)
        return false;
    if (answer == Button::Yes)
        return save();
    m_model.setModified(false);
    return true;
}

void BudgetYearFiles::boxFocused()
{
    if (!askToSave())
        return; // choosing or entering a year asks again
    m_form.copyRight->setEnabled(false);
    m_menus.copyRight->setEnabled(false);
    m_cursor.setDeleteEnabled(false);
    m_form.position->clear();
}

// Unsaved changes are asked about again, so a Cancel at the box's focus
// cannot lose them here.
bool BudgetYearFiles::takeFromBox()
{
    if (!askToSave()) {
        showInBox();
        return false;
    }
    load(years::fromBoxText(m_form.yearBox->currentText()));
    return true;
}

// The copy on disk must hold what is on screen, so unsaved changes are asked
// about first.
void BudgetYearFiles::runBackup(backup::Mode mode, const std::function<void()> &startOver)
{
    if (!askToSave())
        return;
    {
        Backup1 dialog(m_program, m_year, mode, &m_window);
        m_program.prompter.runDialog(dialog);
    }
    if (mode == backup::Mode::Backup)
        load(m_year);
    else
        startOver();
}

void BudgetYearFiles::copyToNextYear()
{
    const Button answer = m_program.prompter.message(
        &m_window, question(years::copyYearPrompt(m_year), int(Button::Yes) | int(Button::No), Button::No));
    const int next = m_year + 1;
    if (answer == Button::Yes) {
        if (!yearhistory::keep(m_program.folder, next, m_program.clock.now()))
            m_program.prompter.inform(&m_window, budgetTitle,
                                      historyFailure(filePath(next), QStringLiteral("copied")));
        else if (yearfile::copyToNextYear(m_program.folder, m_year) == yearfile::CopyResult::Failed)
            m_program.prompter.inform(&m_window, budgetTitle,
                                      QStringLiteral("%1 could not be written.").arg(filePath(next)));
        else
            yearhistory::prune(m_program.folder, next);
        m_undo.reset();
    }
    m_form.grid->setFocus();
}

} // namespace tq
