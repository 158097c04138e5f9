// The calculator in both display modes, with a result in the display and the
// panel colour around the keypad.
#include "snapshot.h"

#include "scicalc/scicalc.h"

#include <QApplication>
#include <QPushButton>

namespace {

void render(tq::snapshot::Context &ctx, const QString &name)
{
    tq::snapshot::renderToolWindow<tq::SciCalc>(ctx, name, [](tq::SciCalc &window) {
        for (const char *caption : {"2", "+", "3", "x", "1", "2", "."})
            window.key(QString::fromLatin1(caption))->click();
    });
}

} // namespace

TQ_SNAPSHOT_SCENE("scicalc-smaller")
{
    ctx.useDisplay(tq::DisplayMode::Smaller);
    render(ctx, QStringLiteral("scicalc-smaller"));
}

TQ_SNAPSHOT_SCENE("scicalc-full")
{
    ctx.useDisplay(tq::DisplayMode::FullScreen, QRect(0, 0, 1024, 768));
    render(ctx, QStringLiteral("scicalc-full"));
}
