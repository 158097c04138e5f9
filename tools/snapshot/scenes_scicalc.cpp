// The calculator in both display modes, with a result in the display and the
// panel colour around the keypad.
#include "snapshot.h"

#include "scicalc/scicalc.h"

#include <QApplication>
#include <QPushButton>

namespace {

void render(tq::snapshot::Context &ctx, const QString &name)
{
    QWidget launcher;
    auto *window = new tq::SciCalc(ctx.program, &launcher);
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    for (const char *caption : {"2", "+", "3", "x", "1", "2", "."})
        window->key(QString::fromLatin1(caption))->click();
    QApplication::processEvents();
    ctx.save(window, name);
    delete window;
}

} // namespace

TQ_SNAPSHOT_SCENE("scicalc-smaller")
{
    ctx.program.state.displayMode = tq::DisplayMode::Smaller;
    ctx.program.state.launcherGeometry = QRect(0, 0, 800, 600);
    render(ctx, QStringLiteral("scicalc-smaller"));
}

TQ_SNAPSHOT_SCENE("scicalc-full")
{
    ctx.program.state.displayMode = tq::DisplayMode::FullScreen;
    ctx.program.state.launcherGeometry = QRect(0, 0, 1024, 768);
    render(ctx, QStringLiteral("scicalc-full"));
}
