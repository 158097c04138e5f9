// The budget's totals panel in every chart form, and the pages of its two
// documents for a budget of 50 items.
#include "snapshot.h"

#include "budget/budgetchart.h"
#include "budget/budgetdocument.h"
#include "budget/totalspanel.h"
#include "budgetengine/budgetmodel.h"
#include "components/printdocument.h"

#include <QTemporaryDir>

namespace {

constexpr int year = 2007;

const QStringList householdItems = {"Rent",      "Electricity", "Gas",         "Water",
                                    "Telephone", "Groceries",   "Car Payment", "Insurance",
                                    "Gasoline",  "Clothing",    "Doctor",      "Savings"};

// A budget loaded from a year file; `items` rows, each a little different.
struct SampleBudget {
    QTemporaryDir dir;
    tq::BudgetModel model;
    explicit SampleBudget(int items)
    {
        tq::BudgetSheet sheet;
        for (int r = 0; r < items; ++r) {
            tq::BudgetRow &row = sheet.rows[size_t(r)];
            row[0] = r < householdItems.size() ? householdItems[r] : QStringLiteral("Item %1").arg(r + 1);
            for (int m = 1; m <= tq::budgetMonths; ++m)
                row[size_t(m)] = QString::number(r == 0 ? 950.0 : 12.5 * (r % 9 + 1) + m, 'f', 2);
        }
        sheet.incomes.fill(QStringLiteral("4200.00"));
        tq::yearfile::save(QDir(dir.path()), year, sheet);
        model.load(QDir(dir.path()), year);
    }
};

// The chart repaints from the event loop and deletes the items of a former
// type later, which a scene outside the loop must do itself.
void savePanel(tq::snapshot::Context &ctx, QWidget *window, const QString &name)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    ctx.save(window, name);
}

struct PanelScene {
    QWidget window;
    tq::TotalsPanel *panel = new tq::TotalsPanel(&window);
    explicit PanelScene(const tq::BudgetModel &model)
    {
        window.resize(1000, 650);
        panel->setGeometry(window.rect());
        window.show();
        panel->open(model, year);
    }
};

void renderDocument(tq::snapshot::Context &ctx, const QString &name, QPageLayout::Orientation orientation,
                    const std::function<void(tq::PrintDocument &)> &write)
{
    tq::PrintDocument doc;
    doc.setFont(tq::FontChoice{QStringLiteral("Times New Roman"), tq::budgetPrintSize});
    doc.setMargins(0);
    doc.setOrientation(orientation);
    doc.startDoc();
    write(doc);
    doc.endDoc();
    const bool landscape = orientation == QPageLayout::Landscape;
    const QSize size = landscape ? QSize(1056, 816) : QSize(816, 1056);
    for (int n = 1; n <= doc.pageCount(); ++n)
        ctx.saveImage(doc.renderPage(n, size),
                      QStringLiteral("%1-%2-page%3").arg(name, landscape ? "landscape" : "portrait").arg(n));
}

} // namespace

TQ_SNAPSHOT_SCENE("budget-totals")
{
    SampleBudget budget(12);
    PanelScene scene(budget.model);
    tq::BudgetChart *chart = scene.panel->chart();
    const std::pair<tq::BudgetChart::Type, QString> types[] = {{tq::BudgetChart::Type::Bar, "bar"},
                                                               {tq::BudgetChart::Type::Stacking, "stacking"}};
    for (const auto &[type, typeName] : types)
        for (const Qt::Orientation o : {Qt::Vertical, Qt::Horizontal}) {
            chart->setType(type);
            chart->setOrientation(o);
            scene.panel->highlightItem(2);
            savePanel(ctx, &scene.window,
                      QStringLiteral("budget-totals-%1-%2")
                          .arg(typeName, o == Qt::Vertical ? "vertical" : "horizontal"));
        }
    chart->setType(tq::BudgetChart::Type::Pie);
    scene.panel->highlightBalance();
    savePanel(ctx, &scene.window, QStringLiteral("budget-totals-pie-balance"));
    scene.panel->changeBasis();
    scene.panel->highlightItem(1);
    savePanel(ctx, &scene.window, QStringLiteral("budget-totals-pie-expenses"));
}

TQ_SNAPSHOT_SCENE("budget-totals-50")
{
    SampleBudget budget(50);
    PanelScene scene(budget.model);
    savePanel(ctx, &scene.window, QStringLiteral("budget-totals-50-bar"));
}

TQ_SNAPSHOT_SCENE("budget-documents")
{
    SampleBudget budget(50);
    tq::YearTotals totals;
    totals.fill(budget.model);
    const QDate printed(2007, 3, 14);
    for (const auto o : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        renderDocument(ctx, QStringLiteral("budget-document"), o, [&](tq::PrintDocument &doc) {
            tq::writeBudgetDocument(doc, {budget.model, year, QStringLiteral("Smith"), printed}, {});
        });
        renderDocument(ctx, QStringLiteral("budget-totals-document"), o, [&](tq::PrintDocument &doc) {
            tq::writeTotalsDocument(doc, {totals, QStringLiteral("2007"), printed});
        });
    }
}
