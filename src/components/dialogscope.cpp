#include "components/dialogscope.h"

#include <QWidget>

namespace tq {

namespace {

const char *const openDialogs = "tqOpenDialogs";

void count(QWidget *window, int step)
{
    window->setProperty(openDialogs, window->property(openDialogs).toInt() + step);
}

} // namespace

DialogScope::DialogScope(const QWidget *parent)
{
    for (QWidget *w = parent ? parent->window() : nullptr; w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        count(w, 1);
        m_windows.append(w);
    }
}

DialogScope::~DialogScope()
{
    for (const QPointer<QWidget> &w : std::as_const(m_windows))
        if (w)
            count(w, -1);
}

bool dialogRunsOver(const QWidget *window)
{
    return window && window->property(openDialogs).toInt() > 0;
}

} // namespace tq
