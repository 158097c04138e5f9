#include "accessibility.h"
#include "actuarial/actua1.h"
#include "boxwidths.h"
#include "common/numberformat.h"
#include "components/fontdialog.h"
#include "components/grid.h"
#include "components/pageview.h"
#include "components/printdocument.h"
#include "fakes.h"
#include "frame/reportpreview.h"
#include "pagetext.h"
#include "windowdriver.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolTip>

using namespace tq;
using namespace tq::test;

namespace {

const QString copyOption = QStringLiteral("Highlighted Data has been copied to the Windows Clipboard.");

} // namespace

class TestActua1 : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> t;
    std::unique_ptr<QWidget> launcher;
    QPointer<Actua1> w;

    template <typename T> T *find(const QString &name) const { return findNamed<T>(w, name); }
    QAction *action(const QString &name) const { return findAction(w, name); }

    void type(const QString &box, const QString &text) { replaceText(w, box, text); }
    void click(const QString &button) { clickButton(w, button); }
    void clickCell(int row, int col, Qt::KeyboardModifiers modifiers = {})
    {
        const GridSpot spot = w->grid()->cellSpot(row, col);
        QTest::mouseClick(spot.widget, Qt::LeftButton, modifiers, spot.rect.center());
    }
    void selectBlock(int top, int left, int bottom, int right)
    {
        clickCell(top, left);
        clickCell(bottom, right, Qt::ShiftModifier);
    }
    // Amount, payments, rates (max, min), years (max, min), then a table button.
    void table(const QString &button, const QString &amount, const QString &payments, const QString &maxRate,
               const QString &minRate, const QString &maxYears, const QString &minYears = {})
    {
        type(QStringLiteral("Text1"), amount);
        type(QStringLiteral("Text2"), payments);
        type(QStringLiteral("Combo1"), maxRate);
        type(QStringLiteral("Combo2"), minRate);
        type(QStringLiteral("Text3"), maxYears);
        type(QStringLiteral("Text4"), minYears);
        click(button);
    }
    bool copyAndPrintEnabled() const
    {
        const bool copy = action(QStringLiteral("mECopy"))->isEnabled();
        for (const QString &name : {QStringLiteral("mVC"), QStringLiteral("mOPrint"), QStringLiteral("mVP")})
            if (action(name)->isEnabled() != copy)
                qWarning("%s disagrees with mECopy", qPrintable(name));
        if (w->sideButton(2)->isEnabled() != copy || w->sideButton(3)->isEnabled() != copy)
            qWarning("the side buttons disagree with mECopy");
        return copy;
    }
    PrintDocument &document() { return w->reportPreview()->document(); }

private Q_SLOTS:
    void init()
    {
        t = std::make_unique<TestProgram>();
        useSmallerDisplay(t->program, QRect(20, 20, 800, 600));
        launcher = showLauncherStandIn();
        w = new Actua1(t->program, launcher.get());
        QVERIFY(showActive(w));
    }
    // The table empties its grid with a repaint; a close queued meanwhile
    // waits until the table is built.
    void closeQueuedDuringTableBuild()
    {
        type(QStringLiteral("Text1"), QStringLiteral("1000"));
        type(QStringLiteral("Text2"), QStringLiteral("12"));
        type(QStringLiteral("Text3"), QStringLiteral("10"));
        queueClose(w);
        click(QStringLiteral("Command1"));
        QVERIFY(w);
        QCOMPARE(w->grid()->text(1, 1).isEmpty(), false);
        QTRY_VERIFY(!w);
    }

    void cleanup()
    {
        t->prompter.verifyAllUsed();
        delete w;
        launcher.reset();
        t.reset();
    }

    void opensEmptyWithCopyAndPrintOff()
    {
        QCOMPARE(w->grid()->rows(), 23);
        QCOMPARE(w->grid()->highlight(), Grid::Highlight::Never);
        QVERIFY(!copyAndPrintEnabled());
        QCOMPARE(find<QComboBox>(QStringLiteral("Combo1"))->count(), 51);
        QCOMPARE(find<QComboBox>(QStringLiteral("Combo1"))->currentText(), QStringLiteral("0.0"));
        QCOMPARE(find<QComboBox>(QStringLiteral("Combo2"))->itemText(50), QStringLiteral("25.0"));
        verifyInputsAnnounceCaptions(w);
    }

    void boxesShowTheirLongestValues_data() { addDisplaySizeRows(); }
    void boxesShowTheirLongestValues()
    {
        useDisplaySizeOfRow(t->program);
        std::unique_ptr<Actua1> window(new Actua1(t->program, launcher.get()));
        QVERIFY(showActive(window.get()));
        verifyBoxesShowLongestValues(window.get());
    }

    void tablesShowTheirFigures_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("payments");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("figure");
        QTest::newRow("present value of amount") << "Command1"
                                                 << "1000"
                                                 << "12"
                                                 << "5.0"
                                                 << "10"
                                                 << "$607.16";
        QTest::newRow("present value of annuity") << "Command2"
                                                  << "1000"
                                                  << "12"
                                                  << "5.0"
                                                  << "10"
                                                  << "$94,281.35";
        QTest::newRow("future value of amount") << "Command3"
                                                << "1000"
                                                << "12"
                                                << "5.0"
                                                << "10"
                                                << "$1,647.01";
        QTest::newRow("future value of annuity") << "Command4"
                                                 << "1000"
                                                 << "12"
                                                 << "5.0"
                                                 << "10"
                                                 << "$155,282.28";
        QTest::newRow("yearly, present amount") << "Command1"
                                                << "100"
                                                << "1"
                                                << "6.0"
                                                << "5"
                                                << "$74.73";
        QTest::newRow("yearly, future annuity") << "Command4"
                                                << "100"
                                                << "1"
                                                << "6.0"
                                                << "5"
                                                << "$563.71";
    }
    void tablesShowTheirFigures()
    {
        QFETCH(QString, button);
        QFETCH(QString, amount);
        QFETCH(QString, payments);
        QFETCH(QString, rate);
        QFETCH(QString, years);
        QFETCH(QString, figure);
        table(button, amount, payments, rate, QStringLiteral("0.0"), years);
        QCOMPARE(w->grid()->text(1, 1), figure);
        QCOMPARE(w->grid()->text(1, 0), rate.chopped(2) + u'%');
        QCOMPARE(w->grid()->text(0, 1), years + QStringLiteral(" Years"));
        QCOMPARE(w->grid()->text(1, 2), QString());
        QCOMPARE(w->grid()->rows(), 17);
        QCOMPARE(w->grid()->colAlignment(1), Qt::AlignRight);
        QCOMPARE(find<QLabel>(QStringLiteral("Label1"))->text(), w->sentence().replace(u'\r', u'\n'));
        QVERIFY(copyAndPrintEnabled());
        QCOMPARE(w->grid()->highlight(), Grid::Highlight::Always);
    }

    void layoutKeepsSixteenRowsAndThreeColumnsInView_data()
    {
        QTest::addColumn<QString>("maxRate");
        QTest::addColumn<QString>("maxYears");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<Grid::ScrollBars>("bars");
        QTest::newRow("3 x 2") << "1.5"
                               << "2" << 17 << 4 << Grid::ScrollBars::None;
        QTest::newRow("50 x 1") << "25.0"
                                << "1" << 51 << 4 << Grid::ScrollBars::Vertical;
        QTest::newRow("3 x 10") << "1.5"
                                << "10" << 17 << 11 << Grid::ScrollBars::Horizontal;
        QTest::newRow("50 x 100") << "25.0"
                                  << "100" << 51 << 101 << Grid::ScrollBars::Both;
    }
    void layoutKeepsSixteenRowsAndThreeColumnsInView()
    {
        QFETCH(QString, maxRate);
        QFETCH(QString, maxYears);
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(Grid::ScrollBars, bars);
        table(QStringLiteral("Command3"), QStringLiteral("1000"), QStringLiteral("12"), maxRate,
              QStringLiteral("0.5"), maxYears, QStringLiteral("1"));
        Grid *g = w->grid();
        QCOMPARE(g->rows(), rows);
        QCOMPARE(g->cols(), cols);
        QCOMPARE(g->scrollBars(), bars);
        const bool wide = bars == Grid::ScrollBars::Horizontal || bars == Grid::ScrollBars::Both;
        const bool tall = bars == Grid::ScrollBars::Vertical || bars == Grid::ScrollBars::Both;
        const int height = (g->heightTwips() - g->rowHeight(0) - 30 - (wide ? 255 : 0)) / 16;
        const int width = (g->widthTwips() - g->colWidth(0) - 30 - (tall ? 255 : 0)) / 3;
        QVERIFY(std::abs(g->rowHeight(rows - 1) - height) <= 15); // whole pixels
        QVERIFY(std::abs(g->colWidth(cols - 1) - width) <= 15);
        QVERIFY(!g->cellPicture(0, 0).isNull());
        QCOMPARE(g->text(1, 0), QStringLiteral("0.5%"));
    }

    void validationStopsAtTheFirstMissingInput_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("payments");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::newRow("amount") << ""
                                << ""
                                << ""
                                << "Amount or Annuity"
                                << "Amount or Annuity must be 1 or more"
                                << "Text1";
        QTest::newRow("payments") << "1000"
                                  << "0"
                                  << ""
                                  << "Number of Interest Payments Per Year"
                                  << "No. Payments Per Year must be 1 or more"
                                  << "Text2";
        QTest::newRow("years") << "1000"
                               << "12"
                               << ""
                               << "Number of Years"
                               << "Maximum Number of Years must be 1 or more"
                               << "Text3";
    }
    void validationStopsAtTheFirstMissingInput()
    {
        QFETCH(QString, amount);
        QFETCH(QString, payments);
        QFETCH(QString, years);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        table(QStringLiteral("Command1"), amount, payments, QStringLiteral("5.0"), QStringLiteral("0.0"),
              years);
        QCOMPARE(t->prompter.prompts.size(), 1);
        QCOMPARE(t->prompter.last().title, title);
        QCOMPARE(t->prompter.last().text, text);
        QCOMPARE(t->prompter.last().icon, Icon::Information);
        QCOMPARE(QApplication::focusWidget(), find<QLineEdit>(focus));
        QVERIFY(!copyAndPrintEnabled());
    }

    void entryBoxesFilterWhatIsTyped_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("message");
        QTest::newRow("years above 100") << "Text3"
                                         << "150"
                                         << "100" << true;
        QTest::newRow("letter after digit") << "Text3"
                                            << "7a"
                                            << "7" << false;
        QTest::newRow("letter alone") << "Text4"
                                      << "x"
                                      << "" << false;
        QTest::newRow("payments above 100") << "Text2"
                                            << "365"
                                            << "100" << true;
        QTest::newRow("amount keeps seven digits") << "Text1"
                                                   << "123456789"
                                                   << "1234567" << false;
        QTest::newRow("amount is not capped") << "Text1"
                                              << "250"
                                              << "250" << false;
        QTest::newRow("rate takes typing") << "Combo1"
                                           << "7.5"
                                           << "7.5" << false;
    }
    void entryBoxesFilterWhatIsTyped()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, message);
        type(box, typed);
        auto *combo = qobject_cast<QComboBox *>(find<QWidget>(box));
        QCOMPARE(combo ? combo->currentText() : find<QLineEdit>(box)->text(), shown);
        QCOMPARE(t->prompter.prompts.size(), message ? 1 : 0);
        if (message) {
            QCOMPARE(t->prompter.last().title, QStringLiteral("Maximum Entry"));
            QCOMPARE(t->prompter.last().text, QStringLiteral("Maximum entry for this input box is 100"));
        }
    }

    void refusedTableLeavesOnlyTheYearLabels()
    {
        table(QStringLiteral("Command3"), QStringLiteral("1000"), QStringLiteral("12"), QStringLiteral("5.0"),
              QStringLiteral("0.0"), QStringLiteral("10"));
        type(QStringLiteral("Text1"), QStringLiteral("0"));
        click(QStringLiteral("Command3"));
        QCOMPARE(t->prompter.last().text, QStringLiteral("Amount or Annuity must be 1 or more"));
        QCOMPARE(w->grid()->text(1, 1), QString());
        QCOMPARE(w->grid()->text(1, 0).trimmed(), QString());
        QCOMPARE(w->grid()->text(0, 1), QStringLiteral("10 Years"));
        QVERIFY(!copyAndPrintEnabled());
    }

    void reversedRangesExchangeTheBoxes()
    {
        table(QStringLiteral("Command1"), QStringLiteral("1000"), QStringLiteral("12"), QStringLiteral("0.0"),
              QStringLiteral("5.0"), QStringLiteral("5"), QStringLiteral("10"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Text3"))->text(), QStringLiteral("10"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Text4"))->text(), QStringLiteral("5"));
        QCOMPARE(find<QComboBox>(QStringLiteral("Combo1"))->currentText(), QStringLiteral("5.0"));
        QCOMPARE(find<QComboBox>(QStringLiteral("Combo2"))->currentText(), QStringLiteral("0.0"));
        QCOMPARE(w->grid()->text(0, 1), QStringLiteral("5 Years"));
        QCOMPARE(w->grid()->text(0, 6), QStringLiteral("10 Years"));
        QCOMPARE(w->grid()->text(1, 0), QStringLiteral("0%"));
        QCOMPARE(w->grid()->text(11, 0), QStringLiteral("5%"));
        QCOMPARE(w->grid()->rows(), 17);
    }

    void copyTextPadsHeadingsByTheCornerValue_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<int>("padding"); // 0 none, 1 window font, 2 printer font
        QTest::addColumn<int>("bottom");  // rows below the table end the copy
        QTest::newRow("corner 50: run together") << "Command3"
                                                 << "50"
                                                 << "0.0" << 0 << 4;
        QTest::newRow("corner 863.84: printer font") << "Command1"
                                                     << "1000"
                                                     << "5.0" << 2 << 1;
        QTest::newRow("corner 863,837.63: window font") << "Command1"
                                                        << "1000000"
                                                        << "5.0" << 1 << 1;
    }
    void copyTextPadsHeadingsByTheCornerValue()
    {
        QFETCH(QString, button);
        QFETCH(QString, amount);
        QFETCH(QString, rate);
        QFETCH(int, padding);
        QFETCH(int, bottom);
        table(button, amount, QStringLiteral("1"), rate, QStringLiteral("0.0"), QStringLiteral("3"),
              QStringLiteral("1"));
        selectBlock(1, 1, bottom, 3);
        action(QStringLiteral("mECopy"))->trigger();

        const Grid *g = w->grid();
        const QString reference = g->text(bottom, 3); // the block's bottom-right cell
        const FontChoice &f = t->program.state.printFont;
        const QFontMetricsF metrics(
            padding == 1 ? w->font() : PrintDocument::twipsFont(f.family, f.pointSize, f.bold, f.italic));
        QString headings(u'\t');
        for (int year = 1; year <= 3; ++year) {
            QString label = QString::number(year) + QStringLiteral(" Years  ");
            if (padding) {
                while (metrics.horizontalAdvance(label) < metrics.horizontalAdvance(reference))
                    label += u' ';
                label += u'\t';
            }
            headings += label;
        }
        const QString expected = QStringLiteral("Amount or Annuity: ") + formatCurrency(amount.toDouble()) +
                                 QStringLiteral("\r\n\r\nNo. Payments per Year: 1\r\n\r\n") + headings +
                                 "\r\n" + g->text(1, 0) + u'\t' + g->text(1, 1) + u'\t' + g->text(1, 2) +
                                 u'\t' + g->text(1, 3) + "\r\n\r\n\r\n" + w->sentence();
        QCOMPARE(t->platform.clipboardText, expected);
        QVERIFY(!t->platform.clipboardText.endsWith(u'\n'));
        QVERIFY(w->sentence().contains(u'\r'));
        QCOMPARE(t->prompter.last().title, QStringLiteral("Copy Option"));
        QCOMPARE(t->prompter.last().text, copyOption);
    }

    void copyAndPrintFollowTheHighlight()
    {
        table(QStringLiteral("Command1"), QStringLiteral("1000"), QStringLiteral("12"), QStringLiteral("5.0"),
              QStringLiteral("0.0"), QStringLiteral("10"));
        QVERIFY(copyAndPrintEnabled());
        w->sideButton(2)->trigger();
        QCOMPARE(t->prompter.last().text, copyOption);
        QVERIFY(!copyAndPrintEnabled());
        QCOMPARE(w->grid()->highlight(), Grid::Highlight::WhenFocused);

        clickCell(1, 1);
        QVERIFY(copyAndPrintEnabled());
        clickCell(2, 1);
        QVERIFY(!copyAndPrintEnabled());

        // The highlight is already shown: a new table waits for a click.
        click(QStringLiteral("Command2"));
        QVERIFY(!copyAndPrintEnabled());
        clickCell(1, 1);
        QVERIFY(copyAndPrintEnabled());
    }

    void wholeLargestTableCopiesWithoutOverflow()
    {
        table(QStringLiteral("Command4"), QStringLiteral("1000"), QStringLiteral("12"),
              QStringLiteral("25.0"), QStringLiteral("0.5"), QStringLiteral("100"), QStringLiteral("1"));
        w->grid()->setCurrentCell(50, 100);
        w->grid()->setSelectionEnd(1, 1);
        action(QStringLiteral("mVC"))->trigger();
        QCOMPARE(t->prompter.texts(), QStringList{copyOption});
        const QStringList lines = t->platform.clipboardText.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4 + 1 + 50 + 3); // amount, payments, headings, rows, sentence
        QCOMPARE(lines.at(5).count(u'\t'), 100);
        QVERIFY(lines.at(54).startsWith(QStringLiteral("25%\t")));
    }

    void overflowingFiguresReadOverflowEverywhere()
    {
        table(QStringLiteral("Command3"), QStringLiteral("1000"), QStringLiteral("1"), QStringLiteral("900"),
              QStringLiteral("0.0"), QStringLiteral("100"));
        const QString overflow = QString::fromUtf16(kOverflowText);
        QCOMPARE(w->grid()->text(1, 1), overflow);
        action(QStringLiteral("mECopy"))->trigger();
        QVERIFY(
            t->platform.clipboardText.contains(QStringLiteral("900%\t") + overflow + QStringLiteral("\r\n")));
        clickCell(1, 1);
        action(QStringLiteral("mOPrint"))->trigger();
        QVERIFY(pageTexts(document(), 1).contains(overflow));
    }

    void reportPrintsSevenColumnsAtTheirCentres()
    {
        table(QStringLiteral("Command1"), QStringLiteral("1000"), QStringLiteral("12"), QStringLiteral("5.0"),
              QStringLiteral("0.0"), QStringLiteral("9"), QStringLiteral("1"));
        selectBlock(1, 1, 1, 9);
        action(QStringLiteral("mVP"))->trigger();
        QCOMPARE(t->prompter.last().title, QStringLiteral("Print Restriction"));
        QCOMPARE(t->prompter.last().text,
                 QStringLiteral("Due to program restraints only 7 columns of data can be printed!"));
        QVERIFY(w->isPreviewShown());

        const PrintDocument &doc = document();
        const QStringList texts = pageTexts(doc, 1);
        QCOMPARE(texts.mid(0, 2), (QStringList{QStringLiteral(" Amount or Annuity = $1,000.00"),
                                               QStringLiteral(" No. of Payments Per Year = 12")}));
        QVERIFY(texts.contains(QStringLiteral(" 1 Year")));
        QVERIFY(texts.contains(QStringLiteral(" 7 Years")));
        QVERIFY(!texts.contains(QStringLiteral(" 8 Years")));
        QVERIFY(texts.contains(w->grid()->text(1, 7)));
        QVERIFY(!texts.contains(w->grid()->text(1, 8)));
        const PrintItem *first = findText(doc, 1, QStringLiteral(" 1 Year"));
        const PrintItem *seventh = findText(doc, 1, QStringLiteral(" 7 Years"));
        QVERIFY(first && seventh);
        QCOMPARE(first->fontSize, 12.0);
        QVERIFY(std::abs(first->x + first->width / 2 - doc.pageWidth() / 6) < 1);
        QVERIFY(std::abs(seventh->x + seventh->width / 2 - doc.pageWidth() / 1.08) < 1);
        const PrintItem *rate = findText(doc, 1, QStringLiteral("5%"));
        const PrintItem *value = findText(doc, 1, w->grid()->text(1, 1));
        QVERIFY(rate && value);
        QCOMPARE(rate->y, value->y);
        QVERIFY(texts.contains(QStringLiteral("Present Value of an Amount:")));
    }

    void printRestrictionFromEightColumns_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("restricted");
        QTest::newRow("seven columns") << 7 << false;
        QTest::newRow("eight columns") << 8 << true;
    }
    void printRestrictionFromEightColumns()
    {
        QFETCH(int, columns);
        QFETCH(bool, restricted);
        table(QStringLiteral("Command1"), QStringLiteral("1000"), QStringLiteral("12"), QStringLiteral("5.0"),
              QStringLiteral("0.0"), QStringLiteral("9"), QStringLiteral("1"));
        selectBlock(1, 1, 1, columns);
        action(QStringLiteral("mVP"))->trigger();
        QCOMPARE(t->prompter.texts().contains(
                     QStringLiteral("Due to program restraints only 7 columns of data can be printed!")),
                 restricted);
        const QStringList texts = pageTexts(document(), 1);
        QVERIFY(texts.contains(QStringLiteral(" 7 Years")));
        QVERIFY(!texts.contains(QStringLiteral(" 8 Years")));
    }

    void tallReportRepeatsHeadingsOnEachPage_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("22 points") << 22;
        QTest::newRow("largest size") << FontDialog::maximumPointSize;
    }
    void tallReportRepeatsHeadingsOnEachPage()
    {
        QFETCH(int, size);
        table(QStringLiteral("Command3"), QStringLiteral("1000"), QStringLiteral("12"),
              QStringLiteral("25.0"), QStringLiteral("0.5"), QStringLiteral("3"), QStringLiteral("1"));
        selectBlock(1, 1, 50, 3);
        action(QStringLiteral("mOPrint"))->trigger();
        t->prompter.answerFont(FontChoice{QStringLiteral("Times New Roman"), double(size)});
        click(QStringLiteral("SSCommand80(0)"));

        const PrintDocument &doc = document();
        QVERIFY(doc.pageCount() >= 2);
        const QStringList headings{QStringLiteral("Interest"), QStringLiteral(" 1 Year"),
                                   QStringLiteral(" 2 Years"), QStringLiteral(" 3 Years")};
        const QStringList second = pageTexts(doc, 2);
        QCOMPARE(second.first(), QStringLiteral("Page Number 2"));
        QCOMPARE(second.mid(1, 4), headings);
        const PrintItem *number = findText(doc, 2, QStringLiteral("Page Number 2"));
        QVERIFY(number && number->y > 0); // after an empty line
        const int firstHeading = int(pageTexts(doc, 1).indexOf(QStringLiteral("Interest")));
        QCOMPARE(pageTexts(doc, 1).mid(firstHeading, 4), headings);
        for (const PrintItem &item : doc.pages().first().items)
            QVERIFY(item.y <= doc.pageHeight() - 400); // rows stop where the page breaks

        // Every later page starts with its number and the headings; every rate
        // row is printed whole, on the paper.
        int rows = 0;
        for (int n = 1; n <= doc.pageCount(); ++n) {
            const PrintPage &page = doc.pages()[n - 1];
            QVERIFY(textsOnPaper(page));
            const QList<QStringList> lines = printedLines(page);
            if (n > 1)
                QCOMPARE(lines.mid(0, 2),
                         (QList<QStringList>{{QStringLiteral("Page Number %1").arg(n)}, headings}));
            for (const QStringList &line : lines) {
                if (!line.first().endsWith(u'%'))
                    continue;
                ++rows;
                QCOMPARE(line.size(), 4);
            }
        }
        QCOMPARE(rows, 50);
    }

    void helpFollowsThePreview()
    {
        QTest::keyClick(w, Qt::Key_F1);
        table(QStringLiteral("Command1"), QStringLiteral("1000"), QStringLiteral("12"), QStringLiteral("5.0"),
              QStringLiteral("0.0"), QStringLiteral("10"));
        action(QStringLiteral("mOPrint"))->trigger();
        QVERIFY(w->isPreviewShown());
        QTest::keyClick(w, Qt::Key_F1);
        QCOMPARE(t->platform.helpTopics, (QList<int>{3026, 1014}));
    }

    void scrollTipNamesTheRowAndRate()
    {
        table(QStringLiteral("Command1"), QStringLiteral("1000"), QStringLiteral("12"),
              QStringLiteral("25.0"), QStringLiteral("0.5"), QStringLiteral("1"));
        Q_EMIT w->grid()->tableView()->verticalScrollBar()->sliderMoved(10);
        QCOMPARE(QToolTip::text(), QStringLiteral(" Row 11: 5.5% "));
    }

    void closingEmptiesAmountAndPayments()
    {
        type(QStringLiteral("Text1"), QStringLiteral("1000"));
        type(QStringLiteral("Text2"), QStringLiteral("12"));
        QPointer<QLineEdit> text1 = find<QLineEdit>(QStringLiteral("Text1"));
        QPointer<QLineEdit> text2 = find<QLineEdit>(QStringLiteral("Text2"));
        click(QStringLiteral("Command5"));
        QVERIFY(!w->isVisible());
        QVERIFY(launcher->isVisible());
        QCOMPARE(text1->text(), QString());
        QCOMPARE(text2->text(), QString());
    }
};

TQ_TEST_MAIN(TestActua1)
#include "tst_actua1.moc"
