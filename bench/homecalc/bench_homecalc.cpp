// Rebuilding the home calculator report and repainting its preview after a
// font change, as the preview does after every font, size or page choice.
#include "components/pageview.h"
#include "components/printdocument.h"
#include "fakes.h"
#include "frame/reportpreview.h"
#include "homecalc/homecalc.h"

#include <QLineEdit>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

void rebuildAndRepaintAfterFontChange(benchmark::State &state)
{
    tq::test::TestProgram t;
    t.program.state.displayMode = tq::DisplayMode::Smaller;
    QWidget launcher;
    auto *window = new tq::HomeCalc(t.program, &launcher);
    window->show();
    window->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("60000"));
    window->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("300"));
    window->findChild<QLineEdit *>(QStringLiteral("Text3"))->setText(QStringLiteral("20000"));
    window->findChild<QLineEdit *>(QStringLiteral("Text5"))->setText(QStringLiteral("2000"));
    window->calculate();
    window->runCommand(tq::FrameCommand::Print);
    tq::ReportPreview *preview = window->reportPreview();
    tq::PageView *view = preview->pageView();
    bool big = false;
    for (auto _ : state) {
        big = !big;
        t.program.state.printFont.pointSize = big ? 16 : 14;
        preview->rebuild();
        view->viewport()->repaint();
    }
    benchmark::DoNotOptimize(preview->document().pageCount());
    delete window;
}
BENCHMARK(rebuildAndRepaintAfterFontChange)->Unit(benchmark::kMillisecond);

} // namespace
