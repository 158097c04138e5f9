#pragma once
// A panel a window needs only when a command asks for it (a preview, a totals
// panel, a selector): built the first time it is asked for, so opening the
// window does not pay for it.
#include <QPointer>
#include <functional>

namespace tq {

template <typename Widget> class LazyWidget
{
public:
    LazyWidget() = default;
    explicit LazyWidget(std::function<Widget *()> make) : m_make(std::move(make)) {}

    // Builds it on the first call; nullptr without a way to build it, or once
    // it has gone with its window.
    Widget *get()
    {
        if (!m_built && m_make) {
            m_built = true;
            m_widget = m_make();
        }
        return m_widget;
    }
    // nullptr until the first get(): asking must not build it.
    Widget *ifBuilt() const { return m_widget; }

private:
    std::function<Widget *()> m_make;
    QPointer<Widget> m_widget;
    bool m_built = false;
};

} // namespace tq
