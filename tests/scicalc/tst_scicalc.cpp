#include "accessibility.h"
#include "components/colours.h"
#include "fakes.h"
#include "scicalc/keypaddesign.h"
#include "scicalc/scicalc.h"
#include "windowdriver.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace tq;
using namespace tq::test;

namespace {

const QColor chosen(10, 120, 30);

// One keyboard key as a token: "7", "x", "=", "shift-%", "kp-*", "ctrl-=", "return".
QKeyCombination keyFromToken(QString token)
{
    Qt::KeyboardModifiers modifiers;
    const std::pair<const char *, Qt::KeyboardModifier> prefixes[] = {
        {"shift-", Qt::ShiftModifier}, {"ctrl-", Qt::ControlModifier}, {"kp-", Qt::KeypadModifier}};
    for (bool found = true; found;) {
        found = false;
        for (const auto &[prefix, modifier] : prefixes) {
            if (token.size() > 1 && token.startsWith(QLatin1String(prefix))) {
                modifiers |= modifier;
                token.remove(0, int(qstrlen(prefix)));
                found = true;
            }
        }
    }
    if (token == u"return")
        return QKeyCombination(modifiers, Qt::Key_Return);
    if (token == u"enter")
        return QKeyCombination(modifiers, Qt::Key_Enter);
    if (token == u"space")
        return QKeyCombination(modifiers, Qt::Key_Space);
    // Qt's key codes of digits, symbols and letters are their upper-case characters.
    return QKeyCombination(modifiers, Qt::Key(token.at(0).toUpper().unicode()));
}

// Sends the keys as the platform would: to the widget with the focus.
void typeKeys(QWidget *window, const QString &keys)
{
    for (const QString &token : keys.split(u' ', Qt::SkipEmptyParts)) {
        const QKeyCombination k = keyFromToken(token);
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        QTest::keyClick(target, k.key(), k.keyboardModifiers());
    }
}

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

class TestSciCalc : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> t;
    std::unique_ptr<QWidget> launcher;

    SciCalc *open() { return openToolWindow<SciCalc>(t->program, launcher.get()); }
    void clickKeys(SciCalc *w, const QString &captions)
    {
        for (const QString &caption : captions.split(u' ', Qt::SkipEmptyParts)) {
            QPushButton *key = w->key(caption);
            QVERIFY2(key, qPrintable(caption));
            QTest::mouseClick(key, Qt::LeftButton);
        }
    }

private Q_SLOTS:
    void init()
    {
        t = std::make_unique<TestProgram>();
        useSmallerDisplay(t->program);
        launcher = showLauncherStandIn();
    }
    void cleanup()
    {
        t->prompter.verifyAllUsed();
        deleteOpenWindows<SciCalc>();
        launcher.reset();
        t.reset();
    }

    void everyKeyIsOnTheKeypad()
    {
        SciCalc *w = open();
        auto *box = w->findChild<QWidget *>(QStringLiteral("Panel3D1"));
        QVERIFY(box);
        QCOMPARE(box->parentWidget()->objectName(), QStringLiteral("SSPanel1"));
        QCOMPARE(keypad::keys().size(), 29);
        for (const KeyDesign &design : keypad::keys()) {
            auto *button = w->findChild<QPushButton *>(design.objectName);
            QVERIFY2(button && button->text() == design.caption && button->parentWidget() == box,
                     qPrintable(design.objectName));
            QVERIFY2(box->rect().contains(button->geometry()), qPrintable(design.objectName));
        }
        QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("DigitBtn(7)"))->text(), QStringLiteral("7"));
        verifyInputsAnnounceCaptions(w); // the display announces "Input"
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("InputLbl"))->buddy(), w->display());
        QCOMPARE(w->display()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QVERIFY(w->display()->font().bold());
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("focus");
        // clang-format off
        QTest::newRow("2 + 3 Enter, Shift with = adds") << "2 shift-+ 3 return" << "5" << "EqualBtn";
        QTest::newRow("focus after the 3 is on =") << "2 shift-+ 3" << "3" << "EqualBtn";
        QTest::newRow("2 Enter") << "2 return" << "2" << "EqualBtn";
        QTest::newRow("keypad sum and keypad Enter") << "kp-2 kp-+ kp-3 kp-enter" << "5" << "EqualBtn";
        QTest::newRow("Shift+8 multiplies") << "3 shift-* 4 return" << "12" << "EqualBtn";
        QTest::newRow("keypad * multiplies") << "3 kp-* 4 return" << "12" << "EqualBtn";
        QTest::newRow("X multiplies") << "3 x 4 =" << "12" << "EqualBtn";
        QTest::newRow("Shift+X multiplies") << "3 shift-x 4 =" << "12" << "EqualBtn";
        QTest::newRow("focus on x after x") << "3 x" << "3" << "MulBtn";
        QTest::newRow("Shift+5 types 5") << "shift-% 1" << "51" << "EqualBtn";
        QTest::newRow("Ctrl with = adds") << "2 ctrl-= 3 =" << "5" << "EqualBtn";
        QTest::newRow("= on an empty display") << "=" << "" << "EqualBtn";
        QTest::newRow("= keeps the focus") << "2 shift-+ 3 = 4 x =" << "16" << "MulBtn";
        QTest::newRow("main-row digits") << "4 5 6" << "456" << "EqualBtn";
        QTest::newRow("keypad digits") << "kp-7 kp-8 kp-9 kp-0" << "7890" << "EqualBtn";
        QTest::newRow("main decimal point") << "7 . 5 ." << "7.5" << "DecimalBtn";
        QTest::newRow("keypad decimal point") << "7 kp-. 5" << "7.5" << "EqualBtn";
        QTest::newRow("keypad decimal comma") << "kp-, 5" << "0.5" << "EqualBtn";
        QTest::newRow("divide, focus on /") << "8 /" << "8" << "DivBtn";
        QTest::newRow("keypad divide") << "8 kp-/ 2 return" << "4" << "EqualBtn";
        QTest::newRow("subtract, focus on -") << "8 -" << "8" << "SubBtn";
        QTest::newRow("keypad subtract") << "8 kp-- 2 return" << "6" << "EqualBtn";
        QTest::newRow("space presses the focused key") << "9 space" << "9" << "EqualBtn";
        // clang-format on
    }
    void keyboard()
    {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        QFETCH(QString, focus);
        SciCalc *w = open();
        typeKeys(w, keys);
        QCOMPARE(w->display()->text(), display);
        QCOMPARE(w->engine().displayText(), display);
        QCOMPARE(focusName(), focus);
    }

    // While the display is being edited, each key reaches the calculator once.
    void typingIntoTheDisplay_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("focus");
        // clang-format off
        QTest::newRow("digits") << "1 2" << "12" << "DspBox";
        QTest::newRow("keypad digits and point") << "kp-1 kp-. kp-5" << "1.5" << "DspBox";
        QTest::newRow("keypad comma types a point") << "1 kp-, 5" << "1.5" << "DspBox";
        QTest::newRow("Shift+5 types 5") << "1 shift-%" << "15" << "DspBox";
        QTest::newRow("operator leaves for its key") << "1 2 shift-+" << "12" << "AddBtn";
        QTest::newRow("sum finished with Enter") << "1 2 shift-+ 3 return" << "15" << "EqualBtn";
        QTest::newRow("x is not typed") << "4 x 2 =" << "8" << "EqualBtn";
        QTest::newRow("= is not typed") << "4 =" << "4" << "DspBox";
        // clang-format on
    }
    void typingIntoTheDisplay()
    {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        QFETCH(QString, focus);
        SciCalc *w = open();
        QTest::mouseClick(w->display(), Qt::LeftButton);
        QCOMPARE(focusName(), QStringLiteral("DspBox"));
        typeKeys(w, keys);
        QCOMPARE(w->display()->text(), display);
        QCOMPARE(w->engine().displayText(), display);
        QCOMPARE(focusName(), focus);
    }

    void editedDisplayIsTheNumber()
    {
        SciCalc *w = open();
        QTest::mouseClick(w->display(), Qt::LeftButton);
        typeKeys(w, "2 5");
        QTest::keyClick(w->display(), Qt::Key_Backspace);
        clickKeys(w, "x 4 =");
        QCOMPARE(w->display()->text(), QStringLiteral("8"));
    }

    void mouse_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("focus");
        // clang-format off
        QTest::newRow("2 + 3 x 4 =") << "2 + 3 x 4 =" << "20" << "EqualBtn";
        QTest::newRow("digit moves the focus to =") << "2 + 3" << "3" << "EqualBtn";
        QTest::newRow("operator with a number: focus on =") << "2 /" << "2" << "EqualBtn";
        QTest::newRow("operator on an empty display stays") << "-" << "" << "SubBtn";
        QTest::newRow("function stays") << "2 SQRT" << "1.4142135623731" << "SqrtBtn";
        QTest::newRow("point stays") << "7 ." << "7." << "DecimalBtn";
        QTest::newRow("power and change of sign") << "2 Y^X 3 = +/-" << "-8" << "ChsBtn";
        QTest::newRow("Pi replaces the typed number") << "2 + 3 Pi =" << "5.14159265358979" << "EqualBtn";
        QTest::newRow("clear") << "5 CLX" << "" << "ClxBtn";
        // clang-format on
    }
    void mouse()
    {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        QFETCH(QString, focus);
        SciCalc *w = open();
        clickKeys(w, keys);
        QCOMPARE(w->display()->text(), display);
        QCOMPARE(focusName(), focus);
    }

    void errorsAreShownAndClear_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("0 1/X") << "0 1/X" << "Error in 1/X function";
        QTest::newRow("8 +/- X^1/3") << "8 +/- X^1/3" << "Error in CUBEROOT function";
        QTest::newRow("1 / 0 =") << "1 / 0 =" << "Error in / operation";
        // clang-format on
    }
    void errorsAreShownAndClear()
    {
        QFETCH(QString, keys);
        QFETCH(QString, message);
        SciCalc *w = open();
        t->prompter.answer(Button::Ok);
        clickKeys(w, keys);
        QCOMPARE(t->prompter.prompts.size(), 1);
        QCOMPARE(t->prompter.last().title, QStringLiteral("Error"));
        QCOMPARE(t->prompter.last().text, message);
        QCOMPARE(t->prompter.last().icon, Icon::Information);
        QCOMPARE(t->prompter.last().buttons, int(Button::Ok));
        QCOMPARE(w->display()->text(), QString());
        clickKeys(w, "4 + 1 =");
        QCOMPARE(w->display()->text(), QStringLiteral("5"));
    }

    void errorByKeyboardIsShownOnce()
    {
        SciCalc *w = open();
        t->prompter.answer(Button::Ok);
        typeKeys(w, "1 / 0 return");
        QCOMPARE(t->prompter.prompts.size(), 1);
        QCOMPARE(t->prompter.last().text, QStringLiteral("Error in / operation"));
        QCOMPARE(w->display()->text(), QString());
    }

    void rightButtonPopsOptionsAndTypesNothing_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<bool>("pops");
        // clang-format off
        QTest::newRow("digit key") << "DigitBtn(7)" << true;
        QTest::newRow("Label2") << "Label2" << true;
        QTest::newRow("SSPanel1") << "SSPanel1" << true;
        QTest::newRow("Panel3D1") << "Panel3D1" << true;
        QTest::newRow("operator key") << "AddBtn" << false;
        // clang-format on
    }
    void rightButtonPopsOptionsAndTypesNothing()
    {
        QFETCH(QString, widget);
        QFETCH(bool, pops);
        SciCalc *w = open();
        auto *target = w->findChild<QWidget *>(widget);
        QVERIFY(target);
        // Near the top left corner: the panels' own face, not a control on them.
        const QPoint at = qobject_cast<QPushButton *>(target) ? target->rect().center() : QPoint(4, 4);
        QTest::mouseClick(target, Qt::RightButton, {}, at);
        QMenu *menu = w->popupMenu();
        QCOMPARE(menu, w->optionsMenu());
        QCOMPARE(menu->isVisible(), pops);
        menu->hide();
        QCOMPARE(w->display()->text(), QString());
        QCOMPARE(w->engine().pendingOperator(), QStringLiteral(" "));
    }

    void colourChoiceIsStoredOnExit_data()
    {
        QTest::addColumn<bool>("useDefault");
        QTest::addColumn<QString>("closeBy");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<Button>("save");
        // clang-format off
        QTest::newRow("chosen, Esc, Yes") << false << "esc" << true << Button::Yes;
        QTest::newRow("chosen, E&XIT, No") << false << "OffBtn" << true << Button::No;
        QTest::newRow("chosen, menu Exit, Yes") << false << "mOE" << true << Button::Yes;
        QTest::newRow("default, Esc, Yes") << true << "esc" << true << Button::Yes;
        QTest::newRow("chosen, Esc in the display, Yes") << false << "display-esc" << true << Button::Yes;
        QTest::newRow("chosen, Alt+X, Yes") << false << "alt-x" << true << Button::Yes;
        QTest::newRow("chosen, close button") << false << "close" << false << Button::Yes;
        // clang-format on
    }
    void colourChoiceIsStoredOnExit()
    {
        QFETCH(bool, useDefault);
        QFETCH(QString, closeBy);
        QFETCH(bool, asks);
        QFETCH(Button, save);
        SciCalc *w = open();
        const QColor design(0x00, 0xFF, 0xFF);
        QCOMPARE(w->panelColour(), design);

        t->prompter.answer(useDefault ? Button::No : Button::Yes);
        if (!useDefault)
            t->prompter.answerColour(chosen);
        w->findChild<QAction *>(QStringLiteral("mOC"))->trigger();
        const QColor expected = useDefault ? systemDefaultColor() : chosen;
        auto *face = w->findChild<QLabel *>(QStringLiteral("Label2"));
        QCOMPARE(face->palette().color(QPalette::Window), expected);

        const qsizetype promptsBefore = t->prompter.prompts.size();
        if (asks)
            t->prompter.answer(save);
        if (closeBy == u"display-esc")
            QTest::mouseClick(w->display(), Qt::LeftButton);
        if (closeBy.endsWith(u"esc"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else if (closeBy == u"alt-x") // the mnemonic of "E&XIT"
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
        else if (closeBy == u"close")
            w->close();
        else if (closeBy == u"mOE")
            w->findChild<QAction *>(closeBy)->trigger();
        else
            QTest::mouseClick(w->findChild<QPushButton *>(closeBy), Qt::LeftButton);
        const QPointer<SciCalc> closing(w); // the mnemonic clicks a moment later
        QTRY_VERIFY(!closing || !closing->isVisible());
        QVERIFY(launcher->isVisible());
        QCOMPARE(t->prompter.prompts.size(), promptsBefore + (asks ? 1 : 0));
        if (asks) {
            QCOMPARE(t->prompter.last().title, QStringLiteral("Color Changes"));
            QCOMPARE(t->prompter.last().text,
                     QStringLiteral("Save changes made to Panel and or Text Color?"));
            QCOMPARE(t->prompter.last().icon, Icon::Question);
        }

        const bool stored = asks && save == Button::Yes;
        const std::optional<PanelColour> record = t->program.settings.panelColour(ToolId::SciCalc);
        QCOMPARE(record.has_value(), stored);
        if (stored && useDefault)
            QVERIFY(record->isDefault);
        if (stored && !useDefault)
            QCOMPARE(*record, PanelColour({false, numberFromColor(chosen)}));
        SciCalc *again = open();
        QCOMPARE(again->findChild<QLabel *>(QStringLiteral("Label2"))->palette().color(QPalette::Window),
                 stored ? expected : design);
    }

    void helpAndActivation()
    {
        SciCalc *w = open();
        QCOMPARE(w->statusText(), QStringLiteral("Calculator"));
        QVERIFY(!launcher->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(t->platform.helpTopics, QList<int>{3010});

        clickKeys(w, "2 +");
        QVERIFY(w->engine().isChaining());
        launcher->show();
        launcher->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(launcher.get()));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QVERIFY(!w->engine().isChaining());
        QCOMPARE(w->statusText(), QStringLiteral("Calculator"));
    }
};

TQ_TEST_MAIN(TestSciCalc)
#include "tst_scicalc.moc"
