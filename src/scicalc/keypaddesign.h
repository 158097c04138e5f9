#pragma once
// Where the calculator's display, keys and key captions sit, in twips relative
// to the box that holds them. Data only: SciCalc builds the controls from it.
#include <QList>
#include <QRect>
#include <QString>

namespace tq {

struct KeyDesign {
    QString caption; // also the key's name for CalculatorEngine::press
    QString objectName;
    QRect twips;
};

struct CaptionDesign {
    QString text;
    QRect twips;
};

namespace keypad {

inline const QString exitCaption = QStringLiteral("E&XIT");

constexpr QRect inputLabel{240, 172, 735, 306};
constexpr QRect display{240, 445, 4215, 354};

// The 29 keys, row by row.
const QList<KeyDesign> &keys();
// The plain captions printed above some keys.
const QList<CaptionDesign> &captions();

bool isDigit(const QString &caption);
// "+", "-", "x" and "/": the keys that chain calculations.
bool isArithmetic(const QString &caption);

} // namespace keypad

} // namespace tq
