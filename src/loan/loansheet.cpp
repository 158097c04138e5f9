#include "loan/loansheet.h"

#include "common/numberformat.h"
#include "components/grid.h"
#include "components/printdocument.h"
#include "components/program.h"
#include "frame/gridcolours.h"
#include "frame/reportpreview.h"
#include "frame/selectionlimits.h"
#include "loan/digitentry.h"
#include "loan/loancopytext.h"
#include "loan/loanreport.h"

#include <QActionGroup>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>

namespace tq {

namespace {

const QString errorTitle = QStringLiteral("LoanSheet Error");
constexpr int activatedRows = 23;
constexpr int unitChangeRows = 19;

ToolWindowConfig loanConfig()
{
    ToolWindowConfig c;
    c.tool = ToolId::Loan;
    c.objectName = QStringLiteral("LoanSheet");
    c.caption = QStringLiteral("Loan Calculator");
    c.ownTopButton = 14;
    c.helpId = 3012;
    c.previewHelpId = 1014;
    c.popup = PopupMenu::Options;
    c.menuNames.options = QStringLiteral("mnuOptions");
    c.menuNames.print = QStringLiteral("mnuPrint");
    c.menuNames.exit = QStringLiteral("mnuOptExit");
    c.menuNames.help = QStringLiteral("mnuHelp");
    return c;
}

QAction *checkItem(QMenu *menu, QActionGroup *group, const QString &text, const QString &name, bool checked)
{
    QAction *a = menu->addAction(text);
    a->setObjectName(name);
    a->setCheckable(true);
    a->setChecked(checked);
    group->addAction(a);
    return a;
}

} // namespace

LoanSheet::LoanSheet(Program &program, QWidget *launcher)
    : ToolWindow(program, launcher, loanConfig()),
      m_form(LoanForm::build(
          mainPanel(), [this](QWidget *w, const QRect &r) { placeInPanel(w, r); },
          [this](QWidget *w, const QRect &r) { placeScaled(w, r); })),
      m_view(*m_form.grid)
{
    m_purchase = new DigitEntry(m_form.purchase);
    m_down = new DigitEntry(m_form.down);
    m_lengthMax = new DigitEntry(m_form.lengthMax);
    m_lengthMin = new DigitEntry(m_form.lengthMin);
    buildMenus();
    connectControls();
    for (QWidget *area : m_form.popupAreas())
        installContextPopup(area);
    installGridPopup(m_form.grid);

    m_view.showPayments(PaymentTable()); // the empty table with the calculator in the corner
    applyStoredGridColours(*m_form.grid, program);
    program.state.printFont.underline = false;
    program.state.printFont.strikeOut = false;
    program.state.printFont.colour = m_form.grid->textColor();

    attachReportPreview([this] {
        auto *preview = new ReportPreview(ToolWindow::program(), {ToolId::Loan, 76}, this);
        preview->builder = [this](PrintDocument &doc) { buildReport(doc); };
        return preview;
    });
    m_loading = false;
}

// The base destructor closes the window and moves the focus, and a rate box
// that loses it reports a change: nothing may reach this window's handlers
// once its own members are gone.
LoanSheet::~LoanSheet()
{
    for (QComboBox *box : {m_form.rateMax, m_form.rateMin})
        box->disconnect(this);
}

// ---- building ---------------------------------------------------------------

void LoanSheet::buildMenus()
{
    QMenu *options = optionsMenu();
    QAction *print = options->findChild<QAction *>(config().menuNames.print);
    m_optionsCopy = new QAction(QStringLiteral("&Copy"), options);
    m_optionsCopy->setObjectName(QStringLiteral("mOCopy"));
    options->insertAction(print, m_optionsCopy);
    m_optionsCopySeparator = options->insertSeparator(print);
    m_optionsCopy->setVisible(false);
    m_optionsCopySeparator->setVisible(false);
    connect(m_optionsCopy, &QAction::triggered, this, [this] { runCommand(FrameCommand::Copy); });
    connect(options, &QMenu::aboutToShow, this,
            [this] { syncPopupCopy(menuBar()->activeAction() == optionsMenu()->menuAction()); });
    connect(options, &QMenu::aboutToHide, this, [this] { syncPopupCopy(true); });

    QMenu *down = addToolMenu(QStringLiteral("&Down Payment"), QStringLiteral("mnuDwnPay"));
    auto *downGroup = new QActionGroup(down);
    m_percentDown =
        checkItem(down, downGroup, QStringLiteral("&Percent Down"), QStringLiteral("mnuOptDwn(0)"), true);
    m_amountDown =
        checkItem(down, downGroup, QStringLiteral("&Amount Down"), QStringLiteral("mnuOptDwn(1)"), false);
    connect(m_percentDown, &QAction::triggered, this,
            [this] { chooseDownPaymentMode(DownPaymentMode::Percent); });
    connect(m_amountDown, &QAction::triggered, this,
            [this] { chooseDownPaymentMode(DownPaymentMode::Amount); });

    QMenu *length = addToolMenu(QStringLiteral("&Loan Length"), QStringLiteral("mnuLoanLen"));
    auto *lengthGroup = new QActionGroup(length);
    m_years = checkItem(length, lengthGroup, QStringLiteral("&Years"), QStringLiteral("mnuOptLen(0)"), true);
    m_months =
        checkItem(length, lengthGroup, QStringLiteral("&Months"), QStringLiteral("mnuOptLen(1)"), false);
    connect(m_years, &QAction::triggered, this, [this] { chooseLengthUnit(LengthUnit::Years); });
    connect(m_months, &QAction::triggered, this, [this] { chooseLengthUnit(LengthUnit::Months); });
}

// The popup shows "&Copy" only while Edit, Copy is enabled; the menu bar never does.
void LoanSheet::syncPopupCopy(bool fromMenuBar)
{
    const QAction *editCopy = editMenu() ? editMenu()->actions().value(0) : nullptr;
    const bool shown = !fromMenuBar && editCopy && editCopy->isEnabled();
    m_optionsCopy->setVisible(shown);
    m_optionsCopySeparator->setVisible(shown);
}

void LoanSheet::connectControls()
{
    connect(m_purchase, &DigitEntry::changed, this, &LoanSheet::showLoanAmount);
    connect(m_down, &DigitEntry::changed, this, [this] {
        validateDownPayment();
        showLoanAmount();
    });
    for (QComboBox *box : {m_form.rateMax, m_form.rateMin}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this, box] { storeRate(box); });
        box->installEventFilter(this);
    }
    connect(m_form.showPayments, &QPushButton::clicked, this, &LoanSheet::showPayments);
    connect(m_form.showAmortization, &QPushButton::clicked, this, &LoanSheet::showAmortization);
    connect(m_form.exit, &QPushButton::clicked, this, [this] { runCommand(FrameCommand::Exit); });

    Grid *grid = m_form.grid;
    connect(grid, &Grid::clicked, this, &LoanSheet::gridClicked);
    connect(grid, &Grid::doubleClicked, this, &LoanSheet::gridDoubleClicked);
    connect(grid, &Grid::selectionChanged, this, &LoanSheet::highlightChanged);
    grid->setScrollTipProvider([this](int row) { return m_view.scrollTip(row); });
}

void LoanSheet::onActivated()
{
    // The first activation ends the loading; later ones (after a message box
    // or another window) must not wipe the table the user is looking at.
    if (!m_firstActivation)
        return;
    m_firstActivation = false;
    m_view.showEmpty(activatedRows);
}

bool LoanSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && (watched == m_form.rateMax || watched == m_form.rateMin))
        storeRate(static_cast<QComboBox *>(watched));
    return ToolWindow::eventFilter(watched, event);
}

// ---- inputs -----------------------------------------------------------------

double LoanSheet::purchaseAmount() const
{
    return m_purchase->value();
}
double LoanSheet::downPayment() const
{
    return m_down->value();
}

LoanInputs LoanSheet::currentInputs() const
{
    LoanInputs in;
    in.purchaseAmount = m_purchase->value();
    in.downPayment = m_down->value();
    in.downPaymentMode = m_mode;
    in.lengthUnit = m_unit;
    in.minimumLength = m_lengthMin->value();
    in.maximumLength = m_lengthMax->value();
    in.minimumRate = m_minimumRate;
    in.maximumRate = m_maximumRate;
    return in;
}

void LoanSheet::showLoanAmount()
{
    m_loanAmount = LoanEngine::loanAmount(currentInputs());
    m_form.loanAmount->setText(formatGeneral(*m_loanAmount));
}

void LoanSheet::validateDownPayment()
{
    if (m_validating)
        return;
    const double down = m_down->value();
    QString problem;
    if (m_mode == DownPaymentMode::Percent && down > 99)
        problem = QStringLiteral("Down payment percentage cannot exceed 99 percent.");
    else if (m_mode == DownPaymentMode::Amount && down > m_purchase->value())
        problem = QStringLiteral("Down payment amount cannot exceed purchase amount.");
    else if (down < 0)
        problem = QStringLiteral("Down payment amount must be zero or greater.");
    if (problem.isEmpty())
        return;
    // Emptying the box changes its text again; that change must not ask twice.
    m_validating = true;
    program().prompter.inform(this, errorTitle, problem);
    m_down->clear(0);
    m_form.down->setFocus();
    m_validating = false;
}

void LoanSheet::storeRate(QComboBox *box)
{
    const double rate = leadingNumber(box->currentText());
    (box == m_form.rateMax ? m_maximumRate : m_minimumRate) = rate;
}

void LoanSheet::showRate(QComboBox *box, double rate)
{
    const QString text = formatPattern(rate, u"0.0");
    const int index = box->findText(text);
    if (index >= 0)
        box->setCurrentIndex(index);
    box->setEditText(text);
    (box == m_form.rateMax ? m_maximumRate : m_minimumRate) = rate;
}

void LoanSheet::chooseDownPaymentMode(DownPaymentMode mode)
{
    m_mode = mode;
    (mode == DownPaymentMode::Percent ? m_percentDown : m_amountDown)->setChecked(true);
    m_downCaption = downCaptionText(mode);
    m_form.downCaption->setText(m_downCaption);
    m_form.down->setAccessibleName(m_downCaption);
    validateDownPayment();
    showLoanAmount();
}

void LoanSheet::chooseLengthUnit(LengthUnit unit)
{
    m_purchase->clear(0);
    m_down->clear(0);
    m_form.loanAmount->clear();
    m_loanAmount.reset();
    m_view.showEmpty(unitChangeRows);
    m_table = PaymentTable(); // its lengths would read in the wrong unit
    m_scheduleShown = false;
    m_form.showAmortization->setEnabled(false);
    m_unit = unit;
    (unit == LengthUnit::Years ? m_years : m_months)->setChecked(true);
    m_form.lengthPanel->setTitle(unit == LengthUnit::Years ? QStringLiteral(" Years in Loan ")
                                                           : QStringLiteral(" Months in Loan "));
    m_form.note->setVisible(unit == LengthUnit::Years);
    // The stored lengths stay, but an empty box counts as not entered.
    m_lengthMax->clear(m_lengthMax->value());
    m_lengthMin->clear(m_lengthMin->value());
}

// ---- payments and amortization --------------------------------------------------

void LoanSheet::fail(const QString &text, QWidget *focus)
{
    program().prompter.inform(this, errorTitle, text);
    focus->setFocus();
}

// Shows in the boxes what normalising changed; false after a message.
bool LoanSheet::normalise(LoanInputs &inputs)
{
    const RangeNormalisation n = LoanEngine::normaliseRanges(inputs, true, true);
    if (n.lengthsExchanged) {
        const QString shorter = m_form.lengthMax->text();
        m_form.lengthMax->setText(m_form.lengthMin->text());
        m_form.lengthMin->setText(shorter);
        m_lengthMax->setValue(n.inputs.maximumLength);
        m_lengthMin->setValue(n.inputs.minimumLength);
    }
    if (n.ratesExchanged) {
        showRate(m_form.rateMax, n.inputs.maximumRate);
        showRate(m_form.rateMin, n.inputs.minimumRate);
    }
    if (n.minimumRateRaised)
        showRate(m_form.rateMin, n.inputs.maximumRate);
    switch (n.failure) {
    case RangeFailure::None:
        inputs = n.inputs;
        return true;
    case RangeFailure::NoMaximumLength:
        fail(QStringLiteral("You must enter a maximum length of loan."), m_form.lengthMax);
        return false;
    case RangeFailure::MaximumRateTooLow:
        fail(QStringLiteral("You must specify a maximum interest rate greater than zero."), m_form.rateMax);
        return false;
    case RangeFailure::LengthTooLong:
        fail(QStringLiteral("Loan length cannot exceed 100 years (1,200 months)."), m_form.lengthMax);
        return false;
    case RangeFailure::RateTooHigh:
        fail(QStringLiteral("Interest rate cannot exceed 100 percent."), m_form.rateMax);
        return false;
    }
    return false;
}

void LoanSheet::showPayments()
{
    setResultsAvailable(false, false);
    m_form.showAmortization->setEnabled(false);
    if (m_purchase->value() <= 0) {
        program().prompter.inform(this, errorTitle,
                                  QStringLiteral("You must enter a valid purchase amount."));
        m_form.purchase->clear();
        m_form.purchase->setFocus();
        return;
    }
    if (m_purchase->value() > largestAmount) {
        fail(QStringLiteral("Purchase amount cannot exceed ") + largestAmountText() + u'.', m_form.purchase);
        return;
    }
    if (m_lengthMin->isEmpty() && m_lengthMax->isEmpty()) {
        fail(QStringLiteral("You must enter a maximum length of loan."), m_form.lengthMax);
        return;
    }
    if (m_lengthMax->isEmpty())
        m_form.lengthMax->setText(m_form.lengthMin->text());
    else if (m_lengthMin->isEmpty())
        m_form.lengthMin->setText(m_form.lengthMax->text());
    LoanInputs inputs = currentInputs();
    if (!normalise(inputs))
        return;

    BusyPointer busy(program().platform);
    m_table = LoanEngine::buildTable(inputs);
    m_view.showPayments(m_table);
    Grid *grid = m_form.grid;
    grid->setSelectionMode(GridSelection::WholeColumns);
    grid->setCurrentCell(1, 1);
    m_scheduleShown = false;
    setResultsAvailable(true, true);
}

bool LoanSheet::currentCellHoldsPayment() const
{
    return !m_scheduleShown && !m_form.grid->currentText().isEmpty();
}

void LoanSheet::gridClicked()
{
    m_form.showAmortization->setEnabled(currentCellHoldsPayment());
}

void LoanSheet::gridDoubleClicked()
{
    if (currentCellHoldsPayment())
        showAmortization();
    else
        m_form.showAmortization->setEnabled(false);
}

void LoanSheet::highlightChanged()
{
    if (!m_loading)
        setResultsAvailable(true, true);
}

void LoanSheet::showAmortization()
{
    Grid *grid = m_form.grid;
    const int row = grid->currentRow(), col = grid->currentCol();
    std::optional<AmortizationSchedule> schedule = LoanEngine::buildSchedule(m_table, row, col);
    if (!schedule)
        return;
    BusyPointer busy(program().platform);
    m_schedule = std::move(*schedule);
    setResultsAvailable(true, true);
    m_view.showSchedule(m_schedule);
    m_form.showAmortization->setEnabled(false);
    m_scheduleShown = true;
    grid->setSelectionMode(GridSelection::FreeRanges);
}

// ---- copy and print -------------------------------------------------------------

void LoanSheet::copyResults()
{
    std::optional<QString> text;
    if (m_scheduleShown) {
        text = amortizationCopyText(
            {m_schedule.rateLabel, m_schedule.totalInterest, m_schedule.payment, scheduleTexts(m_schedule)});
    } else {
        PaymentsCopySource source;
        source.purchaseText = m_form.purchase->text();
        source.purchaseAmount = m_purchase->value();
        source.tableLoanAmount = m_table.loanAmount();
        source.loanAmount = m_loanAmount;
        source.referencePayment = m_table.isEmpty() ? 0 : m_table.referencePayment();
        source.unit = m_unit;
        source.yearsNote = yearsNoteText;
        const GridBlock block = m_form.grid->highlightedBlock();
        source.block = paymentsBlock(m_table, block.top, block.left, block.bottom, block.right);
        const QFontMetricsF metrics(font());
        text =
            paymentsCopyText(source, [&metrics](const QString &t) { return metrics.horizontalAdvance(t); });
    }
    if (!text) {
        // Nothing reaches the clipboard, so no success is reported either.
        program().prompter.message(this, tooLargeSelectionMessage());
        return;
    }
    program().platform.setClipboardText(*text);
    program().prompter.inform(this, QStringLiteral("Copy Option"),
                              QStringLiteral("Data has been copied to the Windows Clipboard."));
}

void LoanSheet::openReport()
{
    GridBlock block = m_form.grid->highlightedBlock();
    m_restrictionPending = !m_scheduleShown && limitPrintedColumns(block);
    m_printBlock = block;
    ToolWindow::openReport();
}

void LoanSheet::buildReport(PrintDocument &doc)
{
    if (m_restrictionPending) {
        m_restrictionPending = false;
        program().prompter.message(this, printRestrictionMessage());
    }
    if (m_scheduleShown) {
        writeAmortizationReport(doc, {m_form.purchase->text(), m_schedule});
        return;
    }
    PaymentsReportSource source;
    source.purchaseText = m_form.purchase->text();
    source.downCaption = m_downCaption;
    source.mode = m_mode;
    source.downText = m_form.down->text();
    source.loanAmount = m_loanAmount;
    source.unit = m_unit;
    source.yearsNote = m_unit == LengthUnit::Years ? yearsNoteText : QString();
    source.block =
        paymentsBlock(m_table, m_printBlock.top, m_printBlock.left, m_printBlock.bottom, m_printBlock.right);
    writePaymentsReport(doc, source);
}

} // namespace tq
