#pragma once
// The scientific calculator: an immediate-execution state machine that owns
// the display text. Operations run strictly left to right as the next operator
// or "=" arrives. Keys never talk to the user: a failing key returns its
// message and leaves the calculator cleared with an empty display.
#include <QString>
#include <QStringView>
#include <optional>

namespace tq {

class CalculatorEngine
{
public:
    enum class Function { Sin, Cos, Tan, Sqrt, CubeRoot, Ln, Log, Reciprocal };
    using Error = std::optional<QString>; // the text of the "Error" message

    CalculatorEngine() { clear(); }

    const QString &displayText() const { return m_display; }
    // The user edited the display directly.
    void setDisplayText(const QString &text);

    void digit(int value);
    void point();
    void changeSign();
    void pi();
    Error add() { return arithmetic(QStringLiteral("+")); }
    Error subtract() { return arithmetic(QStringLiteral("-")); }
    Error multiply() { return arithmetic(QStringLiteral("*")); }
    Error divide() { return arithmetic(QStringLiteral("/")); }
    Error power();
    Error equals();
    void clear();
    Error function(Function f);
    void windowActivated() { m_chaining = false; }

    // A key by its caption ("7", ".", "+/-", "Pi", "x", "Y^X", "=", "CLX",
    // "SIN", "X^1/3", "1/X", ...); other captions do nothing.
    Error press(QStringView caption);

    static QString functionName(Function f); // as the error message names it

    double keptOperand() const { return m_kept; }
    const QString &pendingOperator() const { return m_pending; }
    bool isTyping() const { return m_typing; }
    bool isChaining() const { return m_chaining; }

private:
    Error arithmetic(const QString &op);
    Error operatorStep(const QString &op);
    Error complete();
    void endEntry();
    double displayedNumber() const;
    void showResult(double value);
    Error fail(const QString &message);

    QString m_display;
    double m_kept = 0;
    QString m_pending = QStringLiteral(" ");
    bool m_typing = true;
    bool m_chaining = false;
};

} // namespace tq
