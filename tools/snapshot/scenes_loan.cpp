// The loan calculator: empty, a payments table, an amortization, and the
// first two report pages of a 30-year schedule.
#include "snapshot.h"

#include "components/grid.h"
#include "components/printdocument.h"
#include "frame/reportpreview.h"
#include "loan/loansheet.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>

namespace {

struct Scene : tq::snapshot::ToolWindowScene<tq::LoanSheet> {
    explicit Scene(tq::snapshot::Context &ctx, tq::DisplayMode mode = tq::DisplayMode::Smaller)
        : ToolWindowScene(ctx.useDisplay(mode))
    {
    }

    void enter(const QString &purchase, const QString &down, const QString &maxLength,
               const QString &minLength, const QString &maxRate, const QString &minRate)
    {
        const tq::LoanForm &f = window->form();
        f.purchase->setText(purchase);
        f.down->setText(down);
        f.lengthMax->setText(maxLength);
        f.lengthMin->setText(minLength);
        f.rateMax->setCurrentIndex(f.rateMax->findText(maxRate));
        f.rateMin->setCurrentIndex(f.rateMin->findText(minRate));
        window->showPayments();
        QApplication::processEvents();
    }
    void schedule(int row, int col)
    {
        window->form().grid->setCurrentCell(row, col);
        window->showAmortization();
        QApplication::processEvents();
    }
};

} // namespace

TQ_SNAPSHOT_SCENE("loan-empty")
{
    Scene s(ctx);
    ctx.save(s.window, QStringLiteral("loan-empty"));
}

TQ_SNAPSHOT_SCENE("loan-payments")
{
    Scene s(ctx);
    s.enter(QStringLiteral("250000"), QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("26"),
            QStringLiteral("12.5"), QStringLiteral("3.0"));
    s.window->form().grid->setSelectionEnd(1, 2);
    QApplication::processEvents();
    ctx.save(s.window, QStringLiteral("loan-payments"));
}

TQ_SNAPSHOT_SCENE("loan-amortization")
{
    Scene s(ctx);
    s.enter(QStringLiteral("250000"), QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("15"),
            QStringLiteral("7.0"), QStringLiteral("6.0"));
    s.schedule(2, 1);
    ctx.save(s.window, QStringLiteral("loan-amortization"));
}

TQ_SNAPSHOT_SCENE("loan-report")
{
    Scene s(ctx);
    s.enter(QStringLiteral("100000"), QString(), QStringLiteral("30"), QString(), QStringLiteral("6.0"),
            QStringLiteral("6.0"));
    s.schedule(1, 1);
    s.window->runCommand(tq::FrameCommand::Print);
    QApplication::processEvents();
    ctx.save(s.window, QStringLiteral("loan-report-preview"));
    const tq::PrintDocument &doc = s.window->reportPreview()->document();
    for (int page = 1; page <= 2; ++page)
        ctx.saveImage(doc.renderPage(page, QSize(850, 1100)), QStringLiteral("loan-report-page%1").arg(page));
}

TQ_SNAPSHOT_SCENE("loan-report-payments")
{
    Scene s(ctx);
    s.enter(QStringLiteral("250000"), QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("24"),
            QStringLiteral("8.0"), QStringLiteral("5.0"));
    s.window->form().grid->setSelectionEnd(1, 7);
    s.window->runCommand(tq::FrameCommand::Print);
    QApplication::processEvents();
    const tq::PrintDocument &doc = s.window->reportPreview()->document();
    ctx.saveImage(doc.renderPage(1, QSize(850, 1100)), QStringLiteral("loan-report-payments"));
}

TQ_SNAPSHOT_SCENE("loan-full")
{
    Scene s(ctx, tq::DisplayMode::FullScreen);
    ctx.save(s.window, QStringLiteral("loan-full"));
}

TQ_SNAPSHOT_SCENE("loan-report-largest")
{
    Scene s(ctx);
    s.enter(QStringLiteral("250000"), QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("24"),
            QStringLiteral("12.0"), QStringLiteral("1.0"));
    s.window->form().grid->setSelectionEnd(1, 3);
    s.window->runCommand(tq::FrameCommand::Print);
    ctx.program.state.printFont.pointSize = 72; // the largest size the font dialog offers
    s.window->reportPreview()->rebuild();
    const tq::PrintDocument &doc = s.window->reportPreview()->document();
    for (int page = 1; page <= 3; ++page)
        ctx.saveImage(doc.renderPage(page, QSize(850, 1100)),
                      QStringLiteral("loan-report-largest-page%1").arg(page));
}
