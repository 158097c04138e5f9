#include "budgetengine/budgetyears.h"
#include "budgetengine/entryrules.h"

#include <QTest>

using namespace tq;

namespace {
constexpr int item = 0;
constexpr int january = 1;
} // namespace

class TestBudgetEntry : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cellEntry_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("message"); // empty: none
        const QString numbersOnly = "Cell entries must be numbers only!";
        const QString limited = "Cell entries are limited to 9,999.99!";
        QTest::newRow("half") << january << "0.5"
                              << ".50"
                              << "";
        QTest::newRow("plain") << january << "850"
                               << "850.00"
                               << "";
        QTest::newRow("leading number") << january << "12abc"
                                        << "12.00"
                                        << "";
        QTest::newRow("ten thousand") << january << "10000"
                                      << "9999.99" << limited;
        QTest::newRow("rounds past limit") << january << "9999.996"
                                           << "9999.99" << limited;
        QTest::newRow("highest") << january << "9999.99"
                                 << "9999.99"
                                 << "";
        QTest::newRow("negative") << january << "-3"
                                  << "" << numbersOnly;
        QTest::newRow("letters") << january << "abc"
                                 << "" << numbersOnly;
        QTest::newRow("emptied") << january << ""
                                 << "" << numbersOnly;
        QTest::newRow("name with comma") << item << "Rent, flat"
                                         << "Rent, flat"
                                         << "";
        QTest::newRow("name with quote") << item << "Say \"hi\""
                                         << "Say hi"
                                         << "";
        QTest::newRow("name outside code page") << item << "Caf\u00E9 \u4E2D"
                                                << "Caf\u00E9 "
                                                << "";
        QTest::newRow("long name") << item << "Insurance premiums 2"
                                   << "Insurance premiums"
                                   << "";
    }
    void cellEntry()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, cell);
        QFETCH(QString, message);
        const entry::CellEntry e = entry::enterCell(column, typed);
        QCOMPARE(e.text, cell);
        QCOMPARE(e.notice.has_value(), !message.isEmpty());
        if (e.notice) {
            QCOMPARE(e.notice->title, QStringLiteral("Invalid Cell Entry"));
            QCOMPARE(e.notice->text, message);
        }
    }

    void editBox_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("beep");
        QTest::newRow("comma cuts") << january << "1,5"
                                    << "1"
                                    << "1.00" << false;
        QTest::newRow("comma first empties") << january << ",5"
                                             << ""
                                             << "" << false;
        QTest::newRow("capped") << january << "12000"
                                << "9999.99"
                                << "9999.99" << true;
        QTest::newRow("not a number copied") << january << "abc"
                                             << "abc"
                                             << "abc" << false;
        QTest::newRow("half") << january << ".5"
                              << ".5"
                              << ".50" << false;
        // The grid's editor leaves no cell at or below zero; neither does the box.
        QTest::newRow("huge negative") << january << "-1E38"
                                       << "-1E38"
                                       << "" << false;
        QTest::newRow("overflowing negative") << january << "-9E307"
                                              << "-9E307"
                                              << "" << false;
        QTest::newRow("zero") << january << "0"
                              << "0"
                              << "" << false;
        QTest::newRow("huge") << january << "1E38"
                              << "9999.99"
                              << "9999.99" << true;
        QTest::newRow("name cut at comma") << item << "Rent,x"
                                           << "Rent"
                                           << "Rent" << false;
        QTest::newRow("quote refused") << item << "Gas\""
                                       << "Gas"
                                       << "Gas" << false;
        QTest::newRow("name untouched") << item << "Food"
                                        << "Food"
                                        << "Food" << false;
    }
    void editBox()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, box);
        QFETCH(QString, cell);
        QFETCH(bool, beep);
        const entry::EditBoxEntry e = entry::enterEditBox(column, typed);
        QCOMPARE(e.boxText, box);
        QCOMPARE(e.cellText, cell);
        QCOMPARE(e.beep, beep);
        QCOMPARE(e.boxCut, box != typed && !beep);
    }

    void income_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("caption"); // "-" for no change
        QTest::addColumn<bool>("capped");
        QTest::newRow("amount") << "1500"
                                << "1500.00" << false;
        QTest::newRow("highest") << "99999.99"
                                 << "99999.99" << false;
        QTest::newRow("too high") << "100000"
                                  << "99999.99" << true;
        QTest::newRow("text stays") << "abc"
                                    << "abc" << false;
        QTest::newRow("cancelled") << ""
                                   << "-" << false;
    }
    void income()
    {
        QFETCH(QString, answer);
        QFETCH(QString, caption);
        QFETCH(bool, capped);
        const entry::IncomeEntry e = entry::enterIncome(answer);
        QCOMPARE(e.caption.value_or("-"), caption);
        QCOMPARE(e.notice.has_value(), capped);
        if (capped)
            QCOMPARE(*e.notice, Notice({"Maximum Allowed Entry Exceeded",
                                        "Due to printer size requirements needed to print this budget, "
                                        "the Total Income Amount Cannot exceed 99999.99"}));
    }

    void yearBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("year");
        QTest::newRow("too early") << "1985" << 1990;
        QTest::newRow("too late") << "2150" << 2089;
        QTest::newRow("not a number") << "abc" << 1990;
        QTest::newRow("typed in range") << "2005" << 2005;
        QTest::newRow("last") << "2089" << 2089;
        QTest::newRow("trailing text") << "2000abc" << 2000;
    }
    void yearBox()
    {
        QFETCH(QString, typed);
        QFETCH(int, year);
        QCOMPARE(years::fromBoxText(typed), year);
    }

    void todaysYear_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("year");
        QTest::newRow("1995") << QDate(1995, 6, 1) << 1995;
        QTest::newRow("2007") << QDate(2007, 1, 1) << 2007;
        QTest::newRow("2089") << QDate(2089, 12, 31) << 2089;
        QTest::newRow("2090 wraps") << QDate(2090, 1, 1) << 1990;
    }
    void todaysYear()
    {
        QFETCH(QDate, date);
        QFETCH(int, year);
        QCOMPARE(years::today(date), year);
    }

    void prompts()
    {
        QCOMPARE(years::savePrompt(2007).text,
                 QStringLiteral("Save changes made to 2007 budget before Exiting?"));
        QCOMPARE(years::copyYearPrompt(2007), Notice({"Copy Year", "Copy 2007 file to 2008?"}));
        QCOMPARE(years::list().size(), 100);
        QCOMPARE(years::list().last(), QStringLiteral("2089"));
    }
};

QTEST_GUILESS_MAIN(TestBudgetEntry)
#include "tst_budgetentry.moc"
