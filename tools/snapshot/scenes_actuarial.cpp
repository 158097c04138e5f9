// The actuarial calculator: empty, the four tables for 1,000 a month over
// rates 0.5 % to 10 % and 1 to 10 years, and the printed report's pages.
#include "snapshot.h"

#include "actuarial/actua1.h"
#include "components/grid.h"
#include "components/printdocument.h"
#include "frame/reportpreview.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>

namespace {

struct Scene : tq::snapshot::ToolWindowScene<tq::Actua1> {
    explicit Scene(tq::snapshot::Context &ctx, bool fullScreen = false)
        : ToolWindowScene(ctx.useDisplay(fullScreen ? tq::DisplayMode::FullScreen : tq::DisplayMode::Smaller))
    {
    }

    void text(const char *name, const QString &value) const
    {
        window->findChild<QLineEdit *>(QLatin1String(name))->setText(value);
    }
    void rate(const char *name, const QString &value) const
    {
        auto *box = window->findChild<QComboBox *>(QLatin1String(name));
        box->setCurrentIndex(box->findText(value));
    }
    void table(tq::TableKind kind, const QString &maxRate = QStringLiteral("10.0"))
    {
        text("Text1", QStringLiteral("1000"));
        text("Text2", QStringLiteral("12"));
        rate("Combo1", maxRate);
        rate("Combo2", QStringLiteral("0.5"));
        text("Text3", QStringLiteral("10"));
        text("Text4", QStringLiteral("1"));
        window->buildTable(kind);
        QApplication::processEvents();
    }
};

void tableScene(tq::snapshot::Context &ctx, tq::TableKind kind, const QString &name)
{
    Scene s(ctx);
    s.table(kind);
    ctx.save(s.window, name);
}

} // namespace

TQ_SNAPSHOT_SCENE("actuarial-empty")
{
    Scene s(ctx);
    ctx.save(s.window, QStringLiteral("actuarial-empty"));
}

TQ_SNAPSHOT_SCENE("actuarial-pv-amount")
{
    tableScene(ctx, tq::TableKind::PresentValueOfAmount, QStringLiteral("actuarial-pv-amount"));
}

TQ_SNAPSHOT_SCENE("actuarial-pv-annuity")
{
    tableScene(ctx, tq::TableKind::PresentValueOfAnnuity, QStringLiteral("actuarial-pv-annuity"));
}

TQ_SNAPSHOT_SCENE("actuarial-fv-amount")
{
    tableScene(ctx, tq::TableKind::FutureValueOfAmount, QStringLiteral("actuarial-fv-amount"));
}

TQ_SNAPSHOT_SCENE("actuarial-fv-annuity")
{
    tableScene(ctx, tq::TableKind::FutureValueOfAnnuity, QStringLiteral("actuarial-fv-annuity"));
}

TQ_SNAPSHOT_SCENE("actuarial-full-screen")
{
    Scene s(ctx, true);
    s.table(tq::TableKind::FutureValueOfAmount);
    ctx.save(s.window, QStringLiteral("actuarial-full-screen"));
}

// The whole table highlighted: seven of its ten columns print.
TQ_SNAPSHOT_SCENE("actuarial-report")
{
    Scene s(ctx);
    s.table(tq::TableKind::FutureValueOfAnnuity);
    s.window->grid()->setCurrentCell(1, 1);
    s.window->grid()->setSelectionEnd(20, 10);
    s.window->findChild<QAction *>(QStringLiteral("mOPrint"))->trigger();
    QApplication::processEvents();
    ctx.save(s.window, QStringLiteral("actuarial-report-preview"));
    const tq::PrintDocument &doc = s.window->reportPreview()->document();
    const QSize page(int(doc.pageWidth() / 15), int(doc.pageHeight() / 15));
    for (int n = 1; n <= doc.pageCount(); ++n)
        ctx.saveImage(doc.renderPage(n, page), QStringLiteral("actuarial-report-page%1").arg(n));
}

// Fifty rates in a larger print font run onto further pages.
TQ_SNAPSHOT_SCENE("actuarial-report-large-font")
{
    Scene s(ctx);
    s.table(tq::TableKind::PresentValueOfAmount, QStringLiteral("25.0"));
    s.window->grid()->setCurrentCell(1, 1);
    s.window->grid()->setSelectionEnd(50, 4);
    s.window->findChild<QAction *>(QStringLiteral("mOPrint"))->trigger();
    ctx.program.state.printFont.pointSize = 20;
    s.window->reportPreview()->rebuild();
    const tq::PrintDocument &doc = s.window->reportPreview()->document();
    const QSize page(int(doc.pageWidth() / 15), int(doc.pageHeight() / 15));
    for (int n = 1; n <= doc.pageCount(); ++n)
        ctx.saveImage(doc.renderPage(n, page), QStringLiteral("actuarial-large-font-page%1").arg(n));
}
