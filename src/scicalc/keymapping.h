#pragma once
// Which calculator key a keyboard key stands for.
//
// Keys are read by what they type first: a digit, "+", "-", "*" or X, "/",
// "." and "=" (Shift, Ctrl or Alt with "=" is "+", with the main-row 8 it is
// "x"; Shift with "-", "/" and "." is that key, though it types "_", "?" or
// ">"). A key whose character means nothing to the calculator but that sits on
// the main number row still types its digit, so Shift+5 ("%") types 5 as the
// plain 5 would. The row is recognised by the physical key where the platform
// reports it (X11 and Wayland keycodes); elsewhere the US layout's shifted
// digits "!@#$%^&*()" are read back as their digits.
#include <QString>
#include <QtCore/qnamespace.h>

namespace tq {

struct KeyStroke {
    int key = 0;                     // Qt::Key
    Qt::KeyboardModifiers modifiers; // Qt::KeypadModifier marks the numeric keypad
    QString text;                    // what the key types
    quint32 physicalKey = 0;         // xkb keycode; 0 when the platform reports none
};

// The caption of the calculator key ("0".."9", ".", "+", "-", "x", "/", "="),
// or an empty string for keys the calculator leaves to the focused control.
QString calculatorKeyFor(const KeyStroke &stroke);

// The main number row's digit for an xkb keycode, or -1.
int numberRowDigit(quint32 physicalKey);

} // namespace tq
