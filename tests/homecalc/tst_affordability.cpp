#include "common/numberformat.h"
#include "enginetest.h"
#include "homecalc/affordability.h"

#include <QTest>
#include <cmath>

using namespace tq;

namespace {

const QString kept = QStringLiteral("<kept>");

AffordabilityInputs inputs(const QString &income, const QString &debt, const QString &cash,
                           const QString &years = "30", const QString &rate = "7", const QString &limit = {})
{
    return {income, debt, cash, years, rate, limit};
}

} // namespace

class TestAffordability : public QObject
{
    Q_OBJECT
private Q_SLOTS:

    void workedExamples_data()
    {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("debt");
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<double>("p28");
        QTest::addColumn<double>("p36");
        QTest::addColumn<QString>("payment");
        QTest::addColumn<double>("pPrime");
        QTest::addColumn<QString>("loan");
        QTest::addColumn<QString>("closing");
        QTest::addColumn<QString>("down");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("factor");
        QTest::addColumn<QString>("limitAfter");

        QTest::newRow("cash limits") << "60000"
                                     << "300"
                                     << "20000"
                                     << "30"
                                     << "" << 1400.0 << 1500.0 << "$1,400.00" << 1118.0 << "$168,043.00"
                                     << "$3,361.00"
                                     << "$16,639.00"
                                     << "$184,682.00"
                                     << "9.01%"
                                     << "Cash Available for Down Payment"
                                     << "";
        QTest::newRow("debt limits") << "60000"
                                     << "800"
                                     << "20000"
                                     << "30"
                                     << "" << 1400.0 << 1000.0 << "$1,000.00" << 792.0 << "$119,043.00"
                                     << "$2,381.00"
                                     << "$17,619.00"
                                     << "$136,662.00"
                                     << "12.89%"
                                     << "Minimum Monthly Debt"
                                     << "";
        QTest::newRow("closing from loan") << "60000"
                                           << "300"
                                           << "2000"
                                           << "30"
                                           << "" << 1400.0 << 1500.0 << "$1,400.00" << 1143.0 << "$171,801.00"
                                           << "$3,436.00"
                                           << "$0.00"
                                           << "$168,365.00"
                                           << "0.00%"
                                           << "Cash Available for Down Payment"
                                           << "";
        QTest::newRow("limit below ratios")
            << "60000"
            << "300"
            << "20000"
            << "30"
            << "1000" << 1400.0 << 1500.0 << "$1,000.00" << 792.0 << "$119,043.00"
            << "$2,381.00"
            << "$17,619.00"
            << "$136,662.00"
            << "12.89%"
            << "Limit of Monthly Payment"
            << "1000";
        QTest::newRow("limit above, 15 years")
            << "60000"
            << "300"
            << "20000"
            << "15"
            << "2000" << 1400.0 << 1500.0 << "$1,400.00" << 1185.0 << "$131,838.00"
            << "$2,637.00"
            << "$17,363.00"
            << "$149,201.00"
            << "11.64%"
            << "Gross Amount of Annual Income"
            << "1400";
    }
    void workedExamples()
    {
        QFETCH(QString, income);
        QFETCH(QString, debt);
        QFETCH(QString, cash);
        QFETCH(QString, years);
        QFETCH(QString, limit);
        QFETCH(double, p28);
        QFETCH(double, p36);
        QFETCH(QString, payment);
        QFETCH(double, pPrime);
        QFETCH(QString, loan);
        QFETCH(QString, closing);
        QFETCH(QString, down);
        QFETCH(QString, home);
        QFETCH(QString, percent);
        QFETCH(QString, factor);
        QFETCH(QString, limitAfter);

        const AffordabilityResult r = Affordability::calculate(inputs(income, debt, cash, years, "7", limit));
        QCOMPARE(r.status, AffordabilityResult::Status::Calculated);
        QCOMPARE(r.housingPayment, p28);
        QCOMPARE(r.debtPayment, p36);
        QCOMPARE(formatCurrency(r.payment), payment);
        QCOMPARE(r.principalAndInterest, pPrime);
        QCOMPARE(formatCurrency(r.purchase.loan), loan);
        QCOMPARE(formatCurrency(r.purchase.closingCosts), closing);
        QCOMPARE(formatCurrency(r.purchase.downPayment), down);
        QCOMPARE(formatCurrency(r.purchase.home), home);
        QCOMPARE(formatPercent(r.downPaymentRatio), percent);
        QCOMPARE(r.limitingFactorText(), factor);
        QCOMPARE(r.limitBoxText.value_or(limit), limitAfter);
        QVERIFY(!r.rateBoxText);
        QVERIFY(r.printable());
    }

    void firstPassSizesTaxes()
    {
        const AffordabilityResult r = Affordability::calculate(inputs("60000", "300", "20000"));
        QCOMPARE(r.estimate.loan, 210430.0);
        QCOMPARE(r.estimate.closingCosts, 4209.0);
        QCOMPARE(r.estimate.downPayment, 15791.0);
        QCOMPARE(r.estimate.home, 226221.0);
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("debt");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<double>("payment");
        QTest::addColumn<QString>("factor");
        QTest::addColumn<bool>("printable");
        QTest::addColumn<QString>("limitBox");
        QTest::addColumn<QString>("rateBox");

        QTest::newRow("debt leaves nothing") << "30000"
                                             << "1000"
                                             << "7"
                                             << "" << -100.0 << "" << false << kept << kept;
        QTest::newRow("negative payment into limit") << "30000"
                                                     << "1000"
                                                     << "7"
                                                     << "500" << -100.0 << "" << false << "-100" << kept;
        QTest::newRow("income 0") << "0"
                                  << "300"
                                  << "7"
                                  << "" << -300.0 << "" << false << kept << kept;
        QTest::newRow("income 0 no debt") << "0"
                                          << ""
                                          << "7"
                                          << "" << 0.0 << "" << false << kept << kept;
        QTest::newRow("rate 0") << "60000"
                                << "300"
                                << "0"
                                << "" << 1400.0 << "Cash Available for Down Payment" << true << kept << "0.5";
        QTest::newRow("rate empty") << "60000"
                                    << "300"
                                    << ""
                                    << "" << 1400.0 << "Cash Available for Down Payment" << true << kept
                                    << "0.5";
        QTest::newRow("rate 0.5 kept")
            << "60000"
            << "300"
            << "0.5"
            << "" << 1400.0 << "Cash Available for Down Payment" << true << kept << kept;
        QTest::newRow("limit equals payment")
            << "60000"
            << "300"
            << "7"
            << "1400" << 1400.0 << "Cash Available for Down Payment" << true << kept << kept;
        QTest::newRow("limit whole part")
            << "60000"
            << "300"
            << "7"
            << "999.9" << 999.0 << "Limit of Monthly Payment" << true << kept << kept;
        QTest::newRow("limit 0 is none")
            << "60000"
            << "300"
            << "7"
            << "0" << 1400.0 << "Cash Available for Down Payment" << true << kept << kept;
    }
    void outcomes()
    {
        QFETCH(QString, income);
        QFETCH(QString, debt);
        QFETCH(QString, rate);
        QFETCH(QString, limit);
        QFETCH(double, payment);
        QFETCH(QString, factor);
        QFETCH(bool, printable);
        QFETCH(QString, limitBox);
        QFETCH(QString, rateBox);

        const AffordabilityResult r =
            Affordability::calculate(inputs(income, debt, "20000", "30", rate, limit));
        QCOMPARE(r.status, AffordabilityResult::Status::Calculated);
        QCOMPARE(r.payment, payment);
        QCOMPARE(r.limitingFactor.has_value(), !factor.isEmpty());
        QCOMPARE(r.limitingFactorText(), factor);
        QCOMPARE(r.printable(), printable);
        QCOMPARE(r.limitBoxText.value_or(kept), limitBox);
        QCOMPARE(r.rateBoxText.value_or(kept), rateBox);
    }

    // An empty or zero rate computes exactly as the default rate typed in.
    void defaultRateComputes()
    {
        const AffordabilityResult zero = Affordability::calculate(inputs("60000", "300", "20000", "30", "0"));
        const AffordabilityResult half =
            Affordability::calculate(inputs("60000", "300", "20000", "30", "0.5"));
        QCOMPARE(zero.purchase.loan, half.purchase.loan);
        QCOMPARE(zero.purchase.home, half.purchase.home);
        QVERIFY(half.purchase.loan > 168043); // more than the same payment buys at 7 %
    }

    void emptyIncomeIsAskedFor()
    {
        const AffordabilityResult r = Affordability::calculate(inputs("", "300", "20000"));
        QCOMPARE(r.status, AffordabilityResult::Status::IncomeMissing);
        QVERIFY(!r.printable());
        QVERIFY(!r.limitingFactor);
        QVERIFY(!r.rateBoxText);
    }

    void noMonthsNoLoan_data()
    {
        QTest::addColumn<QString>("years");
        QTest::newRow("0") << "0";
        QTest::newRow("empty") << "";
        QTest::newRow("negative") << "-5";
    }
    void noMonthsNoLoan()
    {
        QFETCH(QString, years);
        const AffordabilityResult r = Affordability::calculate(inputs("60000", "300", "20000.4", years));
        for (const AffordablePurchase &p : {r.estimate, r.purchase}) {
            QCOMPARE(p.loan, 0.0);
            QCOMPARE(p.closingCosts, 0.0);
            QCOMPARE(p.downPayment, 20000.0);
            QCOMPARE(p.home, 20000.0);
        }
        QCOMPARE(r.downPaymentRatio, 1.0);
        QCOMPARE(r.principalAndInterest, std::floor(1400 - (0.00124 * 20000 + 0.5)));
    }
};

TQ_ENGINE_TEST_MAIN(TestAffordability)
#include "tst_affordability.moc"
