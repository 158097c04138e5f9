#include "common/recordfile.h"
#include "common/safefile.h"
#include "common/settings.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

using namespace tq;

namespace {

// A save file whose disk fills up after `room` bytes.
class FailingSaveFile : public QSaveFile
{
public:
    FailingSaveFile(const QString &path, qint64 room, bool reportsError)
        : QSaveFile(path), m_room(room), m_reportsError(reportsError)
    {
    }

protected:
    qint64 writeData(const char *data, qint64 len) override
    {
        const qint64 n = qMin(len, m_room);
        if (n == 0 && m_reportsError)
            return -1;
        m_room -= n;
        return QSaveFile::writeData(data, n);
    }

private:
    qint64 m_room;
    bool m_reportsError;
};

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// The folder holds only the file itself afterwards: no temporary left behind.
void verifyUntouched(const QString &path, const QByteArray &before)
{
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(QFileInfo(path).dir().entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
}

const QByteArray familyRecord = QByteArray::fromHex("0f00") + "Smith Household";

// Limits the size of any file this process writes, as a full disk does.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class TestSafeFile : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_path;

private Q_SLOTS:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("PREFNAME.FIL"));
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(m_path);
        QFile f(m_path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(familyRecord);
    }

    void writesWholeFile()
    {
        QVERIFY(writeFileAtomically(m_path, "new contents"));
        QCOMPARE(fileBytes(m_path), QByteArray("new contents"));
    }

    void injectedWriteFailureKeepsOldFile_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::addColumn<bool>("reportsError");
        QTest::newRow("short write") << qint64(5) << false;
        QTest::newRow("nothing written") << qint64(0) << false;
        QTest::newRow("write error") << qint64(0) << true;
        QTest::newRow("error after some bytes") << qint64(7) << true;
    }
    void injectedWriteFailureKeepsOldFile()
    {
        QFETCH(qint64, room);
        QFETCH(bool, reportsError);
        FailingSaveFile file(m_path, room, reportsError);
        QVERIFY(!writeFileAtomically(file, QByteArray(64, 'x')));
        verifyUntouched(m_path, familyRecord);
    }

    // The reported case: the family name saved on a full disk emptied the file.
    void fileSizeLimitKeepsOldFile()
    {
        Settings settings{QDir(m_dir.path())};
        {
            const FileSizeLimit limit(8);
            settings.setFamilyName(QStringLiteral("Jones"));
            QVERIFY(!RecordFile(m_path, 40).writeString(1, QStringLiteral("Jones")));
        }
        verifyUntouched(m_path, familyRecord);
        QCOMPARE(settings.familyName(), QStringLiteral("Smith Household"));
    }

    void fullFileSystemKeepsOldFile()
    {
        QTemporaryDir mountPoint;
        if (::mount("tmpfs", QFile::encodeName(mountPoint.path()).constData(), "tmpfs", 0, "size=16k") != 0)
            QSKIP("cannot mount a small file system here");
        const QString path = mountPoint.filePath(QStringLiteral("PREFNAME.FIL"));
        QFile::copy(m_path, path);
        QFile filler(mountPoint.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(512, 'f')) > 0) {
        }
        const bool written =
            Settings{QDir(mountPoint.path())}.setFamilyName(QStringLiteral("Jones")) == "Jones" &&
            RecordFile(path, 40).writeString(1, QStringLiteral("Jones"));
        const QByteArray after = fileBytes(path);
        const QStringList files =
            QDir(mountPoint.path()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
        filler.close();
        ::umount2(QFile::encodeName(mountPoint.path()).constData(), MNT_DETACH);
        QVERIFY(!written);
        QCOMPARE(after, familyRecord);
        QCOMPARE(files, (QStringList{QStringLiteral("filler"), QStringLiteral("PREFNAME.FIL")}));
    }

    void readOnlyFileStaysAsItIs()
    {
        QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadGroup));
        QVERIFY(!RecordFile(m_path, 40).writeString(1, QStringLiteral("Jones")));
        verifyUntouched(m_path, familyRecord);
        const auto ownerGroupOther = QFile::permissions(m_path) & ~QFileDevice::Permissions(0x0F00);
        QCOMPARE(ownerGroupOther, QFile::ReadOwner | QFile::ReadGroup);
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
