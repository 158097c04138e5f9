#include "components/hunspellchecker.h"
#include "fakes.h"
#include "pressingchecker.h"

#include <QFile>
#include <QTest>
#include <sys/stat.h>

using namespace tq;

namespace {

const QLocale usEnglish(QLocale::English, QLocale::UnitedStates);

struct RecordingListener : SpellListener {
    QStringList events;
    void misspellingShown() override { events << QStringLiteral("shown"); }
    void textFinished() override { events << QStringLiteral("finished"); }
    void userChoice(int code) override { events << QStringLiteral("choice %1").arg(code); }
    void dialogClosed(bool cancelled) override { events << (cancelled ? u"cancelled"_qs : u"closed"_qs); }
    void helpRequested() override { events << QStringLiteral("help"); }
};

// A checker over the program folder of a test, with "teh" -> "the" on its replacement list.
struct Checking {
    test::TestProgram test;
    RecordingListener listener;
    std::unique_ptr<test::PressingChecker> checker;

    explicit Checking(const QStringList &folders = SpellDictionary::systemFolders()) { restart(folders); }
    void restart(const QStringList &folders = SpellDictionary::systemFolders())
    {
        checker =
            std::make_unique<test::PressingChecker>(test.prompter, test.program.folder, usEnglish, folders);
        checker->setListener(&listener);
        checker->addPair(QStringLiteral("teh"), QStringLiteral("the"));
    }
    QString check(const QString &text, const QStringList &presses = {})
    {
        checker->presses << presses;
        checker->setText(text);
        checker->checkWithDialog();
        return checker->text();
    }
};

} // namespace

class TestHunspellChecker : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        if (SpellDictionary::find(SpellDictionary::systemFolders(), usEnglish).isEmpty())
            QSKIP("no Hunspell dictionary installed");
    }

    void misspellingsShownWithSuggestions()
    {
        Checking c;
        QVERIFY(!c.checker->dictionaryLoaded());
        const QString text = QStringLiteral("Grocries for Teh week");
        QCOMPARE(c.check(text, {"cmdIgnore", "cmdIgnore"}), text);
        QVERIFY(c.checker->dictionaryLoaded());
        QCOMPARE(c.checker->wordsShown, (QStringList{"Grocries", "Teh"}));
        QVERIFY(c.checker->suggestionsShown.at(0).contains(QStringLiteral("Groceries")));
        // The listed replacement first, capitalised like the word.
        QCOMPARE(c.checker->suggestionsShown.at(1).value(0), QStringLiteral("The"));
        QCOMPARE(c.listener.events, (QStringList{"shown", "shown", "finished", "closed"}));
        QCOMPARE(c.checker->changeCount(), 0);
        QCOMPARE(c.checker->dialogs, 1);
    }

    // "teh rent, Teh gas" checked with the presses, then the next text with no presses.
    void dialogButtons_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("changes");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("nextAfter");
        QTest::addColumn<int>("nextDialogs");
        const QStringList shownOnce{"shown", "finished", "closed"};
        QTest::newRow("Change") << QStringList{"cmdChange", "cmdIgnore"} << "the rent, Teh gas" << 1
                                << QStringList{"shown", "shown", "finished", "closed"} << "teh bill" << 1;
        QTest::newRow("Change All") << QStringList{"cmdChangeAll"} << "the rent, The gas" << 2
                                    << QStringList{"shown", "choice 1", "finished", "closed"} << "the bill"
                                    << 0;
        QTest::newRow("Ignore") << QStringList{"cmdIgnore", "cmdIgnore"} << "teh rent, Teh gas" << 0
                                << QStringList{"shown", "shown", "finished", "closed"} << "teh bill" << 1;
        QTest::newRow("Ignore All") << QStringList{"cmdIgnoreAll"} << "teh rent, Teh gas" << 0 << shownOnce
                                    << "teh bill" << 0;
        QTest::newRow("Add") << QStringList{"cmdAdd"} << "teh rent, Teh gas" << 0 << shownOnce << "teh bill"
                             << 0;
        QTest::newRow("Cancel") << QStringList{"cmdCancel"} << "teh rent, Teh gas" << 0
                                << QStringList{"shown", "finished", "cancelled"} << "teh bill" << 1;
        QTest::newRow("Help stays open")
            << QStringList{"cmdHelp", "cmdChange", "cmdCancel"} << "the rent, Teh gas" << 1
            << QStringList{"shown", "help", "shown", "finished", "cancelled"} << "teh bill" << 1;
    }
    void dialogButtons()
    {
        QFETCH(QStringList, presses);
        QFETCH(QString, after);
        QFETCH(int, changes);
        QFETCH(QStringList, events);
        QFETCH(QString, nextAfter);
        QFETCH(int, nextDialogs);
        Checking c;
        QCOMPARE(c.check(QStringLiteral("teh rent, Teh gas"), presses), after);
        QCOMPARE(c.checker->changeCount(), changes);
        QCOMPARE(c.listener.events, events);
        // Change All puts its pair at the end of the replacement list.
        const bool changedAll = presses.contains(QStringLiteral("cmdChangeAll"));
        QCOMPARE(c.checker->pairCount(), changedAll ? 2 : 1);

        QCOMPARE(c.check(QStringLiteral("teh bill")), nextAfter);
        QCOMPARE(c.checker->dialogs, 1 + nextDialogs);
        QCOMPARE(c.checker->changeCount(), changedAll ? 1 : 0);
    }

    void addedWordAcceptedAfterRestart()
    {
        Checking c;
        c.check(QStringLiteral("Zorblax fees"), {"cmdAdd"});
        QFile list(c.test.program.folder.filePath(PersonalWords::fileName()));
        QVERIFY(list.open(QIODevice::ReadOnly));
        QCOMPARE(list.readAll(), QByteArray("Zorblax\n"));

        c.restart();
        c.check(QStringLiteral("Zorblax fees"));
        QCOMPARE(c.checker->dialogs, 0);
        QVERIFY(c.checker->dictionaryLoaded());
    }

    // Adding keeps every other line as it was, and never replaces a list it could not read.
    void addingKeepsTheRestOfTheList()
    {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(PersonalWords::fileName());
        QFile list(path);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("Caf\xE9\nZed");
        list.close();
        QVERIFY(PersonalWords(path).add(QStringLiteral("Zorblax")));
        QVERIFY(list.open(QIODevice::ReadOnly));
        QCOMPARE(list.readAll(), QByteArray("Caf\xE9\nZed\nZorblax\n"));

        const QString pipe = QDir(dir.path()).filePath(QStringLiteral("pipe.txt"));
        QCOMPARE(::mkfifo(qPrintable(pipe), 0600), 0);
        QVERIFY(!PersonalWords(pipe).add(QStringLiteral("Zorblax")));
        QVERIFY(!QFileInfo(pipe).isFile());
    }

    void textsWithoutWordsNeedNoDictionary()
    {
        Checking c;
        c.check(QString());
        c.check(QStringLiteral("2007 - 12.50"));
        QCOMPARE(c.checker->dialogs, 0);
        QVERIFY(!c.checker->dictionaryLoaded());
        QCOMPARE(c.listener.events, (QStringList{"finished", "finished"}));
    }

    // Once for the texts of one check, and again in the next check.
    void missingDictionaryReportedOncePerCheck()
    {
        QTemporaryDir empty;
        Checking c({empty.path()});
        c.checker->startCheck();
        QCOMPARE(c.check(QStringLiteral("Grocries")), QStringLiteral("Grocries"));
        c.check(QStringLiteral("Insurence"));
        QCOMPARE(c.test.prompter.prompts.size(), 1);
        QVERIFY(c.checker->missingDictionaryReported());
        c.checker->startCheck();
        QVERIFY(!c.checker->missingDictionaryReported());
        c.check(QStringLiteral("Grocries"));
        QCOMPARE(c.test.prompter.prompts.size(), 2);
        QCOMPARE(c.test.prompter.last().title, QStringLiteral("Spelling Check"));
        QCOMPARE(
            c.test.prompter.last().text,
            QStringLiteral("No spelling dictionary is installed, so spelling cannot be checked.\r"
                           "Install a Hunspell dictionary (for US English the package hunspell-en-us) and "
                           "check again."));
        QCOMPARE(c.listener.events, (QStringList{"finished", "finished", "finished"}));
    }

    void dictionaryForTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("own") << "de_DE" << QStringList{"en_US", "de_DE"} << "de_DE";
        QTest::newRow("same language") << "de_AT" << QStringList{"de_DE", "en_US"} << "de_DE";
        QTest::newRow("US English") << "fr_FR" << QStringList{"en_GB", "en_US"} << "en_US";
        QTest::newRow("any") << "fr_FR" << QStringList{"ru_RU"} << "ru_RU";
        QTest::newRow("none") << "en_US" << QStringList{} << "";
    }
    void dictionaryForTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, installed);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        for (const QString &name : installed)
            for (const char *ext : {".aff", ".dic"})
                QFile(dir.filePath(name + QLatin1String(ext))).open(QIODevice::WriteOnly);
        const QString found = SpellDictionary::find({dir.path()}, QLocale(locale));
        QCOMPARE(found, chosen.isEmpty() ? QString() : dir.filePath(chosen));
    }
};

TQ_TEST_MAIN(TestHunspellChecker)
#include "tst_hunspellchecker.moc"
