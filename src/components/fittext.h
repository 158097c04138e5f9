#pragma once
// Fitting a caption into its design room: the font is first narrowed, then
// shrunk, so no caption is cut off whatever the desktop's font.
#include <QFont>
#include <QSize>
#include <QStringList>

class QAbstractButton;
class QFontMetrics;
class QLabel;

namespace tq {

struct FitLimits {
    int narrowestStretch = 80; // percent of the normal width
    double smallestPoints = 6;
};

// One line: the text's advance must not exceed widthPx.
void fitLabelToWidth(QLabel *label, int widthPx, FitLimits limits = {});

// Wrapped as the label wraps: the text must fit room in both directions.
void fitLabelToSize(QLabel *label, QSize room, FitLimits limits = {});

// `font`, narrowed and then shrunk the same way, until every text fits `room`
// on one line: its advance within the width, the line within the height.
QFont fontFitting(QFont font, const QStringList &texts, QSize room, FitLimits limits = {});

// `shape` with each '#' as the font's widest digit: "-#####.##" is the widest
// figure a label of that shape can show.
QString widestFigure(const QFontMetrics &metrics, const QString &shape);

// A push button's caption inside the button's frame and margins.
void fitButtonText(QAbstractButton *button, FitLimits limits = {});

} // namespace tq
