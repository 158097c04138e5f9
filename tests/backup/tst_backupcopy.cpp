// The backup utility's copies: what lands where, and what a failing medium leaves.
#include "backup/backupcopy.h"
#include "backup/volumes.h"
#include "failingfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tq;
using namespace tq::backup;
using tq::test::fileBytes;
using tq::test::putFile;

class TestBackupCopy : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    QDir m_program;
    QDir m_media;
    const QByteArray m_year = QByteArrayLiteral("\"Rent\"\r\n\"850.00\"\r\n");
    const QByteArray m_older = QByteArrayLiteral("\"older backup\"\r\n");

private Q_SLOTS:
    void init()
    {
        QDir root(m_root.path());
        root.removeRecursively();
        root.mkpath(QStringLiteral("program"));
        root.mkpath(QStringLiteral("media"));
        m_program = QDir(root.filePath(QStringLiteral("program")));
        m_media = QDir(root.filePath(QStringLiteral("media")));
        QVERIFY(putFile(m_program, QStringLiteral("2007.Fil"), m_year));
    }

    void backupReplacesAnOlderBackupAndNothingElse()
    {
        QVERIFY(putFile(m_media, QStringLiteral("2007.Bup"), m_older));
        QVERIFY(putFile(m_media, QStringLiteral("2006.Bup"), m_older));
        DiskFileAccess disk;
        QCOMPARE(backupYear(disk, m_program, chosenFolder(m_media.path()), 2007), BackupOutcome::Copied);
        QCOMPARE(fileBytes(m_media, QStringLiteral("2007.Bup")), m_year);
        QCOMPARE(fileBytes(m_media, QStringLiteral("2006.Bup")), m_older);
        QCOMPARE(m_media.entryList(QDir::Files).size(), 2);
    }

    void failedBackupKeepsThePreviousBackup()
    {
        QVERIFY(putFile(m_media, QStringLiteral("2007.Bup"), m_older));
        test::FailingFiles full;
        full.failingWrites = 1;
        QCOMPARE(backupYear(full, m_program, m_media.path(), 2007), BackupOutcome::WriteFailed);
        QCOMPARE(m_media.entryList(QDir::Files), QStringList{QStringLiteral("2007.Bup")});
        QCOMPARE(fileBytes(m_media, QStringLiteral("2007.Bup")), m_older);
        QCOMPARE(fileBytes(m_program, QStringLiteral("2007.Fil")), m_year);
    }

    void backupWithoutAYearFileKeepsTheOldBackup()
    {
        QVERIFY(m_program.remove(QStringLiteral("2007.Fil")));
        QVERIFY(putFile(m_media, QStringLiteral("2007.Bup"), m_older));
        DiskFileAccess disk;
        QCOMPARE(backupYear(disk, m_program, m_media.path(), 2007), BackupOutcome::YearFileUnreadable);
        QCOMPARE(fileBytes(m_media, QStringLiteral("2007.Bup")), m_older);
    }

    void restore_data()
    {
        QTest::addColumn<bool>("backupPresent");
        QTest::addColumn<int>("failingWrites");
        QTest::addColumn<RestoreOutcome>("outcome");
        QTest::addColumn<bool>("yearFileReplaced");
        QTest::newRow("restored") << true << 0 << RestoreOutcome::Restored << true;
        QTest::newRow("no backup there") << false << 0 << RestoreOutcome::BackupUnreadable << false;
        QTest::newRow("program folder full") << true << 1 << RestoreOutcome::WriteFailed << false;
    }
    void restore()
    {
        QFETCH(bool, backupPresent);
        QFETCH(int, failingWrites);
        QFETCH(RestoreOutcome, outcome);
        QFETCH(bool, yearFileReplaced);
        if (backupPresent)
            QVERIFY(putFile(m_media, QStringLiteral("2007.Bup"), m_older));
        test::FailingFiles files;
        files.failingWrites = failingWrites;
        QCOMPARE(restoreYear(files, m_program, chosenFolder(m_media.path()), 2007), outcome);
        QCOMPARE(fileBytes(m_program, QStringLiteral("2007.Fil")), yearFileReplaced ? m_older : m_year);
        // The year file is only ever replaced whole, never written in place.
        QCOMPARE(files.written,
                 backupPresent ? QStringList{m_program.filePath(QStringLiteral("2007.Fil"))} : QStringList());
        QCOMPARE(m_program.entryList(QDir::Files), QStringList{QStringLiteral("2007.Fil")});
    }

    void unreadableBackupLeavesTheYearFile()
    {
        QVERIFY(putFile(m_media, QStringLiteral("2007.Bup"), m_older));
        test::FailingFiles files;
        files.readsFail = true;
        QCOMPARE(restoreYear(files, m_program, m_media.path(), 2007), RestoreOutcome::BackupUnreadable);
        QCOMPARE(fileBytes(m_program, QStringLiteral("2007.Fil")), m_year);
    }

    void programFolderTest_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("isProgram");
        QTest::newRow("itself") << "program" << true;
        QTest::newRow("trailing separator") << "program/" << true;
        QTest::newRow("through dot-dot") << "media/../program" << true;
        QTest::newRow("through a link") << "link" << true;
        QTest::newRow("other folder") << "media" << false;
        QTest::newRow("case differs") << "PROGRAM" << false;
    }
    void programFolderTest()
    {
        QFETCH(QString, relative);
        QFETCH(bool, isProgram);
        QDir root(m_root.path());
        QFile::link(m_program.path(), root.filePath(QStringLiteral("link")));
        QCOMPARE(isProgramFolder(root.filePath(relative), m_program), isProgram);
    }

    void volumeOfAFolder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("volume");
        QTest::newRow("system") << "/home/ann/budget" << 0;
        QTest::newRow("stick") << "/media/ann/STICK/backups" << 1;
        QTest::newRow("stick root") << "/media/ann/STICK" << 1;
        QTest::newRow("name sharing a prefix") << "/media/ann/STICK2" << 0;
    }
    void volumeOfAFolder()
    {
        QFETCH(QString, path);
        QFETCH(int, volume);
        const QList<Volume> volumes{{QStringLiteral("/"), QStringLiteral("/")},
                                    {QStringLiteral("/media/ann/STICK"), QStringLiteral("STICK")}};
        QCOMPARE(volumeHolding(volumes, path), volume);
    }

    void systemVolumeComesFirstAndIsReady()
    {
        const MountedVolumes mounted;
        const QList<Volume> volumes = mounted.volumes();
        QVERIFY(!volumes.isEmpty());
        QCOMPARE(volumes.first().root, QStringLiteral("/"));
        QVERIFY(mounted.isReady(QStringLiteral("/")));
        QVERIFY(!mounted.isReady(m_root.filePath(QStringLiteral("no such volume"))));
    }
};

QTEST_GUILESS_MAIN(TestBackupCopy)
#include "tst_backupcopy.moc"
