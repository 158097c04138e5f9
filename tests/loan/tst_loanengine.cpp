#include "enginetest.h"
#include "loan/loanengine.h"

#include <QTest>
#include <cmath>

using namespace tq;

Q_DECLARE_METATYPE(tq::RangeFailure)
Q_DECLARE_METATYPE(tq::LengthUnit)
Q_DECLARE_METATYPE(tq::DownPaymentMode)

namespace {

double cents(double v)
{
    return std::round(v * 100.0) / 100.0;
}

LoanInputs loan(double amount, LengthUnit unit, double length, double rate)
{
    LoanInputs in;
    in.purchaseAmount = amount;
    in.lengthUnit = unit;
    in.minimumLength = in.maximumLength = length;
    in.minimumRate = in.maximumRate = rate;
    return in;
}

QList<double> ratesOf(const PaymentTable &t)
{
    QList<double> out;
    for (int r = 1; r <= t.rowCount(); ++r)
        out << t.rate(r);
    return out;
}

QList<double> lengthsOf(const PaymentTable &t)
{
    QList<double> out;
    for (int c = 1; c <= t.columnCount(); ++c)
        out << t.length(c);
    return out;
}

QList<double> span(double first, double last, double step)
{
    QList<double> out;
    for (double v = first; v <= last + 1e-9; v += step)
        out << v;
    return out;
}

} // namespace

class TestLoanEngine : public QObject
{
    Q_OBJECT
private Q_SLOTS:

    void loanAmount_data()
    {
        QTest::addColumn<DownPaymentMode>("mode");
        QTest::addColumn<double>("purchase");
        QTest::addColumn<double>("down");
        QTest::addColumn<double>("amount");
        QTest::newRow("percent") << DownPaymentMode::Percent << 200000.0 << 20.0 << 160000.0;
        QTest::newRow("percent none") << DownPaymentMode::Percent << 200000.0 << 0.0 << 200000.0;
        QTest::newRow("amount") << DownPaymentMode::Amount << 200000.0 << 20000.0 << 180000.0;
        QTest::newRow("amount is purchase") << DownPaymentMode::Amount << 200000.0 << 200000.0 << 0.0;
        // A purchase lowered after the down payment was accepted: negative, not an error.
        QTest::newRow("amount above purchase") << DownPaymentMode::Amount << 100000.0 << 150000.0 << -50000.0;
    }
    void loanAmount()
    {
        QFETCH(DownPaymentMode, mode);
        QFETCH(double, purchase);
        QFETCH(double, down);
        QFETCH(double, amount);
        LoanInputs in;
        in.purchaseAmount = purchase;
        in.downPayment = down;
        in.downPaymentMode = mode;
        QCOMPARE(LoanEngine::loanAmount(in), amount);
    }

    // Normalisation followed by the table build: which rates and lengths appear.
    void ranges_data()
    {
        QTest::addColumn<LengthUnit>("unit");
        QTest::addColumn<double>("minLength");
        QTest::addColumn<double>("maxLength");
        QTest::addColumn<bool>("minEntered");
        QTest::addColumn<bool>("maxEntered");
        QTest::addColumn<double>("minRate");
        QTest::addColumn<double>("maxRate");
        QTest::addColumn<RangeFailure>("failure");
        QTest::addColumn<QList<double>>("rates");
        QTest::addColumn<QList<double>>("lengths");

        const auto Y = LengthUnit::Years;
        const auto M = LengthUnit::Months;
        const auto ok = RangeFailure::None;
        const QList<double> none;
        QTest::newRow("min rate below step") << Y << 30.0 << 30.0 << true << true << 0.0 << 7.0 << ok
                                             << QList<double>{7.0} << QList<double>{30};
        QTest::newRow("typed rates") << Y << 30.0 << 30.0 << true << true << 6.3 << 7.0 << ok
                                     << QList<double>{6.3, 6.8} << QList<double>{30};
        QTest::newRow("both exchanged") << Y << 30.0 << 15.0 << true << true << 7.0 << 5.0 << ok
                                        << span(5.0, 7.0, 0.5) << span(15, 30, 1);
        QTest::newRow("min length 0") << Y << 0.0 << 10.0 << true << true << 6.0 << 6.0 << ok
                                      << QList<double>{6.0} << QList<double>{10};
        QTest::newRow("only minimum") << Y << 20.0 << 0.0 << true << false << 6.0 << 6.0 << ok
                                      << QList<double>{6.0} << QList<double>{20};
        QTest::newRow("only maximum") << M << 0.0 << 18.0 << false << true << 6.0 << 6.0 << ok
                                      << QList<double>{6.0} << QList<double>{18};
        QTest::newRow("max rate off step") << Y << 30.0 << 30.0 << true << true << 6.0 << 7.25 << ok
                                           << QList<double>{6.0, 6.5, 7.0} << QList<double>{30};
        QTest::newRow("typed whole steps") << Y << 30.0 << 30.0 << true << true << 1.3 << 2.3 << ok
                                           << QList<double>{1.3, 1.8, 2.3} << QList<double>{30};
        QTest::newRow("max typed 0 min 5")
            << Y << 5.0 << 0.0 << true << true << 6.0 << 6.0 << ok << QList<double>{6.0} << QList<double>{5};
        QTest::newRow("max rate 0.4 exchanged") << Y << 30.0 << 30.0 << true << true << 7.0 << 0.4 << ok
                                                << QList<double>{7.0} << QList<double>{30};
        QTest::newRow("no lengths") << Y << 10.0 << 20.0 << false << false << 6.0 << 7.0
                                    << RangeFailure::NoMaximumLength << none << none;
        QTest::newRow("both lengths 0")
            << Y << 0.0 << 0.0 << true << true << 6.0 << 7.0 << RangeFailure::NoMaximumLength << none << none;
        QTest::newRow("max 0 min empty") << M << 0.0 << 0.0 << false << true << 6.0 << 7.0
                                         << RangeFailure::NoMaximumLength << none << none;
        QTest::newRow("rates 0") << Y << 30.0 << 30.0 << true << true << 0.0 << 0.0
                                 << RangeFailure::MaximumRateTooLow << none << none;
        QTest::newRow("rates below 0.5") << Y << 30.0 << 30.0 << true << true << 0.2 << 0.4
                                         << RangeFailure::MaximumRateTooLow << none << none;
        QTest::newRow("100 years") << Y << 99.0 << 100.0 << true << true << 6.0 << 6.0 << ok
                                   << QList<double>{6.0} << QList<double>{99, 100};
        QTest::newRow("101 years") << Y << 1.0 << 101.0 << true << true << 6.0 << 6.0
                                   << RangeFailure::LengthTooLong << none << none;
        QTest::newRow("1200 months") << M << 1200.0 << 1200.0 << true << true << 6.0 << 6.0 << ok
                                     << QList<double>{6.0} << QList<double>{1200};
        QTest::newRow("1201 months exchanged") << M << 1201.0 << 12.0 << true << true << 6.0 << 6.0
                                               << RangeFailure::LengthTooLong << none << none;
        QTest::newRow("rate 100") << M << 12.0 << 12.0 << true << true << 99.5 << 100.0 << ok
                                  << QList<double>{99.5, 100.0} << QList<double>{12};
        QTest::newRow("rate above 100")
            << M << 12.0 << 12.0 << true << true << 100.5 << 6.0 << RangeFailure::RateTooHigh << none << none;
    }
    void ranges()
    {
        QFETCH(LengthUnit, unit);
        QFETCH(double, minLength);
        QFETCH(double, maxLength);
        QFETCH(bool, minEntered);
        QFETCH(bool, maxEntered);
        QFETCH(double, minRate);
        QFETCH(double, maxRate);
        QFETCH(RangeFailure, failure);
        QFETCH(QList<double>, rates);
        QFETCH(QList<double>, lengths);

        LoanInputs in = loan(100000, unit, 0, 0);
        in.minimumLength = minLength;
        in.maximumLength = maxLength;
        in.minimumRate = minRate;
        in.maximumRate = maxRate;
        const RangeNormalisation norm = LoanEngine::normaliseRanges(in, minEntered, maxEntered);
        QCOMPARE(norm.failure, failure);
        if (!norm.ok())
            return;
        const PaymentTable table = LoanEngine::buildTable(norm.inputs);
        QCOMPARE(ratesOf(table), rates);
        QCOMPARE(lengthsOf(table), lengths);
        for (int r = 1; r <= table.rowCount(); ++r)
            for (int c = 1; c <= table.columnCount(); ++c)
                QVERIFY2(std::isfinite(table.payment(r, c)) && table.payment(r, c) > 0, "payment");
    }

    // The window shows the exchanged values in its boxes, failure or not.
    void exchangesReported()
    {
        LoanInputs in = loan(100000, LengthUnit::Years, 0, 0);
        in.minimumLength = 30;
        in.maximumLength = 15;
        in.minimumRate = 0.4;
        in.maximumRate = 0.0;
        const RangeNormalisation norm = LoanEngine::normaliseRanges(in, true, true);
        QCOMPARE(norm.failure, RangeFailure::MaximumRateTooLow);
        QVERIFY(norm.lengthsExchanged);
        QVERIFY(norm.ratesExchanged);
        QCOMPARE(norm.inputs.minimumLength, 15.0);
        QCOMPARE(norm.inputs.maximumRate, 0.4);

        in.minimumRate = 0.0;
        in.maximumRate = 7.0;
        const RangeNormalisation raised = LoanEngine::normaliseRanges(in, true, true);
        QVERIFY(raised.ok());
        QVERIFY(raised.minimumRateRaised);
        QVERIFY(!raised.ratesExchanged);
        QCOMPARE(raised.inputs.minimumRate, 7.0);
    }

    void schedule_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<LengthUnit>("unit");
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("payment");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("totalInterest");
        QTest::addColumn<double>("lastBalance");
        QTest::addColumn<QString>("label");
        QTest::newRow("30 years at 6")
            << 100000.0 << LengthUnit::Years << 30.0 << 6.0 << 599.55 << 360 << 115838.23 << 0.04 << "6.0%";
        QTest::newRow("12 months at 0.5")
            << 10000.0 << LengthUnit::Months << 12.0 << 0.5 << 835.59 << 12 << 27.11 << 0.01 << "0.5%";
        QTest::newRow("no loan") << 0.0 << LengthUnit::Years << 5.0 << 6.5 << 0.0 << 60 << 0.0 << 0.0
                                 << "6.5%";
    }
    void schedule()
    {
        QFETCH(double, amount);
        QFETCH(LengthUnit, unit);
        QFETCH(double, length);
        QFETCH(double, rate);
        QFETCH(double, payment);
        QFETCH(int, count);
        QFETCH(double, totalInterest);
        QFETCH(double, lastBalance);
        QFETCH(QString, label);

        const PaymentTable table = LoanEngine::buildTable(loan(amount, unit, length, rate));
        QCOMPARE(table.rowCount(), 1);
        QCOMPARE(table.columnCount(), 1);
        QCOMPARE(cents(table.payment(1, 1)), payment);

        const auto s = LoanEngine::buildSchedule(table, 1, 1);
        QVERIFY(s);
        QCOMPARE(s->payment, table.payment(1, 1));
        QCOMPARE(s->paymentCount, count);
        QCOMPARE(int(s->rows.size()), count);
        QCOMPARE(s->rateLabel, label);
        QCOMPARE(s->openingBalance, amount);
        QCOMPARE(cents(s->totalInterest), totalInterest);
        QCOMPARE(cents(s->rows.back().interestToDate), totalInterest);
        QCOMPARE(s->rows.back().number, count);
        // The last balance is what the interest rounding leaves: no final adjustment.
        QCOMPARE(cents(s->rows.back().balance) + 1.0, lastBalance + 1.0);
    }

    void firstScheduleRow()
    {
        const PaymentTable table = LoanEngine::buildTable(loan(100000, LengthUnit::Years, 30, 6.0));
        QCOMPARE(table.payment(1, 1), 599.5505251527569);
        const ScheduleRow row = LoanEngine::buildSchedule(table, 1, 1)->rows.front();
        QCOMPARE(row.number, 1);
        QCOMPARE(cents(row.principal), 99.55);
        QCOMPARE(row.interest, 500.00);
        QCOMPARE(cents(row.balance), 99900.45);
        QCOMPARE(row.interestToDate, 500.00);
        // The payment stays unrounded in every row.
        QCOMPARE(row.principal + row.interest, table.payment(1, 1));
    }

    void interestRoundsHalfCentUp()
    {
        // 1,000 at 1.2 % has 1.00 interest a month; 1,005 has 1.005, which rounds up to 1.01.
        const PaymentTable table = LoanEngine::buildTable(loan(1005, LengthUnit::Months, 2, 1.2));
        QCOMPARE(LoanEngine::buildSchedule(table, 1, 1)->rows.front().interest, 1.01);
    }

    void tableCells()
    {
        LoanInputs in = loan(200000, LengthUnit::Years, 0, 0);
        in.downPayment = 20;
        in.minimumLength = 15;
        in.maximumLength = 30;
        in.minimumRate = 5.0;
        in.maximumRate = 7.0;
        const PaymentTable table = LoanEngine::buildTable(in);
        QCOMPARE(table.loanAmount(), 160000.0);
        QCOMPARE(table.rowCount(), 5);
        QCOMPARE(table.columnCount(), 16);
        QCOMPARE(table.paymentCount(16), 360);
        QCOMPARE(table.payment(3, 1), LoanEngine::payment(160000, 6.0, 180));
        QCOMPARE(table.referencePayment(), table.payment(5, 16));
        QCOMPARE(cents(table.referencePayment()), 1064.48);
        QCOMPARE(table.payment(0, 1), 0.0);
        QVERIFY(!LoanEngine::buildSchedule(table, 0, 1));
        QVERIFY(!LoanEngine::buildSchedule(table, 6, 1));
        QVERIFY(!LoanEngine::buildSchedule(table, 1, 17));
        QCOMPARE(LoanEngine::buildSchedule(table, 2, 16)->rows.size(), std::size_t(360));
        QCOMPARE(LoanEngine::buildSchedule(table, 2, 16)->rateLabel, QStringLiteral("5.5%"));
    }

    void zeroLoanPaysNothing()
    {
        LoanInputs in = loan(200000, LengthUnit::Years, 0, 0);
        in.downPaymentMode = DownPaymentMode::Amount;
        in.downPayment = 200000;
        in.minimumLength = 10;
        in.maximumLength = 12;
        in.minimumRate = 5.0;
        in.maximumRate = 6.0;
        const PaymentTable table = LoanEngine::buildTable(in);
        QCOMPARE(table.rowCount() * table.columnCount(), 9);
        for (int r = 1; r <= table.rowCount(); ++r)
            for (int c = 1; c <= table.columnCount(); ++c)
                QCOMPARE(table.payment(r, c) + 1.0, 1.0);
    }

    // The formula itself never divides by zero, even when called outside the table.
    void paymentGuards()
    {
        QCOMPARE(LoanEngine::payment(100000, 6.0, 0), 0.0);
        QCOMPARE(LoanEngine::payment(1200, 0.0, 12), 100.0);
        QCOMPARE(cents(LoanEngine::payment(-50000, 6.0, 360)), -299.78);
        QVERIFY(LoanEngine::buildTable(LoanInputs{}).isEmpty());
    }
};

TQ_ENGINE_TEST_MAIN(TestLoanEngine)
#include "tst_loanengine.moc"
