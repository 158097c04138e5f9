#include "common/settings.h"
#include "components/pageview.h"
#include "components/printdocument.h"
#include "fakes.h"
#include "frame/framestatusbar.h"
#include "frame/reportpreview.h"
#include "homecalc/homecalc.h"
#include "pagetext.h"
#include "windowdriver.h"

#include "accessibility.h"
#include "boxwidths.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace tq;
using namespace tq::test;

namespace {

const QStringList resultFields{QStringLiteral("Label3"), QStringLiteral("Label6"), QStringLiteral("Label7"),
                               QStringLiteral("Label8"), QStringLiteral("Label9"), QStringLiteral("Label10"),
                               QStringLiteral("Label16")};

} // namespace

class TestHomeCalc : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> t;
    std::unique_ptr<QWidget> launcher;

    HomeCalc *open() { return openToolWindow<HomeCalc>(t->program, launcher.get()); }
    template <typename T = QWidget> static T *child(QWidget *w, const QString &name)
    {
        return findNamed<T>(w, name);
    }
    static QLineEdit *box(QWidget *w, const QString &name) { return child<QLineEdit>(w, name); }
    static QString field(QWidget *w, const QString &name) { return child<QLabel>(w, name)->text(); }
    static void type(QWidget *w, const QString &name, const QString &keys) { replaceText(w, name, keys); }
    static void calculate(QWidget *w) { clickButton(w, QStringLiteral("cmdCalcPmts")); }
    static void enterFirstExample(HomeCalc *w)
    {
        type(w, QStringLiteral("Text1"), QStringLiteral("60000"));
        type(w, QStringLiteral("Text2"), QStringLiteral("300"));
        type(w, QStringLiteral("Text3"), QStringLiteral("20000"));
        calculate(w);
    }
    // The print and copy commands in this window: button, menu item, side Copy and Print.
    static QList<bool> commands(HomeCalc *w)
    {
        return {child<QPushButton>(w, QStringLiteral("Command1"))->isEnabled(),
                w->findChild<QAction *>(QStringLiteral("mOPrt"))->isEnabled(), w->sideButton(2)->isEnabled(),
                w->sideButton(3)->isEnabled()};
    }
    static QList<bool> all(bool on) { return {on, on, on, on}; }

private Q_SLOTS:
    void init()
    {
        t = std::make_unique<TestProgram>();
        useSmallerDisplay(t->program);
        launcher = showLauncherStandIn();
    }
    void cleanup()
    {
        t->prompter.verifyAllUsed();
        deleteOpenWindows<HomeCalc>();
        launcher.reset();
        t.reset();
    }

    void firstOpening()
    {
        t->program.state.printFont.underline = true;
        t->program.state.printFont.strikeOut = true;
        t->program.state.printFont.colour = Qt::red;
        HomeCalc *w = open();
        for (const char *name : {"Text1", "Text2", "Text3", "Text5"})
            QCOMPARE(box(w, QLatin1String(name))->text(), QString());
        QCOMPARE(child<QComboBox>(w, QStringLiteral("Combo1"))->currentText(), QStringLiteral("30"));
        QCOMPARE(box(w, QStringLiteral("Text4"))->text(), QStringLiteral("7"));
        QCOMPARE(commands(w), all(false));
        QCOMPARE(w->statusText(), QStringLiteral("Home Calculator"));
        QCOMPARE(w->currentHelpId(), 3011);

        // The print font's effects start plain, in the entry boxes' text colour.
        const FontChoice &font = t->program.state.printFont;
        QVERIFY(!font.underline && !font.strikeOut);
        QCOMPARE(font.colour, box(w, QStringLiteral("Text1"))->palette().color(QPalette::Text));

        // A screen reader names each box and list by its caption.
        verifyInputsAnnounceCaptions(w);
        QAccessibleInterface *length = QAccessible::queryAccessibleInterface(child<QComboBox>(w, "Combo1"));
        QCOMPARE(length->text(QAccessible::Name), QStringLiteral("Loan Length in Years:"));
        QCOMPARE(length->text(QAccessible::Value), QStringLiteral("30"));
    }

    void boxesShowTheirLongestValues_data() { addDisplaySizeRows(); }
    void boxesShowTheirLongestValues()
    {
        useDisplaySizeOfRow(t->program);
        verifyBoxesShowLongestValues(open());
    }

    // clang-format off
    void entryFilter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("letter after digits is dropped") << "Text1" << "12a" << "12";
        QTest::newRow("letter into an empty box") << "Text2" << "a" << "";
        QTest::newRow("minus sign is not a digit") << "Text5" << "-5" << "5";
        QTest::newRow("money box takes no point") << "Text3" << "1.5" << "15";
        QTest::newRow("ten characters at most") << "Text1" << "123456789012" << "1234567890";
        QTest::newRow("rate with a point") << "Text4" << "6.5" << "6.5";
        QTest::newRow("rate with a slash") << "Text4" << "6/5" << "6/5";
        QTest::newRow("rate refuses a letter") << "Text4" << "6x" << "6";
        QTest::newRow("rate refuses a comma") << "Text4" << "6,5" << "65";
        QTest::newRow("rate refuses a minus") << "Text4" << "6-5" << "65";
        QTest::newRow("minus into an empty rate box") << "Text4" << "-" << "";
        QTest::newRow("rate five characters at most") << "Text4" << "12.3456" << "12.34";
    }
    // clang-format on
    void entryFilter()
    {
        QFETCH(QString, name);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        HomeCalc *w = open();
        type(w, name, keys);
        QCOMPARE(box(w, name)->text(), expected);
        QCOMPARE(box(w, name)->cursorPosition(), int(expected.size()));
    }

    // clang-format off
    void workedExamples_data()
    {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("debt");
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QStringList>("results"); // Label3, 6, 7, 8, 9, 10, 16
        QTest::addColumn<QString>("rateAfter");
        QTest::addColumn<QString>("limitAfter");
        QTest::addColumn<bool>("printable");
        QTest::newRow("cash limits")
            << "60000" << "300" << "20000" << "30" << "7" << ""
            << QStringList{"$184,682.00", "$1,400.00", "$168,043.00", "$16,639.00", "$3,361.00", "9.01%",
                           "Cash Available for Down Payment"}
            << "7" << "" << true;
        QTest::newRow("limit above the payment is rewritten, 15 years")
            << "60000" << "300" << "20000" << "15" << "7" << "2000"
            << QStringList{"$149,201.00", "$1,400.00", "$131,838.00", "$17,363.00", "$2,637.00", "11.64%",
                           "Gross Amount of Annual Income"}
            << "7" << "1400" << true;
        QTest::newRow("rate 0 is rewritten as 0.5")
            << "60000" << "300" << "20000" << "30" << "0" << ""
            << QStringList{"$284,006.00", "$1,400.00", "$269,394.00", "$14,612.00", "$5,388.00", "5.14%",
                           "Cash Available for Down Payment"}
            << "0.5" << "" << true;
        QTest::newRow("a slash in the rate computes as 6")
            << "60000" << "300" << "20000" << "30" << "6/5" << ""
            << QStringList{"$198,166.00", "$1,400.00", "$181,802.00", "$16,364.00", "$3,636.00", "8.26%",
                           "Cash Available for Down Payment"}
            << "6/5" << "" << true;
        QTest::newRow("debt leaves no payment")
            << "30000" << "1000" << "" << "30" << "7" << ""
            << QStringList{"($12,226.00)", "($100.00)", "($12,476.00)", "$250.00", "($250.00)", "-2.04%", ""}
            << "7" << "" << false;
    }
    // clang-format on
    void workedExamples()
    {
        QFETCH(QString, income);
        QFETCH(QString, debt);
        QFETCH(QString, cash);
        QFETCH(QString, years);
        QFETCH(QString, rate);
        QFETCH(QString, limit);
        QFETCH(QStringList, results);
        QFETCH(QString, rateAfter);
        QFETCH(QString, limitAfter);
        QFETCH(bool, printable);
        HomeCalc *w = open();
        type(w, QStringLiteral("Text1"), income);
        type(w, QStringLiteral("Text2"), debt);
        type(w, QStringLiteral("Text3"), cash);
        type(w, QStringLiteral("Text4"), rate);
        type(w, QStringLiteral("Text5"), limit);
        QLineEdit *length = child<QComboBox>(w, QStringLiteral("Combo1"))->lineEdit();
        length->selectAll();
        QTest::keyClicks(length, years);
        calculate(w);

        for (int i = 0; i < resultFields.size(); ++i)
            QCOMPARE(field(w, resultFields[i]), results[i]);
        QCOMPARE(box(w, QStringLiteral("Text4"))->text(), rateAfter);
        QCOMPARE(box(w, QStringLiteral("Text5"))->text(), limitAfter);
        // A rewritten box counts as typing, yet the commands end up enabled.
        QCOMPARE(commands(w), all(printable));
    }

    // clang-format off
    void typingWithdrawsPrint_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("resultsKept");
        QTest::newRow("debt box clears the results") << "Text2" << false;
        QTest::newRow("rate box clears the results") << "Text4" << false;
        QTest::newRow("loan length keeps them") << "Combo1" << true;
    }
    // clang-format on
    void typingWithdrawsPrint()
    {
        QFETCH(QString, name);
        QFETCH(bool, resultsKept);
        HomeCalc *w = open();
        enterFirstExample(w);
        QCOMPARE(commands(w), all(true));
        QWidget *target = child(w, name);
        if (auto *combo = qobject_cast<QComboBox *>(target))
            target = combo->lineEdit();
        QTest::keyClicks(target, QStringLiteral("5"));
        for (const QString &result : resultFields)
            QCOMPARE(field(w, result).isEmpty(), !resultsKept);
        QCOMPARE(commands(w), all(false));
    }

    void emptyIncomeIsAskedFor()
    {
        HomeCalc *w = open();
        type(w, QStringLiteral("Text2"), QStringLiteral("300"));
        t->prompter.answer(Button::Ok);
        calculate(w);
        QCOMPARE(t->prompter.prompts.size(), 1);
        QCOMPARE(t->prompter.last().title, QStringLiteral("Data Input"));
        QCOMPARE(t->prompter.last().text,
                 QStringLiteral("Please enter Gross Annual Income\rEntry must be 1 or more"));
        QCOMPARE(t->prompter.last().icon, Icon::Information);
        QCOMPARE(field(w, QStringLiteral("Label3")), QString());
        QCOMPARE(QApplication::focusWidget(), box(w, QStringLiteral("Text1")));
        QCOMPARE(commands(w), all(false));
    }

    // A letter slipped in front of digits passes the last-character rule; the
    // amount is refused before any figure can overflow.
    void amountBeyondTheLimitIsRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("name");
        QTest::newRow("income") << "Text1"
                                << "Gross Annual Income";
        QTest::newRow("debt") << "Text2"
                              << "Minimum Monthly Debt";
        QTest::newRow("cash") << "Text3"
                              << "Cash Available";
        QTest::newRow("limit") << "Text5"
                               << "Limit of Monthly Payment";
    }
    void amountBeyondTheLimitIsRefused()
    {
        QFETCH(QString, box);
        QFETCH(QString, name);
        HomeCalc *w = open();
        enterFirstExample(w);
        typeSlippingLetters(w, box, QStringLiteral("9E307"));
        QCOMPARE(this->box(w, box)->text(), QStringLiteral("9E307"));
        t->prompter.answer(Button::Ok);
        calculate(w);
        QCOMPARE(t->prompter.last().title, QStringLiteral("Data Input"));
        QCOMPARE(t->prompter.last().text, QStringLiteral("Please enter ") + name +
                                              QStringLiteral("\rEntry must be 999,999,999,999 or less"));
        QCOMPARE(field(w, QStringLiteral("Label3")), QString());
        QCOMPARE(commands(w), all(false));
    }

    // clang-format off
    void choosingALoanLength_data()
    {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("loanAfter");
        QTest::addColumn<bool>("printable");
        QTest::newRow("income entered: recalculates") << "60000" << "$131,838.00" << true;
        QTest::newRow("no income: only disables") << "" << "" << false;
        QTest::newRow("income 0: only disables") << "0" << "" << false;
    }
    // clang-format on
    void choosingALoanLength()
    {
        QFETCH(QString, income);
        QFETCH(QString, loanAfter);
        QFETCH(bool, printable);
        HomeCalc *w = open();
        type(w, QStringLiteral("Text1"), income);
        type(w, QStringLiteral("Text2"), QStringLiteral("300"));
        type(w, QStringLiteral("Text3"), QStringLiteral("20000"));
        QComboBox *length = child<QComboBox>(w, QStringLiteral("Combo1"));
        length->setFocus();
        QTest::keyClick(length, Qt::Key_Down); // the next entry of the list: "15"
        QCOMPARE(length->currentText(), QStringLiteral("15"));
        QCOMPARE(field(w, QStringLiteral("Label7")), loanAfter);
        QCOMPARE(commands(w), all(printable));
    }

    // clang-format off
    void rememberedRate_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reopened");
        QTest::newRow("6.5 is restored") << "6.5" << "6.5";
        QTest::newRow("7 is the design value") << "7" << "7";
        QTest::newRow("7.0 reads as 7") << "7.0" << "7";
        QTest::newRow("0 is not positive") << "0" << "7";
        QTest::newRow("12 is restored") << "12" << "12";
    }
    // clang-format on
    void rememberedRate()
    {
        QFETCH(QString, typed);
        QFETCH(QString, reopened);
        HomeCalc *w = open();
        type(w, QStringLiteral("Text4"), typed);
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("cmdExit")), Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QCOMPARE(t->program.settings.homeCalcRate(), RecordVariant::string(typed));
        QCOMPARE(box(open(), QStringLiteral("Text4"))->text(), reopened);
    }

    void copyPutsTheResultsOnTheClipboard()
    {
        HomeCalc *w = open();
        enterFirstExample(w);
        t->prompter.answer(Button::Ok);
        w->sideButton(2)->trigger();
        QCOMPARE(t->platform.clipboardText,
                 QStringLiteral(
                     "Home Calculator Results\r\n"
                     "As of  Wednesday, March 14, 2007\n\r"
                     "Input Section\n\r"
                     "Estimated Gross (pre-tax) Annual Income from all possible sources:\t$60,000.00\r\n"
                     "Minimum Monthly Debt for Credit Cards, Loans, Alimony, etc..            \t$300.00\r\n"
                     "Cash available for down payment and other fees:                               "
                     "\t$20,000.00\r\n"
                     "Loan Length in Years:\t30\r\n"
                     "Fixed Interest Rate:          \t7.00%\n\r"
                     "Calculation Results\n\r"
                     "Approximate Amount of Home You Can Afford:\t$184,682.00\r\n"
                     "Approx. Monthly Loan Payment + Taxes + Ins.:\t$1,400.00\r\n"
                     "Approximate Amount of Loan:                         \t$168,043.00\r\n"
                     "Amount of Down Payment:                              \t$16,639.00\r\n"
                     "Estimated Closing Costs:                              \t$3,361.00\r\n"
                     "Down Payment Percent (%):                              \t9.01%\n\r"
                     "Limiting Factor:\tCash Available for Down Payment"));
        QCOMPARE(t->prompter.last().title, QStringLiteral("Copy Option"));
        QCOMPARE(t->prompter.last().text, QStringLiteral("Data has been copied to the Windows Clipboard."));
        QCOMPARE(t->prompter.last().icon, Icon::Information);
    }

    // clang-format off
    void report_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("limitLine");
        QTest::newRow("no limit") << "" << "";
        QTest::newRow("limit 0") << "0" << "";
        QTest::newRow("limit 2000, rewritten to the payment") << "2000" << "Limit on Monthly Mortgage Payment:  $1,400.00";
    }
    // clang-format on
    void report()
    {
        QFETCH(QString, limit);
        QFETCH(QString, limitLine);
        HomeCalc *w = open();
        type(w, QStringLiteral("Text5"), limit);
        enterFirstExample(w);
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("Command1")), Qt::LeftButton);
        const QList<const PrintItem *> items = textItems(w->reportPreview()->document());

        QStringList expected{"Home Calculator Results",
                             "Input Section",
                             "Estimated Gross (pre-tax) Annual Income:  $60,000.00",
                             "Minimum  Monthly  Debt  Payments:  $300.00",
                             "Cash available for down Payment:  $20,000.00",
                             "Length of Loan in Years:  30",
                             "Loan Interest Rate:  7%",
                             "Calculation Results",
                             "Approximate Amount of Home You Can Afford:  $184,682.00",
                             "Approximate Monthly Loan Payment + Taxes + Ins.:  $1,400.00",
                             "Approximate Amount of Loan:  $168,043.00",
                             "Amount of Down Payment:  $16,639.00",
                             "Estimated Closing Costs:  $3,361.00",
                             "Down Payment Percent (%):  9.01%",
                             "Limiting Factor:  Cash Available for Down Payment",
                             "Tallyquill 2007",
                             "Printed on 3/14/2007"};
        if (!limitLine.isEmpty())
            expected.insert(expected.indexOf(QStringLiteral("Calculation Results")), limitLine);
        QStringList texts;
        for (const PrintItem *item : items)
            texts.append(item->text);
        QCOMPARE(texts, expected);

        // Title at indent 400 in the print font, body two points smaller at 600, footer at 6 points.
        const double body = t->program.state.printFont.pointSize - 2;
        for (qsizetype i = 0; i < items.size(); ++i) {
            const PrintItem *item = items[i];
            const bool title = i == 0;
            const bool footer = i >= items.size() - 2;
            QCOMPARE(item->x, title ? 400.0 : 600.0);
            QCOMPARE(item->fontSize, title ? 14.0 : footer ? 6.0 : body);
            QCOMPARE(item->fontName, QStringLiteral("Times New Roman"));
        }
        // Two empty lines stand between the inputs and the results heading.
        const qsizetype heading = texts.indexOf(QStringLiteral("Calculation Results"));
        const double step = items[3]->y - items[2]->y;
        QCOMPARE(items[heading]->y - items[heading - 1]->y, 3 * step);
    }

    void escapeLeavesEnlargedPreviewThenPreviewThenWindow()
    {
        HomeCalc *w = open();
        QPointer<HomeCalc> alive(w);
        enterFirstExample(w);
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("Command1")), Qt::LeftButton);
        QVERIFY(w->isPreviewShown());
        QCOMPARE(w->statusText(), QStringLiteral("Print"));
        QCOMPARE(w->currentHelpId(), 1014);
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("SSCommand1")), Qt::LeftButton);
        QVERIFY(w->reportPreview()->isEnlarged());

        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(w->isPreviewShown());
        QVERIFY(!w->reportPreview()->isEnlarged());
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isPreviewShown());
        QCOMPARE(w->statusText(), QStringLiteral("Home Calculator"));
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!alive || !alive->isVisible());
        QVERIFY(launcher->isVisible());
    }

    void colourChangedThenExitNoStoresNoColour()
    {
        HomeCalc *w = open();
        const QColor design = w->panelColour();
        t->prompter.answer(Button::Yes);
        t->prompter.answerColour(QColor(10, 20, 30));
        w->sideButton(1)->trigger();
        QCOMPARE(w->panelColour(), QColor(10, 20, 30));
        t->prompter.answer(Button::No);
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("cmdExit")), Qt::LeftButton);
        QCOMPARE(t->prompter.last().text, QStringLiteral("Save changes made to Panel Color?"));
        QCOMPARE(t->program.settings.panelColour(ToolId::HomeCalc), std::nullopt);
        QCOMPARE(open()->panelColour(), design);
    }

    void closeButtonStoresNothing()
    {
        HomeCalc *w = open();
        t->prompter.answer(Button::Yes);
        t->prompter.answerColour(QColor(10, 20, 30));
        w->sideButton(1)->trigger();
        type(w, QStringLiteral("Text4"), QStringLiteral("6.5"));
        const qsizetype asked = t->prompter.prompts.size();
        w->close();
        QCOMPARE(t->prompter.prompts.size(), asked);
        QCOMPARE(t->program.settings.panelColour(ToolId::HomeCalc), std::nullopt);
        QVERIFY(t->program.settings.homeCalcRate().isEmpty());
        QCOMPARE(box(open(), QStringLiteral("Text4"))->text(), QStringLiteral("7"));
    }
};

TQ_TEST_MAIN(TestHomeCalc)
#include "tst_homecalc.moc"
