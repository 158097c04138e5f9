#include "common/windows1252.h"

#include <QTest>

using namespace tq;

class TestWindows1252 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyByteReadsAndWritesBack()
    {
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        const QString text = decodeWindows1252(all);
        QCOMPARE(text.at(0x80), QChar(0x20AC)); // euro sign
        QCOMPARE(text.at(0x93), QChar(0x201C)); // left double quotation mark
        QCOMPARE(text.at(0xE9), QChar(0xE9));
        bool lossless = false;
        QCOMPARE(encodeWindows1252(text, &lossless), all);
        QVERIFY(lossless);
        QVERIFY(isWindows1252(text));
    }

    void charactersOutsideAreFlagged()
    {
        const QString text = QStringLiteral("Rent \u4E2D\u2192");
        QVERIFY(!isWindows1252(text));
        bool lossless = true;
        QCOMPARE(encodeWindows1252(text, &lossless), QByteArray("Rent ??"));
        QVERIFY(!lossless);
    }
};

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
