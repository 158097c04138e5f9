// The home calculator: empty, after a worked example, with the report preview
// (normal and enlarged) in both display modes, and the report page itself.
#include "snapshot.h"

#include "components/printdocument.h"
#include "frame/reportpreview.h"
#include "homecalc/homecalc.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

namespace {

void useDisplay(tq::snapshot::Context &ctx, bool fullScreen)
{
    ctx.useDisplay(fullScreen ? tq::DisplayMode::FullScreen : tq::DisplayMode::Smaller);
}

void fillFirstExample(tq::HomeCalc &w)
{
    w.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("60000"));
    w.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("300"));
    w.findChild<QLineEdit *>(QStringLiteral("Text3"))->setText(QStringLiteral("20000"));
    w.calculate();
}

void render(tq::snapshot::Context &ctx, const QString &name,
            const std::function<void(tq::HomeCalc &)> &before = {})
{
    tq::snapshot::renderToolWindow<tq::HomeCalc>(ctx, name, before);
}

void openPreview(tq::HomeCalc &w, bool enlarge)
{
    fillFirstExample(w);
    w.runCommand(tq::FrameCommand::Print);
    if (enlarge)
        w.reportPreview()->toggleEnlarge();
}

} // namespace

TQ_SNAPSHOT_SCENE("homecalc-empty-smaller")
{
    useDisplay(ctx, false);
    render(ctx, QStringLiteral("homecalc-empty-smaller"));
}

TQ_SNAPSHOT_SCENE("homecalc-empty-full")
{
    useDisplay(ctx, true);
    render(ctx, QStringLiteral("homecalc-empty-full"));
}

TQ_SNAPSHOT_SCENE("homecalc-results-smaller")
{
    useDisplay(ctx, false);
    render(ctx, QStringLiteral("homecalc-results-smaller"), fillFirstExample);
}

TQ_SNAPSHOT_SCENE("homecalc-results-full")
{
    useDisplay(ctx, true);
    render(ctx, QStringLiteral("homecalc-results-full"), fillFirstExample);
}

TQ_SNAPSHOT_SCENE("homecalc-preview-smaller")
{
    useDisplay(ctx, false);
    render(ctx, QStringLiteral("homecalc-preview-smaller"), [](tq::HomeCalc &w) { openPreview(w, false); });
}

TQ_SNAPSHOT_SCENE("homecalc-preview-full")
{
    useDisplay(ctx, true);
    render(ctx, QStringLiteral("homecalc-preview-full"), [](tq::HomeCalc &w) { openPreview(w, false); });
}

TQ_SNAPSHOT_SCENE("homecalc-preview-enlarged-full")
{
    useDisplay(ctx, true);
    render(ctx, QStringLiteral("homecalc-preview-enlarged-full"),
           [](tq::HomeCalc &w) { openPreview(w, true); });
}

TQ_SNAPSHOT_SCENE("homecalc-preview-enlarged-smaller")
{
    useDisplay(ctx, false);
    render(ctx, QStringLiteral("homecalc-preview-enlarged-smaller"),
           [](tq::HomeCalc &w) { openPreview(w, true); });
}

TQ_SNAPSHOT_SCENE("homecalc-report-page")
{
    useDisplay(ctx, false);
    render(ctx, QStringLiteral("homecalc-results-for-page"), [&ctx](tq::HomeCalc &w) {
        openPreview(w, false);
        const tq::PrintDocument &doc = w.reportPreview()->document();
        for (int page = 1; page <= doc.pageCount(); ++page)
            ctx.saveImage(doc.renderPage(page, QSize(1275, 1650)),
                          QStringLiteral("homecalc-report-page%1").arg(page));
    });
}
