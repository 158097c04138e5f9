#include "budgetengine/autocorrectlist.h"
#include "budgetengine/budgetspelling.h"
#include "fakespellchecker.h"
#include "fakespellingview.h"

#include <QTest>

using namespace tq;
using tq::test::FakeReply;

namespace {

const QString canceledOrEnd =
    QStringLiteral("Spelling Check has been canceled or has reached the end of your entries");
const QString nothingFound =
    QStringLiteral("Spelling Check did not change or did not find any misspelled words!");

// A budget window's spelling check over a scripted checker, with the autocorrect list loaded.
struct Budget {
    test::FakeSpellChecker checker;
    test::FakeSpellingView view;
    BudgetSpelling spelling{checker, view};
    Budget() { spelling.loadAutocorrectList(); }
    void item(int row, const QString &text) { view.names[row - 1] = text; }
    QString item(int row) const { return view.names.at(row - 1); }
};

} // namespace

class TestBudgetSpelling : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void autocorrectListKeepsItsOrder()
    {
        const auto list = autocorrectList();
        QCOMPARE(list.size(), 243u);
        QCOMPARE(QLatin1String(list.front().word), QLatin1String("abbout"));
        QCOMPARE(QLatin1String(list.back().replacement), QLatin1String("your"));
        // The repeated pair, 157th and 159th, around "recieve".
        QCOMPARE(QLatin1String(list[156].word), QLatin1String("reccomend"));
        QCOMPARE(QLatin1String(list[157].word), QLatin1String("recieve"));
        QCOMPARE(QLatin1String(list[158].word), QLatin1String("reccomend"));
        QCOMPARE(QLatin1String(list[158].replacement), QLatin1String("recommend"));

        size_t longestWord = 0, longestReplacement = 0;
        int twoWords = 0;
        for (const AutocorrectPair &p : list) {
            longestWord = std::max(longestWord, strlen(p.word));
            longestReplacement = std::max(longestReplacement, strlen(p.replacement));
            twoWords += strchr(p.word, ' ') || strchr(p.replacement, ' ');
        }
        QCOMPARE(longestWord, 13u);
        QCOMPARE(longestReplacement, 15u);
        QCOMPARE(twoWords, 21);

        // Loaded into the checker in the same order; words read back in upper case.
        Budget b;
        QCOMPARE(b.checker.pairCount(), 243);
        for (int i = 0; i < 243; ++i) {
            QCOMPARE(b.checker.word(i), QString::fromLatin1(list[i].word).toUpper());
            QCOMPARE(b.checker.replacement(i), QString::fromLatin1(list[i].replacement));
        }
    }

    void closingMessage_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("misspellings");
        QTest::addColumn<QString>("corrected");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("keepsStatus");
        QTest::newRow("empty budget") << QString() << 0 << QString() << nothingFound << false;
        QTest::newRow("all spelled right") << "Rent" << 0 << QString() << nothingFound << false;
        QTest::newRow("misspelling ignored") << "Grocries" << 1 << QString() << canceledOrEnd << true;
        QTest::newRow("misspelling corrected") << "Grocries" << 1 << "Groceries" << canceledOrEnd << true;
    }
    void closingMessage()
    {
        QFETCH(QString, item);
        QFETCH(int, misspellings);
        QFETCH(QString, corrected);
        QFETCH(QString, message);
        QFETCH(bool, keepsStatus);
        Budget b;
        b.item(4, item);
        if (misspellings)
            b.checker.reply(item, FakeReply::correcting(corrected, misspellings));

        const SpellingOutcome out = b.spelling.run();
        QCOMPARE(out.title, QStringLiteral("Spelling Check"));
        QCOMPARE(out.text, message);
        QCOMPARE(out.keepsStatus, keepsStatus);
        // Every row, empty ones too, goes to the checker; the highlight ends only-while-focused.
        QCOMPARE(b.checker.checkedTexts.size(), 50);
        QCOMPARE(b.view.highlights.constLast(), false);
        QCOMPARE(b.view.highlights.contains(true), misspellings > 0);
        QCOMPARE(b.view.changedMarks, corrected.isEmpty() ? 0 : 1);
    }

    void correctionGoesToTheCheckedRow_data()
    {
        QTest::addColumn<QString>("corrected");
        QTest::addColumn<QString>("stored");
        QTest::newRow("fits") << "Groceries"
                              << "Groceries";
        QTest::newRow("longer than 18") << "Groceries and household"
                                        << "Groceries and hous";
    }
    void correctionGoesToTheCheckedRow()
    {
        QFETCH(QString, corrected);
        QFETCH(QString, stored);
        Budget b;
        b.item(3, QStringLiteral("Rent"));
        b.item(4, QStringLiteral("Grocries"));
        b.checker.reply(QStringLiteral("Grocries"), FakeReply::correcting(corrected));
        b.spelling.run();
        QCOMPARE(b.item(4), stored);
        QCOMPARE(b.item(3), QStringLiteral("Rent"));
        QCOMPARE(b.spelling.changeCounter(), 2); // one misspelling shown, one item changed
    }

    void cancelStopsAfterTheCurrentRow()
    {
        Budget b;
        const QStringList items{"Rent", "Power", "Grocries", "Fuel", "Insurence", "Phone"};
        for (int row = 1; row <= items.size(); ++row)
            b.item(row, items[row - 1]);
        FakeReply cancel;
        cancel.cancel = true;
        b.checker.reply(QStringLiteral("Grocries"), cancel);

        const SpellingOutcome out = b.spelling.run();
        QCOMPARE(b.checker.checkedTexts, items.mid(0, 3));
        QCOMPARE(out.text, canceledOrEnd);
    }

    void helpOpensTheSpellingTopic()
    {
        Budget b;
        b.item(1, QStringLiteral("Grocries"));
        FakeReply help;
        help.help = true;
        b.checker.reply(QStringLiteral("Grocries"), help);
        b.spelling.run();
        QCOMPARE(b.view.helpTopics, QList<int>{5050});
    }

    // Row 2 "teh rent" is checked and "teh" changed everywhere; `row` holds `before`.
    void changeEverywhereCarriesTheListOver_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("capital kept") << 5 << "Teh car loan"
                                      << "The car loan";
        QTest::newRow("part of a word") << 7 << "tehran trip"
                                        << "tehran trip";
        QTest::newRow("row just below") << 3 << "teh gas"
                                        << "the gas";
        QTest::newRow("row above untouched") << 1 << "teh gas"
                                             << "teh gas";
        QTest::newRow("whole list applies") << 9 << "alot of fun"
                                            << "a lot of fun";
        QTest::newRow("capital to two words") << 9 << "Alot of fun"
                                              << "A lot of fun";
        QTest::newRow("upper-case word") << 9 << "TEH END"
                                         << "The END";
        QTest::newRow("two-word pair") << 9 << "their are fees"
                                       << "there are fees";
        QTest::newRow("i stays i") << 9 << "i"
                                   << "i";
        QTest::newRow("I stays I") << 9 << "I"
                                   << "I";
        QTest::newRow("after i goes on") << 9 << "i alot"
                                         << "i a lot";
        QTest::newRow("neighbours share a blank") << 9 << "teh teh"
                                                  << "the the";
        QTest::newRow("leading blanks dropped") << 9 << "  Rent"
                                                << "Rent";
        QTest::newRow("cut to 18") << 50 << "alot of fun things"
                                   << "a lot of fun thing";
        QTest::newRow("blank row stays") << 9 << "   "
                                         << "   ";
    }
    void changeEverywhereCarriesTheListOver()
    {
        QFETCH(int, row);
        QFETCH(QString, before);
        QFETCH(QString, after);
        Budget b;
        b.item(2, QStringLiteral("teh rent"));
        b.item(row, before);
        b.checker.reply(QStringLiteral("teh rent"),
                        FakeReply::changingEverywhere(QStringLiteral("teh"), QStringLiteral("the"),
                                                      QStringLiteral("the rent")));
        b.spelling.run();

        QCOMPARE(b.item(row), after);
        QCOMPARE(b.item(2), QStringLiteral("the rent"));
        QVERIFY(!b.spelling.changeAllPending());
        QCOMPARE(b.checker.word(b.checker.pairCount() - 1), QStringLiteral("THEEND1"));
        // The check starts again at row 1 and runs to the end.
        const QStringList texts = b.checker.checkedTexts;
        QCOMPARE(texts.size(), 2 + 50);
        QCOMPARE(texts.mid(1, 3), (QStringList{"teh rent", b.item(1), "the rent"}));
    }
};

QTEST_GUILESS_MAIN(TestBudgetSpelling)
#include "tst_budgetspelling.moc"
