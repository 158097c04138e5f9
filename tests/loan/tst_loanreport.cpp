#include "loanfixture.h"

#include "common/numberformat.h"
#include "components/fontdialog.h"
#include "components/printdocument.h"
#include "frame/reportpreview.h"
#include "frame/selectionlimits.h"
#include "loan/loanreport.h"
#include "pagetext.h"

#include <QRegularExpression>

using namespace tq;
using tq::test::LoanFixture;
using namespace tq::test;

namespace {

// The centre of a printed text, to compare with the fixed centre positions.
double centreOf(const PrintItem &item)
{
    return item.x + item.width / 2;
}

} // namespace

class TestLoanReport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { tq::test::setUpTestEnvironment(); }

    void columnRestriction_data();
    void columnRestriction();
    void singularYearHeading();
    void downPaymentLine_data();
    void downPaymentLine();
    void largestFontKeepsRowsWhole_data();
    void largestFontKeepsRowsWhole();
    void scheduleSpansPages();
    void amountsBelowOneDollar();
    void closingNote_data();
    void closingNote();
    void fontSizes();
};

void TestLoanReport::columnRestriction_data()
{
    QTest::addColumn<int>("highlighted");
    QTest::addColumn<int>("printed");
    QTest::addColumn<bool>("message");
    QTest::newRow("ten columns") << 10 << 7 << true;
    QTest::newRow("eight columns") << 8 << 7 << true;
    QTest::newRow("seven columns") << 7 << 7 << false;
    QTest::newRow("two columns") << 2 << 2 << false;
}

void TestLoanReport::columnRestriction()
{
    QFETCH(int, highlighted);
    QFETCH(int, printed);
    QFETCH(bool, message);
    LoanFixture f;
    f.showTable("100000", "12", "1", "6.0", "6.0");
    f.highlightColumns(1, highlighted);
    f.trigger("mnuPrint");
    if (message) {
        QCOMPARE(f.tp.prompter.texts(), QStringList{printRestrictionMessage().text});
        QCOMPARE(f.tp.prompter.last().title, QStringLiteral("Print Restriction"));
    } else {
        QVERIFY(f.tp.prompter.prompts.isEmpty());
    }
    const PrintDocument &doc = f.window->reportPreview()->document();
    const PrintPage &page = doc.pages().first();
    for (int length = 1; length <= highlighted; ++length) {
        const QString heading = QStringLiteral(" %1 %2").arg(length).arg(length == 1 ? "Year" : "Years");
        QCOMPARE(findText(page, heading) != nullptr, length <= printed);
    }
    const PrintItem *last = findText(page, QStringLiteral(" %1 Years").arg(printed));
    if (printed == 7)
        QVERIFY(std::abs(centreOf(*last) - doc.pageWidth() / 1.08) < 1);
    QVERIFY(std::abs(centreOf(*findText(page, "Interest")) - doc.pageWidth() / 20) < 1);
    // Rebuilding after a font change keeps the columns and asks no more.
    f.window->reportPreview()->rebuild();
    QCOMPARE(f.tp.prompter.prompts.size(), message ? 1 : 0);
}

void TestLoanReport::singularYearHeading()
{
    LoanFixture f;
    f.showTable("100000", "2", "1", "6.0", "6.0");
    QCOMPARE(f.grid()->text(0, 1), QStringLiteral("\n\r1 Years"));
    f.highlightColumns(1, 2);
    f.trigger("mnuPrint");
    const PrintPage &page = f.window->reportPreview()->document().pages().first();
    QVERIFY(findText(page, " 1 Year"));
    QVERIFY(findText(page, " 2 Years"));
    QVERIFY(findText(page, " Purchase Amount = $100,000.00"));
    QVERIFY(findText(page, " Percent Down:   0.00%"));
    QVERIFY(findText(page, " Loan Amount = $100,000.00"));
}

void TestLoanReport::downPaymentLine_data()
{
    QTest::addColumn<QString>("mode"); // the menu item picked first, if any
    QTest::addColumn<QString>("down");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("loan");
    QTest::newRow("caption as loaded") << ""
                                       << "20"
                                       << " Percent Down:   20.00%"
                                       << "$80,000.00";
    QTest::newRow("percent picked") << "mnuOptDwn(0)"
                                    << "12"
                                    << " Percent Down   12.00%"
                                    << "$88,000.00";
    QTest::newRow("amount picked") << "mnuOptDwn(1)"
                                   << "15000"
                                   << "   Amount Down $15,000.00"
                                   << "$85,000.00";
}

void TestLoanReport::downPaymentLine()
{
    QFETCH(QString, mode);
    QFETCH(QString, down);
    QFETCH(QString, line);
    QFETCH(QString, loan);
    LoanFixture f;
    if (!mode.isEmpty())
        f.trigger(mode);
    f.type("txtPurchTotl", "100000");
    f.type("txtDwnPay", down);
    f.showTable("", "30", "", "6.0", "6.0");
    f.clickCell(1, 1);
    f.trigger("mnuPrint");
    const PrintPage &page = f.window->reportPreview()->document().pages().first();
    QCOMPARE(pageTexts(page).mid(0, 3),
             (QStringList{" Purchase Amount = $100,000.00", line, " Loan Amount = " + loan}));
}

void TestLoanReport::largestFontKeepsRowsWhole_data()
{
    QTest::addColumn<bool>("schedule");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("headings");
    QTest::newRow("payments") << false << 23
                              << QStringList{"Interest", " 10 Years", " 11 Years", " 12 Years"};
    QTest::newRow("amortization") << true << 120
                                  << QStringList{"Payment No.", "Amount towards Principal",
                                                 "Amount of Interest", "Principal Remaining",
                                                 "Interest Paid"};
}

// At the largest size the font dialog offers, every row is printed whole on
// one page, and every later page starts with its number and the headings.
void TestLoanReport::largestFontKeepsRowsWhole()
{
    QFETCH(bool, schedule);
    QFETCH(int, rows);
    QFETCH(QStringList, headings);
    LoanFixture f;
    f.showTable("100000", "12", "10", "12.0", "1.0");
    if (schedule)
        f.doubleClickCell(1, 1); // 10 years at 1.0%
    else
        f.highlightColumns(1, 3);
    f.trigger("mnuPrint");
    f.tp.prompter.answerFont(FontChoice{"Times New Roman", double(FontDialog::maximumPointSize)});
    f.click("SSCommand80(0)");
    const PrintDocument &doc = f.window->reportPreview()->document();
    QVERIFY(doc.pageCount() > 2);
    int printedRows = 0;
    for (int n = 1; n <= doc.pageCount(); ++n) {
        const PrintPage &page = doc.pages()[n - 1];
        QVERIFY2(tq::test::textsOnPaper(page), qPrintable(QString::number(n)));
        const QList<QStringList> lines = printedLines(page);
        if (n > 1) {
            QCOMPARE(lines.value(0), QStringList{QStringLiteral("Page Number %1").arg(n)});
            // Wide headings kept on the paper may overlap, so their order is not compared.
            QStringList written = lines.value(1), expected = headings;
            written.sort();
            expected.sort();
            QCOMPARE(written, expected);
        }
        for (const QStringList &line : lines) {
            static const QRegularExpression rate(QStringLiteral("^\\d+\\.\\d%$"));
            const bool row =
                schedule ? strictNumber(line.first()).has_value() : rate.match(line.first()).hasMatch();
            if (!row)
                continue;
            ++printedRows;
            QCOMPARE(line.size(), headings.size());
        }
    }
    QCOMPARE(printedRows, rows);
}

void TestLoanReport::scheduleSpansPages()
{
    LoanFixture f;
    f.showTable("100000", "30", "", "6.0", "6.0");
    f.doubleClickCell(1, 1);
    f.trigger("mnuPrint");
    const PrintDocument &doc = f.window->reportPreview()->document();
    QVERIFY(doc.pageCount() > 2);
    const PrintPage &first = doc.pages().first();
    QCOMPARE(pageTexts(first).mid(0, 4),
             (QStringList{" Purchase Amount = $100,000.00", " Interest on Loan = 6.0%",
                          " Total Amount of Interest = $115,838.23", " Monthly Payment Amount = $599.55"}));
    QVERIFY(std::abs(centreOf(*findText(first, "Amount towards Principal")) - doc.pageWidth() / 3.7) < 1);
    QVERIFY(findText(first, "$99.55"));
    for (int n = 2; n <= doc.pageCount(); ++n) {
        const PrintPage &page = doc.pages()[n - 1];
        QCOMPARE(page.items.first().text, QStringLiteral("Page Number %1").arg(n));
        QCOMPARE(page.items.first().y, 200.0);
        QVERIFY(findText(page, "Payment No."));
        QVERIFY(findText(page, "Interest Paid"));
        for (const PrintItem &item : page.items)
            QVERIFY(item.y + 200 < doc.pageHeight());
    }
    int rowsPrinted = 0;
    for (const PrintPage &page : doc.pages())
        for (const PrintItem &item : page.items)
            rowsPrinted += std::abs(centreOf(item) - doc.pageWidth() / 14) < 1 && item.text != u"Payment No.";
    QCOMPARE(rowsPrinted, 360);
    QVERIFY(findText(doc.pages().last(), "360"));
}

void TestLoanReport::amountsBelowOneDollar()
{
    PrintDocument doc;
    doc.startDoc();
    AmortizationReportSource s;
    s.purchaseText = QStringLiteral("1000");
    s.schedule.rateLabel = QStringLiteral("6.0%");
    s.schedule.rows = {{1, 0.45, 0, 999.55, 0}};
    writeAmortizationReport(doc, s);
    doc.endDoc();
    QVERIFY(findText(doc.pages().first(), "$.45"));
    QCOMPARE(pageTexts(doc.pages().first()).count("$.00"), 2);
    // The document's font is the report font again, so a second build matches the first.
    QCOMPARE(doc.fontSize(), 14.0);
}

void TestLoanReport::closingNote_data()
{
    QTest::addColumn<bool>("months");
    QTest::addColumn<int>("rates");
    QTest::addColumn<bool>("note");
    QTest::newRow("years") << false << 3 << true;
    QTest::newRow("months") << true << 3 << false;
}

void TestLoanReport::closingNote()
{
    QFETCH(bool, months);
    QFETCH(int, rates);
    QFETCH(bool, note);
    LoanFixture f;
    if (months)
        f.trigger("mnuOptLen(1)");
    f.showTable("100000", "12", "", formatPattern(5.0 + (rates - 1) * 0.5, u"0.0"), "5.0");
    f.clickCell(1, 1);
    f.trigger("mnuPrint");
    const PrintDocument &doc = f.window->reportPreview()->document();
    const PrintItem *written = findText(doc.pages().last(), yearsNoteText);
    QCOMPARE(written != nullptr, note);
    if (written)
        QCOMPARE(written->x, 400.0);
}

void TestLoanReport::fontSizes()
{
    LoanFixture f;
    f.showTable("100000", "30", "", "6.0", "6.0");
    f.clickCell(1, 1);
    f.trigger("mnuPrint");
    ReportPreview *preview = f.window->reportPreview();
    f.tp.program.state.printFont.pointSize = 10; // as the font dialog leaves it
    preview->rebuild();
    const PrintPage &page = preview->document().pages().first();
    QCOMPARE(findText(page, " Loan Amount = $100,000.00")->fontSize, 10.0);
    QCOMPARE(findText(page, "Interest")->fontSize, 8.0);
    QCOMPARE(findText(page, "$599.55")->fontSize, 8.0);
    preview->cancel();
    f.trigger("mnuPrint");
    QCOMPARE(findText(preview->document().pages().first(), "$599.55")->fontSize, 12.0);
}

TQ_TEST_MAIN(TestLoanReport)
#include "tst_loanreport.moc"
