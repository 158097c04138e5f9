// The launcher in both display modes and the About window.
#include "snapshot.h"

#include "app/about1.h"
#include "app/startfrm.h"
#include "app/toolopener.h"
#include "common/recordfile.h"

#include <QApplication>

namespace {

void showLauncher(tq::snapshot::Context &ctx, bool smaller, const QString &name, bool withAbout = false)
{
    tq::RecordFile(ctx.program.folder.filePath(QStringLiteral("GColor3.Fil")), 20)
        .writeString(35, smaller ? QStringLiteral("Yes") : QStringLiteral("No"));
    tq::ToolOpener tools(ctx.program);
    tq::Startfrm launcher(ctx.program, tools);
    launcher.setScreenGeometry(QRect(0, 0, 1024, 768));
    launcher.start();
    QApplication::processEvents();
    ctx.save(&launcher, name);
    if (withAbout) {
        tq::About1 about(ctx.program, &launcher);
        about.show();
        QApplication::processEvents();
        ctx.save(&about, QStringLiteral("app-about"));
    }
}

} // namespace

TQ_SNAPSHOT_SCENE("app-launcher-full")
{
    showLauncher(ctx, false, QStringLiteral("app-launcher-full"));
}

TQ_SNAPSHOT_SCENE("app-launcher-smaller")
{
    ctx.program.settings.setFamilyName(QStringLiteral("Smith"));
    showLauncher(ctx, true, QStringLiteral("app-launcher-smaller"));
}

TQ_SNAPSHOT_SCENE("app-about")
{
    showLauncher(ctx, true, QStringLiteral("app-about-launcher"), true);
}
