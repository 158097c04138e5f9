#include "actuarial/actua1.h"

#include "actuarial/actuarialcopy.h"
#include "actuarial/actuarialgrid.h"
#include "actuarial/actuarialinputs.h"
#include "actuarial/actuarialreport.h"
#include "common/numberformat.h"
#include "components/colours.h"
#include "components/eventyield.h"
#include "components/grid.h"
#include "components/printdocument.h"
#include "components/program.h"
#include "frame/gridcolours.h"
#include "frame/reportpreview.h"
#include "frame/selectionlimits.h"
#include "frame/toolbaricons.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <exception>
#include <optional>

namespace tq {

namespace {

constexpr QSize kCornerPicturePixels{45, 24};

// The window's small picture, drawn into the grid's corner cell.
QPixmap cornerPicture()
{
    QPixmap picture(kCornerPicturePixels);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    const int side = kCornerPicturePixels.height() - 4;
    const QPixmap glyph = ToolbarIcons::glyph(Glyph::Actuarial).pixmap(side, side);
    p.drawPixmap((picture.width() - side) / 2, 2, glyph);
    return picture;
}

} // namespace

ToolWindowConfig Actua1::windowConfig()
{
    ToolWindowConfig c;
    c.tool = ToolId::Actuarial;
    c.objectName = QStringLiteral("Actua1");
    c.caption = QStringLiteral("Actuarial Calculator");
    c.ownTopButton = 11;
    c.helpId = 3026;
    c.previewHelpId = 1014;
    c.panelDesignTwips = QSize(9825, 7200);
    c.menuNames.print = QStringLiteral("mOPrint");
    return c;
}

Actua1::Actua1(Program &program, QWidget *launcher) : ToolWindow(program, launcher, windowConfig())
{
    m_inputs = new ActuarialInputs(program.prompter, mainPanel(),
                                   [this](QWidget *w, const QRect &twips) { placeScaled(w, twips); });
    buildCommands();
    buildTablePanel();
    applyStoredGridColours(*m_grid, program);

    QList<QWidget *> order = m_inputs->tabOrder();
    for (const char *name : {"Command3", "Command4", "Command1", "Command2", "Command5"})
        order.append(findChild<QPushButton *>(QLatin1String(name)));
    order.append(m_grid);
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    // A tool window that loads starts the print font's effects afresh and
    // prints in its entry boxes' text colour.
    FontChoice &font = program.state.printFont;
    font.underline = false;
    font.strikeOut = false;
    font.colour = m_inputs->amountBox()->palette().color(QPalette::Text);

    attachReportPreview([this] {
        auto *preview = new ReportPreview(
            ToolWindow::program(),
            {ToolId::Actuarial, 76, QStringLiteral(" Only Highlighted Data will Print")}, this);
        preview->builder = [this](PrintDocument &doc) {
            ValueBlock block = currentBlock();
            block.block = m_printBlock;
            doc.setTextColour(m_grid->textColor());
            buildActuarialReport(doc, block);
        };
        return preview;
    });

    for (QWidget *w : m_inputs->panels())
        installContextPopup(w);
    for (QPushButton *b : mainPanel()->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
        installContextPopup(b);
    installContextPopup(m_label1);
    installContextPopup(m_grid->parentWidget());
    installGridPopup(m_grid);

    m_grid->setHighlight(Grid::Highlight::Never);
    setCopyAndPrint(false);
}

Actua1::~Actua1() = default;

void Actua1::buildCommands()
{
    struct ControlPlace {
        const char *name;
        const char *caption;
        int top;
        std::optional<TableKind> kind; // none: the Exit command
    };
    const ControlPlace places[] = {
        {"Command3", "&Future Value of Amount", 4526, TableKind::FutureValueOfAmount},
        {"Command4", "Future &Value of Annuity", 4989, TableKind::FutureValueOfAnnuity},
        {"Command1", "&Present Value of Amount", 5451, TableKind::PresentValueOfAmount},
        {"Command2", "Present Value of &Annuity", 5923, TableKind::PresentValueOfAnnuity},
        {"Command5", "E&xit", 6418, std::nullopt},
    };
    for (const ControlPlace &s : places) {
        auto *button = new QPushButton(QString::fromLatin1(s.caption));
        button->setObjectName(QLatin1String(s.name));
        placeInPanel(button, {795, s.top, 2400, 408});
        if (s.kind)
            connect(button, &QPushButton::clicked, this, [this, kind = *s.kind] { buildTable(kind); });
        else
            connect(button, &QPushButton::clicked, this, &Actua1::exitStep);
    }
}

void Actua1::buildTablePanel()
{
    auto *panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel3D5"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    QPalette face = panel->palette();
    face.setColor(QPalette::Window, systemDefaultColor());
    panel->setPalette(face);
    panel->setAutoFillBackground(true);
    placeInPanel(panel, {3390, 330, 5790, 5728});

    m_grid = new Grid(panel);
    m_grid->setObjectName(QStringLiteral("Grid1"));
    m_grid->setAccessibleTableName(QStringLiteral("Value table"));
    placeScaled(m_grid, {45, 45, 5700, 5638});
    m_table = std::make_unique<ActuarialGrid>(*m_grid, cornerPicture());
    m_grid->setScrollTipProvider([this](int row) { return m_table->scrollTip(row); });
    connect(m_grid, &Grid::clicked, this, &Actua1::onGridClicked);

    m_label1 = new QLabel;
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setWordWrap(true);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label1->setTextFormat(Qt::PlainText);
    // The longest sentence takes five lines; a little smaller type and the
    // room down to the panel's edge keep its last words in view.
    QFont small = m_label1->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_label1->setFont(small);
    placeInPanel(m_label1, {3495, 6070, 5880, 1050});
}

void Actua1::buildTable(TableKind kind)
{
    setCopyAndPrint(false);
    m_values.reset();
    m_table->empty([this] { repaintNow(this); });
    const ValueTableInputs inputs = m_inputs->values();
    if (const std::optional<FailingInput> failure = firstFailingInput(inputs)) {
        const Notice message = messageFor(*failure);
        program().prompter.inform(this, message.title, message.text);
        m_inputs->focus(*failure);
        return;
    }
    m_inputs->apply(boxExchange(inputs));
    BusyPointer busy(program().platform);
    const ValueTableOutcome outcome = buildValueTable(kind, inputs);
    m_values = *outcome.table;
    const ValueTable &table = *m_values;
    m_table->show(table);
    m_grid->setCurrentCell(1, 1);
    if (m_grid->highlight() == Grid::Highlight::Never) {
        m_grid->setHighlight(Grid::Highlight::Always);
        setCopyAndPrint(true);
    }
    m_corner = table.cornerValue();
    m_sentence = table.sentence();
    m_amount = formatCurrency(leadingNumber(inputs.amount));
    m_payments = inputs.paymentsPerYear;
    // The label breaks the line where the sentence has its carriage return.
    m_label1->setText(QString(m_sentence).replace(u'\r', u'\n'));
}

void Actua1::setCopyAndPrint(bool available)
{
    setResultsAvailable(available, available);
}

void Actua1::onGridClicked()
{
    setCopyAndPrint(!m_grid->currentText().trimmed().isEmpty());
}

ValueBlock Actua1::currentBlock() const
{
    ValueBlock b;
    b.cell = [table = m_values](int row, int col) {
        return table ? tableCellText(*table, row, col) : QString();
    };
    b.block = m_grid->highlightedBlock();
    b.amount = m_amount;
    b.payments = m_payments;
    b.sentence = m_sentence;
    b.cornerValue = m_corner;
    return b;
}

QString Actua1::copyText(const ValueBlock &block) const
{
    const QFontMetricsF window(font());
    const FontChoice &f = program().state.printFont;
    const QFontMetricsF printer(PrintDocument::twipsFont(f.family, f.pointSize, f.bold, f.italic));
    return actuarialCopyText(block, {[&](const QString &s) { return window.horizontalAdvance(s); },
                                     [&](const QString &s) { return printer.horizontalAdvance(s); }});
}

void Actua1::copyResults()
{
    QString text;
    try {
        text = copyText(currentBlock());
    } catch (const std::exception &) {
        // Nothing reached the clipboard, so no confirmation follows.
        program().prompter.message(this, tooLargeSelectionMessage());
        return;
    }
    program().platform.setClipboardText(text);
    program().prompter.inform(this, QStringLiteral("Copy Option"),
                              QStringLiteral("Highlighted Data has been copied to the Windows Clipboard."));
    setCopyAndPrint(false);
    m_grid->setHighlight(Grid::Highlight::WhenFocused);
}

void Actua1::openReport()
{
    m_printBlock = currentBlock().block;
    if (limitPrintedColumns(m_printBlock))
        program().prompter.message(this, printRestrictionMessage());
    reportPreview()->open();
}

void Actua1::onActivated()
{
    // Only the opening empties the grid: activation also follows every
    // message box, and the table must survive those.
    if (m_opened)
        return;
    m_opened = true;
    m_table->showOpeningRows();
}

void Actua1::onEscape()
{
    if (isPreviewShown())
        ToolWindow::onEscape();
    else
        exitStep();
}

void Actua1::closeEvent(QCloseEvent *event)
{
    m_inputs->clearAmountAndPayments();
    resetState();
    ToolWindow::closeEvent(event);
}

void Actua1::resetState()
{
    m_corner = 0;
    m_amount.clear();
    m_payments.clear();
}

} // namespace tq
