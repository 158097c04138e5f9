#include "actuarial/entryfilter.h"
#include "actuarial/valuetables.h"
#include "common/numberformat.h"
#include "enginetest.h"

#include <QTest>

using namespace tq;

Q_DECLARE_METATYPE(tq::TableKind)
Q_DECLARE_METATYPE(tq::FailingInput)

namespace {

ValueTableInputs inputs(QString amount, QString perYear, QString maxRate, QString minRate, QString maxYears,
                        QString minYears = {})
{
    return {amount, perYear, maxRate, minRate, maxYears, minYears};
}

ValueTable build(TableKind kind, const ValueTableInputs &in)
{
    const ValueTableOutcome outcome = buildValueTable(kind, in);
    if (!outcome.table)
        qFatal("no table");
    return *outcome.table;
}

} // namespace

class TestValueTables : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void workedExamples_data()
    {
        QTest::addColumn<TableKind>("kind");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("perYear");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("text");
        const QString k1000 = QStringLiteral("1000"), m12 = QStringLiteral("12");
        QTest::newRow("1000 PV amount") << TableKind::PresentValueOfAmount << k1000 << m12 << "5.0"
                                        << "10"
                                        << "$607.16";
        QTest::newRow("1000 PV annuity") << TableKind::PresentValueOfAnnuity << k1000 << m12 << "5.0"
                                         << "10"
                                         << "$94,281.35";
        QTest::newRow("1000 FV amount") << TableKind::FutureValueOfAmount << k1000 << m12 << "5.0"
                                        << "10"
                                        << "$1,647.01";
        QTest::newRow("1000 FV annuity") << TableKind::FutureValueOfAnnuity << k1000 << m12 << "5.0"
                                         << "10"
                                         << "$155,282.28";
        QTest::newRow("100 PV amount") << TableKind::PresentValueOfAmount << "100"
                                       << "1"
                                       << "6.0"
                                       << "5"
                                       << "$74.73";
        QTest::newRow("100 PV annuity") << TableKind::PresentValueOfAnnuity << "100"
                                        << "1"
                                        << "6.0"
                                        << "5"
                                        << "$421.24";
        QTest::newRow("100 FV amount") << TableKind::FutureValueOfAmount << "100"
                                       << "1"
                                       << "6.0"
                                       << "5"
                                       << "$133.82";
        QTest::newRow("100 FV annuity") << TableKind::FutureValueOfAnnuity << "100"
                                        << "1"
                                        << "6.0"
                                        << "5"
                                        << "$563.71";
    }
    void workedExamples()
    {
        QFETCH(TableKind, kind);
        QFETCH(QString, amount);
        QFETCH(QString, perYear);
        QFETCH(QString, rate);
        QFETCH(QString, years);
        QFETCH(QString, text);
        const ValueTable t = build(kind, inputs(amount, perYear, rate, QStringLiteral("0.0"), years));
        QCOMPARE(t.rowCount(), 1);
        QCOMPARE(t.columnCount(), 1);
        QCOMPARE(t.cellText(0, 0), text);
        QCOMPARE(formatCurrency(t.cornerValue()), text);
    }

    void ranges_data()
    {
        QTest::addColumn<QString>("maxRate");
        QTest::addColumn<QString>("minRate");
        QTest::addColumn<QString>("maxYears");
        QTest::addColumn<QString>("minYears");
        QTest::addColumn<QStringList>("rates");   // row count, first and last label
        QTest::addColumn<QStringList>("columns"); // column count, first and last label
        QTest::newRow("minimum 0 gives the maximum alone")
            << "7.5"
            << "0.0"
            << "10"
            << "" << QStringList{"1", "7.5%", "7.5%"} << QStringList{"1", "10 Years", "10 Years"};
        QTest::newRow("both 0") << "0.0"
                                << "0.0"
                                << "10"
                                << "" << QStringList{"1", "0%", "0%"}
                                << QStringList{"1", "10 Years", "10 Years"};
        QTest::newRow("reversed rates")
            << "0.0"
            << "5.0"
            << "10"
            << "" << QStringList{"11", "0%", "5%"} << QStringList{"1", "10 Years", "10 Years"};
        QTest::newRow("whole list") << "25.0"
                                    << "0.5"
                                    << "10"
                                    << "" << QStringList{"50", "0.5%", "25%"}
                                    << QStringList{"1", "10 Years", "10 Years"};
        QTest::newRow("half steps") << "6.0"
                                    << "4.5"
                                    << "1"
                                    << "" << QStringList{"4", "4.5%", "6%"}
                                    << QStringList{"1", "1 Years", "1 Years"};
        QTest::newRow("typed rate") << "5.3"
                                    << ""
                                    << "2"
                                    << "" << QStringList{"1", "5.3%", "5.3%"}
                                    << QStringList{"1", "2 Years", "2 Years"};
        QTest::newRow("no minimum years")
            << "5.0"
            << "0.0"
            << "30"
            << "" << QStringList{"1", "5%", "5%"} << QStringList{"1", "30 Years", "30 Years"};
        QTest::newRow("minimum years 0")
            << "5.0"
            << "0.0"
            << "30"
            << "0" << QStringList{"1", "5%", "5%"} << QStringList{"1", "30 Years", "30 Years"};
        QTest::newRow("reversed years")
            << "5.0"
            << "0.0"
            << "5"
            << "10" << QStringList{"1", "5%", "5%"} << QStringList{"6", "5 Years", "10 Years"};
        QTest::newRow("1 to 100 years")
            << "5.0"
            << "0.0"
            << "100"
            << "1" << QStringList{"1", "5%", "5%"} << QStringList{"100", "1 Years", "100 Years"};
    }
    void ranges()
    {
        QFETCH(QString, maxRate);
        QFETCH(QString, minRate);
        QFETCH(QString, maxYears);
        QFETCH(QString, minYears);
        QFETCH(QStringList, rates);
        QFETCH(QStringList, columns);
        const ValueTable t =
            build(TableKind::FutureValueOfAmount, inputs("1000", "12", maxRate, minRate, maxYears, minYears));
        QCOMPARE(t.rowCount(), rates[0].toInt());
        QCOMPARE(t.rateLabel(0), rates[1]);
        QCOMPARE(t.rateLabel(t.rowCount() - 1), rates[2]);
        QCOMPARE(t.columnCount(), columns[0].toInt());
        QCOMPARE(t.yearLabel(0), columns[1]);
        QCOMPARE(t.yearLabel(t.columnCount() - 1), columns[2]);
    }

    void boxExchange_data()
    {
        QTest::addColumn<QStringList>("boxes");    // Combo1, Combo2, Text3, Text4
        QTest::addColumn<QStringList>("exchange"); // the same four after the exchange; "-" unchanged
        QTest::newRow("in order") << QStringList{"7.5", "2.0", "10", "5"} << QStringList{"-", "-", "-", "-"};
        QTest::newRow("rates") << QStringList{"0.0", "5.0", "10", ""} << QStringList{"5.0", "0.0", "-", "-"};
        QTest::newRow("typed rates") << QStringList{"2", "7.5x", "10", ""}
                                     << QStringList{"7.5", "2.0", "-", "-"};
        QTest::newRow("years") << QStringList{"5.0", "0.0", "5", "10"} << QStringList{"-", "-", "10", "5"};
    }
    void boxExchange()
    {
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, exchange);
        const BoxExchange e = tq::boxExchange(inputs("1000", "12", boxes[0], boxes[1], boxes[2], boxes[3]));
        auto shown = [](const std::optional<QString> &text) { return text.value_or(QStringLiteral("-")); };
        QCOMPARE(QStringList({shown(e.maximumRate), shown(e.minimumRate), shown(e.maximumYears),
                              shown(e.minimumYears)}),
                 exchange);
    }

    void validation_data()
    {
        QTest::addColumn<QStringList>("boxes"); // Text1, Text2, Text3
        QTest::addColumn<int>("failure");       // -1 none
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("all empty") << QStringList{"", "", ""} << int(FailingInput::Amount)
                                   << "Amount or Annuity"
                                   << "Amount or Annuity must be 1 or more";
        QTest::newRow("amount 0") << QStringList{"0", "12", "10"} << int(FailingInput::Amount)
                                  << "Amount or Annuity"
                                  << "Amount or Annuity must be 1 or more";
        QTest::newRow("payments") << QStringList{"1000", "", ""} << int(FailingInput::PaymentsPerYear)
                                  << "Number of Interest Payments Per Year"
                                  << "No. Payments Per Year must be 1 or more";
        QTest::newRow("years") << QStringList{"1000", "12", "0"} << int(FailingInput::MaximumYears)
                               << "Number of Years"
                               << "Maximum Number of Years must be 1 or more";
        QTest::newRow("valid") << QStringList{"1", "1", "1"} << -1 << ""
                               << "";
    }
    void validation()
    {
        QFETCH(QStringList, boxes);
        QFETCH(int, failure);
        QFETCH(QString, title);
        QFETCH(QString, text);
        const ValueTableOutcome outcome = buildValueTable(TableKind::PresentValueOfAmount,
                                                          inputs(boxes[0], boxes[1], "0.0", "5.0", boxes[2]));
        QCOMPARE(outcome.failure.has_value(), failure >= 0);
        QCOMPARE(outcome.table.has_value(), failure < 0);
        if (failure < 0) {
            QVERIFY(outcome.exchange.maximumRate.has_value());
            return;
        }
        QCOMPARE(int(*outcome.failure), failure);
        QVERIFY(!outcome.exchange.maximumRate); // a stopped table leaves the boxes alone
        const Notice message = messageFor(*outcome.failure);
        QCOMPARE(message.title, title);
        QCOMPARE(message.text, text);
    }

    void cornerIsBottomRight()
    {
        const ValueTable t =
            build(TableKind::FutureValueOfAnnuity, inputs("500", "4", "8.0", "6.0", "3", "1"));
        QCOMPARE(t.rowCount(), 5);
        QCOMPARE(t.columnCount(), 3);
        QCOMPARE(t.cornerValue(), t.value(4, 2));
        QVERIFY(t.value(4, 2) > t.value(0, 2));
    }

    void zeroRate_data()
    {
        QTest::addColumn<TableKind>("kind");
        QTest::addColumn<QStringList>("texts"); // 1, 2 and 3 years
        QTest::newRow("PV amount") << TableKind::PresentValueOfAmount
                                   << QStringList{"$100.00", "$100.00", "$100.00"};
        QTest::newRow("FV amount") << TableKind::FutureValueOfAmount
                                   << QStringList{"$100.00", "$100.00", "$100.00"};
        QTest::newRow("PV annuity is the payments' sum")
            << TableKind::PresentValueOfAnnuity << QStringList{"$1,200.00", "$2,400.00", "$3,600.00"};
        QTest::newRow("FV annuity is the payments' sum")
            << TableKind::FutureValueOfAnnuity << QStringList{"$1,200.00", "$2,400.00", "$3,600.00"};
    }
    void zeroRate()
    {
        QFETCH(TableKind, kind);
        QFETCH(QStringList, texts);
        const ValueTable alone = build(kind, inputs("100", "12", "0.0", "0.0", "3", "1"));
        QCOMPARE(alone.rowCount(), 1);
        QCOMPARE(alone.rateLabel(0), QStringLiteral("0%"));
        QCOMPARE(QStringList({alone.cellText(0, 0), alone.cellText(0, 1), alone.cellText(0, 2)}), texts);
        // Reached by turning "5.0 down to 0.0" round: the 0% row then sits above real rates.
        const ValueTable range = build(kind, inputs("100", "12", "0.0", "5.0", "3", "1"));
        QCOMPARE(range.cellText(0, 2), texts[2]);
        QVERIFY(range.cellText(1, 2) != texts[2]);
    }

    void overflow_data()
    {
        QTest::addColumn<TableKind>("kind");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("text");
        // 3^100 still fits a double but not a 32-bit float; 1.1^10000 fits neither.
        QTest::newRow("FV amount, float range") << TableKind::FutureValueOfAmount << "200"
                                                << "Overflow";
        QTest::newRow("FV annuity, float range") << TableKind::FutureValueOfAnnuity << "200"
                                                 << "Overflow";
        QTest::newRow("FV amount, double range") << TableKind::FutureValueOfAmount << "1000"
                                                 << "Overflow";
        QTest::newRow("PV amount tends to nothing") << TableKind::PresentValueOfAmount << "200"
                                                    << "$0.00";
        QTest::newRow("PV annuity tends to A/i") << TableKind::PresentValueOfAnnuity << "200"
                                                 << "$500,000.00";
    }
    void overflow()
    {
        QFETCH(TableKind, kind);
        QFETCH(QString, rate);
        QFETCH(QString, text);
        const QString perYear = rate == u"1000" ? QStringLiteral("100") : QStringLiteral("1");
        const ValueTable t = build(kind, inputs("1000000", perYear, rate, "", "100"));
        QCOMPARE(t.cellText(0, 0), text);
        QCOMPARE(QString::fromUtf16(kOverflowText), QStringLiteral("Overflow"));
    }

    void runawayRangeStops()
    {
        // Past 2^24 a float no longer grows by 0.5, so without a limit this would never end.
        const ValueTable t =
            build(TableKind::PresentValueOfAmount, inputs("1", "1", "100000000", "0.5", "1"));
        QCOMPARE(t.rowCount(), kMaxTableLines);
    }

    void sentences_data()
    {
        QTest::addColumn<TableKind>("kind");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("PV amount") << TableKind::PresentValueOfAmount
                                   << "Present Value of an Amount:\rAmount(s) shown are what you need to put "
                                      "into a savings account now at "
                                      "interest rate(s) shown in the left column and interest is paid "
                                      "(compounded) 12 time(s) a year, to "
                                      "reach the amount entered of $1,000.00 in the years shown.";
        QTest::newRow("PV annuity") << TableKind::PresentValueOfAnnuity
                                    << "Present Value of an Annuity:\rThe amount you need in a savings "
                                       "account now to receive a payment of "
                                       "$1,000.00  12 time(s) a year for the number of years specified in "
                                       "the Top Column at interest rate(s) "
                                       "shown in the left column.";
        QTest::newRow("FV amount") << TableKind::FutureValueOfAmount
                                   << "Future Value of an Amount:\rAmount(s) show the future value if you "
                                      "put one lump sum of $1,000.00 into "
                                      "a savings account now at interest rate(s) shown in the left column "
                                      "and Interest was compounded 12 "
                                      "time(s) a year.";
        QTest::newRow("FV annuity") << TableKind::FutureValueOfAnnuity
                                    << "Future Value of an Annuity:\rAmount(s) show the future value if you "
                                       "put a sum of $1,000.00 into a "
                                       "savings account 12 time(s) a year for the number years shown at the "
                                       "interest rate(s) shown in the "
                                       "left column.";
    }
    void sentences()
    {
        QFETCH(TableKind, kind);
        QFETCH(QString, sentence);
        QCOMPARE(build(kind, inputs("1000", "12", "5.0", "0.0", "10")).sentence(), sentence);
    }

    void entryFilter_data()
    {
        QTest::addColumn<bool>("capped");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("message");
        QTest::newRow("above 100") << true << "150"
                                   << "100" << true;
        QTest::newRow("100 stays") << true << "100"
                                   << "100" << false;
        QTest::newRow("letter after digit") << true << "7a"
                                            << "7" << false;
        QTest::newRow("lone letter") << true << "a"
                                     << "" << false;
        QTest::newRow("point") << true << "1."
                               << "1" << false;
        QTest::newRow("only the last character") << true << "7a5"
                                                 << "7a5" << false;
        QTest::newRow("amount has no cap") << false << "1500000"
                                           << "1500000" << false;
        QTest::newRow("amount letter") << false << "15x"
                                       << "15" << false;
        QTest::newRow("other script digit") << false << QString::fromUtf16(u"4\u0664") << "4" << false;
    }
    void entryFilter()
    {
        QFETCH(bool, capped);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(bool, message);
        const EntryFilterResult r = capped ? filterCappedEntry(typed) : filterDigitEntry(typed);
        QCOMPARE(r.text, text);
        QCOMPARE(r.changed, text != typed);
        QCOMPARE(r.showMaximumMessage, message);
    }
};

TQ_ENGINE_TEST_MAIN(TestValueTables)
#include "tst_valuetables.moc"
