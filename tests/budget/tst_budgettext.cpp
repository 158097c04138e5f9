// The budget as clipboard text and as an exported spreadsheet file, and when
// the menus offer them.
#include "budget/budgetcopy.h"
#include "budgetengine/budgetmodel.h"
#include "budgetengine/budgettext.h"
#include "budgetfixture.h"
#include "fakes.h"

#include <QFile>
#include <QTest>
#include <QWidget>

using namespace tq;
using namespace tq::budgetfixture;

namespace {

// Rent, 850.00 in January, income 2000.00 in January.
QByteArray rentWithIncomeFile()
{
    return line("Rent") + line("850.00") + line("").repeated(648) + line("2000.00") + line("0").repeated(11);
}

// Each character 7 pixels wide, as a small fixed font would give.
int sevenEach(const QString &text)
{
    return int(text.size()) * 7;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestBudgetText : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TestProgram> t;
    BudgetModel m_model;

    void loadRent()
    {
        QFile file(t->program.folder.filePath(QStringLiteral("2007.Fil")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(rentWithIncomeFile());
        file.close();
        QCOMPARE(m_model.load(t->program.folder, 2007).status, yearfile::Status::Loaded);
    }

private Q_SLOTS:
    void init()
    {
        t = std::make_unique<test::TestProgram>();
        loadRent();
    }
    void cleanup() { t->prompter.verifyAllUsed(); }

    void clipboardTextOfOneItem()
    {
        const QString months = QStringLiteral("Jan\tFeb\tMar\tApr\tMay\tJun\tJul\tAug\tSep\tOct\tNov\tDec");
        const QString expected =
            QStringLiteral("2007 Budget\r\n\r\n") + QStringLiteral("        Item                    ") +
            months + u'\r' + QStringLiteral("Rent     \t850.00") + QString(11, u'\t') + u'\r' +
            QStringLiteral("Total Expenses:\t850.00") + QStringLiteral("\t.00").repeated(11) +
            QStringLiteral("\r\n") + QStringLiteral("Total Income:      \t2000.00") +
            QStringLiteral("\t0.00").repeated(11) + QStringLiteral("\r\n") +
            QStringLiteral("Balance:          \t1150.00") + QStringLiteral("\t.00").repeated(11) +
            QStringLiteral("\r\n");
        QCOMPARE(budgettext::clipboardText(m_model, 2007, sevenEach), expected);
    }

    void itemsArePaddedToSixtyPixelsAndUnnamedRowsLeftOut()
    {
        m_model.enterCell(2, 1, QStringLiteral("12.00")); // an amount without a name
        m_model.enterCell(3, 0, QStringLiteral("Electricity"));
        const QString text = budgettext::clipboardText(m_model, 2007, sevenEach);
        QVERIFY(text.contains(QStringLiteral("\rElectricity\t")));
        QVERIFY(!text.contains(QStringLiteral("12.00")));
        // A font that gives spaces no width still ends the padding.
        const QString stalled = budgettext::clipboardText(m_model, 2007, [](const QString &) { return 0; });
        QVERIFY(stalled.contains(QStringLiteral("Rent") + QString(60, u' ') + u'\t'));
    }

    void copyUsesTheWindowFontAndSaysSo()
    {
        QWidget window;
        t->prompter.answer(Button::Ok);
        copyBudgetToClipboard(t->program, &window, m_model, 2007);
        QVERIFY(t->platform.clipboardText.startsWith(QStringLiteral("2007 Budget\r\n")));
        QCOMPARE(t->prompter.last().title, QStringLiteral("Copy Option"));
        QCOMPARE(t->prompter.last().text,
                 QStringLiteral("Current Budget has been copied to the Windows Clipboard."));
        QCOMPARE(t->platform.busyDepth, 0);
    }

    void menusOfferCopyAndExport_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("copy");
        QTest::addColumn<bool>("exportFile");
        QTest::newRow("first row") << 0 << "Rent" << true << true;
        QTest::newRow("second row only") << 1 << "Rent" << false << true;
        QTest::newRow("row 20") << 19 << "Rent" << false << true;
        QTest::newRow("row 21 only") << 20 << "Rent" << false << false;
        QTest::newRow("spaces in the first row") << 0 << "   " << true << false;
        QTest::newRow("nothing") << 0 << "" << false << false;
    }
    void menusOfferCopyAndExport()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(bool, copy);
        QFETCH(bool, exportFile);
        BudgetSheet sheet;
        sheet.rows[size_t(row)][0] = name;
        QCOMPARE(budgettext::canCopy(sheet), copy);
        QCOMPARE(budgettext::canExport(sheet), exportFile);
    }

    void utilitiesMenuOffersBackupOfASavedYearOnly()
    {
        const budgettext::UtilitiesMenu saved =
            budgettext::utilitiesMenu(t->program.folder, 2007, m_model.sheet());
        QVERIFY(saved.backup && saved.exportFile && saved.restore);
        QFile empty(t->program.folder.filePath(QStringLiteral("2008.Fil")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        for (int year : {2008, 2009}) {
            const budgettext::UtilitiesMenu unsaved =
                budgettext::utilitiesMenu(t->program.folder, year, BudgetSheet());
            QVERIFY(!unsaved.backup && !unsaved.exportFile && unsaved.restore);
        }
    }

    void exportWritesTheGridAndReplacesAnEarlierFile()
    {
        QWidget window;
        const QString path = t->program.folder.filePath(QStringLiteral("Budget2007.xls"));
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier export that is longer than the new one will be, by a good margin\r\n" +
                      QByteArray(4000, 'x'));
        earlier.close();
        t->prompter.answerInput(QStringLiteral("Budget2007.xls"));
        QVERIFY(exportBudget(t->program, &window, m_model.sheet(), 2007));
        const test::Prompt &asked = t->prompter.last();
        QCOMPARE(asked.title, QStringLiteral("Export File in Excel/Spreadsheet Format"));
        QCOMPARE(asked.initialText, QStringLiteral("Budget2007.xls"));
        QVERIFY(asked.text.startsWith(
            QStringLiteral("A non-formatted Spreadsheet File without Totals will be saved "
                           "in the program folder:  \r\r")));
        QVERIFY(
            asked.text.endsWith(QStringLiteral("\r\rwith the following name.\r\rNote: If File already exists "
                                               "it will be replaced with this file!\r")));
        const QList<QByteArray> lines = readAll(path).split('\n');
        QCOMPARE(lines.size(), 52); // 51 lines and the empty rest after the last line end
        QCOMPARE(lines[0],
                 QByteArray("\tItem\tJan\tFeb\tMar\tApr\tMay\tJun\tJul\tAug\tSep\tOct\tNov\tDec\r"));
        QCOMPARE(lines[1], QByteArray("\tRent\t850.00") + QByteArray(11, '\t') + '\r');
        QCOMPARE(lines[50], QByteArray(13, '\t') + '\r');
        QVERIFY(lines[51].isEmpty());
    }

    void exportNameChoices_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written"); // relative to the program folder; empty: nothing written
        QTest::newRow("cancel") << ""
                                << "";
        QTest::newRow("spaces") << "   "
                                << "";
        QTest::newRow("own name") << " mine.xls "
                                  << "mine.xls";
        QTest::newRow("a path") << "@/elsewhere.xls"
                                << "elsewhere.xls";
    }
    void exportNameChoices()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QTemporaryDir elsewhere;
        typed.replace(u'@', elsewhere.path());
        QWidget window;
        t->prompter.answerInput(typed);
        QCOMPARE(exportBudget(t->program, &window, m_model.sheet(), 2007), !written.isEmpty());
        const QDir folder = typed.contains(elsewhere.path()) ? QDir(elsewhere.path()) : t->program.folder;
        QCOMPARE(folder.entryList({QStringLiteral("*.xls")}, QDir::Files),
                 written.isEmpty() ? QStringList() : QStringList{written});
    }

    void failedExportNamesTheFileAndKeepsTheEarlierOne()
    {
        QWidget window;
        const QString path = t->program.folder.filePath(QStringLiteral("missing folder/Budget2007.xls"));
        t->prompter.answerInput(QStringLiteral("missing folder/Budget2007.xls"));
        t->prompter.answer(Button::Ok);
        QVERIFY(!exportBudget(t->program, &window, m_model.sheet(), 2007));
        QCOMPARE(t->prompter.last().title, QStringLiteral("Export File in Excel/Spreadsheet Format"));
        QCOMPARE(t->prompter.last().icon, Icon::Critical);
        QVERIFY(t->prompter.last().text.contains(path));
        QVERIFY(!QFileInfo::exists(path));
    }
};

TQ_TEST_MAIN(TestBudgetText)
#include "tst_budgettext.moc"
