// Rebuilding a one-page report and repainting the preview after a font change.
#include "components/pageview.h"
#include "components/printdocument.h"
#include "components/program.h"
#include "frame/reportpreview.h"
#include "unattended.h"

#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// 30 paragraphs at two sizes, with indents and a centred column.
void thirtyParagraphs(tq::PrintDocument &doc)
{
    doc.setIndentLeft(400);
    doc.paragraph(QStringLiteral("Home Calculator Results"));
    doc.setIndentLeft(600);
    doc.setFontSize(doc.fontSize() - 2);
    for (int i = 1; i < 30; ++i) {
        const QString text =
            QStringLiteral("Estimated Gross (pre-tax) Annual Income:  $%1,000.00").arg(40 + i);
        if (i % 3 == 0) {
            doc.setCurrentX(doc.pageWidth() / 2 - doc.textWidth(text) / 2);
        }
        doc.paragraph(i % 5 == 0 ? QString() : text);
    }
}

void rebuildAndRepaintAfterFontChange(benchmark::State &state)
{
    QTemporaryDir dir;
    tq::DefaultAnswerPrompter prompter;
    tq::SilentPlatform platform;
    tq::PinnedClock clock;
    tq::Program program(QDir(dir.path()), prompter, platform, clock);
    tq::ReportPreview preview(program, {}, nullptr);
    preview.builder = thirtyParagraphs;
    preview.open();
    tq::PageView *view = preview.pageView();
    bool big = false;
    for (auto _ : state) {
        big = !big;
        program.state.printFont.pointSize = big ? 16 : 14;
        preview.rebuild();
        view->viewport()->repaint();
    }
}
BENCHMARK(rebuildAndRepaintAfterFontChange)->Unit(benchmark::kMillisecond);

void buildDocument(benchmark::State &state)
{
    tq::PrintDocument doc;
    for (auto _ : state) {
        doc.startDoc();
        thirtyParagraphs(doc);
        doc.endDoc();
        benchmark::DoNotOptimize(doc.pageCount());
    }
}
BENCHMARK(buildDocument)->Unit(benchmark::kMillisecond);

void copyPagePicture(benchmark::State &state)
{
    tq::PrintDocument doc;
    doc.startDoc();
    thirtyParagraphs(doc);
    doc.endDoc();
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.renderPage(1, QSize(1020, 1320)));
}
BENCHMARK(copyPagePicture)->Unit(benchmark::kMillisecond);

} // namespace
