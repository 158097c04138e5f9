#include "frame/fontautosize.h"

#include "components/printdocument.h"

namespace tq {

double fontAutoSize(PrintDocument &document, const QString &testLine, const std::function<void()> &stepDone,
                    FontAutoSizeLimits limits)
{
    int steps = 0;
    // False when the next size leaves the allowed range or the step budget.
    auto step = [&](double delta) {
        const double next = document.fontSize() + delta;
        if (next < limits.smallest || next > limits.largest || ++steps > limits.maxSteps)
            return false;
        document.setFontSize(next);
        if (stepDone)
            stepDone();
        return true;
    };

    // A line that fits grows until it no longer fits; the second round then
    // shrinks it back until it fits again.
    for (int round = 0; round < 2; ++round) {
        document.setMargins(0);
        double width = document.textWidth(testLine);
        if (width <= 0)
            break; // nothing can be measured: keep the size
        if (document.printableWidth() > width) {
            while (document.printableWidth() > width && step(+1))
                width = document.textWidth(testLine);
            continue;
        }
        while (document.printableWidth() < width && step(-1))
            width = document.textWidth(testLine);
        break;
    }
    return document.fontSize();
}

} // namespace tq
