#include "scicalc/keymapping.h"

#include <QTest>

using namespace tq;

class TestKeyMapping : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapsKeysByMeaningThenByPlace_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<uint>("physicalKey");
        QTest::addColumn<QString>("caption");

        const Qt::KeyboardModifiers none;
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers alt = Qt::AltModifier;
        const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;

        QTest::newRow("main-row 0") << int(Qt::Key_0) << none << 19u << "0";
        QTest::newRow("main-row 7") << int(Qt::Key_7) << none << 16u << "7";
        QTest::newRow("keypad 9") << int(Qt::Key_9) << keypad << 81u << "9";
        QTest::newRow("keypad 8 with Ctrl stays a digit") << int(Qt::Key_8) << (keypad | ctrl) << 80u << "8";
        QTest::newRow("Ctrl+5 types 5") << int(Qt::Key_5) << ctrl << 14u << "5";
        QTest::newRow("Ctrl+8 multiplies") << int(Qt::Key_8) << ctrl << 17u << "x";
        QTest::newRow("Alt+8 multiplies") << int(Qt::Key_8) << alt << 17u << "x";
        QTest::newRow("Shift+8 types * and multiplies") << int(Qt::Key_Asterisk) << shift << 17u << "x";
        QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << keypad << 63u << "x";
        QTest::newRow("x") << int(Qt::Key_X) << none << 53u << "x";
        QTest::newRow("Shift+X") << int(Qt::Key_X) << shift << 53u << "x";

        // Shifted number-row symbols type their digit, by place where known.
        QTest::newRow("Shift+5 by place") << int(Qt::Key_Percent) << shift << 14u << "5";
        QTest::newRow("Shift+1 by place") << int(Qt::Key_Exclam) << shift << 10u << "1";
        QTest::newRow("Shift+0 by place") << int(Qt::Key_ParenRight) << shift << 19u << "0";
        QTest::newRow("unshifted symbol on the 2 key") << int(Qt::Key_Eacute) << none << 11u << "2";
        QTest::newRow("another layout's Shift+8") << int(Qt::Key_ParenLeft) << shift << 17u << "x";
        QTest::newRow("Shift+5 without place") << int(Qt::Key_Percent) << shift << 0u << "5";
        QTest::newRow("Shift+2 without place") << int(Qt::Key_At) << shift << 0u << "2";
        QTest::newRow("Shift+9 without place") << int(Qt::Key_ParenLeft) << shift << 0u << "9";
        QTest::newRow("% elsewhere than the number row") << int(Qt::Key_Percent) << shift << 48u << "";

        QTest::newRow("=") << int(Qt::Key_Equal) << none << 21u << "=";
        QTest::newRow("Shift with = types +") << int(Qt::Key_Plus) << shift << 21u << "+";
        QTest::newRow("Shift with = reported as =") << int(Qt::Key_Equal) << shift << 0u << "+";
        QTest::newRow("Ctrl+=") << int(Qt::Key_Equal) << ctrl << 21u << "+";
        QTest::newRow("= as a shifted number-row key") << int(Qt::Key_Equal) << shift << 19u << "=";
        QTest::newRow("keypad +") << int(Qt::Key_Plus) << keypad << 86u << "+";
        QTest::newRow("-") << int(Qt::Key_Minus) << none << 20u << "-";
        QTest::newRow("keypad -") << int(Qt::Key_Minus) << keypad << 82u << "-";
        QTest::newRow("/") << int(Qt::Key_Slash) << none << 61u << "/";
        QTest::newRow("keypad /") << int(Qt::Key_Slash) << keypad << 106u << "/";
        QTest::newRow("/ typed with Shift+7") << int(Qt::Key_Slash) << shift << 16u << "/";
        QTest::newRow(".") << int(Qt::Key_Period) << none << 60u << ".";
        QTest::newRow("keypad .") << int(Qt::Key_Period) << keypad << 91u << ".";
        QTest::newRow("keypad ,") << int(Qt::Key_Comma) << keypad << 91u << ".";
        // "-", "/" and "." with a modifier, whatever character Shift makes of them.
        QTest::newRow("Shift+-") << int(Qt::Key_Underscore) << shift << 20u << "-";
        QTest::newRow("Shift+/") << int(Qt::Key_Question) << shift << 61u << "/";
        QTest::newRow("Shift+.") << int(Qt::Key_Greater) << shift << 60u << ".";
        QTest::newRow("Shift+- without place") << int(Qt::Key_Underscore) << shift << 0u << "-";
        QTest::newRow("Shift+/ without place") << int(Qt::Key_Question) << shift << 0u << "/";
        QTest::newRow("Shift+. without place") << int(Qt::Key_Greater) << shift << 0u << ".";
        QTest::newRow("Ctrl+-") << int(Qt::Key_Minus) << ctrl << 20u << "-";
        QTest::newRow("Alt+/") << int(Qt::Key_Slash) << alt << 61u << "/";
        QTest::newRow("Ctrl+.") << int(Qt::Key_Period) << ctrl << 60u << ".";
        QTest::newRow("_ without a modifier") << int(Qt::Key_Underscore) << none << 0u << "";

        QTest::newRow("main ,") << int(Qt::Key_Comma) << none << 59u << "";
        QTest::newRow("Return") << int(Qt::Key_Return) << none << 36u << "";
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << keypad << 104u << "";
        QTest::newRow("keypad 7 without NumLock") << int(Qt::Key_Home) << keypad << 79u << "";
        QTest::newRow("letter E") << int(Qt::Key_E) << none << 26u << "";
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << 22u << "";
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << 9u << "";
    }
    void mapsKeysByMeaningThenByPlace()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(uint, physicalKey);
        QFETCH(QString, caption);
        QCOMPARE(calculatorKeyFor({key, modifiers, QString(), physicalKey}), caption);
    }
};

QTEST_APPLESS_MAIN(TestKeyMapping)
#include "tst_keymapping.moc"
