#pragma once
// The frame's menu bar (Options, Edit, Help) and its popup, built from the
// tool's configuration. Every item reports its FrameCommand.
#include "frame/toolwindowconfig.h"

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

namespace tq {

class FrameMenus : public QObject
{
    Q_OBJECT
public:
    FrameMenus(const ToolWindowConfig &config, QMenuBar *bar, QWidget *window);

    QMenu *options = nullptr;
    QAction *panelColour = nullptr;
    QAction *print = nullptr; // nullptr without a report
    QAction *exit = nullptr;
    QMenu *edit = nullptr; // nullptr without copy
    QAction *copy = nullptr;
    QAction *help = nullptr;  // a menu-bar title that acts itself
    QMenu *context = nullptr; // `mV`; nullptr when the Options menu is the popup
    QAction *contextCopy = nullptr;
    QAction *contextPrint = nullptr;

    QMenu *popup() const { return context ? context : options; }
    // A tool's own menu, placed before "&Help".
    QMenu *insertMenu(const QString &title, const QString &name);

Q_SIGNALS:
    void commandTriggered(tq::FrameCommand command);

private:
    QAction *item(QMenu *menu, const QString &text, const QString &name, FrameCommand command);
    void buildContextMenu(const ToolWindowConfig &config, QWidget *window);

    QMenuBar *m_bar;
};

} // namespace tq
