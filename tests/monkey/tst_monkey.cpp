// Random clicks, right-clicks and keys on every window the launcher opens,
// with every prompt answered at random. It passes when nothing crashes and
// the sanitizers report nothing. TQ_MONKEY_SEED and TQ_MONKEY_EVENTS (per
// window) choose the run; the seed is printed, so a failing run repeats.
#include "app/registertools.h"
#include "app/startfrm.h"
#include "app/toolopener.h"
#include "fakes.h"
#include "windowdriver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QRandomGenerator>
#include <QTest>

using namespace tq;
using namespace tq::test;

namespace {

// The launcher's actions that open a window; a new window is one more line.
const char *const windowActions[] = {"mFHBud", "mFLCalc", "mFHCalc", "mFAct", "mFCal", "mHA"};

quint32 seed()
{
    bool ok = false;
    const quint32 chosen = qEnvironmentVariable("TQ_MONKEY_SEED").toUInt(&ok);
    return ok ? chosen : 20070314;
}

int eventsPerWindow()
{
    bool ok = false;
    const int chosen = qEnvironmentVariableIntValue("TQ_MONKEY_EVENTS", &ok);
    return ok && chosen > 0 ? chosen : 500;
}

// Commands that open a dialog or panel over a window (where the window has
// them): the monkey then reaches for the window behind it.
const char *const openers[] = {"Command15", "mOSpell", "Command8", "mOT", "mOGB"};

struct KeyStroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

const KeyStroke keys[] = {
    {Qt::Key_0, {}},
    {Qt::Key_1, {}},
    {Qt::Key_5, {}},
    {Qt::Key_9, {}},
    {Qt::Key_Period, {}},
    {Qt::Key_E, {}},
    {Qt::Key_Minus, {}},
    {Qt::Key_A, {}},
    {Qt::Key_Backspace, {}},
    {Qt::Key_Delete, {}},
    {Qt::Key_Return, {}},
    {Qt::Key_Escape, {}},
    {Qt::Key_Tab, {}},
    {Qt::Key_Home, {}},
    {Qt::Key_End, {}},
    {Qt::Key_Up, {}},
    {Qt::Key_Down, {}},
    {Qt::Key_Space, {}},
    {Qt::Key_F1, {}},
    {Qt::Key_C, Qt::AltModifier},
    {Qt::Key_P, Qt::AltModifier},
    {Qt::Key_X, Qt::AltModifier},
    {Qt::Key_C, Qt::ControlModifier},
    {Qt::Key_V, Qt::ControlModifier},
};

class Monkey
{
public:
    Monkey(QRandomGenerator &random, ScriptedPrompter &prompter) : m_random(random), m_prompter(prompter) {}

    // One random event on a visible child of `window` (or on an open menu).
    void act(QWidget *window)
    {
        if (roll(10) == 0) // some prompt to come finds a close path tried under it
            m_prompter.whileNextPromptShows([this, w = QPointer(window)] {
                if (w)
                    tryClosing(w, randomClosePath());
            });
        if (roll(25) == 0) {
            openSomething(window);
            return;
        }
        if (QWidget *popup = QApplication::activePopupWidget()) {
            if (roll(2) == 0) {
                popup->close();
                return;
            }
            window = popup;
        }
        QWidget *target = randomChild(window);
        const QPoint at(roll(qMax(1, target->width())), roll(qMax(1, target->height())));
        switch (roll(6)) {
        case 0:
            QTest::mouseClick(target, Qt::RightButton, {}, at);
            break;
        case 1:
        case 2: {
            const KeyStroke &k = keys[roll(int(std::size(keys)))];
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus && focus->window() == window ? focus : target, k.key, k.modifiers);
            break;
        }
        default:
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
        }
    }

private:
    int roll(int bound) { return int(m_random.bounded(bound)); }
    QString randomClosePath() { return closePathNames().at(roll(int(closePathNames().size()))); }

    void openSomething(QWidget *window)
    {
        const QString name = QString::fromLatin1(openers[roll(int(std::size(openers)))]);
        if (auto *action = window->findChild<QAction *>(name))
            action->trigger();
        else if (auto *button = window->findChild<QAbstractButton *>(name); button && button->isVisible())
            button->click();
        QPointer guard(window);
        if (guard && roll(2) == 0)
            tryClosing(window, randomClosePath());
    }

    QWidget *randomChild(QWidget *window)
    {
        QList<QWidget *> visible{window};
        for (QWidget *w : window->findChildren<QWidget *>())
            if (w->isVisible() && !w->isWindow())
                visible << w;
        return visible.at(roll(int(visible.size())));
    }

    QRandomGenerator &m_random;
    ScriptedPrompter &m_prompter;
};

// Triggers the launcher's action and returns the window it shows.
QWidget *openFrom(Startfrm &launcher, const QString &action)
{
    launcher.findChild<QAction *>(action)->trigger();
    QCoreApplication::processEvents();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w != &launcher && w->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            return w;
    }
    return nullptr;
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qInfo("TQ_MONKEY_SEED=%u TQ_MONKEY_EVENTS=%d", seed(), eventsPerWindow()); }

    void randomEventsOnEveryWindow_data()
    {
        QTest::addColumn<QString>("action");
        for (const char *action : windowActions)
            QTest::newRow(action) << QString::fromLatin1(action);
    }
    void randomEventsOnEveryWindow()
    {
        QFETCH(QString, action);
        TestProgram t;
        useSmallerDisplay(t.program);
        t.prompter.answerAtRandom(seed());
        ToolOpener tools(t.program);
        registerTools(tools);
        Startfrm launcher(t.program, tools);
        launcher.start();
        QRandomGenerator random(seed() + qHash(action));
        Monkey monkey(random, t.prompter);

        QPointer<QWidget> window;
        for (int i = 0, events = eventsPerWindow(); i < events; ++i) {
            if (!window || !window->isVisible()) { // at first, and after a random Exit
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                window = openFrom(launcher, action);
            }
            QVERIFY2(window, qPrintable(action + QStringLiteral(" opened no window")));
            monkey.act(window);
            QCoreApplication::processEvents();
        }
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        delete window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TQ_TEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
