#include "budgetengine/yearhistory.h"
#include "enginetest.h"

#include <QFile>
#include <QTemporaryDir>

using namespace tq;

namespace {

const QDateTime noon(QDate(2026, 12, 9), QTime(12, 0));

void writeYear(const QDir &folder, const QByteArray &bytes)
{
    QFile file(folder.filePath(QStringLiteral("2026.Fil")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList names(const QList<yearhistory::Version> &versions)
{
    QStringList list;
    for (const auto &v : versions)
        list << QFileInfo(v.path).fileName();
    return list;
}

} // namespace

class TestYearHistory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The replaced file is kept byte for byte, newest first, two saves in one
    // second both kept; other years and stray files are not listed.
    void keepsTheFileASaveReplaces()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        QVERIFY(yearhistory::keep(folder, 2026, noon)); // nothing saved yet: nothing to keep
        QVERIFY(!yearhistory::folder(folder).exists());

        writeYear(folder, "\"first\"\r\n");
        QVERIFY(yearhistory::keep(folder, 2026, noon));
        writeYear(folder, "\"second\"\r\n");
        QVERIFY(yearhistory::keep(folder, 2026, noon));
        writeYear(folder, "\"third\"\r\n");
        QVERIFY(yearhistory::keep(folder, 2026, noon.addDays(1)));
        QFile(yearhistory::folder(folder).filePath(QStringLiteral("2026-notes.Fil")))
            .open(QIODevice::WriteOnly);
        QFile(yearhistory::folder(folder).filePath(QStringLiteral("2025-20261209-120000.Fil")))
            .open(QIODevice::WriteOnly);

        const auto versions = yearhistory::versions(folder, 2026);
        QCOMPARE(names(versions), (QStringList{"2026-20261210-120000.Fil", "2026-20261209-120000-2.Fil",
                                               "2026-20261209-120000.Fil"}));
        QCOMPARE(versions[0].savedAt, noon.addDays(1));
        QCOMPARE(contents(versions[0].path), QByteArray("\"third\"\r\n"));
        QCOMPARE(contents(versions[1].path), QByteArray("\"second\"\r\n"));
        QCOMPARE(contents(versions[2].path), QByteArray("\"first\"\r\n"));
    }

    void prunesToTheNewestTwenty()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        writeYear(folder, "\"x\"\r\n");
        for (int i = 0; i < 23; ++i)
            QVERIFY(yearhistory::keep(folder, 2026, noon.addSecs(i)));
        yearhistory::prune(folder, 2026);
        const auto versions = yearhistory::versions(folder, 2026);
        QCOMPARE(versions.size(), yearhistory::keptPerYear);
        QCOMPARE(versions.first().savedAt, noon.addSecs(22));
        QCOMPARE(versions.last().savedAt, noon.addSecs(3));
    }

    // A history that cannot be written answers false, so the save stops.
    void aFailedKeepIsReported_data()
    {
        QTest::addColumn<bool>("historyIsAFile");
        QTest::newRow("History is a file") << true;
        QTest::newRow("read-only History folder") << false;
    }
    void aFailedKeepIsReported()
    {
        QFETCH(bool, historyIsAFile);
        QTemporaryDir dir;
        const QDir folder(dir.path());
        writeYear(folder, "\"x\"\r\n");
        const QString history = yearhistory::folder(folder).path();
        if (historyIsAFile) {
            QVERIFY(QFile(history).open(QIODevice::WriteOnly));
        } else {
            QVERIFY(folder.mkdir(QStringLiteral("History")));
            QFile::setPermissions(history, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        QVERIFY(!yearhistory::keep(folder, 2026, noon));
        QVERIFY(yearhistory::versions(folder, 2026).isEmpty());
        QCOMPARE(contents(folder.filePath(QStringLiteral("2026.Fil"))), QByteArray("\"x\"\r\n"));
        QFile::setPermissions(history,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
};

TQ_ENGINE_TEST_MAIN(TestYearHistory)
#include "tst_yearhistory.moc"
