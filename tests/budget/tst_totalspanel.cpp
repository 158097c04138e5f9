#include "budget/budgetchart.h"
#include "budget/totalspanel.h"
#include "budgetfixture.h"
#include "components/grid.h"
#include "fakes.h"
#include "windowdriver.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QPieSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedBarSeries>
#include <QTest>

using namespace tq;
using namespace tq::budgetfixture;
using namespace tq::test;

namespace {

// The panel over a stand-in for the budget window.
struct PanelFixture {
    QWidget window;
    TotalsPanel *panel = new TotalsPanel(&window);
    LoadedBudget budget;

    explicit PanelFixture(const Rows &rows = rentAndFood(), const QString &income = "2500.00")
        : budget(rows, income)
    {
        window.resize(1000, 650);
        panel->setGeometry(0, 0, 1000, 650);
        showActive(&window);
    }
    std::optional<Notice> open() { return panel->open(budget.model, 2007); }
    QString label(int n) const { return findNamed<QLabel>(panel, QStringLiteral("Label%1").arg(n))->text(); }
    void click(const QString &name) const { clickButton(panel, name); }
    void clickRow(int row) const
    {
        const GridSpot spot = panel->itemList()->cellSpot(row, 0);
        QTest::mouseClick(spot.widget, Qt::LeftButton, {}, spot.rect.center());
    }
    void clickLabel(int n) const
    {
        QTest::mouseClick(findNamed<QLabel>(panel, QStringLiteral("Label%1").arg(n)), Qt::LeftButton);
    }
    QChart *chart() const { return panel->chart()->chart(); }
    // Each series' legend label and value, in order.
    QList<ChartPoint> series() const
    {
        QList<ChartPoint> out;
        QAbstractSeries *s = chart()->series().first();
        if (auto *pie = qobject_cast<QPieSeries *>(s))
            for (QPieSlice *slice : pie->slices())
                out.append({slice->label(), slice->value()});
        else
            for (QBarSet *set : static_cast<QAbstractBarSeries *>(s)->barSets())
                out.append({set->label(), set->at(0)});
        return out;
    }
    QList<bool> explodedSlices() const
    {
        QList<bool> out;
        for (QPieSlice *slice : qobject_cast<QPieSeries *>(chart()->series().first())->slices())
            out.append(slice->isExploded());
        return out;
    }
};

} // namespace

class TestTotalsPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setUpTestEnvironment(); }

    void opensWithTheYearAndChangesBasis()
    {
        PanelFixture f;
        QVERIFY(!f.panel->chart()->chart()); // nothing is charted before the panel first opens
        QSignalSpy commands(f.panel, &TotalsPanel::commandsChanged);
        QVERIFY(!f.open());
        QVERIFY(f.panel->isVisible() && f.panel->isOpen() && f.panel->editingBlocked());
        QVERIFY(!commands.isEmpty());
        QCOMPARE(findNamed<QLabel>(f.panel, "Panel3D1Caption")->text(), YearTotals::caption(2007));
        QCOMPARE((QStringList{f.label(13), f.label(14), f.label(15), f.label(16), f.label(17), f.label(18)}),
                 (QStringList{"9800.50 ", "30000.00 ", "20199.50 ", "32.67%     ", "100.00%     ",
                              "67.33%     "}));
        Grid *list = f.panel->itemList();
        QCOMPARE(list->rows(), 3);
        QCOMPARE(list->text(0, 2), QStringLiteral("%"));
        QCOMPARE(list->text(1, 1), QStringLiteral("9600.00"));
        QCOMPARE(list->text(2, 2), QStringLiteral("0.67% "));
        QVERIFY(findNamed<QPushButton>(f.panel, "Command9")->hasFocus());
        compareChart(f.series(), {{"Rent", 32}, {"Food", 0.6683}, {"Balance", 67.3317}});

        QSignalSpy basis(f.panel, &TotalsPanel::basisChanged);
        f.click("Command12");
        QCOMPARE(basis.size(), 1);
        QCOMPARE(f.label(19), QStringLiteral("% = Item Totals divided by Total Expenses"));
        QCOMPARE(list->text(1, 2), QStringLiteral("97.95% "));
        QCOMPARE(list->text(2, 2), QStringLiteral("2.05% "));
        compareChart(f.series(), {{"Rent", 97.954}, {"Food", 2.046}, {" ", 0}});
    }

    void refusedWithoutIncome()
    {
        PanelFixture f(rentAndFood(), "");
        const auto message = f.open();
        QVERIFY(message);
        QCOMPARE(message->title, QStringLiteral("View Totals"));
        QVERIFY(!f.panel->isVisible());
        QVERIFY(!f.panel->chart()->chart());
    }

    void highlights()
    {
        PanelFixture f;
        f.open();
        findNamed<QAbstractButton>(f.panel, "SSOption1(1)")->click();
        QCOMPARE(f.panel->chart()->type(), BudgetChart::Type::Pie);
        f.clickRow(2);
        QCOMPARE(f.explodedSlices(), (QList<bool>{false, true, false}));
        QCOMPARE(f.panel->itemList()->highlight(), Grid::Highlight::Always);
        f.clickLabel(15);
        QCOMPARE(f.explodedSlices(), (QList<bool>{false, false, true}));
        QCOMPARE(findNamed<QLabel>(f.panel, "Label15")->palette().color(QPalette::Window),
                 QColor(0, 255, 255));
        QCOMPARE(f.panel->itemList()->highlight(), Grid::Highlight::Never);

        // On the expenses basis the balance cannot be highlighted.
        f.click("Command12");
        QCOMPARE(f.panel->chart()->highlighted(), -1);
        f.clickLabel(18);
        QCOMPARE(f.explodedSlices(), (QList<bool>{false, false, false}));
    }

    void chartTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QString>("series");
        QTest::newRow("bar vertical") << 0 << 0 << "QBarSeries";
        QTest::newRow("bar horizontal") << 0 << 1 << "QHorizontalBarSeries";
        QTest::newRow("stacking vertical") << 2 << 0 << "QStackedBarSeries";
        QTest::newRow("stacking horizontal") << 2 << 1 << "QHorizontalStackedBarSeries";
        QTest::newRow("pie") << 1 << 1 << "QPieSeries";
    }

    void chartTypes()
    {
        QFETCH(int, type);
        QFETCH(int, orientation);
        QFETCH(QString, series);
        PanelFixture f;
        f.open();
        f.clickRow(1);
        findNamed<QAbstractButton>(f.panel, QStringLiteral("SSOption2(%1)").arg(orientation))->click();
        findNamed<QAbstractButton>(f.panel, QStringLiteral("SSOption1(%1)").arg(type))->click();
        QCOMPARE(f.chart()->series().size(), 1);
        QCOMPARE(f.chart()->series().first()->metaObject()->className(), series);
        // A new type drops the highlight but keeps the values.
        QCOMPARE(f.panel->chart()->highlighted(), -1);
        compareChart(f.series(), {{"Rent", 32}, {"Food", 0.6683}, {"Balance", 67.3317}});
    }

    void oneItemAndClosing()
    {
        PanelFixture f({{0, row("Rent", everyMonth("800.00"))}});
        f.open();
        QVERIFY(!findNamed<QPushButton>(f.panel, "Command12")->isEnabled());
        QSignalSpy closed(f.panel, &TotalsPanel::closed);
        QTest::keyClick(findNamed<QPushButton>(f.panel, "Command9"), Qt::Key_Escape);
        QCOMPARE(closed.size(), 1);
        QVERIFY(!f.panel->isVisible() && !f.panel->isOpen() && !f.panel->editingBlocked());

        // Opening again, and once more while open, which closes it.
        QVERIFY(!f.open());
        QVERIFY(f.panel->isOpen());
        QVERIFY(!f.open());
        QVERIFY(!f.panel->isOpen());
        QCOMPARE(closed.size(), 2);
    }
};

TQ_TEST_MAIN(TestTotalsPanel)
#include "tst_totalspanel.moc"
