#pragma once
// The scientific calculator window: a display and 29 keys in the tool window
// frame. The engine owns the display text; the window mirrors it, maps the
// keyboard onto the keys and moves the focus so that Enter finishes a sum.
//
// Keyboard: the window sees every key press in it before the focused control
// (an application event filter) and does not consume the keys it maps, with
// one exception to avoid double entry. While the display has the focus it is
// being edited as text: digits and "." are then typed by the display itself at
// its cursor (a shifted digit such as "%" is typed as its digit), and the
// operator keys act on the calculator without leaving their character in it.
#include "frame/toolwindow.h"
#include "scicalc/calculatorengine.h"

#include <QHash>

class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace tq {

class SciCalc : public ToolWindow
{
    Q_OBJECT
public:
    SciCalc(Program &program, QWidget *launcher);
    ~SciCalc() override;

    static ToolWindowConfig windowConfig();

    const CalculatorEngine &engine() const { return m_engine; }
    QLineEdit *display() const { return m_display; }
    QPushButton *key(const QString &caption) const { return m_keys.value(caption); }

protected:
    void onActivated() override;
    void onEscape() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Source { Mouse, Keyboard };

    void buildPanels();
    void buildKeypad(QWidget *box);
    QWidget *addPanel(QWidget *parent, const QString &name, const QRect &twips, bool raised);
    void pressKey(const QString &caption, Source source);
    void moveFocusAfter(const QString &caption, Source source);
    bool onKeyPress(QKeyEvent *event);
    bool typeIntoDisplay(const QString &caption, const QKeyEvent *event);
    bool isRightButtonOnPlainKey(QObject *watched, QEvent *event) const;
    void showDisplay();

    CalculatorEngine m_engine;
    QLineEdit *m_display = nullptr;
    QHash<QString, QPushButton *> m_keys; // by caption
    bool m_keyPressSeen = false;
};

} // namespace tq
