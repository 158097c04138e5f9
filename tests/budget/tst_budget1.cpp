#include "budget/budget1.h"
#include "budget/budgetchart.h"
#include "budget/gridbackgroundselector.h"
#include "budget/totalspanel.h"
#include "budgetengine/yearfile.h"
#include "budgetengine/yearhistory.h"
#include "budgetfixture.h"
#include "components/colours.h"
#include "components/grid.h"
#include "components/printdocument.h"
#include "components/spelldictionary.h"
#include "fakes.h"
#include "frame/activitytoolbar.h"
#include "frame/reportpreview.h"
#include "windowdriver.h"

#include <QAccessible>
#include <QChart>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

using namespace tq;
using namespace tq::test;

namespace {

const QString invalidTitle = QStringLiteral("Invalid Cell Entry");
const QString notNumbers = QStringLiteral("Cell entries must be numbers only!");
const QString overLimit = QStringLiteral("Cell entries are limited to 9,999.99!");
const QString savePrompt = QStringLiteral("Save changes made to 2007 budget before Exiting?");

} // namespace

class TestBudget1 : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> t;
    std::unique_ptr<QWidget> launcher;
    QPointer<Budget1> w;

    void open() { w = openToolWindow<Budget1>(t->program, launcher.get()); }
    void saveSheet(const BudgetSheet &sheet) { QVERIFY(yearfile::save(t->program.folder, 2007, sheet)); }
    Grid *grid() const { return w->form().grid; }
    QString cell(int row, int column) const { return w->model().text(row, column); }
    QString label(const QString &name) const { return findNamed<QLabel>(w, name)->text(); }
    QString yearFilePath(int year = 2007) const
    {
        return t->program.folder.filePath(yearfile::fileName(year));
    }

    // A click on a cell, in model rows and columns (item column 0).
    void click(int row, int column)
    {
        const GridSpot spot = grid()->cellSpot(row + 1, column + 1);
        QTest::mouseClick(spot.widget, Qt::LeftButton, {}, spot.rect.center());
    }
    // Types into a cell of the grid and leaves it with Enter.
    void typeInto(int row, int column, const QString &keys)
    {
        click(row, column);
        grid()->setFocus();
        QTest::keyClicks(grid()->tableView(), keys.left(1));
        QTest::keyClicks(QApplication::focusWidget(), keys.mid(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!grid()->isEditing());
    }
    // Keys go to the combo box, as a user's do; it hands them to its text field.
    void enterYear(const QString &text, Qt::Key key = Qt::Key_Return)
    {
        replaceText(w, QStringLiteral("Combo1"), text);
        QTest::keyClick(w->form().yearBox, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    // Rent and an income in every month, so the totals open.
    void saveTotalledBudget(int year = 2007)
    {
        BudgetSheet sheet;
        sheet.rows[0] = budgetfixture::row(QStringLiteral("Rent"), {QStringLiteral("800.00")});
        sheet.incomes.fill(QStringLiteral("2500.00"));
        QVERIFY(yearfile::save(t->program.folder, year, sheet));
    }
    // A user's right click: press, release, then the context menu event.
    void rightClick(QWidget *target, QPoint at)
    {
        QTest::mouseClick(target, Qt::RightButton, {}, at);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &menuEvent);
    }

private Q_SLOTS:
    void init()
    {
        t = std::make_unique<TestProgram>();
        useSmallerDisplay(t->program);
        t->clock.fixed = QDateTime(QDate(2007, 3, 14), QTime(9, 30));
        launcher = showLauncherStandIn();
    }
    void cleanup()
    {
        if (w)
            w->model().setModified(false);
        delete w;
        launcher.reset();
        t->prompter.verifyAllUsed();
        t.reset();
    }

    void opensOnTodaysYearWithoutCreatingAFile()
    {
        open();
        QCOMPARE(w->windowTitle(), QStringLiteral("Home Budget"));
        QCOMPARE(w->selectedYear(), 2007);
        QCOMPARE(w->form().yearBox->currentText(), QStringLiteral("2007"));
        QCOMPARE(w->form().yearBox->count(), 100);
        QCOMPARE(label(QStringLiteral("Panel3D4")), QStringLiteral("C1:R1"));
        QCOMPARE(label(QStringLiteral("Label3(0)")), QString());
        QVERIFY(!w->model().isModified());
        QVERIFY(t->prompter.prompts.isEmpty());
        QVERIFY(!QFile::exists(yearFilePath()));
        for (const int button : {15, 45, 46})
            QVERIFY(w->topToolbar()->button(button)->isEnabled());
    }

    // Closing under the correction dialog deleted the checker still running it.
    void spellingDialogHoldsOffEveryClosePath_data() { addCloseRows(); }
    void spellingDialogHoldsOffEveryClosePath()
    {
        if (SpellDictionary::find(SpellDictionary::systemFolders(), QLocale()).isEmpty())
            QSKIP("no Hunspell dictionary installed");
        QFETCH(QString, closePath);
        BudgetSheet sheet;
        sheet.rows[0][0] = QStringLiteral("Grocries");
        saveSheet(sheet);
        open();
        click(0, 1); // the grid has the focus, not the Input Box
        QWidget *parent = nullptr;
        Qt::WindowModality modality = Qt::NonModal;
        t->prompter.scriptDialog(QStringLiteral("SpellDialog"), [&](QDialog &dialog) {
            parent = dialog.parentWidget();
            modality = dialog.windowModality();
            tryClosing(w, closePath);
            clickButton(w, QStringLiteral("Command15"));
            return int(QDialog::Rejected);
        });
        clickButton(w, QStringLiteral("Command15"));
        QVERIFY(w && w->isVisible());
        QCOMPARE(parent, w.data());
        QCOMPARE(modality, Qt::WindowModal);
        QCOMPARE(
            t->prompter.texts(),
            (QStringList{
                QStringLiteral("SpellDialog"),
                QStringLiteral("Spelling Check has been canceled or has reached the end of your entries")}));
    }

    void familyNameInCaption()
    {
        t->program.state.familyName = QStringLiteral("Smith");
        open();
        QCOMPARE(w->windowTitle(), QStringLiteral("Smith Home Budget"));
    }

    void cellEntryRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("message");
        QTest::newRow("limit") << "10000"
                               << "9999.99" << overLimit;
        QTest::newRow("half") << "0.5"
                              << ".50" << QString();
        QTest::newRow("negative") << "-3"
                                  << "" << notNumbers;
        QTest::newRow("text") << "abc"
                              << "" << notNumbers;
    }
    void cellEntryRules()
    {
        QFETCH(QString, typed);
        QFETCH(QString, cell);
        QFETCH(QString, message);
        open();
        if (!message.isEmpty())
            t->prompter.answer(Button::Ok);
        typeInto(0, 1, typed);
        QCOMPARE(this->cell(0, 1), cell);
        QCOMPARE(t->prompter.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(t->prompter.last().title, invalidTitle);
        QCOMPARE(label(QStringLiteral("Panel3D4")), QStringLiteral("C2:R1"));
    }

    void editBoxCutsAtACommaAndRefusesQuotes()
    {
        open();
        click(0, 1);
        QLineEdit *box = w->form().editBox;
        box->setFocus();
        box->insert(QStringLiteral("1,5"));
        QCOMPARE(box->text(), QStringLiteral("1"));
        QCOMPARE(cell(0, 1), QStringLiteral("1.00"));
        QVERIFY(w->model().isModified());

        click(1, 0);
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("Big \"Box\""));
        QCOMPARE(cell(1, 0), QStringLiteral("Big Box"));
    }

    // Tab leaves the name for an editor on January that the user never typed in.
    void tabAfterAnItemNameAsksNothing()
    {
        open();
        click(0, 0);
        grid()->setFocus();
        QTest::keyClicks(grid()->tableView(), QStringLiteral("R"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ent"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        click(2, 0);
        QTRY_VERIFY(!grid()->isEditing());
        QCOMPARE(cell(0, 0), QStringLiteral("Rent"));
        QCOMPARE(cell(0, 1), QString());
        QVERIFY(t->prompter.prompts.isEmpty());
    }

    void monthlyRowsFollowTheEditBoxAndIncome()
    {
        open();
        typeInto(0, 0, QStringLiteral("Rent"));
        typeInto(0, 1, QStringLiteral("100"));
        click(0, 2);
        w->form().editBox->setFocus();
        QTest::keyClicks(w->form().editBox, QStringLiteral("50"));
        QCOMPARE(label(QStringLiteral("Label3(1)")), QStringLiteral("50.00"));
        t->prompter.answerInput(QStringLiteral("1000"));
        t->prompter.answer(Button::No);
        QTest::mouseClick(findNamed<QLabel>(w, QStringLiteral("Label5(1)")), Qt::LeftButton);
        QCOMPARE(label(QStringLiteral("Label3(1)")), QStringLiteral("50.00"));
        QCOMPARE(label(QStringLiteral("Label7(1)")), QStringLiteral("950.00"));
        QCOMPARE(label(QStringLiteral("Label7(0)")), QStringLiteral("-100.00"));
    }

    void clickingACellDoesNotChangeIt()
    {
        BudgetSheet sheet;
        sheet.rows[0] = budgetfixture::row(QStringLiteral("Food, misc"), {QStringLiteral("20.00")});
        saveSheet(sheet);
        open();
        click(0, 0);
        QCOMPARE(w->form().editBox->text(), QStringLiteral("Food, misc"));
        QCOMPARE(cell(0, 0), QStringLiteral("Food, misc"));
        QVERIFY(!w->model().isModified());
    }

    void incomeEntry_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("capped");
        QTest::newRow("over the limit") << 0 << "100000"
                                        << "99999.99" << true;
        QTest::newRow("at the limit") << 0 << "99999.99"
                                      << "99999.99" << false;
        QTest::newRow("december asks nothing") << 11 << "2500"
                                               << "2500.00" << false;
    }
    void incomeEntry()
    {
        QFETCH(int, month);
        QFETCH(QString, answer);
        QFETCH(QString, caption);
        QFETCH(bool, capped);
        open();
        t->prompter.answerInput(answer);
        if (capped)
            t->prompter.answer(Button::Ok);
        if (month < 11)
            t->prompter.answer(Button::No);
        QTest::mouseClick(findNamed<QLabel>(w, QStringLiteral("Label5(%1)").arg(month)), Qt::LeftButton);
        QCOMPARE(t->prompter.prompts.first().title, QStringLiteral("Total Income"));
        QCOMPARE(t->prompter.prompts.first().text,
                 QStringLiteral("Enter Total Amount of Income That you will be receiving this month."));
        QStringList titles;
        for (const Prompt &p : t->prompter.prompts)
            titles << p.title;
        QStringList expected{QStringLiteral("Total Income")};
        if (capped)
            expected << QStringLiteral("Maximum Allowed Entry Exceeded");
        if (month < 11)
            expected << QStringLiteral("Total Income Row");
        QCOMPARE(titles, expected);
        QCOMPARE(label(QStringLiteral("Label5(%1)").arg(month)), caption);
        QCOMPARE(label(QStringLiteral("Label7(%1)").arg(month)), caption);
        QVERIFY(w->model().isModified());
    }

    void incomeCopiedRightAndBalanceRed()
    {
        open();
        typeInto(0, 1, QStringLiteral("800"));
        t->prompter.answerInput(QStringLiteral("500"));
        t->prompter.answer(Button::Yes);
        QTest::mouseClick(findNamed<QLabel>(w, QStringLiteral("Label5(0)")), Qt::LeftButton);
        QCOMPARE(label(QStringLiteral("Label5(11)")), QStringLiteral("500.00"));
        QCOMPARE(label(QStringLiteral("Label7(0)")), QStringLiteral("-300.00"));
        const QColor darkRed(128, 0, 0); // the totals panel's red
        QCOMPARE(findNamed<QLabel>(w, QStringLiteral("Label7(0)"))->palette().color(QPalette::WindowText),
                 darkRed);
        QVERIFY(findNamed<QLabel>(w, QStringLiteral("Label7(1)"))->palette().color(QPalette::WindowText) !=
                darkRed);
    }

    void copyRightFromMarch()
    {
        open();
        typeInto(0, 3, QStringLiteral("50"));
        click(0, 3);
        clickButton(w, QStringLiteral("Command4"));
        QCOMPARE(QApplication::focusWidget(), grid()->tableView());
        QCOMPARE(label(QStringLiteral("Panel3D4")), QStringLiteral("C4:R1"));
        for (int month = 3; month <= 12; ++month)
            QCOMPARE(cell(0, month), QStringLiteral("50.00"));
        QCOMPARE(label(QStringLiteral("Label3(11)")), QStringLiteral("50.00"));
        QCOMPARE(cell(0, 2), QString());
        click(0, 12);
        QVERIFY(!findNamed<QPushButton>(w, QStringLiteral("Command4"))->isEnabled());
        click(0, 0);
        QVERIFY(!findNamed<QPushButton>(w, QStringLiteral("Command4"))->isEnabled());
    }

    void insertAtRow3DropsRow50()
    {
        BudgetSheet sheet;
        sheet.rows[2] = budgetfixture::row(QStringLiteral("Three"));
        sheet.rows[49] = budgetfixture::row(QStringLiteral("Last"), {QStringLiteral("40.00")});
        saveSheet(sheet);
        open();
        QCOMPARE(label(QStringLiteral("Label3(0)")), QStringLiteral("40.00"));
        click(2, 0);
        findAction(w, QStringLiteral("mOIN"))->trigger();
        QCOMPARE(cell(2, 0), QString());
        QCOMPARE(cell(3, 0), QStringLiteral("Three"));
        QCOMPARE(cell(49, 0), QString());
        QCOMPARE(label(QStringLiteral("Label3(0)")), QStringLiteral(".00"));
        QVERIFY(w->model().isModified());
    }

    void ascendingItemSortDropsUnnamedRows()
    {
        BudgetSheet sheet;
        sheet.rows[0] = budgetfixture::row(QStringLiteral("Rent"), {QStringLiteral("800.00")});
        sheet.rows[1] = budgetfixture::row(QString(), {QStringLiteral("20.00")});
        sheet.rows[2] = budgetfixture::row(QStringLiteral("Food"), {QStringLiteral("200.50")});
        sheet.rows[6] = budgetfixture::row(QString(), {QStringLiteral("30.00")});
        saveSheet(sheet);
        open();
        const GridSpot heading = grid()->cellSpot(0, 1);
        QTest::mouseClick(heading.widget, Qt::LeftButton, {}, heading.rect.center());
        QCOMPARE(cell(0, 0), QStringLiteral("Food"));
        QCOMPARE(cell(1, 0), QStringLiteral("Rent"));
        QCOMPARE(cell(2, 1), QString());
        QCOMPARE(cell(48, 1), QString());
        QCOMPARE(cell(49, 1), QString());
        QCOMPARE(label(QStringLiteral("Label3(0)")), QStringLiteral("1000.50"));
        QVERIFY(w->model().isModified());
        findAction(w, QStringLiteral("mOIN"))->trigger(); // a heading is no item row to insert at
        QCOMPARE(cell(0, 0), QStringLiteral("Food"));
    }

    void deleteOfferedOnlyAfterAClick()
    {
        BudgetSheet sheet;
        sheet.rows[0] = budgetfixture::row(QStringLiteral("Rent"), {QStringLiteral("800.00")});
        sheet.rows[1] = budgetfixture::row(QStringLiteral("Food"), {QStringLiteral("200.50")});
        saveSheet(sheet);
        open();
        findAction(w, QStringLiteral("mOIN"))->trigger();
        w->deleteRow(); // nothing clicked yet: no question, nothing changes
        QCOMPARE(cell(0, 0), QStringLiteral("Rent"));
        QVERIFY(t->prompter.prompts.isEmpty());

        click(0, 0);
        QVERIFY(findNamed<QPushButton>(w, QStringLiteral("Command6"))->isEnabled());
        t->prompter.answer(Button::No);
        clickButton(w, QStringLiteral("Command6"));
        QCOMPARE(t->prompter.last().title, QStringLiteral("Delete Row"));
        QCOMPARE(t->prompter.last().text, QStringLiteral("Do you really want to delete this row?"));
        QCOMPARE(t->prompter.last().defaultButton, Button::No);
        QCOMPARE(cell(0, 0), QStringLiteral("Rent"));
        QCOMPARE(w->model().markedRow(), -1);

        click(0, 0);
        t->prompter.answer(Button::Yes);
        clickButton(w, QStringLiteral("Command6"));
        QCOMPARE(cell(0, 0), QStringLiteral("Food"));
        QCOMPARE(label(QStringLiteral("Label3(0)")), QStringLiteral("200.50"));
        QVERIFY(!findNamed<QPushButton>(w, QStringLiteral("Command6"))->isEnabled());
        QCOMPARE(QApplication::focusWidget(), findNamed<QPushButton>(w, QStringLiteral("Command3")));
    }

    void positionFollowsClicksAndKeys()
    {
        open();
        click(3, 0);
        QCOMPARE(label(QStringLiteral("Panel3D4")), QStringLiteral("C1:R4"));
        QTest::keyClick(grid()->tableView(), Qt::Key_Right);
        QCOMPARE(label(QStringLiteral("Panel3D4")), QStringLiteral("C2:R4"));
    }

    void positionEmptiesAtTheButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Copy To Right") << "Command4";
        QTest::newRow("Save") << "Command5";
        QTest::newRow("Delete Row") << "Command6";
    }
    void positionEmptiesAtTheButtons()
    {
        QFETCH(QString, button);
        open();
        click(0, 1);
        QCOMPARE(label(QStringLiteral("Panel3D4")), QStringLiteral("C2:R1"));
        findNamed<QPushButton>(w, button)->setFocus();
        QCOMPARE(label(QStringLiteral("Panel3D4")), QString());
    }

    void rightClickOnHeadingsAndTotalsList_data()
    {
        QTest::addColumn<bool>("totalsList");
        QTest::newRow("grid heading") << false;
        QTest::newRow("totals list") << true;
    }
    void rightClickOnHeadingsAndTotalsList()
    {
        QFETCH(bool, totalsList);
        saveTotalledBudget();
        open();
        Grid *target = grid();
        if (totalsList) {
            clickButton(w, QStringLiteral("Command8"));
            target = w->findChild<TotalsPanel *>()->itemList();
        }
        const GridSpot spot = target->cellSpot(0, 1);
        rightClick(spot.widget, spot.rect.center());
        QTRY_VERIFY(w->optionsMenu()->isVisible());
        w->optionsMenu()->close();
        QCOMPARE(cell(0, 0), QStringLiteral("Rent"));
    }

    void rightClickPopsOptionsAtTheFirstItem()
    {
        BudgetSheet sheet;
        sheet.rows[0] = budgetfixture::row(QStringLiteral("Rent"));
        saveSheet(sheet);
        open();
        click(3, 2);
        QTest::mouseClick(grid()->tableView()->viewport(), Qt::RightButton, {}, QPoint(30, 30));
        QMenu *options = w->optionsMenu();
        QTRY_VERIFY(options->isVisible());
        QVERIFY(findAction(w, QStringLiteral("mOCopy"))->isVisible());
        QVERIFY(findAction(w, QStringLiteral("mODel"))->isEnabled());
        QVERIFY(findAction(w, QStringLiteral("mOIN"))->isEnabled());
        QCOMPARE(label(QStringLiteral("Panel3D4")), QStringLiteral("C1:R1"));
        options->close();
        QTRY_VERIFY(!findAction(w, QStringLiteral("mOCopy"))->isVisible());

        QTest::keyClick(w, Qt::Key_F1);
        QCOMPARE(t->platform.helpTopics, QList<int>{3006});
    }

    void yearBoxEnter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("year");
        QTest::newRow("below") << "1985" << int(Qt::Key_Return) << 1990;
        QTest::newRow("above") << "2150" << int(Qt::Key_Return) << 2089;
        QTest::newRow("five digits") << "12005" << int(Qt::Key_Return) << 2089;
        QTest::newRow("negative") << "-2005" << int(Qt::Key_Return) << 1990;
        QTest::newRow("text") << "abc" << int(Qt::Key_Return) << 1990;
        QTest::newRow("trailing text") << "2000abc" << int(Qt::Key_Return) << 2000;
        QTest::newRow("list entry, keypad Enter") << "2005" << int(Qt::Key_Enter) << 2005;
    }
    void yearBoxEnter()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, year);
        open();
        enterYear(typed, Qt::Key(key));
        QCOMPARE(w->selectedYear(), year);
        QCOMPARE(w->form().yearBox->currentText(), QString::number(year));
        QVERIFY(t->prompter.prompts.isEmpty());
    }

    void savePromptCancelKeepsYearAndChanges()
    {
        open();
        typeInto(0, 0, QStringLiteral("Rent"));
        t->prompter.answer(Button::Cancel);
        w->form().yearBox->setFocus();
        QCOMPARE(t->prompter.last().title, QStringLiteral("Home Budget"));
        QCOMPARE(t->prompter.last().text, savePrompt);
        QCOMPARE(t->prompter.last().icon, Icon::Question);
        QCOMPARE(w->selectedYear(), 2007);
        QCOMPARE(cell(0, 0), QStringLiteral("Rent"));
        QVERIFY(w->model().isModified());
        t->prompter.answer(Button::Cancel);
        QTest::keyClick(w->form().yearBox, Qt::Key_Return);
        QCOMPARE(t->prompter.prompts.size(), 2);
        QCOMPARE(w->selectedYear(), 2007);
        QCOMPARE(cell(0, 0), QStringLiteral("Rent"));

        t->prompter.answer(Button::Cancel);
        clickButton(w, QStringLiteral("Command3"));
        QVERIFY(w && w->isVisible());
        t->prompter.answer(Button::No);
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(!w);
        QVERIFY(!QFile::exists(yearFilePath()));
    }

    // Ctrl+Z and Ctrl+Y on the grid take edits back and forth with their
    // figures; undoing back to the saved budget leaves nothing unsaved.
    void undoAndRedoFromTheKeyboard()
    {
        open();
        const QList<QAction *> edit = w->findChild<QMenu *>(QStringLiteral("mE"))->actions();
        QCOMPARE(edit.at(0)->text(), QStringLiteral("&Undo"));
        QCOMPARE(edit.at(0)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(edit.at(1)->text(), QStringLiteral("&Redo"));
        QCOMPARE(edit.at(1)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
        QVERIFY(!edit.at(0)->isEnabled());

        typeInto(0, 0, QStringLiteral("Rent"));
        clickButton(w, QStringLiteral("Command5"));
        typeInto(0, 1, QStringLiteral("850"));
        QCOMPARE(label(QStringLiteral("Label3(0)")), QStringLiteral("850.00"));
        const auto press = [this](int key) {
            QTest::keyClick(grid()->tableView(), Qt::Key(key), Qt::ControlModifier);
        };
        press(Qt::Key_Z);
        QCOMPARE(cell(0, 1), QString());
        QCOMPARE(label(QStringLiteral("Label3(0)")), QStringLiteral(".00"));
        QVERIFY(!w->model().isModified()); // as saved
        press(Qt::Key_Z);
        QCOMPARE(cell(0, 0), QString());
        QVERIFY(w->model().isModified());
        press(Qt::Key_Y);
        press(Qt::Key_Y);
        QCOMPARE(cell(0, 1), QStringLiteral("850.00"));
        QCOMPARE(label(QStringLiteral("Label3(0)")), QStringLiteral("850.00"));
        QVERIFY(w->model().isModified());
    }

    void saveThenLoadRoundTrip()
    {
        open();
        typeInto(0, 0, QStringLiteral("Rent"));
        typeInto(0, 1, QStringLiteral("850"));
        clickButton(w, QStringLiteral("Command5"));
        QVERIFY(!w->model().isModified());
        QFile file(yearFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), budgetfixture::rentFile());
        w->close();
        QTRY_VERIFY(!w);
        open();
        QCOMPARE(cell(0, 0), QStringLiteral("Rent"));
        QCOMPARE(cell(0, 1), QStringLiteral("850.00"));
        QCOMPARE(label(QStringLiteral("Label3(0)")), QStringLiteral("850.00"));
        QVERIFY(!w->model().isModified());
    }

    // A name that cannot be read as a file (here a folder) is neither loaded
    // nor replaced unasked, and a failed save keeps the changes.
    void unreadableFileIsNotReplacedUnasked()
    {
        QVERIFY(QDir(t->program.folder).mkdir(yearfile::fileName(2007)));
        QFile keep(yearFilePath() + QStringLiteral("/keep.txt"));
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.close();
        t->prompter.answer(Button::Ok);
        open();
        QVERIFY(t->prompter.last().text.contains(QStringLiteral("2007.Fil cannot be read")));
        typeInto(0, 0, QStringLiteral("Rent"));

        t->prompter.answer(Button::No);
        clickButton(w, QStringLiteral("Command5"));
        QVERIFY(t->prompter.last().text.contains(QStringLiteral("Replace it")));
        QVERIFY(w->model().isModified());

        t->prompter.answer(Button::Yes);
        t->prompter.answer(Button::Ok);
        clickButton(w, QStringLiteral("Command5"));
        QCOMPARE(t->prompter.last().title, QStringLiteral("Home Budget"));
        QVERIFY(t->prompter.last().text.startsWith(QStringLiteral("The budget could not be saved to ")));
        QVERIFY(t->prompter.last().text.contains(QStringLiteral("2007.Fil")));
        QVERIFY(w->model().isModified());
        QVERIFY(QFile::exists(keep.fileName()));

        // A failed save at the exit's prompt keeps the window open.
        t->prompter.answer(Button::Yes);
        t->prompter.answer(Button::Yes);
        t->prompter.answer(Button::Ok);
        clickButton(w, QStringLiteral("Command3"));
        QVERIFY(w && w->isVisible());
    }

    void copyToNextYearAsks()
    {
        saveSheet(BudgetSheet{});
        BudgetSheet sheet;
        sheet.rows[0] = budgetfixture::row(QStringLiteral("Rent"));
        saveSheet(sheet);
        QVERIFY(yearfile::save(t->program.folder, 2008, BudgetSheet{}));
        open();
        t->prompter.answer(Button::Yes);
        clickButton(w, QStringLiteral("Command7"));
        QCOMPARE(t->prompter.last().title, QStringLiteral("Copy Year"));
        QCOMPARE(t->prompter.last().text, QStringLiteral("Copy 2007 file to 2008?"));
        QCOMPARE(yearfile::load(t->program.folder, 2008).sheet.rows[0], sheet.rows[0]);
        // The 2008 budget it replaced is kept.
        const auto kept = yearhistory::versions(t->program.folder, 2008);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(yearfile::loadFile(kept[0].path).sheet.rows[0], BudgetRow{});
    }

    // Empty items give the check no words: it ends at once, tells so, gives the
    // caption back, and never loads the dictionary (nor does opening the window).
    void spellingCheckOfNoWordsTellsAndRestoresCaption()
    {
        open();
        QVERIFY(!w->spelling().checker().dictionaryLoaded());
        const QString caption = w->statusText();
        t->prompter.answer(Button::Ok);
        clickButton(w, QStringLiteral("Command15"));
        QCOMPARE(t->prompter.last().title, QStringLiteral("Spelling Check"));
        QCOMPARE(t->prompter.last().text,
                 QStringLiteral("Spelling Check did not change or did not find any misspelled words!"));
        QCOMPARE(w->statusText(), caption);
        QVERIFY(!w->spelling().checker().dictionaryLoaded());
        t->prompter.answer(Button::Ok);
        findAction(w, QStringLiteral("mOSpell"))->trigger();
        QCOMPARE(t->prompter.texts().size(), 2);
        QCOMPARE(t->platform.beeps, 0);
    }

    // The menus offer copy and export only once there are item names to take out.
    void copyAndExportFollowTheItems()
    {
        open();
        QAction *copy = findAction(w, QStringLiteral("mECopy"));
        QAction *exportFile = findAction(w, QStringLiteral("mUExcel"));
        QMenu *utilities = w->findChild<QMenu *>(QStringLiteral("mU"));
        QVERIFY(utilities);
        Q_EMIT w->editMenu()->aboutToShow();
        Q_EMIT utilities->aboutToShow();
        QVERIFY(!copy->isEnabled());
        QVERIFY(!exportFile->isEnabled());
        QVERIFY(!findAction(w, QStringLiteral("mUB"))->isEnabled());
        QVERIFY(findAction(w, QStringLiteral("mUR"))->isEnabled());

        typeInto(0, 0, QStringLiteral("Rent"));
        Q_EMIT w->editMenu()->aboutToShow();
        Q_EMIT utilities->aboutToShow();
        QVERIFY(copy->isEnabled());
        QVERIFY(exportFile->isEnabled());

        t->prompter.answer(Button::Ok);
        copy->trigger();
        QCOMPARE(t->prompter.last().title, QStringLiteral("Copy Option"));
        QCOMPARE(t->prompter.last().text,
                 QStringLiteral("Current Budget has been copied to the Windows Clipboard."));
        QVERIFY(t->platform.clipboardText.contains(QStringLiteral("Rent")));

        t->prompter.answerInput(QStringLiteral("Out.xls"));
        exportFile->trigger();
        QCOMPARE(t->prompter.last().title, QStringLiteral("Export File in Excel/Spreadsheet Format"));
        QFile out(t->program.folder.filePath(QStringLiteral("Out.xls")));
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QByteArray bytes = out.readAll();
        QVERIFY(bytes.startsWith("\tItem\tJanuary") || bytes.startsWith("\tItem\tJan"));
        QVERIFY(bytes.contains("\r\n\tRent\t"));
    }

    // The refused item does not stay checked, and the selector stays open.
    void totalsWithoutIncomeOnlyTells()
    {
        open();
        findAction(w, QStringLiteral("mOGB"))->trigger();
        t->prompter.answer(Button::Ok);
        findAction(w, QStringLiteral("mOT"))->trigger();
        QCOMPARE(t->prompter.last().title, QStringLiteral("View Totals"));
        QCOMPARE(
            t->prompter.last().text,
            QStringLiteral("There must be at least one entry and at least one income entry to view Totals!"));
        QVERIFY(!w->findChild<TotalsPanel *>()->isVisible());
        QVERIFY(!findAction(w, QStringLiteral("mOT"))->isChecked());
        QVERIFY(w->findChild<GridBackgroundSelector *>()->isVisible());
    }

    // While the panel is open the commands that edit or print the grid are off;
    // Esc closes it and gives them back with the caption.
    void totalsPanelBlocksEditingUntilEsc()
    {
        saveTotalledBudget();
        QImage picture(40, 40, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(t->program.folder.filePath(QStringLiteral("WP5.jpg")), "PNG"));
        QVERIFY(t->gcolor1().writeString(14, QStringLiteral("WP5")));
        open();
        const QString caption = w->statusText();
        clickButton(w, QStringLiteral("Command8"));
        auto *panel = w->findChild<TotalsPanel *>(); // built by its first opening
        QVERIFY(panel->isVisible());
        QVERIFY(panel->itemList()->hasBackgroundPicture());
        QCOMPARE(panel->chart()->chart()->backgroundBrush().color(), w->panelColour());
        QCOMPARE(w->statusText(), QStringLiteral("Totals For Year"));
        QVERIFY(findAction(w, QStringLiteral("mOT"))->isChecked());
        QVERIFY(!findAction(w, QStringLiteral("mOGB"))->isEnabled());
        QVERIFY(!findNamed<QPushButton>(w, QStringLiteral("Command5"))->isEnabled());
        QVERIFY(!findNamed<QPushButton>(w, QStringLiteral("Command2"))->isEnabled());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(w && w->isVisible());
        QVERIFY(!panel->isVisible());
        QCOMPARE(w->statusText(), caption);
        QVERIFY(findNamed<QPushButton>(w, QStringLiteral("Command5"))->isEnabled());
        QVERIFY(findAction(w, QStringLiteral("mOGB"))->isEnabled());
        QVERIFY(t->prompter.prompts.isEmpty());
    }

    // The grid and the totals each print their own document; Esc takes the
    // totals panel first, then the preview.
    void printOpensTheGridOrTheTotalsDocument()
    {
        BudgetSheet sheet;
        sheet.rows[0] = budgetfixture::row(QStringLiteral("Rent"), {QStringLiteral("800.00")});
        sheet.incomes.fill(QStringLiteral("2500.00"));
        saveSheet(sheet);
        open();
        clickButton(w, QStringLiteral("Command2"));
        QVERIFY(w->isPreviewShown());
        QCOMPARE(w->statusText(), QStringLiteral("Print"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w->isPreviewShown());
        QVERIFY(w && w->isVisible());

        clickButton(w, QStringLiteral("Command8"));
        clickButton(w->findChild<TotalsPanel *>(), QStringLiteral("Command14"));
        QVERIFY(w->isPreviewShown());
        QCOMPARE(w->statusText(), QStringLiteral("Print Totals"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w->findChild<TotalsPanel *>()->isVisible());
        QVERIFY(w->isPreviewShown());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w->isPreviewShown());
        QVERIFY(w && w->isVisible());
    }

    // The widest figure each cell, monthly label and heading holds shows
    // whole in the font it is drawn in, at either display size.
    void widestFiguresShowWhole_data() { addDisplaySizeRows(); }
    void widestFiguresShowWhole()
    {
        useDisplaySizeOfRow(t->program);
        BudgetSheet sheet;
        sheet.rows[0] = budgetfixture::row(QStringLiteral("Rent"), {QStringLiteral("800.00")});
        sheet.incomes.fill(QStringLiteral("2500.00"));
        saveSheet(sheet);
        open();
        const auto fits = [](const QWidget *widget, const QStringList &texts, int room) {
            const QFontMetricsF metrics(widget->font());
            for (const QString &text : texts)
                QVERIFY2(metrics.horizontalAdvance(text) <= room,
                         qPrintable(QStringLiteral("%1: \"%2\" needs %3 of %4")
                                        .arg(widget->objectName(), text)
                                        .arg(metrics.horizontalAdvance(text))
                                        .arg(room)));
        };
        const QTableView *view = grid()->tableView();
        for (int column = 2; column <= 13; ++column)
            fits(view, {QStringLiteral("9999.99")}, grid()->cellTextRoom(column));
        QVERIFY(view->rowHeight(0) >= view->fontMetrics().height());
        QVERIFY(view->horizontalHeader()->height() >= view->horizontalHeader()->fontMetrics().height());
        const QStringList widest{QStringLiteral("-99999.00"), QStringLiteral("99999.99"),
                                 QStringLiteral("99999.00")};
        for (const QString &row :
             {QStringLiteral("Label3"), QStringLiteral("Label5"), QStringLiteral("Label7")})
            for (int month = 0; month < 12; ++month) {
                const QLabel *label = findNamed<QLabel>(w, QStringLiteral("%1(%2)").arg(row).arg(month));
                fits(label, widest, label->contentsRect().width());
                QVERIFY(label->fontMetrics().height() <= label->height());
            }
        for (int title = 0; title < 3; ++title) {
            const QLabel *label = findNamed<QLabel>(w, QStringLiteral("Label2(%1)").arg(title));
            fits(label, {label->text()}, label->contentsRect().width());
        }
        clickButton(w, QStringLiteral("Command8"));
        const QTableView *list = w->findChild<TotalsPanel *>()->itemList()->tableView();
        QVERIFY(list->rowHeight(0) >= list->fontMetrics().height());
        QVERIFY(list->horizontalHeader()->height() >= list->horizontalHeader()->fontMetrics().height());
    }

    // A screen reader hears each figure with its caption.
    void figuresAnnounceCaptionAndValue()
    {
        BudgetSheet sheet;
        sheet.rows[0] = budgetfixture::row(QStringLiteral("Rent"), {QStringLiteral("800.00")});
        sheet.incomes[0] = QStringLiteral("500.00");
        saveSheet(sheet);
        open();
        const auto spoken = [this](const QString &name) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(findNamed<QLabel>(w, name));
            return QStringList{a->text(QAccessible::Name), a->text(QAccessible::Value)};
        };
        QCOMPARE(spoken(QStringLiteral("Label3(0)")), (QStringList{"Total Expenses Jan", "800.00"}));
        QCOMPARE(spoken(QStringLiteral("Label5(0)")), (QStringList{"Total Income Jan", "500.00"}));
        QCOMPARE(spoken(QStringLiteral("Label7(0)")), (QStringList{"Balance Jan", "-300.00"}));
        clickButton(w, QStringLiteral("Command8"));
        QCOMPARE(spoken(QStringLiteral("Label15")), (QStringList{"Balance", "-300.00"}));
        QCOMPARE(spoken(QStringLiteral("Label16")), (QStringList{"Total Expenses Percent", "160.00%"}));
    }

    // Options "&Print" gives back the insert button its menu took and the
    // caption; "Auto Size" fits the budget's 78 letters "n" to the page.
    void optionsPrintAndAutoSize()
    {
        open();
        Q_EMIT w->optionsMenu()->aboutToShow();
        QVERIFY(!w->sideButton(4)->isEnabled());
        findAction(w, QStringLiteral("mOPrt"))->trigger();
        QVERIFY(w->isPreviewShown());
        QVERIFY(w->sideButton(4)->isEnabled());
        QCOMPARE(w->statusText(), QStringLiteral("Home Budget"));

        clickButton(w, QStringLiteral("SSCommand2"));
        PrintDocument &doc = w->reportPreview()->document();
        const double size = t->program.state.printFont.pointSize;
        const QString line(78, u'n');
        doc.setFontSize(size);
        QVERIFY(doc.textWidth(line) <= doc.printableWidth());
        doc.setFontSize(size + 1);
        QVERIFY(doc.textWidth(line) > doc.printableWidth());
    }

    // Unsaved changes are saved before the dialog sees the file; what the
    // restore put on disk is on screen afterwards.
    void restoreAsksToSaveFirstThenShowsTheRestoredFile()
    {
        open();
        typeInto(0, 0, QStringLiteral("Rent"));
        t->prompter.answer(Button::Yes);
        bool savedBefore = false;
        t->prompter.scriptDialog(QStringLiteral("Backup1"), [&](QDialog &) {
            savedBefore = QFile::exists(yearFilePath());
            BudgetSheet restored;
            restored.rows[0] = budgetfixture::row(QStringLiteral("Food"));
            saveSheet(restored);
            return int(QDialog::Accepted);
        });
        findAction(w, QStringLiteral("mUR"))->trigger();
        QCOMPARE(t->prompter.prompts.first().text, savePrompt);
        QVERIFY(savedBefore);
        QCOMPARE(cell(0, 0), QStringLiteral("Food"));
        QVERIFY(!w->model().isModified());
    }

    // Each save keeps the file it replaces; an earlier version opens after the
    // save question, unsaved, and a failed keep stops the save.
    void earlierVersionsKeptAndReopened()
    {
        open();
        typeInto(0, 0, QStringLiteral("Rent"));
        clickButton(w, QStringLiteral("Command5"));
        typeInto(0, 0, QStringLiteral("Food"));
        t->clock.fixed = t->clock.fixed.addSecs(60);
        clickButton(w, QStringLiteral("Command5"));
        typeInto(0, 0, QStringLiteral("Gas"));

        QStringList listed;
        t->prompter.scriptDialog(QStringLiteral("EarlierVersions"), [&](QDialog &d) {
            auto *list = d.findChild<QTreeWidget *>(QStringLiteral("versionList"));
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                listed << list->topLevelItem(i)->text(0) + u' ' + list->topLevelItem(i)->text(2);
            return int(QDialog::Accepted);
        });
        t->prompter.answer(Button::No);
        findAction(w, QStringLiteral("mUVersions"))->trigger();
        QCOMPARE(listed, QStringList{QStringLiteral("3/14/07 .00")}); // the first save replaced no file
        QCOMPARE(t->prompter.last().text, savePrompt);
        QCOMPARE(cell(0, 0), QStringLiteral("Rent"));
        QVERIFY(w->model().isModified());

        QVERIFY(QFile::setPermissions(t->program.folder.filePath(QStringLiteral("History")),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        t->prompter.answer(Button::Ok);
        clickButton(w, QStringLiteral("Command5"));
        QVERIFY(t->prompter.last().text.startsWith(QStringLiteral("The earlier version of ")));
        QVERIFY(w->model().isModified());
        QFile file(yearFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("\"Food\""));
        QFile::setPermissions(t->program.folder.filePath(QStringLiteral("History")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    // A restore starts the window over as at opening: today's year, the totals
    // closed with the basis back on income, the colours as stored.
    void restoreRunsTheOpeningAgain()
    {
        saveTotalledBudget(2007);
        saveTotalledBudget(2008);
        open();
        clickButton(w, QStringLiteral("Command8"));
        auto *panel = w->findChild<TotalsPanel *>(); // built by its first opening
        enterYear(QStringLiteral("2008"));
        QVERIFY(!panel->isVisible()); // no "TOTALS FOR 2007" over 2008's items
        clickButton(w, QStringLiteral("Command8"));
        clickButton(panel, QStringLiteral("Command12"));
        t->prompter.scriptDialog(QStringLiteral("Backup1"), [this](QDialog &) {
            t->gcolor1().writeString(13, QStringLiteral("255"));
            t->gcolor1().writeString(15, QStringLiteral("255"));
            return int(QDialog::Accepted);
        });
        findAction(w, QStringLiteral("mUR"))->trigger();
        QVERIFY(!panel->isVisible());
        QVERIFY(!findAction(w, QStringLiteral("mOT"))->isChecked());
        QCOMPARE(w->selectedYear(), 2007);
        QCOMPARE(findNamed<QLabel>(panel, QStringLiteral("Label19"))->text(),
                 QStringLiteral("% = Item Totals divided by Total Income"));
        QCOMPARE(w->panelColour(), QColor(Qt::red));
        QCOMPARE(grid()->textColor(), QColor(Qt::red));
        for (const char *button : {"Command2", "Command5", "Command7"})
            QVERIFY2(findNamed<QPushButton>(w, QString::fromLatin1(button))->isEnabled(), button);
    }

    void panelColourAndTheColourQuestionOnEsc_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QColor>("shown");
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty: teal") << "" << QColor(0, 128, 128) << "8421376";
        QTest::newRow("unreadable: teal") << "teal" << QColor(0, 128, 128) << "8421376";
        QTest::newRow("a colour") << "255" << QColor(Qt::red) << "255";
        QTest::newRow("system default") << "Default" << systemDefaultColor() << "Default";
    }
    void panelColourAndTheColourQuestionOnEsc()
    {
        QFETCH(QString, record);
        QFETCH(QColor, shown);
        QFETCH(QString, stored);
        QVERIFY(t->gcolor1().writeString(13, record));
        open();
        QCOMPARE(w->panelColour(), shown);
        t->prompter.answerColour(QColor(Qt::blue));
        findAction(w, QStringLiteral("mOGT"))->trigger();
        t->prompter.answer(Button::Yes);
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(!w);
        QCOMPARE(t->prompter.last().title, QStringLiteral("Color Changes"));
        QCOMPARE(t->gcolor1().readString(13), stored);
        QCOMPARE(t->gcolor1().readString(15), QStringLiteral("16711680"));
    }

    void panelColourNoSkipsTheConflictCheck()
    {
        const QPalette before = QApplication::palette();
        QPalette black = before;
        black.setColor(QPalette::Button, Qt::black);
        QApplication::setPalette(black);
        open();
        t->prompter.answer(Button::No);
        findAction(w, QStringLiteral("mOC"))->trigger();
        QApplication::setPalette(before);
        QCOMPARE(t->prompter.prompts.size(), 1);
        QCOMPARE(w->panelColour(), QColor(Qt::black));
    }

    void gridColoursFromMenuAndSideButtons()
    {
        saveTotalledBudget();
        open();
        const int idle = t->platform.busyDepth;
        t->platform.busyPeak = idle;
        w->sideButton(1)->trigger();
        auto *selector = w->findChild<GridBackgroundSelector *>(); // built by its first opening
        QVERIFY(selector->isVisible());
        QCOMPARE(t->platform.busyPeak, idle + 1); // the pictures load under the busy pointer
        QCOMPARE(t->platform.busyDepth, idle);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!selector->isVisible());
        QVERIFY(w && w->isVisible());
        findAction(w, QStringLiteral("mOGB"))->trigger();
        QVERIFY(selector->isVisible());
        clickButton(w, QStringLiteral("Command8")); // opening the totals takes the selector away
        QVERIFY(!selector->isVisible());

        t->prompter.answerColour(QColor(Qt::red));
        w->sideButton(2)->trigger();
        QCOMPARE(grid()->textColor(), QColor(Qt::red));
        t->prompter.answerColour(QColor(Qt::blue));
        findAction(w, QStringLiteral("mOGT"))->trigger();
        QCOMPARE(grid()->textColor(), QColor(Qt::blue));
        QCOMPARE(t->platform.beeps, 0);
    }

    void menusAndInputsAreNamed()
    {
        open();
        const QStringList options{"mOGB",  "mOGT", "mOC",     "", "mODel", "mOIN", "",   "mOCopy",
                                  "mOPrt", "mOS",  "mOSpell", "", "mOT",   "",     "mOE"};
        QStringList names;
        for (QAction *a : w->optionsMenu()->actions())
            names << a->objectName();
        QCOMPARE(names, options);
        QCOMPARE(findAction(w, QStringLiteral("mOGB"))->text(), QStringLiteral("Grid &Backgorund Selector"));
        QCOMPARE(findAction(w, QStringLiteral("mOGT"))->text(), QStringLiteral("Grid &Text  Color"));
        QCOMPARE(w->sideToolbar()->actions().size(), 8);
        QList<QWidget *> inputs;
        for (QLineEdit *box : w->findChildren<QLineEdit *>())
            if (!qobject_cast<QComboBox *>(box->parent()))
                inputs << box;
        for (QComboBox *box : w->findChildren<QComboBox *>())
            inputs << box;
        QList<QWidget *> buddies;
        for (QLabel *l : w->findChildren<QLabel *>())
            buddies << l->buddy();
        for (QWidget *input : inputs)
            QVERIFY2(!input->accessibleName().isEmpty() || buddies.contains(input),
                     qPrintable(input->objectName()));
        QCOMPARE(findNamed<QLabel>(w, QStringLiteral("Label8"))->buddy(), w->form().editBox);
    }
};

TQ_TEST_MAIN(TestBudget1)
#include "tst_budget1.moc"
