#include "components/eventyield.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace tq {

void repaintNow(QWidget *widget)
{
    QWidget *window = widget->window();
    if (window->isVisible())
        window->repaint();
}

bool yieldEvents(QObject *owner, QEventLoop::ProcessEventsFlags flags)
{
    const QPointer<QObject> guard(owner);
    QCoreApplication::processEvents(flags);
    return !guard.isNull();
}

} // namespace tq
