#include "common/recordfile.h"
#include "components/grid.h"
#include "fakes.h"
#include "frame/gridcolours.h"

#include <QImage>
#include <QTest>

using namespace tq;
using namespace tq::test;

class TestGridColours : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void appliesStoredValues_data();
    void appliesStoredValues();
};

void TestGridColours::appliesStoredValues_data()
{
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<QColor>("expectedBackground"); // invalid: the grid's normal background
    QTest::addColumn<QColor>("expectedText");

    // clang-format off
    QTest::newRow("nothing stored") << QString() << QString() << false << QColor() << QColor(Qt::black);
    QTest::newRow("Default") << "Default" << "" << false << QColor() << QColor(Qt::black);
    // Colour numbers are 0x00BBGGRR: 255 is red, 16711680 blue.
    QTest::newRow("colour numbers") << "255" << "16711680" << false << QColor(255, 0, 0) << QColor(0, 0, 255);
    QTest::newRow("padded number") << " 65280 " << "0" << false << QColor(0, 255, 0) << QColor(0, 0, 0);
    QTest::newRow("text not a number") << "12x" << "blue" << false << QColor() << QColor(Qt::black);
    QTest::newRow("picture, lower case") << "wp7" << "65535" << true << QColor() << QColor(255, 255, 0);
    QTest::newRow("missing picture") << "WP8" << "" << false << QColor() << QColor(Qt::black);
    // clang-format on
}

void TestGridColours::appliesStoredValues()
{
    QFETCH(QString, background);
    QFETCH(QString, text);
    QFETCH(bool, picture);
    QFETCH(QColor, expectedBackground);
    QFETCH(QColor, expectedText);

    TestProgram t;
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(t.program.folder.filePath(QStringLiteral("wp7.jpg"))));
    const RecordFile gcolor1(t.program.folder.filePath(QStringLiteral("GColor1.Fil")), 20);
    QVERIFY(gcolor1.writeString(14, background));
    QVERIFY(gcolor1.writeString(15, text));

    Grid grid;
    const QColor normal = grid.palette().color(QPalette::Base);
    applyStoredGridColours(grid, t.program);

    QCOMPARE(grid.hasBackgroundPicture(), picture);
    if (!picture)
        QCOMPARE(grid.backgroundColor(), expectedBackground.isValid() ? expectedBackground : normal);
    QCOMPARE(grid.textColor(), expectedText);
}

TQ_TEST_MAIN(TestGridColours)
#include "tst_gridcolours.moc"
