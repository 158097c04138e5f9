#pragma once
// While a dialog runs, the code that opened it is still on the stack and goes
// on working on the windows under it when the dialog returns. Those windows
// must not close (and delete themselves) in the meantime: a scope marks them
// for as long as the dialog runs, and their close paths ask dialogRunsOver().
#include <QList>
#include <QPointer>

class QWidget;

namespace tq {

class DialogScope
{
public:
    // Marks the window of `parent` and every window it is a child of.
    explicit DialogScope(const QWidget *parent);
    ~DialogScope();
    DialogScope(const DialogScope &) = delete;
    DialogScope &operator=(const DialogScope &) = delete;

private:
    QList<QPointer<QWidget>> m_windows;
};

bool dialogRunsOver(const QWidget *window);

} // namespace tq
