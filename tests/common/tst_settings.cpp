#include "common/recordfile.h"
#include "common/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tq;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, qint64 offset, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    if (f.size() < offset)
        f.resize(offset);
    QVERIFY(f.seek(offset));
    f.write(bytes);
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private Q_SLOTS:
    void init()
    {
        for (const char *name : {"PREF3.Fil", "PREFNAME.FIL", "GColor1.Fil", "GColor3.Fil", "rec.Fil"})
            QFile::remove(path(name));
    }

    void encodings_data()
    {
        QTest::addColumn<int>("kind"); // 0 string, 1 variant, 2 integer
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("variantKind");
        QTest::addColumn<int>("number");
        QTest::addColumn<QByteArray>("bytes");
        const int str = int(RecordVariant::Kind::String);
        QTest::newRow("string") << 0 << "Yes" << 0 << 0 << QByteArray::fromHex("0300596573");
        QTest::newRow("string empty") << 0 << "" << 0 << 0 << QByteArray::fromHex("0000");
        QTest::newRow("string 8-bit")
            << 0 << QString::fromUtf8("Ren\u00e9") << 0 << 0 << QByteArray::fromHex("040052656ee9");
        QTest::newRow("variant empty (0)")
            << 1 << "" << int(RecordVariant::Kind::Empty) << 0 << QByteArray::fromHex("0000");
        QTest::newRow("variant int16 (2)")
            << 1 << "" << int(RecordVariant::Kind::Int16) << -2 << QByteArray::fromHex("0200feff");
        QTest::newRow("variant int32 (3)") << 1 << "" << int(RecordVariant::Kind::Int32) << 0x00FF0000
                                           << QByteArray::fromHex("03000000ff00");
        QTest::newRow("variant string (8)")
            << 1 << "Def" << str << 0 << QByteArray::fromHex("08000300446566");
        QTest::newRow("integer") << 2 << "" << 0 << -300 << QByteArray::fromHex("d4fe");
    }
    void encodings()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(int, variantKind);
        QFETCH(int, number);
        QFETCH(QByteArray, bytes);
        const RecordFile file(path("rec.Fil"), 20);
        const RecordVariant variant{RecordVariant::Kind(variantKind), number, text};
        // Record 2: the value starts at byte 20 and the file ends with it.
        const bool written = kind == 0   ? file.writeString(2, text)
                             : kind == 1 ? file.writeVariant(2, variant)
                                         : file.writeInt16(2, qint16(number));
        QVERIFY(written);
        QCOMPARE(fileBytes(path("rec.Fil")), QByteArray(20, '\0') + bytes);
        // And it reads back as written.
        if (kind == 0)
            QCOMPARE(file.readString(2), text);
        else if (kind == 1)
            QCOMPARE(file.readVariant(2), variant);
        else
            QCOMPARE(file.readInt16(2), qint16(number));
    }

    void readsHandMadeRecords()
    {
        writeBytes(path("PREF3.Fil"), 20, QByteArray::fromHex("0300ff000000"));
        QCOMPARE(Settings(QDir(m_dir.path())).background(),
                 (BackgroundValue{BackgroundValue::Kind::Colour, 0xFF, {}}));
        writeBytes(path("PREFNAME.FIL"), 0,
                   QByteArray::fromHex("0500536d697468") + QByteArray("junk after value"));
        QCOMPARE(Settings(QDir(m_dir.path())).familyName(), QStringLiteral("Smith"));
        writeBytes(path("rec.Fil"), 0, QByteArray::fromHex("02000700"));
        QCOMPARE(RecordFile(path("rec.Fil"), 10).readVariant(1),
                 (RecordVariant{RecordVariant::Kind::Int16, 7, {}}));
    }

    void beyondTheEndReadsEmpty()
    {
        writeBytes(path("rec.Fil"), 0, QByteArray::fromHex("0300596573"));
        const RecordFile file(path("rec.Fil"), 20);
        QCOMPARE(file.readString(5), QString());
        QVERIFY(file.readVariant(5).isEmpty());
        QCOMPARE(file.readInt16(5), qint16(0));
    }

    void tooLongValueKeepsOldBytes()
    {
        const RecordFile file(path("rec.Fil"), 10);
        QVERIFY(file.writeString(1, QStringLiteral("12345678"))); // exactly fits: 10 - 2
        const QByteArray before = fileBytes(path("rec.Fil"));
        QVERIFY(!file.writeString(1, QStringLiteral("123456789")));
        QVERIFY(!file.writeVariant(1, RecordVariant::string(QStringLiteral("1234567"))));
        QCOMPARE(fileBytes(path("rec.Fil")), before);
        QVERIFY(file.writeVariant(1, RecordVariant::string(QStringLiteral("123456")))); // 10 - 4
    }

    void missingFileCreatedEmpty()
    {
        const Settings settings{QDir(m_dir.path())};
        QCOMPARE(settings.familyName(), QString());
        QVERIFY(QFile::exists(path("PREFNAME.FIL")));
        QCOMPARE(QFileInfo(path("PREFNAME.FIL")).size(), 0);
        QVERIFY(!settings.anyUnreadable());
    }

    void background_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("kind");
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<QString>("picture");
        const int colour = int(BackgroundValue::Kind::Colour);
        QTest::newRow("empty is blue") << QByteArray() << colour << colourBlue << "";
        QTest::newRow("Def") << QByteArray::fromHex("08000300446566")
                             << int(BackgroundValue::Kind::SystemDefault) << 0u << "";
        QTest::newRow("Def with blanks") << QByteArray::fromHex("080005004465662020")
                                         << int(BackgroundValue::Kind::SystemDefault) << 0u << "";
        QTest::newRow("picture lower case") << QByteArray::fromHex("08000300777033")
                                            << int(BackgroundValue::Kind::Picture) << colourBlue << "wp3";
        QTest::newRow("colour number") << QByteArray::fromHex("030056341200") << colour << 0x123456u << "";
        QTest::newRow("unusable tag is blue") << QByteArray::fromHex("6300") << colour << colourBlue << "";
    }
    void background()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, kind);
        QFETCH(quint32, colour);
        QFETCH(QString, picture);
        if (!record.isEmpty())
            writeBytes(path("PREF3.Fil"), 20, record);
        const BackgroundValue bg = Settings(QDir(m_dir.path())).background();
        QCOMPARE(int(bg.kind), kind);
        if (bg.kind != BackgroundValue::Kind::SystemDefault)
            QCOMPARE(bg.colour, colour);
        QCOMPARE(bg.picture, picture);
    }

    void backgroundWrites()
    {
        const Settings settings{QDir(m_dir.path())};
        settings.setBackgroundSystemDefault();
        QCOMPARE(fileBytes(path("PREF3.Fil")).mid(20), QByteArray::fromHex("08000300446566"));
        settings.setBackgroundColour(0x00123456);
        QCOMPARE(fileBytes(path("PREF3.Fil")).mid(20, 6), QByteArray::fromHex("030056341200"));
    }

    void flags_data()
    {
        QTest::addColumn<int>("record"); // GColor1 55 = top toolbar, GColor3 35 = display
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("set");
        QTest::newRow("toolbar OFF") << 55 << "OFF" << true;
        QTest::newRow("toolbar OFF blanks") << 55 << "OFF   " << true;
        QTest::newRow("toolbar off lower") << 55 << "off" << false;
        QTest::newRow("toolbar empty") << 55 << "" << false;
        QTest::newRow("toolbar OFFICE") << 55 << "OFFICE" << false;
        QTest::newRow("display Yes") << 35 << "Yes" << true;
        QTest::newRow("display Yes and more") << 35 << "Yes please" << true;
        QTest::newRow("display yes lower") << 35 << "yes" << false;
        QTest::newRow("display No") << 35 << "No" << false;
        QTest::newRow("display leading blank") << 35 << " Yes" << false;
    }
    void flags()
    {
        QFETCH(int, record);
        QFETCH(QString, text);
        QFETCH(bool, set);
        const char *file = record == 55 ? "GColor1.Fil" : "GColor3.Fil";
        QVERIFY(RecordFile(path(file), 20).writeString(record, text));
        const Settings settings{QDir(m_dir.path())};
        QCOMPARE(record == 55 ? settings.topToolbarOff() : settings.smallerScreenDisplay(), set);
    }

    void panelColour_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("isDefault");
        QTest::addColumn<quint32>("colour");
        for (ToolId tool : {ToolId::Loan, ToolId::HomeCalc}) {
            const QByteArray name = tool == ToolId::Loan ? "loan " : "home calc ";
            QTest::newRow(name + "Default") << int(tool) << "Default" << true << true << 0u;
            QTest::newRow(name + "number") << int(tool) << "8421504" << true << false << 8421504u;
            QTest::newRow(name + "empty") << int(tool) << "" << false << false << 0u;
            QTest::newRow(name + "garbage") << int(tool) << "teal" << false << false << 0u;
        }
    }
    void panelColour()
    {
        QFETCH(int, tool);
        QFETCH(QString, text);
        QFETCH(bool, present);
        QFETCH(bool, isDefault);
        QFETCH(quint32, colour);
        const RecordFile gcolor1(path("GColor1.Fil"), 20);
        // The home calculator keeps a variant (a number as tag 3), the others a string.
        if (ToolId(tool) == ToolId::HomeCalc && text == u"8421504")
            gcolor1.writeVariant(8, RecordVariant::int32(8421504));
        else if (ToolId(tool) == ToolId::HomeCalc)
            gcolor1.writeVariant(8, text.isEmpty() ? RecordVariant::empty() : RecordVariant::string(text));
        else
            gcolor1.writeString(12, text);
        const auto panel = Settings(QDir(m_dir.path())).panelColour(ToolId(tool));
        QCOMPARE(panel.has_value(), present);
        if (panel) {
            QCOMPARE(panel->isDefault, isDefault);
            if (!isDefault)
                QCOMPARE(panel->colour, colour);
        }
    }

    void guideLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("option");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("one") << "1" << 1;
        QTest::newRow("five as stored") << "5" << 5;
        QTest::newRow("not a number") << "x" << 0;
        QTest::newRow("not whole") << "1.5" << 0;
        QTest::newRow("largest int") << "2147483647" << 2147483647;
        QTest::newRow("smallest int") << "-2147483648" << int(-2147483648LL);
        QTest::newRow("beyond int") << "3000000000" << 0;
        QTest::newRow("below int") << "-2147483649" << 0;
        QTest::newRow("huge") << "1E300" << 0;
    }
    void guideLine()
    {
        QFETCH(QString, text);
        QFETCH(int, option);
        RecordFile(path("GColor3.Fil"), 20).writeString(24, text);
        QCOMPARE(Settings(QDir(m_dir.path())).guideLineOption(ToolId::HomeCalc), option);
    }

    void sharedRecord20()
    {
        const Settings settings{QDir(m_dir.path())};
        settings.setHomeCalcRate(QStringLiteral("6.5"));
        QCOMPARE(settings.homeCalcRate(), RecordVariant::string(QStringLiteral("6.5")));
        QCOMPARE(settings.guideLineOption(ToolId::Loan), 0); // the variant is no digit string
        settings.setGuideLineOption(ToolId::Loan, 1);
        QCOMPARE(settings.guideLineOption(ToolId::Loan), 1);
        QVERIFY(!settings.homeCalcRate().isUsable()); // the string's length is no variant tag
    }

    void familyNameKeepsFifteen()
    {
        const Settings settings{QDir(m_dir.path())};
        QCOMPARE(settings.setFamilyName(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWX")),
                 QStringLiteral("ABCDEFGHIJKLMNO"));
        QCOMPARE(fileBytes(path("PREFNAME.FIL")),
                 QByteArray::fromHex("0f00") + QByteArray("ABCDEFGHIJKLMNO"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
