// The budget's spelling check driven through the real checker and its dialog.
#include "budgetengine/budgetspelling.h"
#include "fakes.h"
#include "fakespellingview.h"
#include "pressingchecker.h"

#include <QTest>

using namespace tq;

class TestBudgetSpellingDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        if (SpellDictionary::find(SpellDictionary::systemFolders(), QLocale()).isEmpty())
            QSKIP("no Hunspell dictionary installed");
    }

    void changeAllInTheDialogCarriesOver()
    {
        test::TestProgram t;
        test::PressingChecker checker(t.prompter, t.program.folder,
                                      QLocale(QLocale::English, QLocale::UnitedStates));
        test::FakeSpellingView view;
        BudgetSpelling spelling(checker, view);
        spelling.loadAutocorrectList();
        view.names[0] = QStringLiteral("Rent");
        view.names[1] = QStringLiteral("Grocries teh");
        view.names[4] = QStringLiteral("Teh car loan");
        view.names[8] = QStringLiteral("alot of fun");
        // Row 2: ignore "Grocries", change "teh" everywhere; after the restart, ignore "Grocries" for good.
        checker.presses = {{"cmdIgnore", "cmdChangeAll"}, {"cmdIgnoreAll"}};

        const SpellingOutcome outcome = spelling.run();
        QCOMPARE(checker.wordsShown, (QStringList{"Grocries", "teh", "Grocries"}));
        QCOMPARE(checker.dialogs, 2);
        QCOMPARE(view.names.mid(0, 9),
                 (QStringList{"Rent", "Grocries the", {}, {}, "The car loan", {}, {}, {}, "a lot of fun"}));
        QVERIFY(outcome.keepsStatus);
        QCOMPARE(outcome.text,
                 QStringLiteral("Spelling Check has been canceled or has reached the end of your entries"));
        QVERIFY(!spelling.changeAllPending());
    }
};

TQ_TEST_MAIN(TestBudgetSpellingDialog)
#include "tst_budgetspellingdialog.moc"
