#include "budget/budget1.h"

#include "backup/backup1.h"
#include "budget/budget1colours.h"
#include "budget/budget1totals.h"
#include "budget/gridbackgroundselector.h"
#include "budget/budgetcopy.h"
#include "budget/budgetgridfit.h"
#include "budget/budget1print.h"
#include "budget/earlierversions.h"
#include "budgetengine/yearhistory.h"
#include "budgetengine/budgettext.h"
#include "budgetengine/budgetyears.h"
#include "budget/monthlyrows.h"
#include "budget/totalspanel.h"
#include "components/grid.h"
#include "components/program.h"
#include "frame/activitytoolbar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

namespace tq {

namespace {

const QString budgetTitle = QStringLiteral("Home Budget");
constexpr int backgroundSideButton = 1;
constexpr int textColourSideButton = 2;
constexpr int insertSideButton = 4;
constexpr int printSideButton = 5;
constexpr int totalsSideButton = 6;
const QColor editBoxFocusColour(255, 255, 160); // light yellow

// The replaced file could not be kept first, so nothing replaced it.
QString historyFailure(const QString &file, const QString &what)
{
    return QStringLiteral("The earlier version of %1 could not be kept in the History folder, so the budget "
                          "was not %2.")
        .arg(file, what);
}

Message question(const BudgetNotice &notice, Buttons buttons, Button preselected)
{
    return {notice.title, notice.text, Icon::Question, buttons, preselected};
}

} // namespace

ToolWindowConfig Budget1::budgetConfig(const QString &familyName)
{
    ToolWindowConfig c;
    c.tool = ToolId::Budget;
    c.objectName = QStringLiteral("Budget1");
    c.caption = familyName.trimmed().isEmpty() ? budgetTitle : familyName.trimmed() + u' ' + budgetTitle;
    c.ownTopButton = 15;
    c.topButtonCount = 49;
    c.disableUnusedTopButtons = false;
    c.helpId = 3006;
    c.previewHelpId = 1014;
    c.popup = PopupMenu::Options;
    c.designPanelColour = QColor(0x00, 0x80, 0x80); // colour 3 of the 16-colour palette, teal
    c.checkDefaultColourConflict = false;
    c.escapeRunsExitStep = true; // Esc must not lose the colour choices
    c.panelDesignTwips = {budgetPanelWidth, budgetPanelHeight};
    c.sideButtons = {
        {QStringLiteral("Grid Background Selector"), FrameCommand::Custom, Glyph::GridBackground},
        {QStringLiteral("Grid Text Color"), FrameCommand::Custom, Glyph::TextColour},
        {QStringLiteral("Panel Color"), FrameCommand::PanelColour, Glyph::PanelColour},
        {QStringLiteral("Insert New Row"), FrameCommand::Custom, Glyph::InsertRow},
        {QStringLiteral("Print"), FrameCommand::Custom, Glyph::Print},
        {QStringLiteral("Totals For Year"), FrameCommand::Custom, Glyph::Totals},
        {QStringLiteral("Help"), FrameCommand::Help, Glyph::Help},
        {QStringLiteral("Exit"), FrameCommand::Exit, Glyph::Exit},
    };
    return c;
}

Budget1::Budget1(Program &program, QWidget *launcher)
    : ToolWindow(program, launcher, budgetConfig(program.state.familyName)),
      m_form(BudgetForm::build([this](QWidget *w, const QRect &r) { placeInPanel(w, r); })),
      m_menus(BudgetMenus::build(optionsMenu(), editMenu(),
                                 addToolMenu(QStringLiteral("&Utilities"), QStringLiteral("mU")))),
      m_spelling(program, *this, m_model, *m_form.grid, [this](const QString &s) { setStatusText(s); })
{
    // The budget disables no top button, not even its own.
    if (QToolButton *own = topToolbar()->button(config().ownTopButton))
        own->setEnabled(true);
    m_form.grid->setModel(&m_model);
    m_gridFit = new BudgetGridFit(*m_form.grid);
    m_form.grid->setScrollTipProvider([this](int row) { return m_model.scrollTip(row - 1); });
    m_form.yearBox->addItems(years::list());
    for (QWidget *area : m_form.popupAreas())
        installContextPopup(area);

    connectTotals();
    connectColours();
    connectPreview();
    connectGrid();
    connectEditBox();
    connectYearBox();
    connectCommands();
    connectUndo();
    setResultsAvailable(false, true);
    setDeleteEnabled(false);
    m_form.copyRight->setEnabled(false);
    m_menus.copyRight->setEnabled(false);
    m_spelling.open();
    loadYear(years::today(program.clock.now().date()));
}

// The base destructor closes the window and moves the focus; nothing may reach
// this window's handlers once its own members are gone.
Budget1::~Budget1()
{
    for (QObject *sender : std::initializer_list<QObject *>{qApp, m_form.yearBox, m_form.grid, m_form.editBox,
                                                            m_form.monthly, &m_model})
        sender->disconnect(this);
    if (TotalsPanel *totals = m_totals->panelIfBuilt())
        totals->disconnect(m_totals);
    m_colours->colours().disconnect(m_colours);
    if (GridBackgroundSelector *selector = m_colours->selectorIfBuilt()) {
        selector->disconnect(m_colours);
        selector->hideSelector();
    }
}

// ---- wiring -------------------------------------------------------------------

// Esc closes the totals panel before it reaches any later overlay.
void Budget1::connectTotals()
{
    const int overlay = addOverlay({nullptr, 0, false, [this] { m_totals->close(); }});
    m_totals =
        new Budget1Totals(program(), *this, m_model, m_form, m_menus, [this, overlay](TotalsPanel *panel) {
            placeInPanel(panel, {0, 0, budgetPanelWidth, budgetPanelHeight});
            panel->hide(); // placing shows it
            setOverlayPanel(overlay, panel);
            installGridPopup(panel->itemList());
        });
    connect(m_totals, &Budget1Totals::closed, this, [this] {
        putCursor(cursorRow(), cursorColumn());
        m_form.grid->setFocus();
    });
}

// The selector's design size over the panel's centre; Esc undoes a preview.
void Budget1::connectColours()
{
    const int overlay =
        addOverlay({nullptr, 0, false, [this] { m_colours->selectorIfBuilt()->cancelIfShown(); }});
    m_colours = new Budget1Colours(
        program(), *this, *m_form.grid, *m_totals, [this, overlay](GridBackgroundSelector *selector) {
            const QSize size = GridBackgroundSelector::designTwips();
            placeInPanel(selector, {(budgetPanelWidth - size.width()) / 2,
                                    (budgetPanelHeight - size.height()) / 2, size.width(), size.height()});
            setOverlayPanel(overlay, selector);
        });
    connect(m_colours, &Budget1Colours::changed, this, [this] { markColoursChanged(); });
    connect(m_menus.gridBackground, &QAction::triggered, this, &Budget1::toggleBackgroundSelector);
    connect(m_menus.gridText, &QAction::triggered, &m_colours->colours(), &BudgetGridColours::chooseTextColour);
}

void Budget1::storeColourChoice()
{
    ToolWindow::storeColourChoice();
    m_colours->colours().store();
}

// After the totals panel's overlay: Esc closes that panel first.
void Budget1::connectPreview()
{
    attachReportPreview([this] { return makeBudgetPreview(program(), this); });
    connect(m_totals, &Budget1Totals::printRequested, this, &Budget1::printTotals);
    // Opening the Options menu took the insert button away with "&Delete Row";
    // printing from the menu gives it back, and the caption, once the preview is up.
    if (QAction *optionsPrint = optionsMenu()->findChild<QAction *>(QStringLiteral("mOPrt")))
        connect(optionsPrint, &QAction::triggered, this, [this] {
            sideButton(insertSideButton)->setEnabled(true);
            showIdleStatus();
        });
}

void Budget1::connectGrid()
{
    Grid *grid = m_form.grid;
    connect(&m_model, &BudgetModel::noticesRaised, this, &Budget1::showNotices);
    connect(&m_model, &BudgetModel::monthsChanged, this, &Budget1::showMonths);
    connect(grid, &Grid::clicked, this, &Budget1::gridClicked);
    connect(grid, &Grid::cellClicked, this, &Budget1::cellClicked);
    installGridPopup(grid);
    connect(grid, &Grid::cursorMoved, this, &Budget1::cursorMoved);
    connect(grid, &Grid::keyReleased, this, &Budget1::showPosition);
    connect(grid, &Grid::editorTextChanged, m_form.editBox, &QLineEdit::setText);
    connect(grid, &Grid::editFinished, this,
            [this](int row, int col) { m_form.grid->setCurrentCell(row, col); });
    grid->tableView()->installEventFilter(this);
    connect(m_form.monthly, &MonthlyRows::incomeClicked, this, &Budget1::enterIncome);
}

void Budget1::connectEditBox()
{
    connect(m_form.editBox, &QLineEdit::textEdited, this, &Budget1::editBoxTyped);
    m_form.editBox->installEventFilter(this);
}

void Budget1::connectYearBox()
{
    QComboBox *box = m_form.yearBox;
    box->setCompleter(nullptr); // a typed year stays as typed until Enter
    connect(box, &QComboBox::activated, this, &Budget1::yearPicked);
    // The box hands its keys to its text field directly, past any filter there.
    box->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        const auto inBox = [this](QWidget *w) {
            return w && (w == m_form.yearBox || m_form.yearBox->isAncestorOf(w));
        };
        // Only a move from another control of this window: focus coming back
        // from the prompt's own dialog or another program asks nothing.
        if (inBox(now) && old && !inBox(old) && old->window() == this)
            yearBoxFocused();
    });
}

void Budget1::connectUndo()
{
    QUndoStack &stack = m_undo.stack();
    const auto step = [this](void (QUndoStack::*move)()) {
        (m_undo.stack().*move)();
        refreshEditBox();
    };
    connect(m_menus.undo, &QAction::triggered, this, [step] { step(&QUndoStack::undo); });
    connect(m_menus.redo, &QAction::triggered, this, [step] { step(&QUndoStack::redo); });
    connect(&stack, &QUndoStack::canUndoChanged, m_menus.undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, m_menus.redo, &QAction::setEnabled);
    m_menus.undo->setEnabled(false);
    m_menus.redo->setEnabled(false);
}

void Budget1::connectCommands()
{
    const auto on = [this](QObject *sender, void (Budget1::*slot)()) {
        if (auto *button = qobject_cast<QPushButton *>(sender))
            connect(button, &QPushButton::clicked, this, slot);
        else
            connect(static_cast<QAction *>(sender), &QAction::triggered, this, slot);
    };
    on(m_form.copyRight, &Budget1::copyRight);
    on(m_menus.copyRight, &Budget1::copyRight);
    on(m_form.deleteRow, &Budget1::deleteRow);
    on(m_menus.deleteRow, &Budget1::deleteRow);
    on(m_menus.editDeleteRow, &Budget1::deleteRow);
    on(m_menus.insertRow, &Budget1::insertRow);
    on(m_form.copyYear, &Budget1::copyToNextYear);
    on(m_menus.copyYear, &Budget1::copyToNextYear);
    on(m_form.exit, &Budget1::exitStep);
    on(m_form.spelling, &Budget1::checkSpelling);
    on(m_form.totals, &Budget1::showTotals);
    on(m_form.print, &Budget1::openReport);
    on(m_menus.totals, &Budget1::showTotals);
    on(m_menus.spelling, &Budget1::checkSpelling);
    connect(m_form.save, &QPushButton::clicked, this, [this] { save(); });
    for (QPushButton *b : {m_form.copyRight, m_form.save, m_form.deleteRow})
        b->installEventFilter(this); // the position indicator empties while they have the focus
    connect(m_menus.save, &QAction::triggered, this, [this] { save(); });

    connect(m_menus.backup, &QAction::triggered, this, [this] { runBackup(backup::Mode::Backup); });
    connect(m_menus.restore, &QAction::triggered, this, [this] { runBackup(backup::Mode::Restore); });
    on(m_menus.versions, &Budget1::openEarlierVersion);
    on(m_menus.clipboard, &Budget1::copyToClipboard);
    on(m_menus.copy, &Budget1::copyToClipboard);
    connect(m_menus.exportFile, &QAction::triggered, this,
            [this] { exportBudget(program(), this, m_model.sheet(), m_year); });
    connect(m_menus.utilities, &QMenu::aboutToShow, this, [this] {
        const budgettext::UtilitiesMenu u = budgettext::utilitiesMenu(program().folder, m_year, m_model.sheet());
        m_menus.backup->setEnabled(u.backup);
        m_menus.exportFile->setEnabled(u.exportFile);
        m_menus.restore->setEnabled(u.restore);
    });
    connect(optionsMenu(), &QMenu::aboutToShow, this, &Budget1::syncDeleteItems);
    connect(optionsMenu(), &QMenu::aboutToHide, this, [this] { m_menus.copy->setVisible(false); });
    connect(editMenu(), &QMenu::aboutToShow, this, [this] {
        putCursor(0, BudgetModel::itemColumn);
        m_menus.clipboard->setEnabled(budgettext::canCopy(m_model.sheet()));
    });
}

void Budget1::openReport()
{
    reportPreview()->open(budgetGridDocument(
        program(), m_model, [this] { return m_year; }, m_form.grid->font().family()));
}

void Budget1::printTotals()
{
    reportPreview()->open(budgetTotalsDocument(
        program(), m_totals->panel()->totals(), [this] { return m_form.yearBox->currentText(); },
        m_form.grid->font().family()));
}

// Sixteen pictures load before the selector shows.
void Budget1::toggleBackgroundSelector()
{
    BusyPointer busy(program().platform);
    m_colours->selector()->toggle();
}

void Budget1::onCustomSideButton(int number)
{
    if (number == backgroundSideButton)
        toggleBackgroundSelector();
    else if (number == textColourSideButton)
        m_colours->colours().chooseTextColour();
    else if (number == insertSideButton)
        insertRow();
    else if (number == printSideButton)
        openReport();
    else if (number == totalsSideButton)
        showTotals();
}

bool Budget1::hasResults() const
{
    return !m_model.text(0, BudgetModel::itemColumn).isEmpty();
}

void Budget1::showNotices(const BudgetNotices &notices)
{
    for (const BudgetNotice &n : notices)
        program().prompter.inform(this, n.title, n.text);
}

void Budget1::showMonths(int first, int last)
{
    for (int m = first; m <= last; ++m)
        m_form.monthly->showMonth(m, m_model.monthTexts(m));
}

void Budget1::onActivated()
{
    m_gridFit->apply();
}

// ---- cursor, position and edit box -------------------------------------------

int Budget1::cursorRow() const
{
    return m_form.grid->currentRow() - 1;
}
int Budget1::cursorColumn() const
{
    return m_form.grid->currentCol() - 1;
}

void Budget1::putCursor(int row, int column)
{
    m_form.grid->setCurrentCell(row + 1, column + 1);
}

void Budget1::showPosition()
{
    if (cursorRow() >= 0)
        m_form.position->setText(BudgetModel::cellPosition(cursorRow(), cursorColumn()));
}

// Showing a cell's text does not run the edit box rules: a name read from a
// year file may hold a comma, and a look must not change or mark anything.
void Budget1::refreshEditBox()
{
    if (cursorRow() >= 0)
        m_form.editBox->setText(m_model.text(cursorRow(), cursorColumn()));
}

void Budget1::editBoxTyped(const QString &text)
{
    if (cursorRow() < 0)
        return;
    m_undo.mergeNextEditWith(cursorRow() * budgetColumns + cursorColumn());
    const entry::EditBoxEntry e = m_model.enterEditBox(cursorRow(), cursorColumn(), text);
    if (e.boxText != text) {
        m_form.editBox->setText(e.boxText);
        m_form.editBox->end(false);
    }
    if (e.beep)
        program().platform.beep();
}

void Budget1::editBoxFocus(bool in)
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

void Budget1::cursorMoved()
{
    refreshEditBox();
    showPosition();
    const bool copyable = BudgetModel::canCopyRight(cursorColumn());
    m_form.copyRight->setEnabled(copyable);
    m_menus.copyRight->setEnabled(copyable);
}

void Budget1::gridClicked()
{
    if (cursorRow() >= 0)
        cursorMoved();
}

// Only a click on a cell chooses the row insert and delete act on: a heading
// click sorts and leaves the cursor where it was.
void Budget1::cellClicked()
{
    if (cursorRow() < 0)
        return;
    m_lastClickedRow = cursorRow();
    m_menus.deleteRow->setEnabled(!m_model.text(cursorRow(), cursorColumn()).isEmpty());
    sideButton(insertSideButton)->setEnabled(true);
}

void Budget1::gridFocused()
{
    cursorMoved();
    m_form.deleteRow->setEnabled(true);
    m_menus.editDeleteRow->setEnabled(true);
}

void Budget1::setDeleteEnabled(bool on)
{
    m_form.deleteRow->setEnabled(on);
    m_menus.deleteRow->setEnabled(on);
    m_menus.editDeleteRow->setEnabled(on);
}

void Budget1::syncDeleteItems()
{
    const bool on = m_form.deleteRow->isEnabled();
    m_menus.deleteRow->setEnabled(on);
    m_menus.insertRow->setEnabled(on);
    sideButton(insertSideButton)->setEnabled(on);
}

void Budget1::aboutToPopUp()
{
    syncDeleteItems();
    putCursor(0, BudgetModel::itemColumn);
    m_menus.copy->setVisible(hasResults());
}

bool Budget1::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_form.editBox && (type == QEvent::FocusIn || type == QEvent::FocusOut)) {
        editBoxFocus(type == QEvent::FocusIn);
    } else if (watched == m_form.grid->tableView() && type == QEvent::FocusIn) {
        gridFocused();
    } else if (type == QEvent::FocusIn &&
               (watched == m_form.copyRight || watched == m_form.save || watched == m_form.deleteRow)) {
        m_form.position->clear();
    } else if (watched == m_form.yearBox && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            yearPicked(); // a typed year is taken as a picked one: the totals close too
            return true; // the box would otherwise pick a matching entry as well
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

// ---- editing commands -----------------------------------------------------------

void Budget1::enterIncome(int month)
{
    const int row = cursorRow();
    const int column = cursorColumn();
    m_form.monthly->setIncomeHighlight(month, m_form.grid->backgroundColor());
    const QString answer = program().prompter.input(
        this, QStringLiteral("Total Income"),
        QStringLiteral("Enter Total Amount of Income That you will be receiving this month."),
        m_model.month(month).income);
    const entry::IncomeEntry e = entry::enterIncome(answer);
    const BudgetUndo::Batch oneStep(m_undo); // the income and its copy to the right
    if (e.caption) {
        if (e.notice)
            showNotices({*e.notice});
        m_model.setIncome(month, *e.caption);
        if (month < budgetMonths - 1) {
            const Button copy = program().prompter.message(
                this, {QStringLiteral("Total Income Row"),
                       QStringLiteral("Do you want to copy this month's entry of Total Income to the Right?"),
                       Icon::Question, int(Button::Yes) | int(Button::No), Button::No});
            if (copy == Button::Yes)
                m_model.copyIncomeRight(month);
        }
    }
    m_form.monthly->setIncomeHighlight(month, QColor());
    putCursor(row, column);
    m_form.grid->setFocus();
}

void Budget1::copyToClipboard()
{
    copyBudgetToClipboard(program(), this, m_model, m_year);
}

void Budget1::showTotals()
{
    m_totals->toggle(m_year, [this] {
        if (GridBackgroundSelector *selector = m_colours->selectorIfBuilt())
            selector->cancelIfShown();
    });
}

void Budget1::checkSpelling()
{
    const BudgetUndo::Batch oneStep(m_undo);
    m_spelling.run();
}

void Budget1::copyRight()
{
    const int row = cursorRow();
    const int column = cursorColumn();
    if (row < 0 || !BudgetModel::canCopyRight(column))
        return;
    showNotices(m_model.copyRight(row, column));
    putCursor(row, column);
    m_form.grid->setFocus();
}

void Budget1::insertRow()
{
    if (m_lastClickedRow < 0)
        return;
    showNotices(m_model.insertItemRow(m_lastClickedRow));
    putCursor(m_lastClickedRow, cursorColumn());
    m_form.grid->setHighlight(Grid::Highlight::Never);
}

void Budget1::deleteRow()
{
    if (m_lastClickedRow < 0)
        return;
    const int row = m_lastClickedRow;
    m_model.setMarkedRow(row);
    const Button answer = program().prompter.message(
        this, {QStringLiteral("Delete Row"), QStringLiteral("Do you really want to delete this row?"),
               Icon::Question, int(Button::Yes) | int(Button::No) | int(Button::Cancel), Button::No});
    m_model.setMarkedRow(-1);
    if (answer == Button::Yes)
        showNotices(m_model.removeItemRow(row));
    setDeleteEnabled(false);
    m_form.grid->setHighlight(Grid::Highlight::Never);
    putCursor(0, BudgetModel::itemColumn);
    m_form.exit->setFocus();
}

// ---- years and files --------------------------------------------------------------

void Budget1::loadYear(int year, const QString &file)
{
    BusyPointer busy(program().platform);
    m_form.editBox->clear();
    m_year = year;
    const BudgetModel::LoadOutcome outcome =
        file.isEmpty() ? m_model.load(program().folder, year) : m_model.loadFile(file);
    m_unreadable = outcome.status == yearfile::Status::Unreadable;
    showYearInBox();
    if (m_unreadable)
        program().prompter.inform(
            this, budgetTitle,
            QStringLiteral("%1 cannot be read. An empty budget is shown; saving will ask "
                           "before it replaces that file.")
                .arg(yearFilePath(year)));
    showNotices(outcome.notices);
    putCursor(0, BudgetModel::itemColumn);
    m_form.position->setText(BudgetModel::cellPosition(0, BudgetModel::itemColumn));
    m_form.copyYear->setVisible(years::offersCopy(year));
    m_form.copyRight->setEnabled(false);
    m_menus.copyRight->setEnabled(false);
    setDeleteEnabled(false);
    m_lastClickedRow = -1;
    m_model.setModified(!file.isEmpty());
    m_undo.reset();
}

void Budget1::openEarlierVersion()
{
    const QString file = chooseEarlierVersion(program(), this, m_year);
    if (!file.isEmpty() && askToSave())
        loadYear(m_year, file);
}

// The list entry itself, so that leaving the box does not pick it again.
void Budget1::showYearInBox()
{
    QComboBox *box = m_form.yearBox;
    box->setCurrentIndex(box->findText(QString::number(m_year)));
    box->setEditText(QString::number(m_year));
}

// Messages name the file as the user finds it in the program folder.
QString Budget1::yearFilePath(int year) const
{
    return QDir::toNativeSeparators(program().folder.filePath(yearfile::fileName(year)));
}

bool Budget1::confirmReplaceUnreadable()
{
    const QString name = yearFilePath(m_year);
    return program().prompter.message(
               this,
               {budgetTitle,
                QStringLiteral("%1 could not be read when this year was opened. Replace it with the budget "
                               "on screen?")
                    .arg(name),
                Icon::Question, int(Button::Yes) | int(Button::No), Button::No}) == Button::Yes;
}

bool Budget1::save()
{
    BusyPointer busy(program().platform);
    const int row = cursorRow();
    const int column = cursorColumn();
    bool saved = false;
    if (!m_unreadable || confirmReplaceUnreadable()) {
        // An unreadable file the user agreed to replace cannot be kept.
        if (!m_unreadable && !yearhistory::keep(program().folder, m_year, program().clock.now())) {
            program().prompter.inform(this, budgetTitle,
                                      historyFailure(yearFilePath(m_year), QStringLiteral("saved")) +
                                          QStringLiteral(" Your changes are still on screen."));
        } else if (m_model.save(program().folder, m_year)) {
            saved = true;
            m_undo.markSaved();
            m_unreadable = false;
            yearhistory::prune(program().folder, m_year);
        } else {
            program().prompter.inform(
                this, budgetTitle,
                QStringLiteral(
                    "The budget could not be saved to %1. Your changes are still on screen and the "
                    "file was left as it was.")
                    .arg(yearFilePath(m_year)));
        }
    }
    if (row >= 0)
        putCursor(row, column);
    m_form.grid->setFocus();
    return saved;
}

bool Budget1::askToSave()
{
    if (!m_model.isModified())
        return true;
    const Button answer = program().prompter.message(
        this, question(years::savePrompt(m_year), int(Button::Yes) | int(Button::No) | int(Button::Cancel),
                       Button::Yes));
    if (answer == Button::Cancel)
        return false;
    if (answer == Button::Yes)
        return save();
    m_model.setModified(false);
    return true;
}

bool Budget1::confirmExit()
{
    return askToSave();
}

// Every way of closing asks first, the title bar's close button and the
// launcher's exit included: an unasked close would lose the year's changes.
void Budget1::closeEvent(QCloseEvent *event)
{
    if (!askToSave()) {
        event->ignore();
        return;
    }
    ToolWindow::closeEvent(event);
}

void Budget1::yearBoxFocused()
{
    if (!askToSave())
        return; // choosing or entering a year asks again
    m_form.copyRight->setEnabled(false);
    m_menus.copyRight->setEnabled(false);
    setDeleteEnabled(false);
    m_form.position->clear();
}

void Budget1::yearPicked()
{
    m_totals->close();
    if (takeYearFromBox())
        enableYearCommands();
}

void Budget1::enableYearCommands()
{
    setResultsAvailable(false, true);
    for (QPushButton *b : {m_form.print, m_form.save, m_form.copyYear})
        b->setEnabled(true);
}

// The box's whole text names the year; unsaved changes are asked about again,
// so a Cancel at the box's focus cannot lose them here.
bool Budget1::takeYearFromBox()
{
    if (!askToSave()) {
        showYearInBox();
        return false;
    }
    m_yearChosen = true;
    loadYear(years::fromBoxText(m_form.yearBox->currentText()));
    return true;
}

// The copy on disk must hold what is on screen, so unsaved changes are asked
// about first; a restore brings the window back to today's year.
void Budget1::runBackup(backup::Mode mode)
{
    if (!askToSave())
        return;
    {
        Backup1 dialog(program(), m_year, mode, this);
        program().prompter.runDialog(dialog);
    }
    if (mode == backup::Mode::Backup) {
        m_yearChosen = true;
        loadYear(m_year);
    } else {
        reopen();
    }
}

// A restore may have replaced any year's file and colours: the window starts
// over as when it opened, on today's year with the stored colours.
void Budget1::reopen()
{
    m_totals->reset();
    loadPanelColour();
    m_colours->colours().load();
    m_yearChosen = false;
    loadYear(years::today(program().clock.today()));
    enableYearCommands();
}

void Budget1::copyToNextYear()
{
    const Button answer = program().prompter.message(
        this, question(years::copyYearPrompt(m_year), int(Button::Yes) | int(Button::No), Button::No));
    const int next = m_year + 1;
    if (answer == Button::Yes) {
        if (!yearhistory::keep(program().folder, next, program().clock.now()))
            program().prompter.inform(this, budgetTitle, historyFailure(yearFilePath(next), QStringLiteral("copied")));
        else if (yearfile::copyToNextYear(program().folder, m_year) == yearfile::CopyResult::Failed)
            program().prompter.inform(this, budgetTitle,
                                      QStringLiteral("%1 could not be written.").arg(yearFilePath(next)));
        else
            yearhistory::prune(program().folder, next);
        m_undo.reset();
    }
    m_form.grid->setFocus();
}

} // namespace tq
