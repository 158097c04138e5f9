#include "common/dateformat.h"
#include "common/numberformat.h"
#include "common/wholenumber.h"
#include "enginetest.h"

#include <QRegularExpression>
#include <QTest>
#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

using namespace tq;

class TestNumberFormat : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("trailing letter") << "12a" << 12.0;
        QTest::newRow("inner letter") << "1a2" << 1.0;
        QTest::newRow("decimal") << "6.5" << 6.5;
        QTest::newRow("slash stops") << "6/5" << 6.0;
        QTest::newRow("leading blanks") << "  42" << 42.0;
        QTest::newRow("negative") << "-3.25x" << -3.25;
        QTest::newRow("exponent E") << "1.5E+3" << 1500.0;
        QTest::newRow("exponent D") << "2D2" << 200.0;
        QTest::newRow("bare exponent ignored") << "7E" << 7.0;
        QTest::newRow("point only") << "." << 0.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("plus sign") << "+2.5" << 2.5;
        QTest::newRow("lower-case d") << "3d1" << 30.0;
        QTest::newRow("beyond a double") << "1E999" << 0.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(tq::leadingNumber(text), value);
    }

    void strictNumber()
    {
        QCOMPARE(tq::strictNumber(u" 16777215 "), std::optional<double>(16777215.0));
        QCOMPARE(tq::strictNumber(u"12a"), std::nullopt);
        QCOMPARE(tq::strictNumber(u""), std::nullopt);
        QCOMPARE(tq::strictNumber(u"Default"), std::nullopt);
        QCOMPARE(tq::strictNumber(u"-0.5"), std::optional<double>(-0.5));
    }

    void pattern_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::newRow("half no leading zero") << 0.5 << "####.00"
                                              << ".50";
        QTest::newRow("zero") << 0.0 << "####.00"
                              << ".00";
        QTest::newRow("plain") << 1234.5 << "#####.00"
                               << "1234.50";
        QTest::newRow("trailing blank kept") << 12.0 << "######.00 "
                                             << "12.00 ";
        QTest::newRow("half cent away from zero") << 2.675 << "####.00"
                                                  << "2.68";
        QTest::newRow("1.005") << 1.005 << "####.00"
                               << "1.01";
        QTest::newRow("negative half away") << -2.675 << "####.00"
                                            << "-2.68";
        QTest::newRow("grouped dollars") << 1234567.0 << "$##,###,###"
                                         << "$1,234,567";
        QTest::newRow("grouped rounds half up") << 999.5 << "$##,###,###"
                                                << "$1,000";
        QTest::newRow("negative dollars") << -1500.0 << "$##,###,###"
                                          << "-$1,500";
        QTest::newRow("report cents") << 0.45 << "$###,###,###.00"
                                      << "$.45";
        QTest::newRow("report zero") << 0.0 << "$###,###,###.00"
                                     << "$.00";
        QTest::newRow("report large") << 99900.45 << "$###,###,###.00"
                                      << "$99,900.45";
        QTest::newRow("percent") << 0.0901 << "##0.00%"
                                 << "9.01%";
        QTest::newRow("percent zero") << 0.0 << "##0.00%"
                                      << "0.00%";
        QTest::newRow("one decimal") << 6.5 << "0.0"
                                     << "6.5";
        QTest::newRow("one decimal whole") << 25.0 << "0.0"
                                           << "25.0";
        QTest::newRow("one decimal below one") << 0.5 << "0.0"
                                               << "0.5";
        QTest::newRow("tiny negative is zero") << -0.001 << "####.00"
                                               << ".00";
        QTest::newRow("huge") << 1e12 << "$##,###,###"
                              << "$1,000,000,000,000";
    }
    void pattern()
    {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QCOMPARE(formatPattern(value, pattern), text);
    }

    void currencyAndPercent()
    {
        QCOMPARE(formatCurrency(1234.56), QStringLiteral("$1,234.56"));
        QCOMPARE(formatCurrency(-5), QStringLiteral("($5.00)"));
        QCOMPARE(formatCurrency(0), QStringLiteral("$0.00"));
        QCOMPARE(formatCurrency(599.5505), QStringLiteral("$599.55"));
        QCOMPARE(formatCurrency(0.005), QStringLiteral("$0.01"));
        QCOMPARE(formatCurrency(184682), QStringLiteral("$184,682.00"));
        QCOMPARE(formatPercent(0.855), QStringLiteral("85.50%"));
        QCOMPARE(formatPercent(0.0901), QStringLiteral("9.01%"));
        QCOMPARE(formatPercent(0), QStringLiteral("0.00%"));
    }

    // No formatter prints "nan" or "inf", and the largest doubles keep their digits.
    void formattersAreTotal_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("general");
        const double inf = std::numeric_limits<double>::infinity();
        const QString overflow = QStringLiteral("Overflow");
        QTest::newRow("nan") << std::nan("") << overflow << overflow << overflow;
        QTest::newRow("infinity") << inf << overflow << overflow << overflow;
        QTest::newRow("minus infinity") << -inf << overflow << overflow << overflow;
        const QString maxDigits =
            QStringLiteral("179,769,313,486,231,570,814,527,423,731,704,356,798,070,567,525,844,996,"
                           "598,917,476,803,157,260,780,028,538,760,589,558,632,766,878,171,540,"
                           "458,953,514,382,464,234,321,326,889,464,182,768,467,546,703,537,516,"
                           "986,049,910,576,551,282,076,245,490,090,389,328,944,075,868,508,455,"
                           "133,942,304,583,236,903,222,948,165,808,559,332,123,348,274,797,826,"
                           "204,144,723,168,738,177,180,919,299,881,250,404,026,184,124,858,368");
        QTest::newRow("largest double")
            << DBL_MAX << u'$' + maxDigits + QStringLiteral(".00")
            << QStringLiteral("$179,769,313,486,232") + QStringLiteral(",000").repeated(98)
            << "1.79769313486232E+308";
        QTest::newRow("largest amount") << largestAmount << "$999,999,999,999.00"
                                        << "$999,999,999,999"
                                        << "999999999999";
    }
    void formattersAreTotal()
    {
        QFETCH(double, value);
        QFETCH(QString, currency);
        QFETCH(QString, pattern);
        QFETCH(QString, general);
        QCOMPARE(formatCurrency(value), currency);
        QCOMPARE(formatPattern(value, u"$##,###,###"), pattern);
        QCOMPARE(formatGeneral(value), general);
        QVERIFY(!formatPercent(value).contains(u'n', Qt::CaseInsensitive));
    }

    // Stored or typed doubles of any size become ints without undefined behaviour.
    void wholeNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("truncated");
        QTest::addColumn<int>("rounded");
        QTest::addColumn<bool>("whole");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("half") << 2.5 << 2 << 3 << false;
        QTest::newRow("minus half") << -2.5 << -2 << -3 << false;
        QTest::newRow("largest int") << 2147483647.0 << INT_MAX << INT_MAX << true;
        QTest::newRow("just below the ceiling") << 2147483647.9 << INT_MAX << INT_MAX << false;
        QTest::newRow("ceiling") << 2147483648.0 << INT_MAX << INT_MAX << false;
        QTest::newRow("smallest int") << -2147483648.0 << INT_MIN << INT_MIN << true;
        QTest::newRow("just above the floor") << -2147483648.9 << INT_MIN << INT_MIN << false;
        QTest::newRow("huge") << 1e300 << INT_MAX << INT_MAX << false;
        QTest::newRow("minus huge") << -1e300 << INT_MIN << INT_MIN << false;
        QTest::newRow("infinity") << inf << INT_MAX << INT_MAX << false;
        QTest::newRow("nan") << std::nan("") << 0 << 0 << false;
    }
    void wholeNumbers()
    {
        QFETCH(double, value);
        QFETCH(int, truncated);
        QFETCH(int, rounded);
        QFETCH(bool, whole);
        QCOMPARE(truncatedInt(value), truncated);
        QCOMPARE(roundedInt(value), rounded);
        QCOMPARE(wholeIntIn(value, INT_MIN, INT_MAX).has_value(), whole);
        QCOMPARE(storedColourNumber(value).has_value(), std::isfinite(value) && std::fabs(value) < 3e9);
    }

    void general_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("sqrt 2") << std::sqrt(2.0) << "1.4142135623731";
        QTest::newRow("sin 30") << std::sin(30.0) << "-0.988031624092862";
        QTest::newRow("whole") << 20.0 << "20";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("below one") << 0.25 << "0.25";
        QTest::newRow("large") << 1e20 << "1E+20";
        QTest::newRow("small") << 1.5e-7 << "1.5E-07";
        QTest::newRow("pi") << 4 * std::atan(1.0) << "3.14159265358979";
    }
    void general()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(formatGeneral(value), text);
    }

    void shortDateHasFourDigitYear_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("United States") << "en_US"
                                       << "3/14/2007";
        QTest::newRow("Germany") << "de_DE"
                                 << "14.03.2007";
        QTest::newRow("already four digits") << "en_GB"
                                             << "14/03/2007";
    }
    void shortDateHasFourDigitYear()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const QString printed = formatShortDate(QDate(2007, 3, 14));
        QLocale::setDefault(before);
        QCOMPARE(printed, text);
    }
};

TQ_ENGINE_TEST_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
