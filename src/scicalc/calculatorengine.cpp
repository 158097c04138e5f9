#include "scicalc/calculatorengine.h"

#include "common/numberformat.h"

#include <array>
#include <cmath>
#include <utility>

namespace tq {

namespace {

const QString kNone = QStringLiteral(" ");

constexpr std::array<std::pair<char16_t const *, CalculatorEngine::Function>, 8> kFunctionKeys{{
    {u"SIN", CalculatorEngine::Function::Sin},
    {u"COS", CalculatorEngine::Function::Cos},
    {u"TAN", CalculatorEngine::Function::Tan},
    {u"SQRT", CalculatorEngine::Function::Sqrt},
    {u"X^1/3", CalculatorEngine::Function::CubeRoot},
    {u"LN", CalculatorEngine::Function::Ln},
    {u"LOG", CalculatorEngine::Function::Log},
    {u"1/X", CalculatorEngine::Function::Reciprocal},
}};

// The value of f at x, or nothing outside its domain.
std::optional<double> evaluate(CalculatorEngine::Function f, double x)
{
    using F = CalculatorEngine::Function;
    switch (f) {
    case F::Sin:
        return std::sin(x);
    case F::Cos:
        return std::cos(x);
    case F::Tan:
        return std::tan(x);
    case F::Sqrt:
        return x < 0 ? std::nullopt : std::optional(std::sqrt(x));
    case F::CubeRoot:
        return x < 0 ? std::nullopt : std::optional(std::pow(x, 1.0 / 3.0));
    case F::Ln:
        return x <= 0 ? std::nullopt : std::optional(std::log(x));
    case F::Log:
        return x <= 0 ? std::nullopt : std::optional(std::log(x) / std::log(10.0));
    case F::Reciprocal:
        break;
    }
    return x == 0 ? std::nullopt : std::optional(1.0 / x);
}

std::optional<double> operate(const QString &op, double k, double v)
{
    if (op == u"+")
        return k + v;
    if (op == u"-")
        return k - v;
    if (op == u"*")
        return k * v;
    if (op == u"/")
        return v == 0 ? std::nullopt : std::optional(k / v);
    if (op == u"Y^X") {
        if ((k < 0 && v != std::trunc(v)) || (k == 0 && v < 0))
            return std::nullopt;
        return std::pow(k, v);
    }
    return v;
}

} // namespace

QString CalculatorEngine::functionName(Function f)
{
    switch (f) {
    case Function::Sin:
        return QStringLiteral("SIN");
    case Function::Cos:
        return QStringLiteral("COS");
    case Function::Tan:
        return QStringLiteral("TAN");
    case Function::Sqrt:
        return QStringLiteral("SQRT");
    case Function::CubeRoot:
        return QStringLiteral("CUBEROOT");
    case Function::Ln:
        return QStringLiteral("LN");
    case Function::Log:
        return QStringLiteral("LOG");
    case Function::Reciprocal:
        break;
    }
    return QStringLiteral("1/X");
}

void CalculatorEngine::setDisplayText(const QString &text)
{
    m_display = text;
    m_typing = true;
}

void CalculatorEngine::digit(int value)
{
    if (value < 0 || value > 9)
        return;
    if (!m_typing)
        m_display.clear();
    m_typing = true;
    m_display += QChar(u'0' + value);
}

void CalculatorEngine::point()
{
    // An empty display gets its leading zero too, so a lone "." never shows.
    if (!m_typing || m_display.isEmpty()) {
        m_display = QStringLiteral("0.");
        m_typing = true;
    } else if (!m_display.contains(u'.')) {
        m_display += u'.';
    }
}

void CalculatorEngine::changeSign()
{
    // The sign flips in place: a finished result stays finished.
    if (m_display.startsWith(u'-'))
        m_display.remove(0, 1);
    else if (m_display.startsWith(u'+'))
        m_display[0] = u'-';
    else
        m_display.prepend(u'-');
}

void CalculatorEngine::pi()
{
    if (m_typing)
        endEntry();
    m_display = formatGeneral(4.0 * std::atan(1.0));
    // Counts as typed, so a following digit is appended to it.
    m_typing = true;
}

CalculatorEngine::Error CalculatorEngine::arithmetic(const QString &op)
{
    if (m_display.isEmpty())
        return std::nullopt;
    if (m_chaining) {
        if (Error e = equals())
            return e;
    }
    if (Error e = operatorStep(op))
        return e;
    m_chaining = true;
    return std::nullopt;
}

CalculatorEngine::Error CalculatorEngine::power()
{
    return operatorStep(QStringLiteral("Y^X"));
}

CalculatorEngine::Error CalculatorEngine::equals()
{
    if (m_display.isEmpty())
        return std::nullopt;
    if (Error e = complete())
        return e;
    m_pending = kNone;
    m_chaining = false;
    return std::nullopt;
}

void CalculatorEngine::clear()
{
    m_display.clear();
    m_typing = true;
    m_kept = 0;
    m_pending = kNone;
}

CalculatorEngine::Error CalculatorEngine::function(Function f)
{
    const std::optional<double> result = evaluate(f, displayedNumber());
    if (!result || !std::isfinite(*result))
        return fail(QStringLiteral("Error in ") + functionName(f) + QStringLiteral(" function"));
    showResult(*result);
    return std::nullopt;
}

CalculatorEngine::Error CalculatorEngine::press(QStringView caption)
{
    if (caption.size() == 1 && caption[0] >= u'0' && caption[0] <= u'9') {
        digit(caption[0].unicode() - u'0');
        return std::nullopt;
    }
    for (const auto &[name, f] : kFunctionKeys)
        if (caption == QStringView(name))
            return function(f);
    if (caption == u".")
        point();
    else if (caption == u"+/-")
        changeSign();
    else if (caption == u"Pi")
        pi();
    else if (caption == u"CLX")
        clear();
    else if (caption == u"+")
        return add();
    else if (caption == u"-")
        return subtract();
    else if (caption == u"x")
        return multiply();
    else if (caption == u"/")
        return divide();
    else if (caption == u"Y^X")
        return power();
    else if (caption == u"=")
        return equals();
    return std::nullopt;
}

CalculatorEngine::Error CalculatorEngine::operatorStep(const QString &op)
{
    if (m_typing)
        endEntry();
    if (m_pending != kNone) {
        if (Error e = complete())
            return e;
    } else {
        m_kept = displayedNumber();
    }
    m_pending = op;
    m_typing = false;
    return std::nullopt;
}

CalculatorEngine::Error CalculatorEngine::complete()
{
    const std::optional<double> result = operate(m_pending, m_kept, displayedNumber());
    if (!result || !std::isfinite(*result))
        return fail(QStringLiteral("Error in ") + m_pending + QStringLiteral(" operation"));
    m_kept = *result;
    showResult(*result);
    return std::nullopt;
}

void CalculatorEngine::endEntry()
{
    m_typing = false;
    if (m_pending == kNone)
        m_kept = displayedNumber();
}

double CalculatorEngine::displayedNumber() const
{
    return leadingNumber(m_display);
}

void CalculatorEngine::showResult(double value)
{
    m_display = formatGeneral(value);
    m_typing = false;
}

CalculatorEngine::Error CalculatorEngine::fail(const QString &message)
{
    // The failed key ends here with an empty display, so the next key starts afresh.
    clear();
    m_chaining = false;
    return message;
}

} // namespace tq
