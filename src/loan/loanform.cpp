#include "loan/loanform.h"

#include "common/numberformat.h"
#include "common/twips.h"
#include "components/boxwidth.h"
#include "components/colours.h"
#include "components/fittext.h"
#include "components/grid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace tq {

namespace {

// Inside a panel: captions at the left, boxes at the right.
constexpr int captionLeft = 90;
constexpr int captionWidth = 1290;
constexpr int boxLeft = 1410;
constexpr int boxWidth = 825;
constexpr int rowHeight = 330;
constexpr int rateCount = 51; // 0.0 to 25.0 in steps of 0.5

template <typename W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QFrame *raisedPanel(const QString &name)
{
    auto *panel = named(new QFrame, name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    return panel;
}

QGroupBox *captionedPanel(const QString &name, const QString &caption)
{
    auto *panel = named(new QGroupBox(caption), name);
    panel->setAlignment(Qt::AlignHCenter);
    return panel;
}

QComboBox *rateList(const QString &name)
{
    auto *combo = named(new QComboBox, name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 0; i < rateCount; ++i)
        combo->addItem(formatPattern(i * 0.5, u"0.0"));
    combo->setCurrentIndex(0);
    return combo;
}

// One caption with its box on a row of a panel; the caption is the box's
// buddy so a screen reader announces it.
void captionRow(const LoanForm::Placer &place, QWidget *panel, QLabel *caption, QWidget *box, int top)
{
    caption->setParent(panel);
    box->setParent(panel);
    // A list grows to the left until its longest rate shows whole.
    const auto *list = qobject_cast<QComboBox *>(box);
    const int width = list ? listDesignWidth(list, boxWidth) : boxWidth;
    const int left = boxLeft + boxWidth - width;
    const int roomForCaption = captionWidth - (width - boxWidth);
    // Fitted before placing: the font set now is the design font that scales.
    caption->resize(twipsToPixels(roomForCaption, caption->logicalDpiX()), caption->height());
    fitLabelToWidth(caption, caption->width());
    place(caption, {captionLeft, top, roomForCaption, rowHeight});
    place(box, {left, top, width, rowHeight});
    caption->setBuddy(box);
    box->setAccessibleName(caption->text().remove(u'&'));
}

} // namespace

LoanForm LoanForm::build(QWidget *mainPanel, const Placer &placeInPanel, const Placer &placeScaled)
{
    Q_UNUSED(mainPanel);
    LoanForm f;
    f.amountsPanel = raisedPanel(QStringLiteral("SSPanel3"));
    placeInPanel(f.amountsPanel, {600, 545, 2325, 1578});
    f.purchaseCaption = named(new QLabel(QStringLiteral("Purchase Amount:")), QStringLiteral("lblPurchTotl"));
    f.purchase = named(new QLineEdit, QStringLiteral("txtPurchTotl"));
    captionRow(placeScaled, f.amountsPanel, f.purchaseCaption, f.purchase, 190);
    f.downCaption = named(new QLabel(firstDownCaption), QStringLiteral("lblDwnPay"));
    f.down = named(new QLineEdit, QStringLiteral("txtDwnPay"));
    captionRow(placeScaled, f.amountsPanel, f.downCaption, f.down, 620);
    f.loanCaption = named(new QLabel(QStringLiteral("Loan Amount:")), QStringLiteral("Label2"));
    f.loanAmount = named(new QLabel, QStringLiteral("Label3"));
    f.loanAmount->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    f.loanAmount->setAutoFillBackground(true);
    f.loanAmount->setTextInteractionFlags(Qt::TextSelectableByMouse);
    captionRow(placeScaled, f.amountsPanel, f.loanCaption, f.loanAmount, 1050);

    f.ratePanel = captionedPanel(QStringLiteral("SSPanel2"), QStringLiteral(" Interest Rates"));
    placeInPanel(f.ratePanel, {600, 2268, 2325, 1192});
    f.rateMax = rateList(QStringLiteral("comIntrMax"));
    f.rateMin = rateList(QStringLiteral("comIntrMin"));
    captionRow(placeScaled, f.ratePanel,
               named(new QLabel(QStringLiteral("Maximum %")), QStringLiteral("lblLen(0)")), f.rateMax, 360);
    captionRow(placeScaled, f.ratePanel,
               named(new QLabel(QStringLiteral("Minimum %")), QStringLiteral("lblLen(1)")), f.rateMin, 760);

    f.lengthPanel = captionedPanel(QStringLiteral("SSPanel1"), QStringLiteral(" Years in Loan "));
    placeInPanel(f.lengthPanel, {600, 3632, 2325, 1192});
    f.lengthMax = named(new QLineEdit, QStringLiteral("txtLenMax"));
    f.lengthMin = named(new QLineEdit, QStringLiteral("txtLenMin"));
    captionRow(placeScaled, f.lengthPanel,
               named(new QLabel(QStringLiteral("Maximum")), QStringLiteral("lblLen(2)")), f.lengthMax, 360);
    captionRow(placeScaled, f.lengthPanel,
               named(new QLabel(QStringLiteral("Minimum")), QStringLiteral("lblLen(3)")), f.lengthMin, 760);

    f.showPayments = named(new QPushButton(QStringLiteral("Show Payments")), QStringLiteral("cmdCalcPmts"));
    placeInPanel(f.showPayments, {600, 5227, 2330, 403});
    f.showAmortization =
        named(new QPushButton(QStringLiteral("Show Amortization")), QStringLiteral("cmdCalcAmort"));
    f.showAmortization->setEnabled(false);
    placeInPanel(f.showAmortization, {600, 5796, 2330, 403});
    f.exit = named(new QPushButton(QStringLiteral("E&xit")), QStringLiteral("cmdExit"));
    placeInPanel(f.exit, {600, 6440, 2330, 403});

    f.gridPanel = raisedPanel(QStringLiteral("SSPanel4"));
    placeInPanel(f.gridPanel, {3195, 545, 6000, 5896});
    f.grid = named(new Grid(f.gridPanel), QStringLiteral("Grid1"));
    f.grid->setAccessibleTableName(QStringLiteral("Monthly payments"));
    placeScaled(f.grid, {45, 45, 5910, 5806});

    f.note = named(new QLabel(yearsNoteText), QStringLiteral("Label1"));
    f.note->setWordWrap(true);
    placeInPanel(f.note, {3375, 6484, 4440, 483});

    // Entry boxes and the loan amount on the window colour, the panels on the face colour.
    for (QWidget *panel : {static_cast<QWidget *>(f.amountsPanel), static_cast<QWidget *>(f.ratePanel),
                           static_cast<QWidget *>(f.lengthPanel), static_cast<QWidget *>(f.gridPanel)}) {
        QPalette p = panel->palette();
        p.setColor(QPalette::Window, systemDefaultColor());
        panel->setPalette(p);
        panel->setAutoFillBackground(true);
    }
    QPalette p = f.loanAmount->palette();
    p.setColor(QPalette::Window, p.color(QPalette::Base));
    f.loanAmount->setPalette(p);
    return f;
}

QList<QWidget *> LoanForm::popupAreas() const
{
    QList<QWidget *> areas{
        amountsPanel, ratePanel,    lengthPanel,      gridPanel, loanAmount,
        note,         showPayments, showAmortization, exit,      grid->tableView()->viewport()};
    return areas;
}

QString downCaptionText(DownPaymentMode mode)
{
    return mode == DownPaymentMode::Percent ? QStringLiteral("Percent Down") : QStringLiteral("Amount Down");
}

} // namespace tq
