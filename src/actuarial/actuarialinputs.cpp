#include "actuarial/actuarialinputs.h"

#include "actuarial/entryfilter.h"
#include "common/numberformat.h"
#include "components/colours.h"
#include "components/prompter.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace tq {

namespace {

constexpr int kRateSteps = 50; // 0.0 to 25.0 by 0.5
const QString rateFormat = QStringLiteral("0.0");

void paintFace(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace

ActuarialInputs::ActuarialInputs(Prompter &prompter, QWidget *panel, const Place &place)
    : QObject(panel), m_prompter(prompter), m_parent(panel), m_place(place)
{
    m_inputPanel = makePanel(QStringLiteral("Panel3D2"), QString(), {795, 330, 2400, 1246});
    m_text1 = makeTextBox(m_inputPanel, QStringLiteral("Text1"), QStringLiteral("Amount or Annuity"), 7,
                          {120, 75, 2160, 255}, {120, 330, 2160, 300});
    m_text2 = makeTextBox(m_inputPanel, QStringLiteral("Text2"), QStringLiteral("No. Payments Per Year"), 3,
                          {120, 645, 2160, 255}, {120, 900, 2160, 300});

    m_ratePanel = makePanel(QStringLiteral("Panel3D3"), QStringLiteral(" Annual Interest Rates"),
                            {795, 1675, 2400, 1246});
    m_combo1 = makeRateBox(m_ratePanel, QStringLiteral("Combo1"), QStringLiteral("Maximum %"), 420);
    m_combo2 = makeRateBox(m_ratePanel, QStringLiteral("Combo2"), QStringLiteral("Minimum %"), 840);

    m_yearPanel =
        makePanel(QStringLiteral("Panel3D4"), QStringLiteral(" Number of Years"), {795, 3030, 2400, 1245});
    m_text3 = makeTextBox(m_yearPanel, QStringLiteral("Text3"), QStringLiteral("Maximum"), 3,
                          {120, 435, 1080, 300}, {1260, 420, 1020, 330});
    m_text4 = makeTextBox(m_yearPanel, QStringLiteral("Text4"), QStringLiteral("Minimum"), 3,
                          {120, 855, 1080, 300}, {1260, 840, 1020, 330});

    filter(m_text1, false);
    for (QLineEdit *box : {m_text2, m_text3, m_text4})
        filter(box, true);
}

QFrame *ActuarialInputs::makePanel(const QString &name, const QString &caption, const QRect &twips)
{
    auto *panel = new QFrame(m_parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setAccessibleName(caption.trimmed());
    paintFace(panel, systemDefaultColor());
    m_place(panel, twips);
    if (!caption.isEmpty()) {
        auto *title = new QLabel(caption, panel);
        title->setObjectName(name + QStringLiteral("Caption"));
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        m_place(title, {60, 60, 2280, 285});
    }
    return panel;
}

QLineEdit *ActuarialInputs::makeTextBox(QFrame *panel, const QString &name, const QString &caption,
                                        int maxLength, const QRect &captionTwips, const QRect &boxTwips)
{
    auto *label = new QLabel(caption, panel);
    label->setObjectName(name + QStringLiteral("Caption"));
    auto *box = new QLineEdit(panel);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    box->setAccessibleName(caption);
    label->setBuddy(box);
    m_place(label, captionTwips);
    m_place(box, boxTwips);
    return box;
}

QComboBox *ActuarialInputs::makeRateBox(QFrame *panel, const QString &name, const QString &caption, int top)
{
    auto *label = new QLabel(caption, panel);
    label->setObjectName(name + QStringLiteral("Caption"));
    auto *box = new QComboBox(panel);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(12);
    for (int step = 0; step <= kRateSteps; ++step)
        box->addItem(formatPattern(step * 0.5, rateFormat));
    box->setCurrentIndex(0);
    // Typed rates are read like the list's; up to 999.9 % keeps a table to
    // a few thousand rows however the range is typed.
    static const QRegularExpression typed(QStringLiteral("[0-9]{0,3}(\\.[0-9]?)?"));
    box->setValidator(new QRegularExpressionValidator(typed, box));
    box->setAccessibleName(caption);
    label->setBuddy(box);
    m_place(label, {120, top + 15, 1080, 300});
    m_place(box, {1260, top, 1020, 330});
    return box;
}

// Each change adds at most a character, so only the last one is examined.
void ActuarialInputs::filter(QLineEdit *box, bool capped)
{
    connect(box, &QLineEdit::textChanged, this, [this, box, capped](const QString &text) {
        const EntryFilterResult r = capped ? filterCappedEntry(text) : filterDigitEntry(text);
        if (r.changed) {
            box->setText(r.text);
            box->setCursorPosition(int(r.text.size()));
        }
        if (r.showMaximumMessage)
            m_prompter.inform(box->window(), QString::fromUtf16(kMaximumEntryTitle),
                              QString::fromUtf16(kMaximumEntryText));
    });
}

ValueTableInputs ActuarialInputs::values() const
{
    return {m_text1->text(),         m_text2->text(), m_combo1->currentText(),
            m_combo2->currentText(), m_text3->text(), m_text4->text()};
}

void ActuarialInputs::apply(const BoxExchange &exchange)
{
    if (exchange.maximumYears)
        m_text3->setText(*exchange.maximumYears);
    if (exchange.minimumYears)
        m_text4->setText(*exchange.minimumYears);
    if (exchange.maximumRate)
        m_combo1->setEditText(*exchange.maximumRate);
    if (exchange.minimumRate)
        m_combo2->setEditText(*exchange.minimumRate);
}

void ActuarialInputs::focus(FailingInput input)
{
    QLineEdit *box = m_text3;
    if (input == FailingInput::Amount || input == FailingInput::AmountTooLarge)
        box = m_text1;
    else if (input == FailingInput::PaymentsPerYear || input == FailingInput::PaymentsPerYearTooLarge)
        box = m_text2;
    box->setFocus(Qt::OtherFocusReason);
}

void ActuarialInputs::clearAmountAndPayments()
{
    m_text1->clear();
    m_text2->clear();
}

QList<QWidget *> ActuarialInputs::tabOrder() const
{
    return {m_text1, m_text2, m_combo1, m_combo2, m_text3, m_text4};
}

} // namespace tq
