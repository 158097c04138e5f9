#pragma once
// The program's two ways to let the screen catch up in the middle of work.
// A plain processEvents() may run a queued close that deletes the window
// whose code is still on the stack; neither of these lets that go unnoticed.
#include <QEventLoop>

class QObject;
class QWidget;

namespace tq {

// Paints the widget's window now and runs no other event, so no queued close,
// click or timer can act in the middle of the caller's work.
void repaintNow(QWidget *widget);

// Runs pending events (the window manager's answer to a show, for one) and
// tells whether `owner` still exists afterwards; when it does not, the caller
// returns at once without touching it.
[[nodiscard]] bool yieldEvents(QObject *owner, QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents);

} // namespace tq
