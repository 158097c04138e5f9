#include "scicalc/keymapping.h"

namespace tq {

namespace {

const QString kMultiply = QStringLiteral("x");

QString digitCaption(int d)
{
    return QString(QChar(u'0' + d));
}

bool hasModifier(Qt::KeyboardModifiers m)
{
    return m & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

// The digit under a shifted symbol of the US layout's number row, or -1.
int usShiftedDigit(int key)
{
    static const QString row = QStringLiteral(")!@#$%^&*(");
    return key > 0 && key < 0x80 ? int(row.indexOf(QChar(key))) : -1;
}

// A number-row digit; the main-row 8 with a modifier is the multiplication
// key, since Shift+8 types "*" on the keyboards the calculator was made for.
QString numberRowCaption(int digit, Qt::KeyboardModifiers modifiers)
{
    return digit == 8 && hasModifier(modifiers) ? kMultiply : digitCaption(digit);
}

// "-", "/" and "." act with or without a modifier; Shift makes "_", "?" and
// ">" of them on the keyboards the calculator was made for.
QString shiftedOperator(int key)
{
    switch (key) {
    case Qt::Key_Underscore:
        return QStringLiteral("-");
    case Qt::Key_Question:
        return QStringLiteral("/");
    case Qt::Key_Greater:
        return QStringLiteral(".");
    default:
        return {};
    }
}

} // namespace

int numberRowDigit(quint32 physicalKey)
{
    // xkb keycodes 10..19 are the keys "1".."9", "0" of the main row.
    if (physicalKey < 10 || physicalKey > 19)
        return -1;
    return physicalKey == 19 ? 0 : int(physicalKey) - 9;
}

QString calculatorKeyFor(const KeyStroke &stroke)
{
    const bool keypad = stroke.modifiers & Qt::KeypadModifier;
    const int rowDigit = numberRowDigit(stroke.physicalKey);

    if (stroke.key >= Qt::Key_0 && stroke.key <= Qt::Key_9) {
        const int digit = stroke.key - Qt::Key_0;
        return keypad ? digitCaption(digit) : numberRowCaption(digit, stroke.modifiers);
    }
    switch (stroke.key) {
    case Qt::Key_Asterisk:
    case Qt::Key_X:
        return kMultiply;
    case Qt::Key_Plus:
        return QStringLiteral("+");
    case Qt::Key_Minus:
        return QStringLiteral("-");
    case Qt::Key_Slash:
        return QStringLiteral("/");
    case Qt::Key_Period:
        return QStringLiteral(".");
    case Qt::Key_Comma:
        // The keypad's decimal key types "," in some locales.
        return keypad ? QStringLiteral(".") : QString();
    case Qt::Key_Equal:
        // A modifier with "=" means "+", as Shift+"=" types it; where "=" is
        // itself a shifted number-row key, it stays "=".
        return hasModifier(stroke.modifiers) && !keypad && rowDigit < 0 ? QStringLiteral("+")
                                                                        : QStringLiteral("=");
    default:
        break;
    }
    if (keypad)
        return {};
    if (const QString op = shiftedOperator(stroke.key); !op.isEmpty() && hasModifier(stroke.modifiers))
        return op;
    const int digit = stroke.physicalKey != 0 ? rowDigit : usShiftedDigit(stroke.key);
    return digit < 0 ? QString() : numberRowCaption(digit, stroke.modifiers);
}

} // namespace tq
