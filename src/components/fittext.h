#pragma once
// Fitting a caption into its design room: the font is first narrowed, then
// shrunk, so no caption is cut off whatever the desktop's font.
#include <QSize>

class QAbstractButton;
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

// A push button's caption inside the button's frame and margins.
void fitButtonText(QAbstractButton *button, FitLimits limits = {});

} // namespace tq
