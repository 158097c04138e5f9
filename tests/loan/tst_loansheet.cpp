#include "accessibility.h"
#include "boxwidths.h"
#include "loanfixture.h"

#include "common/numberformat.h"
#include "frame/reportpreview.h"
#include "loan/loancopytext.h"

#include <QGroupBox>
#include <QMenu>
#include <QTableView>
#include <QToolBar>

using namespace tq;
using tq::test::LoanFixture;

class TestLoanSheet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { tq::test::setUpTestEnvironment(); }

    void entryFilter_data();
    void entryFilter();
    void deletingDigitsKeepsTheLastValue();
    void downPayment_data();
    void downPayment();
    void switchingToPercentRevalidates();
    void showPaymentsRefuses_data();
    void showPaymentsRefuses();
    void lowMinimumRateTabulatesTheMaximumOnly();
    void reversedLengthsAreExchangedInTheBoxes();
    void tableShape_data();
    void tableShape();
    void scheduleShape_data();
    void scheduleShape();
    void clickAfterScheduleKeepsButtonDisabled();
    void copyPayments();
    void copyPaymentsInMonthsHasNoNote();
    void copySchedule();
    void copyHeadingsArePaddedForMidSizedPayments_data();
    void copyHeadingsArePaddedForMidSizedPayments();
    void copyWithoutLoanAmountReportsNoSuccess();
    void lengthUnitEmptiesTheInputs();
    void popupShowsCopyOnlyWithResults();
    void rightClickOnGridHeadingsOpensOptions_data();
    void rightClickOnGridHeadingsOpensOptions();
    void scrollTipNamesTheRate();
    void inputsAnnounceTheirCaptions();
    void boxesShowTheirLongestValues_data();
    void boxesShowTheirLongestValues();
    void helpTopicFollowsThePreview();
};

// ---- entry boxes ------------------------------------------------------------------

void TestLoanSheet::entryFilter_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("stored");
    const QStringList boxes{"txtPurchTotl", "txtDwnPay", "txtLenMax", "txtLenMin"};
    for (const QString &b : boxes) {
        QTest::newRow(qPrintable(b + " 12a")) << b << "12a" << false << "12" << 12.0;
        QTest::newRow(qPrintable(b + " a")) << b << "a" << false << "" << 0.0;
        QTest::newRow(qPrintable(b + " pasted 1a2")) << b << "1a2" << true << "1a2" << 1.0;
    }
}

void TestLoanSheet::entryFilter()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, pasted);
    QFETCH(QString, shown);
    QFETCH(double, stored);
    LoanFixture f;
    if (pasted)
        f.box(box)->insert(typed);
    else
        f.type(box, typed);
    QCOMPARE(f.box(box)->text(), shown);
    if (box == u"txtPurchTotl")
        QCOMPARE(f.window->purchaseAmount(), stored);
    if (box == u"txtDwnPay")
        QCOMPARE(f.window->downPayment(), stored);
    f.tp.prompter.verifyAllUsed();
}

void TestLoanSheet::deletingDigitsKeepsTheLastValue()
{
    LoanFixture f;
    QLineEdit *purchase = f.box("txtPurchTotl");
    f.type("txtPurchTotl", "250000");
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(purchase, Qt::Key_Backspace);
    QCOMPARE(purchase->text(), QString());
    QCOMPARE(f.window->purchaseAmount(), 2.0);
    f.type("txtLenMax", "1");
    f.chooseRate("comIntrMax", "12.0");
    f.click("cmdCalcPmts");
    QCOMPARE(f.window->table().loanAmount(), 2.0);

    f.type("txtPurchTotl", "250000");
    purchase->selectAll();
    QTest::keyClick(purchase, Qt::Key_Delete);
    QCOMPARE(f.window->purchaseAmount(), 250000.0);
    QVERIFY(f.tp.prompter.prompts.isEmpty());
}

void TestLoanSheet::downPayment_data()
{
    QTest::addColumn<bool>("amountMode");
    QTest::addColumn<QString>("down");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("loanAmount");
    QTest::newRow("amount above purchase") << true << "150000"
                                           << "Down payment amount cannot exceed purchase amount."
                                           << "100000";
    QTest::newRow("amount equal to purchase") << true << "100000"
                                              << ""
                                              << "0";
    QTest::newRow("percent 20") << false << "20"
                                << ""
                                << "80000";
    QTest::newRow("percent above 99") << false << "120"
                                      << "Down payment percentage cannot exceed 99 percent."
                                      << "100000";
    QTest::newRow("negative pasted") << false << "-5"
                                     << "Down payment amount must be zero or greater."
                                     << "100000";
}

void TestLoanSheet::downPayment()
{
    QFETCH(bool, amountMode);
    QFETCH(QString, down);
    QFETCH(QString, message);
    QFETCH(QString, loanAmount);
    LoanFixture f;
    if (amountMode)
        f.trigger("mnuOptDwn(1)");
    f.type("txtPurchTotl", "100000");
    if (down.startsWith(u'-'))
        f.box("txtDwnPay")->insert(down);
    else
        f.type("txtDwnPay", down);
    if (message.isEmpty()) {
        QVERIFY(f.tp.prompter.prompts.isEmpty());
        QCOMPARE(f.box("txtDwnPay")->text(), down);
    } else {
        QCOMPARE(f.tp.prompter.prompts.size(), 1); // asked once, though emptying changes the box again
        QCOMPARE(f.tp.prompter.last().title, QStringLiteral("LoanSheet Error"));
        QCOMPARE(f.tp.prompter.last().text, message);
        QCOMPARE(f.box("txtDwnPay")->text(), QString());
        QCOMPARE(f.window->downPayment(), 0.0);
    }
    QCOMPARE(f.loanAmountText(), loanAmount);
}

void TestLoanSheet::switchingToPercentRevalidates()
{
    LoanFixture f;
    f.trigger("mnuOptDwn(1)");
    QCOMPARE(f.find<QLabel>("lblDwnPay")->text(), QStringLiteral("Amount Down"));
    f.type("txtPurchTotl", "100000");
    f.type("txtDwnPay", "20000");
    QCOMPARE(f.loanAmountText(), QStringLiteral("80000"));
    f.trigger("mnuOptDwn(0)");
    QVERIFY(f.find<QAction>("mnuOptDwn(0)")->isChecked());
    QVERIFY(!f.find<QAction>("mnuOptDwn(1)")->isChecked());
    QCOMPARE(f.find<QLabel>("lblDwnPay")->text(), QStringLiteral("Percent Down"));
    QCOMPARE(f.tp.prompter.texts(), QStringList{"Down payment percentage cannot exceed 99 percent."});
    QCOMPARE(f.box("txtDwnPay")->text(), QString());
    QCOMPARE(f.loanAmountText(), QStringLiteral("100000"));
}

// ---- "Show Payments" -----------------------------------------------------------------

void TestLoanSheet::showPaymentsRefuses_data()
{
    QTest::addColumn<QString>("purchase");
    QTest::addColumn<QString>("maxLength");
    QTest::addColumn<QString>("maxRate");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no purchase") << ""
                                 << "30"
                                 << "6.0"
                                 << "You must enter a valid purchase amount."
                                 << "txtPurchTotl";
    QTest::newRow("no length") << "1000"
                               << ""
                               << "6.0"
                               << "You must enter a maximum length of loan."
                               << "txtLenMax";
    QTest::newRow("zero length") << "1000"
                                 << "0"
                                 << "6.0"
                                 << "You must enter a maximum length of loan."
                                 << "txtLenMax";
    QTest::newRow("rate 0.0") << "1000"
                              << "30"
                              << "0.0"
                              << "You must specify a maximum interest rate greater than zero."
                              << "comIntrMax";
    QTest::newRow("101 years") << "1000"
                               << "101"
                               << "6.0"
                               << "Loan length cannot exceed 100 years (1,200 months)."
                               << "txtLenMax";
    QTest::newRow("purchase 1E307") << "1E307"
                                    << "30"
                                    << "6.0"
                                    << "Purchase amount cannot exceed 999,999,999,999."
                                    << "txtPurchTotl";
    QTest::newRow("rate 150") << "1000"
                              << "30"
                              << "150"
                              << "Interest rate cannot exceed 100 percent."
                              << "comIntrMax";
}

void TestLoanSheet::showPaymentsRefuses()
{
    QFETCH(QString, purchase);
    QFETCH(QString, maxLength);
    QFETCH(QString, maxRate);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    LoanFixture f;
    tq::test::typeSlippingLetters(f.window, QStringLiteral("txtPurchTotl"), purchase);
    QCOMPARE(f.box("txtPurchTotl")->text(), purchase);
    f.type("txtLenMax", maxLength);
    QComboBox *rate = f.combo("comIntrMax");
    rate->setFocus();
    rate->setEditText(maxRate); // typed, then the box loses the focus
    f.box("txtPurchTotl")->setFocus();
    f.click("cmdCalcPmts");
    QCOMPARE(f.tp.prompter.texts(), QStringList{message});
    QCOMPARE(f.tp.prompter.last().title, QStringLiteral("LoanSheet Error"));
    QCOMPARE(QApplication::focusWidget()->objectName().isEmpty()
                 ? QApplication::focusWidget()->parent()->objectName()
                 : QApplication::focusWidget()->objectName(),
             focus);
    QVERIFY(!f.button("cmdCalcAmort")->isEnabled());
    QVERIFY(!f.find<QAction>("mnuPrint")->isEnabled());
    QVERIFY(f.window->table().isEmpty());
}

void TestLoanSheet::lowMinimumRateTabulatesTheMaximumOnly()
{
    LoanFixture f;
    f.showTable("100000", "30", "", "7.0", "0.0");
    QCOMPARE(f.combo("comIntrMin")->currentText(), QStringLiteral("7.0"));
    QCOMPARE(f.window->table().rowCount(), 1);
    QCOMPARE(f.grid()->text(1, 0), QStringLiteral("7.0%"));
    QCOMPARE(f.grid()->text(2, 0), QString());
    QCOMPARE(f.box("txtLenMin")->text(), QStringLiteral("30")); // the single length was copied over
}

void TestLoanSheet::reversedLengthsAreExchangedInTheBoxes()
{
    LoanFixture f;
    f.showTable("100000", "15", "30", "5.0", "7.0");
    QCOMPARE(f.box("txtLenMax")->text(), QStringLiteral("30"));
    QCOMPARE(f.box("txtLenMin")->text(), QStringLiteral("15"));
    QCOMPARE(f.combo("comIntrMax")->currentText(), QStringLiteral("7.0"));
    QCOMPARE(f.combo("comIntrMin")->currentText(), QStringLiteral("5.0"));
    QCOMPARE(f.window->table().columnCount(), 16);
    QCOMPARE(f.window->table().rowCount(), 5);
    QCOMPARE(f.grid()->text(0, 1), QStringLiteral("\n\r15 Years"));
    QCOMPARE(f.grid()->text(5, 0), QStringLiteral("7.0%"));
}

void TestLoanSheet::tableShape_data()
{
    QTest::addColumn<QString>("maxRate");
    QTest::addColumn<QString>("maxLength");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("bars");
    QTest::newRow("20 rates x 5 lengths") << "10.5"
                                          << "5" << 21 << 6 << int(GridScrollBars::Both);
    QTest::newRow("1 rate x 1 length") << "1.0"
                                       << "1" << 17 << 4 << int(GridScrollBars::None);
    QTest::newRow("20 rates x 1 length") << "10.5"
                                         << "1" << 21 << 4 << int(GridScrollBars::Vertical);
}

void TestLoanSheet::tableShape()
{
    QFETCH(QString, maxRate);
    QFETCH(QString, maxLength);
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(int, bars);
    LoanFixture f;
    f.showTable("100000", maxLength, "1", maxRate, "1.0");
    Grid *g = f.grid();
    QCOMPARE(g->rows(), rows);
    QCOMPARE(g->cols(), cols);
    QCOMPARE(int(g->scrollBars()), bars);
    QVERIFY(!g->cellPicture(0, 0).isNull());
    const PaymentTable &t = f.window->table();
    for (int r = 1; r < rows; ++r)
        for (int c = 1; c < cols; ++c)
            QCOMPARE(g->text(r, c).isEmpty(), !t.contains(r, c));
    QCOMPARE(g->text(1, 1), formatCurrency(t.payment(1, 1)));
    // Copy and Print follow the results; "Show Amortization" waits for a chosen cell.
    QVERIFY(f.find<QAction>("mnuPrint")->isEnabled());
    QVERIFY(!f.button("cmdCalcAmort")->isEnabled());
}

void TestLoanSheet::scheduleShape_data()
{
    QTest::addColumn<QString>("months");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("filled");
    QTest::newRow("12 months") << "12" << 17 << 12;
    QTest::newRow("16 months") << "16" << 17 << 16;
    QTest::newRow("17 months") << "17" << 18 << 17;
}

void TestLoanSheet::scheduleShape()
{
    QFETCH(QString, months);
    QFETCH(int, rows);
    QFETCH(int, filled);
    LoanFixture f;
    f.trigger("mnuOptLen(1)");
    f.showTable("10000", months, "", "6.0", "6.0");
    f.doubleClickCell(1, 1);
    QVERIFY(f.window->isScheduleShown());
    Grid *g = f.grid();
    QCOMPARE(g->rows(), rows);
    QCOMPARE(g->cols(), 5);
    QCOMPARE(g->text(filled, 0), months);
    QCOMPARE(g->text(filled + 1, 0), QString());
    QVERIFY(g->cellPicture(0, 0).isNull());
    QVERIFY(g->text(0, 1).startsWith(QStringLiteral("Amount\n\rTowards")));
    QCOMPARE(g->selectionMode(), GridSelection::FreeRanges);
    QVERIFY(f.find<QAction>("mnuPrint")->isEnabled());
}

void TestLoanSheet::clickAfterScheduleKeepsButtonDisabled()
{
    LoanFixture f;
    f.showTable("100000", "30", "", "6.0", "6.0");
    f.clickCell(1, 1);
    QVERIFY(f.button("cmdCalcAmort")->isEnabled());
    f.clickCell(2, 1); // a blank cell
    QVERIFY(!f.button("cmdCalcAmort")->isEnabled());
    f.clickCell(1, 1);
    f.click("cmdCalcAmort");
    QVERIFY(f.window->isScheduleShown());
    QCOMPARE(f.window->schedule().rateLabel, QStringLiteral("6.0%"));
    f.clickCell(3, 2);
    QVERIFY(!f.button("cmdCalcAmort")->isEnabled());
    f.doubleClickCell(3, 2);
    QVERIFY(!f.button("cmdCalcAmort")->isEnabled());
    QCOMPARE(f.grid()->text(0, 1).left(6), QStringLiteral("Amount"));
}

// ---- copy ---------------------------------------------------------------------------

void TestLoanSheet::copyPayments()
{
    LoanFixture f;
    f.type("txtPurchTotl", "200000");
    f.type("txtDwnPay", "20");
    f.showTable("", "11", "10", "6.5", "6.0");
    f.highlightColumns(1, 2);
    f.window->sideButton(2)->trigger(); // the side toolbar's Copy
    const QString expected =
        QStringLiteral("Purchase Amount = $200,000.00\r\n"
                       "Amount Down = $40,000.00\r\n"
                       "Actual Loan Amount = $160,000.00\r\n\r\n"
                       "\t10 Years\t11 Years\t\r\n"
                       "6.0%\t$1,776.33\t$1,658.73\r\n"
                       "6.5%\t$1,816.77\t$1,699.80\r\n"
                       "\r"
                       "\r\n\r\nLoan Length in Years will show a Monthly Payment for 12 months a year.");
    QCOMPARE(f.tp.platform.clipboardText, expected);
    QCOMPARE(f.tp.prompter.last().title, QStringLiteral("Copy Option"));
    QCOMPARE(f.tp.prompter.last().text, QStringLiteral("Data has been copied to the Windows Clipboard."));
}

void TestLoanSheet::copyPaymentsInMonthsHasNoNote()
{
    LoanFixture f;
    f.trigger("mnuOptLen(1)");
    QVERIFY(!f.find<QLabel>("Label1")->isVisible());
    f.showTable("10000", "12", "", "6.0", "6.0");
    f.clickCell(1, 1);
    f.trigger("mECopy");
    QVERIFY(f.tp.platform.clipboardText.endsWith(QStringLiteral("6.0%\t$860.66\r\n\r")));
    QVERIFY(f.tp.platform.clipboardText.contains(QStringLiteral("\t12 Months")));
    QVERIFY(!f.find<QLabel>("Label1")->text().isEmpty()); // kept for a return to Years
}

void TestLoanSheet::copySchedule()
{
    LoanFixture f;
    f.trigger("mnuOptLen(1)");
    f.showTable("10000", "12", "", "6.0", "6.0");
    f.doubleClickCell(1, 1);
    f.trigger("mECopy");
    const QString expected = QStringLiteral("Interest on Loan = 6.0%\r\n"
                                            "Total Amount of Interest = $327.96\r\n"
                                            "Monthly Payment Amount = $860.66\r\n\r\n"
                                            "The following list shows\r\n"
                                            "Col.1: Payment No.        \tCol.2: Amount towards Principal,\r\n"
                                            "Col.3: Amount of Interest\tCol.4: Principal Remaining\r\n"
                                            "Col.5: Interest Paid:\r\n\r\n"
                                            "1\t$810.66\t$50.00\t$9,189.34\t$50.00\r\n"
                                            "2\t$814.71\t$45.95\t$8,374.62\t$95.95\r\n"
                                            "3\t$818.79\t$41.87\t$7,555.83\t$137.82\r\n"
                                            "4\t$822.88\t$37.78\t$6,732.94\t$175.60\r\n"
                                            "5\t$827.00\t$33.66\t$5,905.94\t$209.26\r\n"
                                            "6\t$831.13\t$29.53\t$5,074.80\t$238.79\r\n"
                                            "7\t$835.29\t$25.37\t$4,239.51\t$264.16\r\n"
                                            "8\t$839.46\t$21.20\t$3,400.05\t$285.36\r\n"
                                            "9\t$843.66\t$17.00\t$2,556.38\t$302.36\r\n"
                                            "10\t$847.88\t$12.78\t$1,708.50\t$315.14\r\n"
                                            "11\t$852.12\t$8.54\t$856.37\t$323.68\r\n"
                                            "12\t$856.38\t$4.28\t($0.01)\t$327.96\r\n"
                                            "\r");
    QCOMPARE(f.tp.platform.clipboardText, expected);
}

void TestLoanSheet::copyHeadingsArePaddedForMidSizedPayments_data()
{
    QTest::addColumn<double>("reference");
    QTest::addColumn<QString>("headings");
    QTest::newRow("above 99") << 500.0 << "\t5 Years \t\r\n";
    QTest::newRow("100 and more") << 1000.0 << "\t5 Years\t\r\n";
    QTest::newRow("99 and less") << 99.0 << "\t5 Years\t\r\n";
}

void TestLoanSheet::copyHeadingsArePaddedForMidSizedPayments()
{
    QFETCH(double, reference);
    QFETCH(QString, headings);
    PaymentsCopySource s;
    s.purchaseText = QStringLiteral("1000");
    s.loanAmount = 1000;
    s.referencePayment = reference;
    s.block.lengths = {5};
    // One unit a character: "testtttt" is 8 wide, "5 Years" 7.
    const std::optional<QString> text =
        paymentsCopyText(s, [](const QString &t) { return double(t.size()); });
    QVERIFY(text);
    QVERIFY2(text->contains(QStringLiteral("\r\n\r\n") + headings), qPrintable(*text));
}

void TestLoanSheet::copyWithoutLoanAmountReportsNoSuccess()
{
    LoanFixture f;
    f.showTable("100000", "30", "", "6.0", "6.0");
    f.trigger("mnuOptLen(1)"); // empties the loan amount display
    f.clickCell(1, 1);
    f.tp.platform.clipboardText = QStringLiteral("before");
    f.trigger("mECopy");
    QCOMPARE(f.tp.platform.clipboardText, QStringLiteral("before"));
    QCOMPARE(f.tp.prompter.texts(),
             QStringList{"OverFlow has occurred. Select smaller number of cells and try again!"});
    QCOMPARE(f.tp.prompter.last().title, QStringLiteral("Too Large a Selection"));
}

// ---- menus, tips and help ---------------------------------------------------------------

void TestLoanSheet::lengthUnitEmptiesTheInputs()
{
    LoanFixture f;
    f.type("txtDwnPay", "10");
    f.showTable("100000", "30", "20", "6.0", "6.0");
    f.trigger("mnuOptLen(1)");
    QVERIFY(f.find<QAction>("mnuOptLen(1)")->isChecked());
    QCOMPARE(f.find<QGroupBox>("SSPanel1")->title(), QStringLiteral(" Months in Loan "));
    for (const char *box : {"txtPurchTotl", "txtDwnPay", "txtLenMax", "txtLenMin"})
        QCOMPARE(f.box(box)->text(), QString());
    QCOMPARE(f.window->purchaseAmount(), 0.0);
    QCOMPARE(f.window->downPayment(), 0.0);
    QCOMPARE(f.loanAmountText(), QString());
    QCOMPARE(f.grid()->rows(), 19);
    QCOMPARE(f.grid()->text(1, 1), QString());
    QCOMPARE(f.combo("comIntrMax")->currentText(), QStringLiteral("6.0"));
    f.trigger("mnuOptLen(0)");
    QCOMPARE(f.find<QGroupBox>("SSPanel1")->title(), QStringLiteral(" Years in Loan "));
    QVERIFY(f.find<QLabel>("Label1")->isVisible());
    QVERIFY(f.tp.prompter.prompts.isEmpty());
}

void TestLoanSheet::popupShowsCopyOnlyWithResults()
{
    LoanFixture f;
    QMenu *options = f.find<QMenu>("mnuOptions");
    QAction *copy = f.find<QAction>("mOCopy");
    // 1 when the popup came up with "&Copy", 0 without it, -1 when no popup came up.
    auto popUpOver = [&](QWidget *widget) -> int {
        QTest::mouseRelease(widget, Qt::RightButton, {}, QPoint(5, 5));
        if (!QTest::qWaitFor([&] { return options->isVisible(); }))
            return -1;
        const bool shown = copy->isVisible();
        options->hide();
        return shown ? 1 : 0;
    };
    QCOMPARE(popUpOver(f.find<QWidget>("SSPanel3")), 0);
    f.showTable("100000", "30", "", "6.0", "6.0");
    QCOMPARE(popUpOver(f.grid()->tableView()->viewport()), 1);
    QVERIFY(!copy->isVisible()); // hidden again once the popup closes
    copy->trigger();
    QCOMPARE(f.tp.prompter.last().title, QStringLiteral("Copy Option"));
}

void TestLoanSheet::rightClickOnGridHeadingsOpensOptions_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("heading row") << 0 << 1;
    QTest::newRow("rate column") << 1 << 0;
    QTest::newRow("corner picture") << 0 << 0;
}

void TestLoanSheet::rightClickOnGridHeadingsOpensOptions()
{
    QFETCH(int, row);
    QFETCH(int, col);
    LoanFixture f;
    f.showTable("100000", "30", "", "6.0", "6.0");
    QMenu *options = f.find<QMenu>("mnuOptions");
    const GridSpot spot = f.grid()->cellSpot(row, col);
    QTest::mouseRelease(spot.widget, Qt::RightButton, {}, spot.rect.center());
    QVERIFY(QTest::qWaitFor([&] { return options->isVisible(); }));
    options->hide();
}

void TestLoanSheet::scrollTipNamesTheRate()
{
    LoanFixture f;
    f.showTable("100000", "30", "", "12.0", "1.0");
    LoanGridView view(*f.grid());
    QCOMPARE(view.scrollTip(12), QStringLiteral(" Row 12: 6.5% "));
}

void TestLoanSheet::inputsAnnounceTheirCaptions()
{
    LoanFixture f;
    tq::test::verifyInputsAnnounceCaptions(f.window);
    f.trigger("mnuOptDwn(1)"); // the down payment's caption changes with the mode
    tq::test::verifyInputsAnnounceCaptions(f.window);
}

void TestLoanSheet::boxesShowTheirLongestValues_data()
{
    tq::test::addDisplaySizeRows();
}

void TestLoanSheet::boxesShowTheirLongestValues()
{
    tq::test::TestProgram tp;
    tq::test::useDisplaySizeOfRow(tp.program);
    QWidget launcher;
    std::unique_ptr<LoanSheet> window(tq::test::openToolWindow<LoanSheet>(tp.program, &launcher));
    tq::test::verifyBoxesShowLongestValues(window.get());
}

void TestLoanSheet::helpTopicFollowsThePreview()
{
    LoanFixture f;
    f.trigger("mnuHelp");
    f.showTable("100000", "30", "", "6.0", "6.0");
    f.trigger("mnuPrint");
    QVERIFY(f.window->reportPreview()->isShown());
    f.trigger("mnuHelp");
    QCOMPARE(f.tp.platform.helpTopics, (QList<int>{3012, 1014}));
}

TQ_TEST_MAIN(TestLoanSheet)
#include "tst_loansheet.moc"
