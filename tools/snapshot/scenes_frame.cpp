// The bare tool window frame around a small demo tool, in both display modes,
// with hidden toolbars, and with the report preview over the main panel.
#include "snapshot.h"

#include "frame/reportpreview.h"
#include "frame/toolwindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace {

class DemoTool : public tq::ToolWindow
{
public:
    DemoTool(tq::Program &program, QWidget *launcher) : ToolWindow(program, launcher, config())
    {
        auto *face = new QLabel;
        face->setObjectName(QStringLiteral("Label4"));
        placeInPanel(face, {60, 420, 9710, 6720});
        setPanelColourWidget(face);
        auto *note = new QLabel(QStringLiteral("The tool's own controls go here."));
        note->setAlignment(Qt::AlignCenter);
        placeInPanel(note, {1445, 3000, 6960, 400});
        const QStringList captions{QStringLiteral("&Calculate"), QStringLiteral("&Print"),
                                   QStringLiteral("E&xit")};
        const int lefts[] = {1445, 3895, 6315};
        for (int i = 0; i < 3; ++i)
            placeInPanel(new QPushButton(captions[i]), {lefts[i], 6400, 2100, 428});
        tq::ReportPreview::Options options{tq::ToolId::HomeCalc};
        if (withPrintOptions) {
            options.rangeFrameCaption = QStringLiteral("Print Options");
            options.rangeCaptions = {QStringLiteral("Print All Gridlines"),
                                     QStringLiteral("No Horizontal lines after Items"),
                                     QStringLiteral("No Gridlines")};
        }
        attachReportPreview([this, &program, options] {
            auto *preview = new tq::ReportPreview(program, options, this);
            preview->builder = [](tq::PrintDocument &) {};
            return preview;
        });
    }

    static tq::ToolWindowConfig config()
    {
        tq::ToolWindowConfig c;
        c.tool = tq::ToolId::HomeCalc;
        c.objectName = QStringLiteral("DemoTool");
        c.caption = QStringLiteral("Home Calculator");
        c.ownTopButton = 13;
        c.helpId = 3011;
        c.colourQuestion = QStringLiteral("Save changes made to Panel Color?");
        return c;
    }

    // The budget's kind of preview: three print options instead of one range.
    static inline bool withPrintOptions = false;
};

void render(tq::snapshot::Context &ctx, const QString &name,
            const std::function<void(DemoTool &)> &before = {})
{
    tq::snapshot::renderToolWindow<DemoTool>(ctx, name, before);
}

} // namespace

TQ_SNAPSHOT_SCENE("frame-smaller")
{
    ctx.useDisplay(tq::DisplayMode::Smaller);
    render(ctx, QStringLiteral("frame-smaller"));
}

TQ_SNAPSHOT_SCENE("frame-full")
{
    ctx.useDisplay(tq::DisplayMode::FullScreen);
    render(ctx, QStringLiteral("frame-full"));
}

TQ_SNAPSHOT_SCENE("frame-toolbars-hidden")
{
    ctx.useDisplay(tq::DisplayMode::Smaller);
    ctx.program.state.topToolbarHidden = true;
    ctx.program.state.sideToolbarsHidden = true;
    render(ctx, QStringLiteral("frame-toolbars-hidden"));
}

TQ_SNAPSHOT_SCENE("frame-preview-full")
{
    ctx.useDisplay(tq::DisplayMode::FullScreen);
    render(ctx, QStringLiteral("frame-preview-full"), [](DemoTool &w) { w.reportPreview()->open(); });
}

TQ_SNAPSHOT_SCENE("frame-preview-options")
{
    ctx.useDisplay(tq::DisplayMode::Smaller);
    DemoTool::withPrintOptions = true;
    render(ctx, QStringLiteral("frame-preview-options"), [](DemoTool &w) { w.reportPreview()->open(); });
    DemoTool::withPrintOptions = false;
}
