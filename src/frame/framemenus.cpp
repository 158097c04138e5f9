#include "frame/framemenus.h"

#include <QMenu>
#include <QMenuBar>

namespace tq {

FrameMenus::FrameMenus(const ToolWindowConfig &config, QMenuBar *bar, QWidget *window)
    : QObject(window), m_bar(bar)
{
    const FrameMenuNames &n = config.menuNames;
    options = bar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(n.options);
    panelColour = item(options, QStringLiteral("Panel C&olor"), n.panelColour, FrameCommand::PanelColour);
    if (config.hasReport) {
        options->addSeparator();
        print = item(options, QStringLiteral("&Print"), n.print, FrameCommand::Print);
        print->setEnabled(false);
    }
    options->addSeparator();
    exit = item(options, QStringLiteral("E&xit"), n.exit, FrameCommand::Exit);

    if (config.hasCopy) {
        edit = bar->addMenu(QStringLiteral("&Edit"));
        edit->setObjectName(n.edit);
        copy = item(edit, QStringLiteral("&Copy"), n.copy, FrameCommand::Copy);
        copy->setEnabled(false);
    }

    help = bar->addAction(QStringLiteral("&Help"));
    help->setObjectName(n.help);
    connect(help, &QAction::triggered, this, [this] { Q_EMIT commandTriggered(FrameCommand::Help); });

    if (config.popup == PopupMenu::Context)
        buildContextMenu(config, window);
}

void FrameMenus::buildContextMenu(const ToolWindowConfig &config, QWidget *window)
{
    context = new QMenu(QStringLiteral("&V"), window);
    context->setObjectName(QStringLiteral("mV"));
    item(context, QStringLiteral("Panel C&olor"), QStringLiteral("mVPC"), FrameCommand::PanelColour);
    context->addSeparator();
    if (config.hasCopy) {
        contextCopy = item(context, QStringLiteral("&Copy"), QStringLiteral("mVC"), FrameCommand::Copy);
        contextCopy->setEnabled(false);
    }
    if (config.hasReport) {
        contextPrint = item(context, QStringLiteral("&Print"), QStringLiteral("mVP"), FrameCommand::Print);
        contextPrint->setEnabled(false);
    }
    if (config.hasCopy || config.hasReport)
        context->addSeparator();
    item(context, QStringLiteral("E&xit"), QStringLiteral("mVE"), FrameCommand::Exit);
}

QAction *FrameMenus::item(QMenu *menu, const QString &text, const QString &name, FrameCommand command)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, command] { Q_EMIT commandTriggered(command); });
    return action;
}

QMenu *FrameMenus::insertMenu(const QString &title, const QString &name)
{
    auto *menu = new QMenu(title, m_bar);
    menu->setObjectName(name);
    m_bar->insertMenu(help, menu);
    return menu;
}

} // namespace tq
