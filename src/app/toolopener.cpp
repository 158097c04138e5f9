#include "app/toolopener.h"

#include "components/program.h"

namespace tq {

void ToolOpener::registerTool(ToolId tool, Factory factory)
{
    m_factories[tool] = std::move(factory);
}

bool ToolOpener::isRegistered(ToolId tool) const
{
    return m_factories.count(tool) != 0;
}

QWidget *ToolOpener::window(ToolId tool) const
{
    const auto it = m_windows.find(tool);
    return it == m_windows.end() ? nullptr : it->second.data();
}

bool ToolOpener::closeAll()
{
    for (auto &[tool, window] : m_windows)
        if (window && window->isVisible() && !window->close())
            return false;
    return true;
}

QWidget *ToolOpener::open(ToolId tool, QWidget *launcher)
{
    const auto factory = m_factories.find(tool);
    if (factory == m_factories.end())
        return nullptr;
    BusyPointer busy(m_program.platform);
    QPointer<QWidget> &slot = m_windows[tool];
    if (!slot) {
        slot = factory->second(m_program, launcher);
        if (!slot)
            return nullptr;
    }
    QWidget *w = slot.data();
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

} // namespace tq
