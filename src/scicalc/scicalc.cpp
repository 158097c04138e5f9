#include "scicalc/scicalc.h"

#include "components/colours.h"
#include "components/program.h"
#include "scicalc/keymapping.h"
#include "scicalc/keypaddesign.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace tq {

namespace {

// Keycodes are physical places only where the platform passes xkb keycodes on.
quint32 physicalKeyOf(const QKeyEvent *event)
{
    const QString platform = QGuiApplication::platformName();
    const bool xkb = platform == u"xcb" || platform.startsWith(u"wayland");
    return xkb ? event->nativeScanCode() : 0;
}

void fillWithDefaultFace(QWidget *widget)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, systemDefaultColor());
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QFont designFont(bool bold = false)
{
    QFont f = QApplication::font();
    f.setPointSizeF(8.25);
    f.setBold(bold);
    return f;
}

} // namespace

ToolWindowConfig SciCalc::windowConfig()
{
    ToolWindowConfig c;
    c.tool = ToolId::SciCalc;
    c.objectName = QStringLiteral("SciCalc");
    c.caption = QStringLiteral("Calculator");
    c.ownTopButton = 12;
    c.sideButtons = ToolWindowConfig::standardSideButtons(false);
    c.helpId = 3010;
    c.colourQuestion = QStringLiteral("Save changes made to Panel and or Text Color?");
    c.mainPanelName = QStringLiteral("SSPanel2");
    c.panelDesignTwips = QSize(9825, 7200);
    c.hasCopy = false;
    c.hasReport = false;
    c.popup = PopupMenu::Options;
    return c;
}

SciCalc::SciCalc(Program &program, QWidget *launcher) : ToolWindow(program, launcher, windowConfig())
{
    buildPanels();
    showDisplay();
    // Enter answers "=" from the start; digits and operators move it on.
    m_keys.value(QStringLiteral("="))->setFocus();
    qApp->installEventFilter(this);
}

SciCalc::~SciCalc()
{
    qApp->removeEventFilter(this);
}

// ---- building -------------------------------------------------------------------

QWidget *SciCalc::addPanel(QWidget *parent, const QString &name, const QRect &twips, bool raised)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(raised ? QFrame::Panel : QFrame::Box);
    panel->setFrameShadow(raised ? QFrame::Raised : QFrame::Plain);
    panel->setLineWidth(raised ? 2 : 1);
    fillWithDefaultFace(panel);
    if (parent)
        placeScaled(panel, twips);
    else
        placeInPanel(panel, twips);
    installContextPopup(panel);
    return panel;
}

void SciCalc::buildPanels()
{
    // The panel colour fills the outer panel around the raised keypad panel.
    auto *face = new QLabel;
    face->setObjectName(QStringLiteral("Label2"));
    placeInPanel(face, {60, 60, 9700, 7075});
    setPanelColourWidget(face);
    installContextPopup(face);

    QWidget *outer = addPanel(nullptr, QStringLiteral("SSPanel1"), {2415, 460, 4965, 6293}, true);
    QWidget *box = addPanel(outer, QStringLiteral("Panel3D1"), {115, 123, 4710, 6024}, false);
    buildKeypad(box);
}

void SciCalc::buildKeypad(QWidget *box)
{
    auto *input = new QLabel(QStringLiteral("Input"), box);
    input->setObjectName(QStringLiteral("InputLbl"));
    input->setFont(designFont());
    placeScaled(input, keypad::inputLabel);

    m_display = new QLineEdit(box);
    m_display->setObjectName(QStringLiteral("DspBox"));
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setFont(designFont(true));
    QPalette p = m_display->palette();
    p.setColor(QPalette::Base, QApplication::palette().color(QPalette::Base));
    m_display->setPalette(p);
    placeScaled(m_display, keypad::display);
    input->setBuddy(m_display);
    connect(m_display, &QLineEdit::textEdited, this,
            [this](const QString &text) { m_engine.setDisplayText(text); });

    for (const KeyDesign &design : keypad::keys()) {
        auto *button = new QPushButton(design.caption, box);
        button->setObjectName(design.objectName);
        button->setFont(designFont());
        // Enter and Return press the focused key, as in a dialog.
        button->setAutoDefault(true);
        placeScaled(button, design.twips);
        m_keys.insert(design.caption, button);
        if (design.caption == keypad::exitCaption) {
            connect(button, &QPushButton::clicked, this, &ToolWindow::exitStep);
            continue;
        }
        if (keypad::isDigit(design.caption))
            installContextPopup(button);
        connect(button, &QPushButton::clicked, this,
                [this, caption = design.caption] { pressKey(caption, Source::Mouse); });
    }

    for (const CaptionDesign &design : keypad::captions()) {
        auto *label = new QLabel(design.text, box);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(designFont());
        placeScaled(label, design.twips);
    }
}

// ---- keys ---------------------------------------------------------------------------

void SciCalc::pressKey(const QString &caption, Source source)
{
    const CalculatorEngine::Error error = m_engine.press(caption);
    showDisplay();
    if (error)
        program().prompter.message(
            this, {QStringLiteral("Error"), *error, Icon::Information, int(Button::Ok), Button::Ok});
    moveFocusAfter(caption, source);
}

// The focus decides what Enter presses next.
void SciCalc::moveFocusAfter(const QString &caption, Source source)
{
    QPushButton *equal = m_keys.value(QStringLiteral("="));
    if (keypad::isDigit(caption)) {
        equal->setFocus();
        return;
    }
    if (source == Source::Mouse) {
        if (keypad::isArithmetic(caption) && !m_engine.displayText().isEmpty())
            equal->setFocus();
        return; // other keys keep the focus the click gave them
    }
    if (keypad::isArithmetic(caption) || caption == u".")
        m_keys.value(caption)->setFocus();
}

void SciCalc::showDisplay()
{
    if (m_display->text() != m_engine.displayText())
        m_display->setText(m_engine.displayText());
}

bool SciCalc::onKeyPress(QKeyEvent *event)
{
    const QString caption =
        calculatorKeyFor({event->key(), event->modifiers(), event->text(), physicalKeyOf(event)});
    if (caption.isEmpty())
        return false;
    if (m_display->hasFocus())
        return typeIntoDisplay(caption, event);
    pressKey(caption, Source::Keyboard);
    return false; // the focused key ignores it; nothing is typed twice
}

// While the display is being edited, entry characters go in at its cursor and
// operators act without leaving their character behind; either way the key
// reaches the calculator once.
bool SciCalc::typeIntoDisplay(const QString &caption, const QKeyEvent *event)
{
    if (!keypad::isDigit(caption) && caption != u".") {
        pressKey(caption, Source::Keyboard);
        return true;
    }
    if (event->text() == caption)
        return false; // the display types it and reports the edit
    m_display->insert(caption);
    m_engine.setDisplayText(m_display->text());
    return true;
}

// Only the digit keys answer the right button (with the menu); the others must
// not pass it on to their panel, which would pop the menu up as well.
bool SciCalc::isRightButtonOnPlainKey(QObject *watched, QEvent *event) const
{
    const QEvent::Type t = event->type();
    if (t != QEvent::MouseButtonPress && t != QEvent::MouseButtonRelease && t != QEvent::MouseButtonDblClick)
        return false;
    if (static_cast<QMouseEvent *>(event)->button() != Qt::RightButton)
        return false;
    auto *button = qobject_cast<QPushButton *>(watched);
    return button && m_keys.value(button->text()) == button && !keypad::isDigit(button->text());
}

bool SciCalc::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != this)
        return ToolWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyRelease:
        m_keyPressSeen = false; // a new press follows
        break;
    case QEvent::KeyPress:
        // An ignored press travels on to the parents; act on its first stop only.
        if (m_keyPressSeen)
            break;
        m_keyPressSeen = true;
        if (watched == menuWidget())
            break;
        return onKeyPress(static_cast<QKeyEvent *>(event));
    default:
        if (isRightButtonOnPlainKey(watched, event)) {
            event->accept();
            return true;
        }
        break;
    }
    return ToolWindow::eventFilter(watched, event);
}

// ---- frame hooks ----------------------------------------------------------------------

void SciCalc::onActivated()
{
    m_engine.windowActivated();
}

// Esc presses "E&XIT": the exit step with its colour question.
void SciCalc::onEscape()
{
    exitStep();
}

} // namespace tq
