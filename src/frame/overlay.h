#pragma once
// A panel that covers a tool's main panel for a while: the report preview,
// and tools' own panels such as a totals panel. While one is shown the frame
// asks it first about help, the side toolbar and Esc.
#include <QPointer>
#include <QWidget>
#include <functional>

namespace tq {

struct Overlay {
    QPointer<QWidget> panel;      // counts while visible
    int helpId = 0;               // the help topic while shown; 0 keeps the window's
    bool sideButtonsBeep = false; // the side toolbar only beeps while shown
    std::function<void()> escape; // one Esc step (for example un-enlarge, then close); unset hides the panel
};

} // namespace tq
