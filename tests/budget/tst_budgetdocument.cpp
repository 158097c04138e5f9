#include "budget/budgetdocument.h"
#include "budgetfixture.h"
#include "fakes.h"
#include "printedpage.h"

#include <QTest>

using namespace tq;
using namespace tq::budgetfixture;
using namespace tq::test;

Q_DECLARE_METATYPE(BudgetGridlines)

namespace {

const QDate printedOn(2007, 3, 14);
const QString printedText = QStringLiteral("Printed: Wednesday, March 14, 2007");

// A document as the preview starts it: the print font at `size`, margins 0.
struct Document {
    PrintDocument doc;
    explicit Document(double size = budgetPrintSize, QPageLayout::Orientation o = QPageLayout::Portrait)
    {
        doc.setFont(FontChoice{QStringLiteral("Times New Roman"), size});
        doc.setMargins(0);
        doc.setOrientation(o);
        doc.startDoc();
    }
    double w() const { return doc.pageWidth(); }
    const PrintPage &page(int n) const { return doc.pages().at(n - 1); }
    const PrintItem &text(int n, const QString &text) const
    {
        const PrintItem *item = findText(page(n), text);
        if (!item)
            qFatal("no text \"%s\" on page %d", qPrintable(text), n);
        return *item;
    }
};

void writeBudget(Document &d, const BudgetModel &model, BudgetGridlines lines = BudgetGridlines::All,
                 const QString &family = {})
{
    writeBudgetDocument(d.doc, {model, 2007, family, printedOn}, {lines});
    d.doc.endDoc();
}

// 50 items with an amount in every month.
Rows fullYear()
{
    Rows rows;
    for (int r = 0; r < budgetItemRows; ++r)
        rows.push_back({r, row(QStringLiteral("Item %1").arg(r + 1), everyMonth("123.45"))});
    return rows;
}

bool near(double a, double b)
{
    return std::abs(a - b) < 1;
}

} // namespace

class TestBudgetDocument : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setUpTestEnvironment(); }

    void budgetPageLayout_data()
    {
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        QTest::addColumn<double>("rowSize");
        QTest::newRow("portrait") << QPageLayout::Portrait << 10.0;
        QTest::newRow("landscape") << QPageLayout::Landscape << 12.0;
    }

    void budgetPageLayout()
    {
        QFETCH(QPageLayout::Orientation, orientation);
        QFETCH(double, rowSize);
        LoadedBudget b(rentAndFood(), "2500.00");
        Document d(14, orientation);
        writeBudget(d, b.model, BudgetGridlines::All, "Smith");
        QCOMPARE(d.doc.pageCount(), 1);

        const PrintItem &title = d.text(1, "Smith Home Budget For 2007");
        QVERIFY(title.bold);
        QCOMPARE(title.fontSize, 14.0);
        QVERIFY(near(centreOf(title), d.w() / 2));
        const PrintItem &date = d.text(1, printedText);
        QCOMPARE(date.fontSize, 8.0);
        QVERIFY(!date.bold);
        QVERIFY(near(d.text(1, "Item").x, d.w() / 18));
        QVERIFY(near(d.text(1, "Dec").x, d.w() / 1.06));
        QCOMPARE(d.text(1, "Jan").fontSize, 14.0);

        const PrintItem &rent = d.text(1, "Rent");
        QCOMPARE(rent.x, 75.0);
        QCOMPARE(rent.fontSize, rowSize);
        const PrintItem &food = d.text(1, "Food");
        const PrintItem &foodJan = d.text(1, "200.50");
        QCOMPARE(foodJan.y, food.y);
        QVERIFY(near(rightOf(foodJan), d.w() / 4.3));
        QCOMPARE(textsOf(d.page(1)).count("800.00"), 12 + 11); // Rent, and the totals of February on

        const PrintItem &expenses = d.text(1, "Total Expenses: ");
        QVERIFY(expenses.y > food.y);
        const PrintItem &janTotal = d.text(1, "1000.50");
        QCOMPARE(janTotal.y, expenses.y);
        QVERIFY(near(rightOf(janTotal), d.w() / 4.3));
        QVERIFY(near(rightOf(d.text(1, "1499.50")), d.w() / 4.3));
        QCOMPARE(textsOf(d.page(1)).count("1700.00"), 11); // the balance of the other months
    }

    // The widest figures stay inside their columns, lines included.
    void figuresKeepClearOfColumnLines_data()
    {
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        QTest::newRow("portrait") << QPageLayout::Portrait;
        QTest::newRow("landscape") << QPageLayout::Landscape;
    }

    void figuresKeepClearOfColumnLines()
    {
        QFETCH(QPageLayout::Orientation, orientation);
        Rows rows;
        for (int r = 0; r < 10; ++r)
            rows.push_back({r, row(QStringLiteral("Widest %1").arg(r + 1), everyMonth("9999.99"))});
        LoadedBudget b(rows); // every month 99999.90 spent, no income: -99999.90
        Document d(budgetPrintSize, orientation);
        writeBudget(d, b.model);
        QList<PrintItem> columnLines;
        for (const PrintItem &line : linesOf(d.page(1)))
            if (line.x == line.x2)
                columnLines << line;
        QCOMPARE(columnLines.size(), 14);
        int figures = 0;
        for (const PrintItem &item : d.page(1).items) {
            if (item.kind != PrintItem::Kind::Text || !item.text.contains(u'.'))
                continue;
            ++figures;
            for (const PrintItem &line : columnLines)
                QVERIFY2(line.x + line.penWidth / 2 <= item.x || rightOf(item) <= line.x - line.penWidth / 2,
                         qPrintable(QStringLiteral("%1 at %2 crosses the line at %3")
                                        .arg(item.text)
                                        .arg(item.x)
                                        .arg(line.x)));
        }
        QCOMPARE(figures, 13 * budgetMonths);
    }

    void titleWithoutFamilyName()
    {
        LoadedBudget b(rentAndFood(), "2500.00");
        Document d;
        writeBudget(d, b.model);
        QVERIFY(findText(d.page(1), " Home Budget For 2007"));
    }

    void gridlineOptions_data()
    {
        QTest::addColumn<BudgetGridlines>("option");
        QTest::addColumn<int>("itemRules");
        QTest::addColumn<int>("allLines");
        // Item rules are the light horizontal ones; the frame adds the rules under the
        // top, the headings and the three monthly rows, and 14 vertical lines.
        QTest::newRow("all gridlines") << BudgetGridlines::All << 2 + 2 << 2 + 2 + 1 + 3 + 14;
        QTest::newRow("no lines after items") << BudgetGridlines::NoItemLines << 2 << 2 + 1 + 3 + 14;
        QTest::newRow("no gridlines") << BudgetGridlines::None << 0 << 0;
    }

    void gridlineOptions()
    {
        QFETCH(BudgetGridlines, option);
        QFETCH(int, itemRules);
        QFETCH(int, allLines);
        LoadedBudget b(rentAndFood(), "2500.00");
        Document d;
        writeBudget(d, b.model, option);
        const QList<PrintItem> lines = linesOf(d.page(1));
        QCOMPARE(lines.size(), allLines);
        const auto lightRules = std::count_if(
            lines.begin(), lines.end(), [](const PrintItem &l) { return l.y == l.y2 && l.penWidth == 15; });
        QCOMPARE(int(lightRules), itemRules);
        QCOMPARE(BudgetPrintOptions::fromOption(int(option)).gridlines, option);
    }

    void rowsNeverSplit_data()
    {
        QTest::addColumn<double>("size");
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        for (const double size : {8.0, 14.0, 24.0, 40.0, 72.0}) {
            QTest::addRow("%g portrait", size) << size << QPageLayout::Portrait;
            QTest::addRow("%g landscape", size) << size << QPageLayout::Landscape;
        }
    }

    void rowsNeverSplit()
    {
        QFETCH(double, size);
        QFETCH(QPageLayout::Orientation, orientation);
        LoadedBudget b(fullYear(), "9000.00");
        Document d(size, orientation);
        writeBudget(d, b.model);
        QStringList names;
        for (int n = 1; n <= d.doc.pageCount(); ++n) {
            const PrintPage &page = d.page(n);
            QHash<double, int> textsOnLine;
            for (const PrintItem &item : page.items) {
                if (item.kind != PrintItem::Kind::Text)
                    continue;
                QVERIFY2(bottomOf(item) <= page.height, qPrintable(item.text));
                if (item.x == 75 && !item.text.startsWith("Printed"))
                    names << item.text;
                if (item.text == "123.45")
                    ++textsOnLine[item.y];
            }
            for (int count : std::as_const(textsOnLine))
                QCOMPARE(count, budgetMonths); // each row's amounts sit on one line of one page
            if (n > 1)
                QVERIFY(findText(page, printedText + " (Continued)"));
        }
        QCOMPARE(names.size(), budgetItemRows + 3);
        QCOMPARE(names.last(), QStringLiteral("Balance: "));
    }

    void monthlyRowsMoveToANewPage()
    {
        // 47 rows at 17 points end between H - 1000 and H - 600.
        Rows rows = fullYear();
        rows.resize(47);
        LoadedBudget b(rows, "9000.00");
        Document d(17);
        writeBudget(d, b.model, BudgetGridlines::None);
        QCOMPARE(d.doc.pageCount(), 2);
        QVERIFY(linesOf(d.page(1)).isEmpty());
        const PrintPage &last = d.page(2);
        QCOMPARE(textsOf(last).first(), printedText);
        const PrintItem &date = last.items.first();
        QCOMPARE(date.y, 100.0);
        QCOMPARE(date.x, 75.0);
        QCOMPARE(date.fontSize, 9.0);
        QCOMPARE(linesOf(last).size(), 1);
        QCOMPARE(linesOf(last).first().penWidth, 30.0);
        QVERIFY(findText(last, "Balance: "));
    }

    void totalsDocument()
    {
        LoadedBudget b(rentAndFood(), "2500.00");
        YearTotals totals;
        QCOMPARE(totals.fill(b.model), YearTotals::Outcome::Filled);
        Document d;
        writeTotalsDocument(d.doc, {totals, " 2007", printedOn});
        QVERIFY(near(centreOf(d.text(1, "BUDGET TOTALS FOR 2007")), d.w() / 2));
        QCOMPARE(d.text(1, printedText).fontSize, 10.0);
        QVERIFY(near(centreOf(d.text(1, "Percentage")), d.w() / 1.3));
        const PrintItem &rent = d.text(1, "Rent");
        QVERIFY(near(rent.x, d.w() / 8));
        QCOMPARE(rent.fontSize, 12.0);
        const PrintItem &rentTotal = d.text(1, "$9,600");
        QCOMPARE(rentTotal.y, rent.y);
        QVERIFY(near(rightOf(rentTotal), d.w() / 1.88));
        QVERIFY(near(rightOf(d.text(1, "32.00%")), d.w() / 1.24));
        QCOMPARE(d.text(1, "$9,801").y, d.text(1, "Total Expenses: ").y);
        QVERIFY(findText(d.page(1), "$30,000"));
        QVERIFY(near(rightOf(d.text(1, "100.00%")), d.w() / 1.24));
        QVERIFY(findText(d.page(1), "Percentage % = Item Totals divided by Total Income"));
        const QList<PrintItem> rules = linesOf(d.page(1));
        QCOMPARE(rules.size(), 4);
        QVERIFY(near(rules.first().x, d.w() / 8) && near(rules.first().x2, d.w() / 1.23));
    }

    void totalsInWholeUnits()
    {
        LoadedBudget b({{0, row("Rent", {"800.00"})}});
        b.model.setIncome(0, "1500.50");
        YearTotals totals;
        QCOMPARE(totals.fill(b.model), YearTotals::Outcome::Filled);
        Document d;
        writeTotalsDocument(d.doc, {totals, "2007", printedOn});
        QVERIFY(findText(d.page(1), "$1,501"));
        QVERIFY(findText(d.page(1), "$701"));
    }

    void longTotalsListContinues_data()
    {
        QTest::addColumn<double>("size");
        QTest::newRow("14 points") << 14.0; // only the closing line is left for page 2
        QTest::newRow("30 points") << 30.0;
    }

    void longTotalsListContinues()
    {
        QFETCH(double, size);
        LoadedBudget b(fullYear(), "9000.00");
        YearTotals totals;
        QCOMPARE(totals.fill(b.model), YearTotals::Outcome::Filled);
        Document d(size);
        writeTotalsDocument(d.doc, {totals, "2007", printedOn});
        QVERIFY(d.doc.pageCount() > 1);
        for (int n = 2; n <= d.doc.pageCount(); ++n) {
            QVERIFY(findText(d.page(n), "BUDGET TOTALS FOR 2007"));
            QVERIFY(findText(d.page(n), printedText + " (Continued)"));
        }
        for (const PrintPage &page : d.doc.pages())
            for (const PrintItem &item : page.items)
                if (item.kind == PrintItem::Kind::Text)
                    QVERIFY2(bottomOf(item) <= page.height, qPrintable(item.text));
    }

    void printerFont_data()
    {
        QTest::addColumn<QString>("gridFont");
        QTest::addColumn<QString>("printFont");
        QTest::newRow("screen sans serif") << "MS Sans Serif"
                                           << "Times New Roman";
        QTest::newRow("screen serif") << "MS Serif"
                                      << "Times New Roman";
        QTest::newRow("unreadable") << ""
                                    << "Times New Roman";
        QTest::newRow("the desktop's default font") << "DejaVu Sans"
                                                    << "Times New Roman";
        QTest::newRow("a printer font") << "Arial"
                                        << "Arial";
    }

    void printerFont()
    {
        QFETCH(QString, gridFont);
        QFETCH(QString, printFont);
        QCOMPARE(budgetPrintFont(gridFont, QStringLiteral("DejaVu Sans")), printFont);
    }
};

TQ_TEST_MAIN(TestBudgetDocument)
#include "tst_budgetdocument.moc"
