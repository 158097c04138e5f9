#include "components/fittext.h"
#include "fakes.h"

#include <QFontMetricsF>
#include <QTest>
#include <cmath>

using namespace tq;

namespace {

const QString figure = QStringLiteral("8888.88");

double advance(const QFont &font)
{
    return QFontMetricsF(font).horizontalAdvance(figure);
}

} // namespace

class TstFitText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The widest, then largest, font that fits: one step wider or larger would not.
    void fontFittingTakesTheLargestThatFits_data()
    {
        QTest::addColumn<double>("roomShare"); // of the design font's advance
        QTest::newRow("fits as designed") << 1.0;
        QTest::newRow("narrowed a step") << 0.97;
        QTest::newRow("narrowed") << 0.88;
        QTest::newRow("narrowest") << 0.81;
        QTest::newRow("shrunk a step") << 0.77;
        QTest::newRow("shrunk") << 0.6;
        QTest::newRow("shrunk far") << 0.55;
        QTest::newRow("nothing fits") << 0.05;
    }
    void fontFittingTakesTheLargestThatFits()
    {
        QFETCH(double, roomShare);
        QFont design(QStringLiteral("Sans Serif"));
        design.setPointSizeF(10);
        const int room = int(std::ceil(advance(design) * roomShare));
        const FitLimits limits;
        const QFont fitted = fontFitting(design, {figure}, QSize(room, 1000), limits);

        if (roomShare == 1.0) {
            QCOMPARE(fitted, design);
            return;
        }
        const bool narrowed = fitted.pointSizeF() == design.pointSizeF();
        if (narrowed) {
            QVERIFY(fitted.stretch() >= limits.narrowestStretch);
            QVERIFY(advance(fitted) <= room);
            QFont wider = fitted;
            wider.setStretch(fitted.stretch() + 5);
            QVERIFY(fitted.stretch() == 95 || advance(wider) > room);
            return;
        }
        QCOMPARE(fitted.stretch(), limits.narrowestStretch);
        if (roomShare < 0.1) {
            QVERIFY(fitted.pointSizeF() <= limits.smallestPoints);
            QVERIFY(fitted.pointSizeF() > limits.smallestPoints - 0.5);
            return;
        }
        QVERIFY(advance(fitted) <= room);
        QFont larger = fitted;
        larger.setPointSizeF(fitted.pointSizeF() + 0.5);
        QVERIFY(advance(larger) > room);
    }
};

TQ_TEST_MAIN(TstFitText)
#include "tst_fittext.moc"
