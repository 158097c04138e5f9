#include "frame/launchergeometry.h"

#include "common/twips.h"
#include "components/program.h"
#include "frame/toolwindowconfig.h"

#include <QWidget>

namespace tq {

QSize frameExtent(const QWidget &window)
{
    return window.frameGeometry().size() - window.size();
}

void setOuterGeometry(QWidget &window, const QRect &outer, QSize frame)
{
    window.move(outer.topLeft());
    window.resize(outer.size() - frame);
}

void recordLauncherGeometry(AppState &state, const QWidget &launcher)
{
    state.launcherGeometry = launcher.frameGeometry();
    state.launcherSize = launcher.frameGeometry().size();
}

QRect launcherOuterRect(const AppState &state, const QWidget &window)
{
    if (state.launcherGeometry.isValid())
        return state.launcherGeometry;
    const double dpi = window.logicalDpiX();
    return QRect(QPoint(0, 0), QSize(twipsToPixels(designWindowTwips.width(), dpi),
                                     twipsToPixels(designWindowTwips.height(), dpi)));
}

QSize launcherSize(const AppState &state, QSize fallback)
{
    if (state.launcherSize.isValid())
        return state.launcherSize;
    return state.launcherGeometry.isValid() ? state.launcherGeometry.size() : fallback;
}

} // namespace tq
