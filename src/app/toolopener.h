#pragma once
// Opens each tool window modeless and as a single instance: a second request
// only brings the open window back to the front.
#include "common/settings.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

namespace tq {

struct Program;

class ToolOpener
{
public:
    using Factory = std::function<QWidget *(Program &, QWidget *launcher)>;

    explicit ToolOpener(Program &program) : m_program(program) {}

    void registerTool(ToolId tool, Factory factory);
    bool isRegistered(ToolId tool) const;

    // The tool's window, created on first use; nullptr while no factory is registered.
    QWidget *open(ToolId tool, QWidget *launcher);
    // The open window of the tool, or nullptr.
    QWidget *window(ToolId tool) const;
    // Asks every open tool window to close; false as soon as one refuses
    // (the budget's save prompt answered Cancel).
    bool closeAll();

private:
    Program &m_program;
    std::map<ToolId, Factory> m_factories;
    std::map<ToolId, QPointer<QWidget>> m_windows;
};

} // namespace tq
