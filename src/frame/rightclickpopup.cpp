#include "frame/rightclickpopup.h"

#include <QMenu>
#include <QMouseEvent>

namespace tq {

RightClickPopup::RightClickPopup(std::function<QMenu *()> menu, QObject *parent)
    : QObject(parent), m_menu(std::move(menu))
{
}

void RightClickPopup::watch(QWidget *widget)
{
    if (!widget)
        return;
    widget->setContextMenuPolicy(Qt::PreventContextMenu);
    widget->installEventFilter(this);
}

bool RightClickPopup::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return static_cast<QMouseEvent *>(event)->button() == Qt::RightButton;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::RightButton)
            break;
        if (QMenu *menu = m_menu())
            menu->popup(mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::ContextMenu:
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tq
