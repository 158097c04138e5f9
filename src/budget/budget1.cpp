#include "budget/budget1.h"

#include "budget/budget1colours.h"
#include "budget/budget1print.h"
#include "budget/budget1totals.h"
#include "budget/budgetcopy.h"
#include "budget/budgetgridfit.h"
#include "budget/gridbackgroundselector.h"
#include "budget/monthlyrows.h"
#include "budget/totalspanel.h"
#include "budgetengine/budgettext.h"
#include "budgetengine/budgetyears.h"
#include "components/grid.h"
#include "components/program.h"
#include "frame/activitytoolbar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace tq {

namespace {

constexpr int backgroundSideButton = 1;
constexpr int textColourSideButton = 2;
constexpr int insertSideButton = 4;
constexpr int printSideButton = 5;
constexpr int totalsSideButton = 6;

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
      m_spelling(program, *this, m_model, *m_form.grid, [this](const QString &s) { setStatusText(s); }),
      m_cursor(m_form, m_menus, m_model, m_undo, m_spelling, program.platform, sideButton(insertSideButton)),
      m_years(program, *this, m_model, m_undo, m_form, m_menus, m_cursor,
              [this](const BudgetNotices &notices) { showNotices(notices); })
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
    connectYearBox();
    connectCommands();
    connectUndo();
    setResultsAvailable(false, true);
    m_cursor.setDeleteEnabled(false);
    m_form.copyRight->setEnabled(false);
    m_menus.copyRight->setEnabled(false);
    m_spelling.open();
    m_years.load(years::today(program.clock.now().date()));
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
        m_cursor.put(m_cursor.row(), m_cursor.column());
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
    connect(m_menus.gridText, &QAction::triggered, &m_colours->colours(),
            &BudgetGridColours::chooseTextColour);
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
    installGridPopup(grid);
    connect(grid, &Grid::editorTextChanged, m_form.editBox, &QLineEdit::setText);
    connect(grid, &Grid::editFinished, this,
            [this](int row, int col) { m_form.grid->setCurrentCell(row, col); });
    connect(m_form.monthly, &MonthlyRows::incomeClicked, this, &Budget1::enterIncome);
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
            m_years.boxFocused();
    });
}

void Budget1::connectUndo()
{
    QUndoStack &stack = m_undo.stack();
    const auto step = [this](void (QUndoStack::*move)()) {
        (m_undo.stack().*move)();
        m_cursor.refreshEditBox();
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
    connect(m_form.copyYear, &QPushButton::clicked, this, [this] { m_years.copyToNextYear(); });
    connect(m_menus.copyYear, &QAction::triggered, this, [this] { m_years.copyToNextYear(); });
    on(m_form.exit, &Budget1::exitStep);
    on(m_form.spelling, &Budget1::checkSpelling);
    on(m_form.totals, &Budget1::showTotals);
    on(m_form.print, &Budget1::openReport);
    on(m_menus.totals, &Budget1::showTotals);
    on(m_menus.spelling, &Budget1::checkSpelling);
    connect(m_form.save, &QPushButton::clicked, this, [this] { m_years.save(); });
    connect(m_menus.save, &QAction::triggered, this, [this] { m_years.save(); });

    connect(m_menus.backup, &QAction::triggered, this,
            [this] { m_years.runBackup(backup::Mode::Backup, [this] { reopen(); }); });
    connect(m_menus.restore, &QAction::triggered, this,
            [this] { m_years.runBackup(backup::Mode::Restore, [this] { reopen(); }); });
    connect(m_menus.versions, &QAction::triggered, this, [this] { m_years.openEarlierVersion(); });
    on(m_menus.clipboard, &Budget1::copyToClipboard);
    on(m_menus.copy, &Budget1::copyToClipboard);
    connect(m_menus.exportFile, &QAction::triggered, this,
            [this] { exportBudget(program(), this, m_model.sheet(), m_years.year()); });
    connect(m_menus.utilities, &QMenu::aboutToShow, this, [this] {
        const budgettext::UtilitiesMenu u =
            budgettext::utilitiesMenu(program().folder, m_years.year(), m_model.sheet());
        m_menus.backup->setEnabled(u.backup);
        m_menus.exportFile->setEnabled(u.exportFile);
        m_menus.restore->setEnabled(u.restore);
    });
    connect(optionsMenu(), &QMenu::aboutToShow, &m_cursor, &BudgetCursor::syncDeleteItems);
    connect(optionsMenu(), &QMenu::aboutToHide, this, [this] { m_menus.copy->setVisible(false); });
    connect(editMenu(), &QMenu::aboutToShow, this, [this] {
        m_cursor.put(0, BudgetModel::itemColumn);
        m_menus.clipboard->setEnabled(budgettext::canCopy(m_model.sheet()));
    });
}

void Budget1::openReport()
{
    reportPreview()->open(budgetGridDocument(
        program(), m_model, [this] { return m_years.year(); }, m_form.grid->font().family()));
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
    for (const Notice &n : notices)
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

void Budget1::aboutToPopUp()
{
    m_cursor.syncDeleteItems();
    m_cursor.put(0, BudgetModel::itemColumn);
    m_menus.copy->setVisible(hasResults());
}

bool Budget1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form.yearBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            yearPicked(); // a typed year is taken as a picked one: the totals close too
            return true;  // the box would otherwise pick a matching entry as well
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

// ---- editing commands -----------------------------------------------------------

void Budget1::enterIncome(int month)
{
    const int row = m_cursor.row();
    const int column = m_cursor.column();
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
    m_cursor.put(row, column);
    m_form.grid->setFocus();
}

void Budget1::copyToClipboard()
{
    copyBudgetToClipboard(program(), this, m_model, m_years.year());
}

void Budget1::showTotals()
{
    m_totals->toggle(m_years.year(), [this] {
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
    const int row = m_cursor.row();
    const int column = m_cursor.column();
    if (row < 0 || !BudgetModel::canCopyRight(column))
        return;
    showNotices(m_model.copyRight(row, column));
    m_cursor.put(row, column);
    m_form.grid->setFocus();
}

void Budget1::insertRow()
{
    const int row = m_cursor.clickedRow();
    if (row < 0)
        return;
    showNotices(m_model.insertItemRow(row));
    m_cursor.put(row, m_cursor.column());
    m_form.grid->setHighlight(Grid::Highlight::Never);
}

void Budget1::deleteRow()
{
    const int row = m_cursor.clickedRow();
    if (row < 0)
        return;
    m_model.setMarkedRow(row);
    const Button answer = program().prompter.message(
        this, {QStringLiteral("Delete Row"), QStringLiteral("Do you really want to delete this row?"),
               Icon::Question, int(Button::Yes) | int(Button::No) | int(Button::Cancel), Button::No});
    m_model.setMarkedRow(-1);
    if (answer == Button::Yes)
        showNotices(m_model.removeItemRow(row));
    m_cursor.setDeleteEnabled(false);
    m_form.grid->setHighlight(Grid::Highlight::Never);
    m_cursor.put(0, BudgetModel::itemColumn);
    m_form.exit->setFocus();
}

// ---- years and files --------------------------------------------------------------

bool Budget1::confirmExit()
{
    return m_years.askToSave();
}

// Every way of closing asks first, the title bar's close button and the
// launcher's exit included: an unasked close would lose the year's changes.
void Budget1::closeEvent(QCloseEvent *event)
{
    if (!m_years.askToSave()) {
        event->ignore();
        return;
    }
    ToolWindow::closeEvent(event);
}

void Budget1::yearPicked()
{
    m_totals->close();
    if (m_years.takeFromBox())
        enableYearCommands();
}

void Budget1::enableYearCommands()
{
    setResultsAvailable(false, true);
    for (QPushButton *b : {m_form.print, m_form.save, m_form.copyYear})
        b->setEnabled(true);
}

// A restore may have replaced any year's file and colours: the window starts
// over as when it opened, on today's year with the stored colours.
void Budget1::reopen()
{
    m_totals->reset();
    loadPanelColour();
    m_colours->colours().load();
    m_years.load(years::today(program().clock.today()));
    enableYearCommands();
}

} // namespace tq
