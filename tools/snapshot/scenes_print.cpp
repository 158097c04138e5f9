// The report preview panel and document pages, with a sample report that
// uses what the tools' reports use: indents, two sizes, centred columns,
// lines and a second page.
#include "snapshot.h"

#include "components/fontdialog.h"
#include "components/pageview.h"
#include "components/printdocument.h"
#include "frame/reportpreview.h"

#include <QAbstractButton>

namespace {

void sampleReport(tq::PrintDocument &doc)
{
    doc.setIndentLeft(400);
    doc.setCurrentY(200);
    doc.paragraph(QStringLiteral("Home Calculator Results"));
    doc.setIndentLeft(600);
    doc.setFontSize(doc.fontSize() - 2);
    doc.paragraph(QString());
    doc.paragraph(QStringLiteral("Input Section"));
    doc.paragraph(QString());
    doc.paragraph(QStringLiteral("Estimated Gross (pre-tax) Annual Income:  $60,000.00"));
    doc.paragraph(QStringLiteral("Minimum  Monthly  Debt  Payments:  $250.00"));
    doc.setLineWidth(30);
    doc.drawLine(600, doc.currentY() + 60, doc.pageWidth() - 600, doc.currentY() + 60);
    doc.paragraph(QString());
    const double w = doc.pageWidth();
    const double centres[] = {w / 20, w / 6, w / 3.4, w / 2.4};
    const QStringList heads{QStringLiteral("Interest"), QStringLiteral(" 10 Years"),
                            QStringLiteral(" 15 Years"), QStringLiteral(" 30 Years")};
    for (int row = 0; row < 12; ++row) {
        const double y = doc.currentY();
        for (int c = 0; c < 4; ++c) {
            const QString text = row == 0 ? heads[c]
                                 : c == 0 ? QStringLiteral("%1.00%").arg(4 + row)
                                          : QStringLiteral("$%1.25").arg(300 + 37 * row * c);
            doc.setCurrentY(y);
            doc.setCurrentX(centres[c] - doc.textWidth(text) / 2);
            doc.paragraph(text);
        }
    }
    doc.newPage();
    doc.paragraph(QString());
    doc.paragraph(QStringLiteral("Page Number ") + QString::number(doc.page()));
    doc.setIndentLeft(400);
    doc.setIndentRight(400);
    doc.paragraph(QStringLiteral("Loan Length in Years will show a Monthly Payment for 12 months a year. "
                                 "A long note wraps between the left and the right indent of the page."));
    doc.setFontSize(6);
    doc.paragraph(QString());
    doc.paragraph(QStringLiteral("Tallyquill 2007"));
}

tq::ReportPreview *openPreview(tq::snapshot::Context &ctx)
{
    auto *preview = new tq::ReportPreview(ctx.program, {}, nullptr);
    preview->builder = sampleReport;
    preview->windowActivated(true);
    preview->open();
    return preview;
}

} // namespace

TQ_SNAPSHOT_SCENE("print-preview")
{
    tq::ReportPreview *preview = openPreview(ctx);
    ctx.save(preview, QStringLiteral("print-preview"));
    preview->findChild<QAbstractButton *>(QStringLiteral("SSOption82(1)"))->click();
    preview->pageView()->nextPage();
    ctx.save(preview, QStringLiteral("print-preview-guides-page2"));
    preview->pageView()->previousPage();
    preview->toggleEnlarge();
    ctx.save(preview, QStringLiteral("print-preview-enlarged"));
    delete preview;
}

TQ_SNAPSHOT_SCENE("print-page")
{
    tq::ReportPreview *preview = openPreview(ctx);
    preview->findChild<QAbstractButton *>(QStringLiteral("SSCommand2"))->click();
    const tq::PrintDocument &doc = preview->document();
    ctx.saveImage(doc.renderPage(1, QSize(816, 1056)), QStringLiteral("print-page1-autosize"));
    delete preview;
}

TQ_SNAPSHOT_SCENE("print-font-dialog")
{
    tq::FontDialog dialog(ctx.program.prompter, {QStringLiteral("Times New Roman"), 14, true, false, true,
                                                 false, QColor(0, 0, 128)});
    dialog.adjustSize();
    ctx.save(&dialog, QStringLiteral("print-font-dialog"));
}
