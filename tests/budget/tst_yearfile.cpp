#include "budgetengine/yearfile.h"
#include "budgetfixture.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace tq;
using namespace tq::budgetfixture;

class TestYearFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writesWindows1252()
    {
        BudgetSheet sheet;
        sheet.rows[0] = row(QStringLiteral("Caf\u00E9 \u20AC"));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(yearfile::write(buffer, sheet));
        QVERIFY(buffer.data().startsWith("\"Caf\xE9 \x80\"\r\n"));
        QCOMPARE(buffer.data().count("\r\n"), yearfile::fieldCount);
    }

    void readsHandWrittenFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("leading"); // the first cells; the rest must be empty
        QTest::addColumn<QStringList>("incomes");
        const QStringList noIncome = repeated("0", 12);
        QTest::newRow("comma inside quotes") << QByteArray("\"Rent, flat\",\"1,234.00\"\r\n")
                                             << QStringList{"Rent, flat", "1,234.00"} << noIncome;
        QTest::newRow("unquoted fields trimmed") << QByteArray("  Food , 12.50 ,\n\"Gas\"\n")
                                                 << QStringList{"Food", "12.50", "", "Gas"} << noIncome;
        QTest::newRow("lone CR and blank line")
            << QByteArray("\"a\"\r\r\n\"b\"") << QStringList{"a", "", "b"} << noIncome;
        QTest::newRow("text after closing quote dropped")
            << QByteArray("\"a\"x,b") << QStringList{"a", "b"} << noIncome;
        QTest::newRow("unclosed quote runs to the end")
            << QByteArray("\"a,b") << QStringList{"a,b"} << noIncome;
        QTest::newRow("8-bit text") << QByteArray("\"Caf\xE9\"") << QStringList{QStringLiteral("Caf\u00E9")}
                                    << noIncome;
        QTest::newRow("byte-order mark skipped")
            << QByteArray("\xEF\xBB\xBF\"Rent\"\r\n") << QStringList{"Rent"} << noIncome;
        QTest::newRow("quote kept as apostrophe")
            << QByteArray("Say \"hi\",O\"Brien") << QStringList{"Say 'hi'", "O'Brien"} << noIncome;
        QTest::newRow("long fields cut to what a cell holds")
            << QByteArray("\"Insurance premiums 2\",") + QByteArray(30, '9')
            << QStringList{"Insurance premiums", QString(24, u'9')} << noIncome;
        QTest::newRow("incomes above 0 only")
            << QByteArray(",").repeated(650) + "-50,abc,1500,\"2,000\",0.01" << QStringList()
            << (QStringList{"0", "0", "1500", "2,000", "0.01"} + repeated("0", 7));
    }
    void readsHandWrittenFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, leading);
        QFETCH(QStringList, incomes);
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        const QStringList all = fields(yearfile::read(buffer));
        QCOMPARE(all.size(), yearfile::fieldCount);
        QCOMPARE(all.first(leading.size()), leading);
        const QStringList cells = all.mid(leading.size(), 650 - leading.size());
        QVERIFY(std::all_of(cells.begin(), cells.end(), [](const QString &c) { return c.isEmpty(); }));
        QCOMPARE(all.last(12), incomes);
    }

    // Whatever a file holds, the first save keeps what the first load showed.
    void saveKeepsWhatLoadShowed_data()
    {
        QTest::addColumn<QString>("path");
        for (const QFileInfo &f : QDir(QStringLiteral(TQ_YEARFILE_CORPUS)).entryInfoList(QDir::Files))
            QTest::newRow(qPrintable(f.fileName())) << f.filePath();
    }
    void saveKeepsWhatLoadShowed()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        bool adjusted = false;
        const BudgetSheet first = yearfile::decode(file.readAll(), &adjusted);
        bool again = true;
        QCOMPARE(fields(yearfile::decode(yearfile::encode(first), &again)), fields(first));
        QVERIFY(!again);
    }

    void loadTellsMissingFromUnreadable()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        QCOMPARE(yearfile::load(folder, 2007).status, yearfile::Status::Missing);
        QFile empty(folder.filePath("2008.Fil"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        QCOMPARE(yearfile::load(folder, 2008).status, yearfile::Status::Missing);
        QVERIFY(folder.mkdir("2009.Fil"));
        QCOMPARE(yearfile::load(folder, 2009).status, yearfile::Status::Unreadable);
        // A pipe would block the reading until something writes to it.
        QCOMPARE(::mkfifo(qPrintable(folder.filePath("2010.Fil")), 0600), 0);
        QCOMPARE(yearfile::load(folder, 2010).status, yearfile::Status::Unreadable);
        QCOMPARE(yearfile::copyToNextYear(folder, 2010), yearfile::CopyResult::Failed);
        for (int year : {2007, 2008, 2009, 2010})
            QVERIFY(!yearfile::hasSavedFile(folder, year));
        QVERIFY(!yearfile::save(folder, 2009, BudgetSheet()));
        QVERIFY(QFileInfo(folder.filePath("2009.Fil")).isDir());
    }

    void copiesTheSavedFileToTheNextYear()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        QCOMPARE(yearfile::copyToNextYear(folder, 2007), yearfile::CopyResult::NoSource);
        QVERIFY(!QFile::exists(folder.filePath("2008.Fil")));
        BudgetSheet sheet;
        sheet.rows[0] = row("Rent", {"850.00"});
        QVERIFY(yearfile::save(folder, 2007, sheet));
        QVERIFY(yearfile::save(folder, 2008, BudgetSheet()));
        QCOMPARE(yearfile::copyToNextYear(folder, 2007), yearfile::CopyResult::Copied);
        QVERIFY(yearfile::hasSavedFile(folder, 2008));
        const yearfile::Loaded copy = yearfile::load(folder, 2008);
        QCOMPARE(copy.status, yearfile::Status::Loaded);
        QCOMPARE(copy.sheet.rows[0], sheet.rows[0]);
    }
};

QTEST_GUILESS_MAIN(TestYearFile)
#include "tst_yearfile.moc"
