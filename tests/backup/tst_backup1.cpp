// The backup utility's window driven through its controls, prompts answered
// by the scripted prompter.
#include "backup/backup1.h"
#include "backup/foldertree.h"
#include "failingfiles.h"
#include "fakes.h"
#include "windowdriver.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace tq;
using namespace tq::test;
using backup::Mode;

namespace {

// Three volumes in a temporary folder: the program's, a memory stick and an
// empty floppy drive that is never ready.
class FakeVolumes : public backup::VolumeSource
{
public:
    QList<backup::Volume> list;
    QList<backup::Volume> volumes() const override { return list; }
    bool isReady(const QString &root) const override { return !root.endsWith(QLatin1String("floppy")); }
};

const QByteArray yearBytes = QByteArrayLiteral("\"Rent\"\r\n\"850.00\"\r\n");
const QByteArray backupBytes = QByteArrayLiteral("\"Rent\"\r\n\"900.00\"\r\n");

QString deleteQuestion(const QString &where)
{
    return QStringLiteral("This utility will first Delete all existing 2007 Budget files\r") + where +
           QStringLiteral("\r\rProceed?");
}

} // namespace

class TestBackup1 : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> t;
    QTemporaryDir m_disks;
    QDir m_stick;
    FakeVolumes m_volumes;
    FailingFiles m_files;

    std::unique_ptr<Backup1> open(Mode mode)
    {
        Backup1::Services services;
        services.volumes = &m_volumes;
        services.files = &m_files;
        services.progressPauseMs = 0;
        auto dialog = std::make_unique<Backup1>(t->program, 2007, mode, nullptr, services);
        showActive(dialog.get());
        return dialog;
    }

    static QString status(const Backup1 &dialog)
    {
        return findNamed<QLabel>(&dialog, QStringLiteral("SSPanel2"))->text();
    }
    static bool operationEnabled(const Backup1 &dialog)
    {
        return findNamed<QPushButton>(&dialog, QStringLiteral("SSCommand2"))->isEnabled();
    }
    static void chooseFolder(const Backup1 &dialog, const QString &path)
    {
        findNamed<backup::FolderTree>(&dialog, QStringLiteral("Dir1"))->chooseFolder(path);
    }
    // The stick's drive: its folder list opens on its top folder.
    static void chooseStick(const Backup1 &dialog)
    {
        findNamed<QComboBox>(&dialog, QStringLiteral("Drive1"))->setCurrentIndex(1);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_disks.isValid()); }

    void init()
    {
        t = std::make_unique<TestProgram>();
        useSmallerDisplay(t->program);
        QDir disks(m_disks.path());
        disks.removeRecursively();
        disks.mkpath(QStringLiteral("stick/old"));
        m_stick = QDir(disks.filePath(QStringLiteral("stick")));
        m_volumes.list = {{t->dir.path(), QStringLiteral("program volume")},
                          {m_stick.path(), QStringLiteral("stick")},
                          {disks.filePath(QStringLiteral("floppy")), QStringLiteral("floppy")}};
        m_files = FailingFiles();
        QVERIFY(putFile(t->program.folder, QStringLiteral("2007.Fil"), yearBytes));
        QDir(t->dir.path()).mkdir(QStringLiteral("sub"));
    }

    void cleanup() { t->prompter.verifyAllUsed(); }

    void opensOnTheProgramFolderWithNothingToDo_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("modeItem");
        QTest::newRow("backup") << Mode::Backup << "Backup 2007 Budget File"
                                << "&Make Backup"
                                << "mOM";
        QTest::newRow("restore") << Mode::Restore << "Restore 2007 Budget File from Backup Media"
                                 << "&Restore 2007 Budget File"
                                 << "mOR";
    }
    void opensOnTheProgramFolderWithNothingToDo()
    {
        QFETCH(Mode, mode);
        QFETCH(QString, title);
        QFETCH(QString, operation);
        QFETCH(QString, modeItem);
        auto dialog = open(mode);
        QCOMPARE(dialog->windowTitle(), title);
        QVERIFY(dialog->isModal());
        QCOMPARE(findNamed<QPushButton>(dialog.get(), QStringLiteral("SSCommand2"))->text(), operation);
        QVERIFY(!operationEnabled(*dialog));
        QVERIFY(!findAction(dialog.get(), modeItem)->isEnabled());
        QVERIFY(findNamed<QLabel>(dialog.get(), QStringLiteral("SSPanel2"))->isHidden());
        QCOMPARE(findNamed<QComboBox>(dialog.get(), QStringLiteral("Drive1"))->currentIndex(), 0);
        QCOMPARE(findNamed<QLabel>(dialog.get(), QStringLiteral("Label5"))->text(), t->dir.path());
        QCOMPARE(findNamed<QLabel>(dialog.get(), QStringLiteral("Label3"))->buddy(),
                 findNamed<QWidget>(dialog.get(), QStringLiteral("Dir1")));
    }

    void programFolderDisablesTheOperation()
    {
        auto dialog = open(Mode::Backup);
        const QString sub = t->program.folder.filePath(QStringLiteral("sub"));
        chooseFolder(*dialog, sub);
        QVERIFY(operationEnabled(*dialog));
        QCOMPARE(findNamed<QLabel>(dialog.get(), QStringLiteral("Label5"))->text(), sub);
        chooseFolder(*dialog, t->program.folder.absolutePath());
        QVERIFY(!operationEnabled(*dialog));
        // A folder change leaves the menu item alone; a drive change enables it.
        QVERIFY(!findAction(dialog.get(), QStringLiteral("mOM"))->isEnabled());
        chooseStick(*dialog);
        QVERIFY(operationEnabled(*dialog));
        QVERIFY(findAction(dialog.get(), QStringLiteral("mOM"))->isEnabled());
        QCOMPARE(findNamed<QLabel>(dialog.get(), QStringLiteral("Label5"))->text(), m_stick.path());
    }

    void unavailableDriveGoesBackToTheSystemVolume()
    {
        auto dialog = open(Mode::Backup);
        chooseStick(*dialog);
        t->prompter.answer(Button::Ok);
        auto *drives = findNamed<QComboBox>(dialog.get(), QStringLiteral("Drive1"));
        drives->setCurrentIndex(2);
        QCOMPARE(t->prompter.last().title, QStringLiteral("Device/Drive Error"));
        QCOMPARE(t->prompter.last().text, QStringLiteral("Device/Drive is Unavailable!"));
        QCOMPARE(t->prompter.last().icon, Icon::Critical);
        QCOMPARE(drives->currentIndex(), 0);
        QVERIFY(!operationEnabled(*dialog));
        QVERIFY(findAction(dialog.get(), QStringLiteral("mOM"))->isEnabled());
    }

    void backupReplacesAnOlderBackup()
    {
        QVERIFY(putFile(m_stick, QStringLiteral("2007.Bup"), backupBytes));
        QVERIFY(putFile(m_stick, QStringLiteral("notes.txt"), backupBytes));
        auto dialog = open(Mode::Backup);
        chooseStick(*dialog);
        t->prompter.answer(Button::Yes);
        clickButton(dialog.get(), QStringLiteral("SSCommand2"));
        const Prompt &question = t->prompter.last();
        QCOMPARE(question.title, QStringLiteral("Delete Files"));
        QCOMPARE(question.text, deleteQuestion(QStringLiteral("located in Path: ") + m_stick.path()));
        QCOMPARE(question.icon, Icon::Question);
        QCOMPARE(question.defaultButton, Button::No);
        QCOMPARE(fileBytes(m_stick, QStringLiteral("2007.Bup")), yearBytes);
        QCOMPARE(fileBytes(m_stick, QStringLiteral("notes.txt")), backupBytes);
        QCOMPARE(status(*dialog), QStringLiteral("Backup Complete"));
        QVERIFY(findNamed<QWidget>(dialog.get(), QStringLiteral("ProgressBar1"))->isHidden());
        QVERIFY(operationEnabled(*dialog));
        QCOMPARE(t->platform.busyDepth, 0);
    }

    void backupToAFullDisk_data()
    {
        QTest::addColumn<Button>("afterFailure");
        QTest::addColumn<QString>("finalStatus");
        QTest::addColumn<bool>("newBackup"); // else the previous one stays
        QTest::newRow("new disk") << Button::Ok << "Backup Complete" << true;
        QTest::newRow("cancel") << Button::Cancel << "Backup Terminated by User" << false;
    }
    void backupToAFullDisk()
    {
        QFETCH(Button, afterFailure);
        QFETCH(QString, finalStatus);
        QFETCH(bool, newBackup);
        QVERIFY(putFile(m_stick, QStringLiteral("2007.Bup"), backupBytes));
        m_files.failingWrites = 1;
        auto dialog = open(Mode::Backup);
        chooseStick(*dialog);
        t->prompter.answer(Button::Yes);
        t->prompter.answer(afterFailure);
        if (afterFailure == Button::Cancel)
            t->prompter.answer(Button::Ok);
        clickButton(dialog.get(), QStringLiteral("SSCommand2"));
        const Prompt &full = t->prompter.prompts.at(1);
        QCOMPARE(full.title, QStringLiteral("Backup Disk"));
        QVERIFY(full.text.startsWith(
            QStringLiteral("Disk is either Full, or there is not enough room\rremaining")));
        QCOMPARE(full.buttons, int(Button::Ok) | int(Button::Cancel));
        if (afterFailure == Button::Cancel)
            QCOMPARE(t->prompter.last().title, QStringLiteral("Backup Proceedure Cancelation"));
        QCOMPARE(status(*dialog), finalStatus);
        QCOMPARE(fileBytes(m_stick, QStringLiteral("2007.Bup")), newBackup ? yearBytes : backupBytes);
        QCOMPARE(t->platform.busyDepth, 0);
    }

    void declinedQuestionChangesNothing()
    {
        auto dialog = open(Mode::Backup);
        chooseStick(*dialog);
        t->prompter.answer(Button::Cancel);
        clickButton(dialog.get(), QStringLiteral("SSCommand2"));
        QVERIFY(!QFileInfo::exists(m_stick.filePath(QStringLiteral("2007.Bup"))));
        QVERIFY(findNamed<QLabel>(dialog.get(), QStringLiteral("SSPanel2"))->isHidden());
    }

    void restoreReplacesTheYearFileOnce()
    {
        QVERIFY(putFile(m_stick, QStringLiteral("2007.Bup"), backupBytes));
        auto dialog = open(Mode::Restore);
        chooseStick(*dialog);
        t->prompter.answer(Button::Yes);
        findAction(dialog.get(), QStringLiteral("mOR"))->trigger();
        QCOMPARE(t->prompter.last().text, deleteQuestion(QStringLiteral("located in Tallyquill Program!")));
        QCOMPARE(fileBytes(t->program.folder, QStringLiteral("2007.Fil")), backupBytes);
        QCOMPARE(status(*dialog), QStringLiteral("Restoration Completed"));
        QVERIFY(!operationEnabled(*dialog));
        QVERIFY(!findAction(dialog.get(), QStringLiteral("mOR"))->isEnabled());
        // Neither another folder nor another drive offers a second restore.
        chooseFolder(*dialog, m_stick.filePath(QStringLiteral("old")));
        findNamed<QComboBox>(dialog.get(), QStringLiteral("Drive1"))->setCurrentIndex(0);
        QVERIFY(!operationEnabled(*dialog));
        QVERIFY(!findAction(dialog.get(), QStringLiteral("mOR"))->isEnabled());
    }

    void restoreWithoutABackupAsksAgain()
    {
        auto dialog = open(Mode::Restore);
        chooseStick(*dialog);
        t->prompter.answer(Button::Yes);
        t->prompter.answer(Button::Ok);
        t->prompter.answer(Button::No);
        clickButton(dialog.get(), QStringLiteral("SSCommand2"));
        QCOMPARE(t->prompter.prompts.size(), 3);
        const Prompt &error = t->prompter.prompts.at(1);
        QCOMPARE(error.title, QStringLiteral("Disk Error"));
        QCOMPARE(error.text,
                 QStringLiteral("Unable to find Backup Disk or Location containing requested files!\r"
                                "Please insert another backup Disk into selected Drive and Try again."));
        QCOMPARE(error.icon, Icon::Critical);
        QCOMPARE(t->prompter.last().title, QStringLiteral("Delete Files"));
        QCOMPARE(status(*dialog), QString());
        QCOMPARE(fileBytes(t->program.folder, QStringLiteral("2007.Fil")), yearBytes);
        QVERIFY(operationEnabled(*dialog));
    }

    void restoreThatCannotWriteSaysSo()
    {
        QVERIFY(putFile(m_stick, QStringLiteral("2007.Bup"), backupBytes));
        m_files.failingWrites = 1;
        auto dialog = open(Mode::Restore);
        chooseStick(*dialog);
        t->prompter.answer(Button::Yes);
        t->prompter.answer(Button::Ok);
        clickButton(dialog.get(), QStringLiteral("SSCommand2"));
        QCOMPARE(t->prompter.last().title, QStringLiteral("Restore Error"));
        QCOMPARE(t->prompter.last().text,
                 QStringLiteral("Unable to write ") + t->program.folder.filePath(QStringLiteral("2007.Fil")) +
                     QStringLiteral("\rThe 2007 Budget File in the program has not been changed."));
        QCOMPARE(fileBytes(t->program.folder, QStringLiteral("2007.Fil")), yearBytes);
        QCOMPARE(status(*dialog), QStringLiteral("Restore Failed"));
        QVERIFY(operationEnabled(*dialog));
    }

    void fullScreenDisplaySizesFromTheLauncher()
    {
        t->program.state.displayMode = DisplayMode::FullScreen;
        t->program.state.launcherGeometry = QRect(0, 0, 1000, 800);
        auto dialog = open(Mode::Backup);
        QCOMPARE(dialog->frameGeometry().size(), QSize(600, 569));
        // Centred across, its middle 415 twips (28 pixels) below the launcher's.
        const QPoint centre = dialog->frameGeometry().center();
        QVERIFY2(qAbs(centre.x() - 500) <= 2 && qAbs(centre.y() - (400 + 28)) <= 2,
                 qPrintable(QString::number(centre.x())));
    }

    void exitCloses()
    {
        auto dialog = open(Mode::Restore);
        findAction(dialog.get(), QStringLiteral("mOE"))->trigger();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }
};

TQ_TEST_MAIN(TestBackup1)
#include "tst_backup1.moc"
