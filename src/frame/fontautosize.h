#pragma once
// The "Auto Size" search: the largest whole-point step of the document's
// font size at which a test line still fits into the printable width.
#include <QString>
#include <functional>

namespace tq {

class PrintDocument;

struct FontAutoSizeLimits {
    double smallest = 1;  // points
    double largest = 200; // points
    int maxSteps = 400;   // the search always ends, whatever the font reports
};

// Grows the size while the line fits, then shrinks it until the line fits
// again; a line that exactly fills the width keeps its size. Calls stepDone
// after every size change. Sets the page margins to 0 and leaves the
// document at the size found, which it returns.
double fontAutoSize(PrintDocument &document, const QString &testLine,
                    const std::function<void()> &stepDone = {}, FontAutoSizeLimits limits = {});

} // namespace tq
