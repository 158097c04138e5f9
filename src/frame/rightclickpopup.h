#pragma once
// Pops a menu up when the right mouse button is released over a watched widget.
// The right button never reaches the widget itself, so it cannot press a button
// or type a digit, and no built-in context menu appears instead.
#include <QObject>
#include <functional>

class QMenu;
class QWidget;

namespace tq {

class RightClickPopup : public QObject
{
    Q_OBJECT
public:
    // menu() is asked at each release, so the window may switch menus.
    RightClickPopup(std::function<QMenu *()> menu, QObject *parent);

    void watch(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<QMenu *()> m_menu;
};

} // namespace tq
