#include "common/dateformat.h"
#include "common/numberformat.h"
#include "fakes.h"

#include <QApplication>
#include <QTest>

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
        QTest::newRow("half no leading zero") << 0.5 << "####.00" << ".50";
        QTest::newRow("zero") << 0.0 << "####.00" << ".00";
        QTest::newRow("plain") << 1234.5 << "#####.00" << "1234.50";
        QTest::newRow("trailing blank kept") << 12.0 << "######.00 " << "12.00 ";
        QTest::newRow("half cent away from zero") << 2.675 << "####.00" << "2.68";
        QTest::newRow("1.005") << 1.005 << "####.00" << "1.01";
        QTest::newRow("negative half away") << -2.675 << "####.00" << "-2.68";
        QTest::newRow("grouped dollars") << 1234567.0 << "$##,###,###" << "$1,234,567";
        QTest::newRow("grouped rounds half up") << 999.5 << "$##,###,###" << "$1,000";
        QTest::newRow("negative dollars") << -1500.0 << "$##,###,###" << "-$1,500";
        QTest::newRow("report cents") << 0.45 << "$###,###,###.00" << "$.45";
        QTest::newRow("report zero") << 0.0 << "$###,###,###.00" << "$.00";
        QTest::newRow("report large") << 99900.45 << "$###,###,###.00" << "$99,900.45";
        QTest::newRow("percent") << 0.0901 << "##0.00%" << "9.01%";
        QTest::newRow("percent zero") << 0.0 << "##0.00%" << "0.00%";
        QTest::newRow("one decimal") << 6.5 << "0.0" << "6.5";
        QTest::newRow("one decimal whole") << 25.0 << "0.0" << "25.0";
        QTest::newRow("one decimal below one") << 0.5 << "0.0" << "0.5";
        QTest::newRow("tiny negative is zero") << -0.001 << "####.00" << ".00";
        QTest::newRow("huge") << 1e12 << "$##,###,###" << "$1,000,000,000,000";
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

TQ_TEST_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
