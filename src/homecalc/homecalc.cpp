#include "homecalc/homecalc.h"

#include "common/numberformat.h"
#include "common/twips.h"
#include "common/typedfilter.h"
#include "components/boxwidth.h"
#include "components/colours.h"
#include "components/fittext.h"
#include "components/program.h"
#include "frame/reportpreview.h"
#include "homecalc/affordability.h"
#include "homecalc/homecalcclipboard.h"
#include "homecalc/homecalcreport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tq {

namespace {

constexpr int designRate = 7; // a stored 7 is the design value and is not restored
constexpr int boxLength = 10;
constexpr int rateLength = 5;

// A box's design width, or more when as many digits as it takes need it.
int fittedWidth(const QLineEdit *box, int designTwips)
{
    return boxDesignWidth(box, QString(box->maxLength(), u'8'), designTwips);
}

// Money boxes take digits; the rate box also "." and "/" (codes 46 to 57).
bool allowedInRateBox(QChar c)
{
    return c.unicode() >= 46 && c.unicode() <= 57;
}

void fillWith(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(role, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

// The rate as remembered: a positive number, read the way the stored kind allows.
std::optional<double> storedRate(const RecordVariant &v)
{
    switch (v.kind) {
    case RecordVariant::Kind::Int16:
    case RecordVariant::Kind::Int32:
        return v.number;
    case RecordVariant::Kind::String:
        return strictNumber(v.text);
    case RecordVariant::Kind::Empty:
        return 0.0;
    case RecordVariant::Kind::Unusable:
        break;
    }
    return std::nullopt;
}

} // namespace

ToolWindowConfig HomeCalc::homeConfig()
{
    ToolWindowConfig c;
    c.tool = ToolId::HomeCalc;
    c.objectName = QStringLiteral("HomeCalc");
    c.caption = QStringLiteral("Home Calculator");
    c.ownTopButton = 13;
    c.helpId = 3011;
    c.previewHelpId = 1014;
    c.colourQuestion = QStringLiteral("Save changes made to Panel Color?");
    return c;
}

HomeCalc::HomeCalc(Program &program, QWidget *launcher) : ToolWindow(program, launcher, homeConfig())
{
    m_face = new QLabel;
    m_face->setObjectName(QStringLiteral("Label4"));
    placeInPanel(m_face, {60, 420, 9710, 6720});
    setPanelColourWidget(m_face);
    installContextPopup(m_face);

    buildInputPanel();
    buildResultPanel();
    buildButtons();
    connectInputs();
    setTabOrders();
    restoreRate();
    m_length->setCurrentText(QStringLiteral("30"));

    FontChoice &font = program.state.printFont;
    font.underline = false;
    font.strikeOut = false;
    font.colour = m_income->palette().color(QPalette::Text);

    buildPreview();
    setPrintable(false);
}

// ---- building -------------------------------------------------------------------

QFrame *HomeCalc::subPanel(const QString &name, const QString &text, const QRect &twips)
{
    auto *panel = new QFrame;
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAccessibleName(text.trimmed());
    fillWith(panel, QPalette::Window, systemDefaultColor());
    placeInPanel(panel, twips);
    installContextPopup(panel);
    caption(panel, QString(), text, {60, 45, 3000, 250});
    return panel;
}

QLabel *HomeCalc::caption(QWidget *panel, const QString &name, const QString &text, const QRect &twips,
                          Qt::Alignment alignment)
{
    auto *label = new QLabel(text, panel);
    label->setObjectName(name);
    label->setWordWrap(text.contains(u' ') && twips.height() > 400);
    label->setAlignment(alignment);
    // Fitted at design size; the full screen display scales the fitted font.
    const int dpi = logicalDpiX();
    fitLabelToSize(label, QSize(twipsToPixels(twips.width(), dpi), twipsToPixels(twips.height(), dpi)),
                   {.narrowestStretch = 85});
    placeScaled(label, twips);
    installContextPopup(label);
    return label;
}

QLineEdit *HomeCalc::entryBox(QWidget *panel, const QString &name, const QRect &twips, bool rateBox)
{
    auto *box = new QLineEdit(panel);
    box->setObjectName(name);
    box->setMaxLength(rateBox ? rateLength : boxLength);
    fillWith(box, QPalette::Base, palette().color(QPalette::Base));
    placeScaled(box, {twips.x(), twips.y(), fittedWidth(box, twips.width()), twips.height()});
    return box;
}

// Once every control exists: a change of any box clears the results.
void HomeCalc::connectInputs()
{
    for (QLineEdit *box : {m_income, m_debt, m_cash, m_rate, m_limit}) {
        const bool rateBox = box == m_rate;
        connect(box, &QLineEdit::textChanged, this, [this, box, rateBox] { inputChanged(box, rateBox); });
    }
    // Typing in the loan length only withdraws print and copy; choosing an entry also recalculates.
    connect(m_length->lineEdit(), &QLineEdit::textEdited, this, [this] { setPrintable(false); });
    connect(m_length, &QComboBox::activated, this, [this] { loanLengthChosen(); });
}

void HomeCalc::buildInputPanel()
{
    namespace C = HomeCalcCaptions;
    QFrame *p =
        subPanel(QStringLiteral("SSPanel3"), QStringLiteral(" Input Section:"), {1445, 600, 6960, 2632});
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;

    m_income = entryBox(p, QStringLiteral("Text1"), {4515, 354, 2220, 346});
    caption(p, QStringLiteral("lblPurchTotl"), C::income, {120, 300, 4300, 450})->setBuddy(m_income);
    m_debt = entryBox(p, QStringLiteral("Text2"), {4515, 859, 2220, 346});
    caption(p, QStringLiteral("Label5"), C::debt, {120, 790, 4300, 480})->setBuddy(m_debt);
    m_cash = entryBox(p, QStringLiteral("Text3"), {4515, 1369, 2220, 346});
    caption(p, QStringLiteral("Label2"), C::cash, {120, 1300, 4300, 480})->setBuddy(m_cash);

    m_length = new QComboBox(p);
    m_length->setObjectName(QStringLiteral("Combo1"));
    m_length->setEditable(true);
    m_length->setInsertPolicy(QComboBox::NoInsert);
    m_length->addItems({QStringLiteral("30"), QStringLiteral("15")});
    fillWith(m_length, QPalette::Base, palette().color(QPalette::Base));
    placeScaled(m_length, {2085, 1788, listDesignWidth(m_length, 675), 315}); // wide enough for "30"
    caption(p, QStringLiteral("Label11"), C::loanLength, {60, 1788, 1965, 315}, right)->setBuddy(m_length);

    m_rate = entryBox(p, QStringLiteral("Text4"), {2085, 2226, 600, 313}, true);
    m_rate->setText(QString::number(designRate));
    caption(p, QStringLiteral("Label12"), C::rate, {60, 2226, 1965, 313}, right)->setBuddy(m_rate);
    // The "%" follows the rate box, however wide its five characters made it.
    caption(p, QStringLiteral("Label13"), QStringLiteral("%"),
            {2085 + fittedWidth(m_rate, 600) + 45, 2226, 200, 313});

    m_limit = entryBox(p, QStringLiteral("Text5"), {5415, 2166, 1320, 346});
    caption(p, QStringLiteral("Label14"), C::limit, {2980, 1760, 2370, 800}, right)->setBuddy(m_limit);

    auto *note =
        new QLabel(QStringLiteral("Loan Length in Years will show a Monthly Payment for 12 months a year."));
    note->setObjectName(QStringLiteral("Label1"));
    note->setAlignment(Qt::AlignCenter);
    placeInPanel(note, {1445, 3232, 6960, 213});
    installContextPopup(note);
}

void HomeCalc::buildResultPanel()
{
    namespace C = HomeCalcCaptions;
    QFrame *p = subPanel(QStringLiteral("SSPanel1"), QStringLiteral(" Calculation Results:"),
                         {1445, 3445, 6960, 2648});
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    struct Row {
        QLabel **field;
        QString fieldName;
        QString captionName;
        QString caption;
    };
    const Row rows[] = {
        {&m_home, QStringLiteral("Label3"), QStringLiteral("lblLen(0)"), C::home},
        {&m_payment, QStringLiteral("Label6"), QStringLiteral("lblLen(1)"), C::payment},
        {&m_loan, QStringLiteral("Label7"), QStringLiteral("lblLen(2)"), C::loan},
        {&m_downPayment, QStringLiteral("Label8"), QStringLiteral("lblLen(3)"), C::downPayment},
        {&m_closingCosts, QStringLiteral("Label9"), QStringLiteral("lblLen(4)"), C::closingCosts},
        {&m_percent, QStringLiteral("Label10"), QStringLiteral("lblLen(5)"), C::percent},
        {&m_limitingFactor, QStringLiteral("Label16"), QStringLiteral("Label15"), C::limitingFactor},
    };
    int top = 400;
    for (const Row &r : rows) {
        auto *field = new QLabel(p);
        field->setObjectName(r.fieldName);
        field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        field->setIndent(4);
        field->setAccessibleDescription(r.caption);
        fillWith(field, QPalette::Window, palette().color(QPalette::Base));
        installContextPopup(field);
        *r.field = field;
        const bool factor = r.field == &m_limitingFactor;
        // The limiting factor's texts are longer than an amount: its field is wider.
        placeScaled(field, factor ? QRect(3315, top, 3420, 300) : QRect(4515, top, 2220, 300));
        caption(p, r.captionName, r.caption, {150, top, factor ? 3100 : 4300, 300}, right)->setBuddy(field);
        top += 310;
    }
}

void HomeCalc::buildButtons()
{
    auto button = [this](const QString &name, const QString &text, int left) {
        auto *b = new QPushButton(text);
        b->setObjectName(name);
        placeInPanel(b, {left, 6400, 2100, 428});
        installContextPopup(b);
        return b;
    };
    m_calculate = button(QStringLiteral("cmdCalcPmts"), QStringLiteral("&Calculate"), 1445);
    m_print = button(QStringLiteral("Command1"), QStringLiteral("&Print"), 3895);
    m_exit = button(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 6315);
    connect(m_calculate, &QPushButton::clicked, this, &HomeCalc::calculate);
    connect(m_print, &QPushButton::clicked, this, [this] { runCommand(FrameCommand::Print); });
    connect(m_exit, &QPushButton::clicked, this, &ToolWindow::exitStep);
}

void HomeCalc::buildPreview()
{
    attachReportPreview([this] {
        auto *preview = new ReportPreview(program(), {ToolId::HomeCalc}, this);
        preview->builder = [this](PrintDocument &doc) {
            buildHomeCalcReport(doc, sheet(), program().clock.today());
        };
        return preview;
    });
}

void HomeCalc::setTabOrders()
{
    QWidget *const order[] = {m_income, m_debt,      m_cash,  m_length, m_rate,
                              m_limit,  m_calculate, m_print, m_exit};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void HomeCalc::restoreRate()
{
    const RecordVariant stored = program().settings.homeCalcRate();
    const std::optional<double> value = storedRate(stored);
    if (!value || *value <= 0)
        return;
    const double rate = leadingNumber(stored.toText());
    if (rate != designRate)
        m_rate->setText(formatGeneral(rate));
}

// ---- input --------------------------------------------------------------------------

void HomeCalc::inputChanged(QLineEdit *box, bool rateBox)
{
    if (hasResults())
        clearResults();
    setPrintable(false);
    // Only the last character is checked: what the user typed just now.
    if (const std::optional<QString> kept =
            refuseLastTyped(box->text(), rateBox ? allowedInRateBox : isDecimalDigit)) {
        box->setText(*kept);
        box->setCursorPosition(int(kept->size()));
    }
}

void HomeCalc::loanLengthChosen()
{
    setPrintable(false);
    if (leadingNumber(m_income->text()) > 0)
        calculate();
}

void HomeCalc::clearResults()
{
    m_sheet.result.reset();
    m_sheet.limitingFactor.reset();
    for (QLabel *field :
         {m_home, m_payment, m_loan, m_downPayment, m_closingCosts, m_percent, m_limitingFactor})
        field->clear();
}

void HomeCalc::setPrintable(bool on)
{
    setResultsAvailable(on, on);
    m_print->setEnabled(on);
}

bool HomeCalc::hasResults() const
{
    return m_sheet.result.has_value();
}

// ---- calculation ----------------------------------------------------------------------

void HomeCalc::calculate()
{
    BusyPointer busy(program().platform);
    const AffordabilityResult r =
        Affordability::calculate({m_income->text(), m_debt->text(), m_cash->text(), m_length->currentText(),
                                  m_rate->text(), m_limit->text()});
    if (r.status == AffordabilityResult::Status::IncomeMissing) {
        program().prompter.inform(
            this, QStringLiteral("Data Input"),
            QStringLiteral("Please enter Gross Annual Income\rEntry must be 1 or more"));
        m_income->setFocus();
        return;
    }
    if (r.status == AffordabilityResult::Status::AmountTooLarge) {
        program().prompter.inform(this, QStringLiteral("Data Input"),
                                  QStringLiteral("Please enter ") + r.tooLargeInput +
                                      QStringLiteral("\rEntry must be ") + largestAmountText() +
                                      QStringLiteral(" or less"));
        return;
    }
    // Rewriting a box counts as typing in it; the results are shown afterwards,
    // so the commands end up enabled for a positive payment either way.
    if (r.limitBoxText)
        m_limit->setText(*r.limitBoxText);
    if (r.rateBoxText)
        m_rate->setText(*r.rateBoxText);
    m_sheet.inputs = {m_income->text(),        m_debt->text(), m_cash->text(),
                      m_length->currentText(), m_rate->text(), m_limit->text()};
    m_sheet.result = r;
    if (r.limitingFactor)
        m_sheet.limitingFactor = r.limitingFactor;
    showResults();
}

void HomeCalc::showResults()
{
    const HomeCalcResultTexts t = resultTexts(m_sheet);
    m_payment->setText(t.payment);
    m_loan->setText(t.loan);
    m_closingCosts->setText(t.closingCosts);
    m_downPayment->setText(t.downPayment);
    m_home->setText(t.home);
    m_percent->setText(t.percent);
    m_limitingFactor->setText(t.limitingFactor);
    if (m_sheet.result->printable())
        setPrintable(true);
}

// ---- leaving and copying ------------------------------------------------------------------

void HomeCalc::storeLeaveValues()
{
    program().settings.setHomeCalcRate(m_rate->text());
}

void HomeCalc::copyResults()
{
    program().platform.setClipboardText(homeCalcClipboardText(sheet(), program().clock.today()));
    program().prompter.inform(this, QStringLiteral("Copy Option"),
                              QStringLiteral("Data has been copied to the Windows Clipboard."));
}

} // namespace tq
