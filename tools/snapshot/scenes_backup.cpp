// The backup utility in both modes, over the smaller and the full screen display.
#include "snapshot.h"

#include "backup/backup1.h"

namespace {

void render(tq::snapshot::Context &ctx, tq::backup::Mode mode, const QString &name)
{
    tq::Backup1 dialog(ctx.program, 2007, mode);
    dialog.show();
    QApplication::processEvents();
    ctx.save(&dialog, name);
}

} // namespace

TQ_SNAPSHOT_SCENE("backup-backup-smaller")
{
    ctx.useDisplay(tq::DisplayMode::Smaller);
    render(ctx, tq::backup::Mode::Backup, QStringLiteral("backup-backup-smaller"));
}

TQ_SNAPSHOT_SCENE("backup-restore-smaller")
{
    ctx.useDisplay(tq::DisplayMode::Smaller);
    render(ctx, tq::backup::Mode::Restore, QStringLiteral("backup-restore-smaller"));
}

TQ_SNAPSHOT_SCENE("backup-restore-full")
{
    ctx.useDisplay(tq::DisplayMode::FullScreen);
    render(ctx, tq::backup::Mode::Restore, QStringLiteral("backup-restore-full"));
}
