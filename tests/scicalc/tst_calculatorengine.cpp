#include "enginetest.h"
#include "scicalc/calculatorengine.h"

#include <QTest>

using namespace tq;

namespace {

// Presses the keys in turn; returns the first error message, or an empty text.
QString run(CalculatorEngine &calc, const QStringList &keys)
{
    QString error;
    for (const QString &key : keys) {
        const CalculatorEngine::Error e = calc.press(key);
        if (e && error.isEmpty())
            error = *e;
    }
    return error;
}

} // namespace

class TestCalculatorEngine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keys_data()
    {
        QTest::addColumn<QString>("keys"); // captions separated by blanks
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("error");
        QTest::newRow("sum") << "2 + 3 ="
                             << "5"
                             << "";
        QTest::newRow("left to right") << "2 + 3 x 4 ="
                                       << "20"
                                       << "";
        QTest::newRow("powers left to right") << "2 Y^X 3 Y^X 2 ="
                                              << "64"
                                              << "";
        QTest::newRow("power after sum") << "2 + 3 Y^X 2 ="
                                         << "25"
                                         << "";
        QTest::newRow("pi replaces the typed number") << "2 + 3 Pi ="
                                                      << "5.14159265358979"
                                                      << "";
        QTest::newRow("digit after pi appends") << "Pi 2"
                                                << "3.141592653589792"
                                                << "";
        QTest::newRow("change sign") << "5 +/-"
                                     << "-5"
                                     << "";
        QTest::newRow("change sign back") << "5 +/- +/-"
                                          << "5"
                                          << "";
        QTest::newRow("change sign on empty") << "+/-"
                                              << "-"
                                              << "";
        QTest::newRow("second point ignored") << "7 . 5 ."
                                              << "7.5"
                                              << "";
        QTest::newRow("point alone") << "."
                                     << "0."
                                     << "";
        QTest::newRow("point after CLX") << "4 CLX . 5"
                                         << "0.5"
                                         << "";
        QTest::newRow("point after a result") << "2 + 3 = ."
                                              << "0."
                                              << "";
        QTest::newRow("digit after a result starts anew") << "2 + 3 = 4"
                                                          << "4"
                                                          << "";
        QTest::newRow("square root") << "2 SQRT"
                                     << "1.4142135623731"
                                     << "";
        QTest::newRow("sine in radians") << "3 0 SIN"
                                         << "-0.988031624092862"
                                         << "";
        QTest::newRow("log") << "1 0 0 0 LOG"
                             << "3"
                             << "";
        QTest::newRow("cube root") << "2 7 X^1/3"
                                   << "3"
                                   << "";
        QTest::newRow("function result feeds the next operator") << "9 SQRT + 1 ="
                                                                 << "4"
                                                                 << "";
        QTest::newRow("fractional power") << "2 Y^X 0 . 5 ="
                                          << "1.4142135623731"
                                          << "";
        QTest::newRow("negative base, whole power") << "2 +/- Y^X 3 ="
                                                    << "-8"
                                                    << "";
        QTest::newRow("two operators repeat the operand") << "2 + - 1 ="
                                                          << "3"
                                                          << "";
        QTest::newRow("equals with nothing pending") << "7 ="
                                                     << "7"
                                                     << "";
        QTest::newRow("operator on empty display") << "+ 4 ="
                                                   << "4"
                                                   << "";
        QTest::newRow("CLX forgets the pending sum") << "2 + 3 CLX 4 ="
                                                     << "4"
                                                     << "";
        QTest::newRow("very large in exponent form") << "9 Y^X 9 9 ="
                                                     << "2.95126654306528E+94"
                                                     << "";
        QTest::newRow("reciprocal of 0") << "0 1/X"
                                         << ""
                                         << "Error in 1/X function";
        QTest::newRow("cube root of negative") << "8 +/- X^1/3"
                                               << ""
                                               << "Error in CUBEROOT function";
        QTest::newRow("square root of negative") << "4 +/- SQRT"
                                                 << ""
                                                 << "Error in SQRT function";
        QTest::newRow("ln of 0") << "0 LN"
                                 << ""
                                 << "Error in LN function";
        QTest::newRow("log of negative") << "1 +/- LOG"
                                         << ""
                                         << "Error in LOG function";
        QTest::newRow("ln of empty display") << "LN"
                                             << ""
                                             << "Error in LN function";
        QTest::newRow("divide by 0") << "1 / 0 ="
                                     << ""
                                     << "Error in / operation";
        QTest::newRow("divide by 0 when chaining") << "1 / 0 +"
                                                   << ""
                                                   << "Error in / operation";
        QTest::newRow("negative base, fractional power") << "2 +/- Y^X . 5 ="
                                                         << ""
                                                         << "Error in Y^X operation";
        QTest::newRow("0 to a negative power") << "0 Y^X 1 +/- ="
                                               << ""
                                               << "Error in Y^X operation";
        QTest::newRow("power overflows") << "9 Y^X 9 9 9 ="
                                         << ""
                                         << "Error in Y^X operation";
        QTest::newRow("product overflows") << "9 Y^X 3 0 0 = x ="
                                           << ""
                                           << "Error in * operation";
        QTest::newRow("fresh start after an error") << "1 / 0 = 7 + 1 ="
                                                    << "8"
                                                    << "Error in / operation";
    }
    void keys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        QFETCH(QString, error);
        CalculatorEngine calc;
        QCOMPARE(run(calc, keys.split(u' ')), error);
        QCOMPARE(calc.displayText(), display);
    }

    void errorLeavesTheCalculatorCleared()
    {
        CalculatorEngine calc;
        QVERIFY(!run(calc, {"5", "+", "0", "1/X"}).isEmpty());
        QCOMPARE(calc.pendingOperator(), QStringLiteral(" "));
        QCOMPARE(calc.keptOperand(), 0.0);
        QVERIFY(calc.isTyping());
        QVERIFY(!calc.isChaining());
        run(calc, {"6"});
        QCOMPARE(calc.displayText(), QStringLiteral("6"));
    }

    void equalsOnEmptyDisplayKeepsTheChain()
    {
        CalculatorEngine calc;
        run(calc, {"2", "+", "CLX"});
        QVERIFY(calc.isChaining());
        QCOMPARE(calc.equals(), std::nullopt);
        QVERIFY(calc.isChaining());
        QCOMPARE(calc.displayText(), QString());
    }

    void activationEndsTheChain()
    {
        CalculatorEngine calc;
        run(calc, {"2", "+", "3"});
        QVERIFY(calc.isChaining());
        calc.windowActivated();
        QVERIFY(!calc.isChaining());
        // The pending sum still completes through the operator step.
        run(calc, {"x", "4", "="});
        QCOMPARE(calc.displayText(), QStringLiteral("20"));
    }

    void editedDisplayIsRead()
    {
        CalculatorEngine calc;
        run(calc, {"2", "+", "3", "="});
        QVERIFY(!calc.isTyping());
        calc.setDisplayText(QStringLiteral("1.5D+3"));
        QVERIFY(calc.isTyping());
        run(calc, {"4"}); // typing continues the edited text
        QCOMPARE(calc.displayText(), QStringLiteral("1.5D+34"));
        calc.setDisplayText(QStringLiteral("1.5E+3"));
        run(calc, {"+", "1", "="});
        QCOMPARE(calc.displayText(), QStringLiteral("1501"));
    }

    void signChangeKeepsEntryState()
    {
        CalculatorEngine calc;
        run(calc, {"2", "+", "3", "=", "+/-"});
        QCOMPARE(calc.displayText(), QStringLiteral("-5"));
        QVERIFY(!calc.isTyping());
        calc.setDisplayText(QStringLiteral("+7"));
        calc.changeSign();
        QCOMPARE(calc.displayText(), QStringLiteral("-7"));
    }
};

TQ_ENGINE_TEST_MAIN(TestCalculatorEngine)
#include "tst_calculatorengine.moc"
