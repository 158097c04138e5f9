#include "launcherfixture.h"
#include "windowdriver.h"

#include "app/banknote.h"
#include "app/registertools.h"

#include "components/colours.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QResource>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tq;
using namespace tq::test;

namespace {

QColor backgroundOf(const LauncherFixture &f)
{
    return f.child<QWidget>(QStringLiteral("StartfrmBackground"))->palette().color(QPalette::Window);
}

QStringList menuLayout(const QMenu *menu)
{
    QStringList out;
    for (const QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return out;
}

const QString familyPrompt = QStringLiteral(
    "Please Enter Family Name for use in the Various Program areas.\rTo Accept name,\rclick OK.\rTo Delete "
    "name,\rclick Cancel or press <Esc> key.");

} // namespace

class TestStartfrm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The launcher shows the banknote the build painted into the program,
    // pixel for pixel the one it would paint itself.
    void banknoteBuiltIn()
    {
        QVERIFY(QResource(banknoteResource()).isValid());
        const auto pixels = [](const QPixmap &p) {
            return p.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        QCOMPARE(pixels(banknotePicture()), pixels(paintBanknote()));
    }

    // The launcher yields while it starts and when its Options menu opens; a
    // close that deletes it during the yield ends the work there.
    void closeQueuedDuringYield_data()
    {
        QTest::addColumn<bool>("menu");
        QTest::newRow("start-up") << false;
        QTest::newRow("options menu") << true;
    }
    void closeQueuedDuringYield()
    {
        QFETCH(bool, menu);
        LauncherFixture f;
        if (menu)
            f.window->start();
        QMenu *options = f.window->menuBar()->actions().constFirst()->menu();
        QPointer<Startfrm> launcher = f.window.release();
        launcher->setAttribute(Qt::WA_DeleteOnClose);
        queueClose(launcher);
        if (menu)
            Q_EMIT options->aboutToShow();
        else
            launcher->start();
        QTRY_VERIFY(!launcher);
    }

    void firstStartUsesDefaults()
    {
        LauncherFixture f;
        f.window->start();
        QCOMPARE(f.program().state.displayMode, DisplayMode::FullScreen);
        QVERIFY(f.window->isMaximized());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tallyquill 2007"));
        QCOMPARE(backgroundOf(f), QColor(Qt::blue));
        QVERIFY(!f.program().state.topToolbarHidden);
        QCOMPARE(f.program().state.launcherSize, f.window->frameGeometry().size());
        QVERIFY(f.t.prompter.prompts.isEmpty());
        QCOMPARE(f.t.platform.busyDepth, 0);
        QVERIFY(!f.action("mOPF")->isChecked());
        QVERIFY(!f.action("mOPS")->isChecked());
    }

    void displayModeFromSettings_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<bool>("smaller");
        QTest::newRow("Yes") << "Yes" << true;
        QTest::newRow("Yes and more") << "Yes!" << true;
        QTest::newRow("yes lower case") << "yes" << false;
        QTest::newRow("No") << "No" << false;
    }
    void displayModeFromSettings()
    {
        QFETCH(QString, record);
        QFETCH(bool, smaller);
        LauncherFixture f;
        RecordFile(f.path("GColor3.Fil"), 20).writeString(35, record);
        f.window->start();
        QCOMPARE(f.program().state.displayMode, smaller ? DisplayMode::Smaller : DisplayMode::FullScreen);
        if (smaller) {
            QCOMPARE(f.window->frameGeometry(), QRect(112, 84, 800, 600)); // centred on 1024 x 768
            QVERIFY(!f.window->isMaximized());
        } else {
            QVERIFY(f.window->isMaximized());
        }
    }

    // Tools open over where the launcher is, also after the user moved it.
    void movedLauncherRecordsItsPlace()
    {
        LauncherFixture f;
        RecordFile(f.path("GColor3.Fil"), 20).writeString(35, QStringLiteral("Yes"));
        f.window->start();
        f.window->move(40, 30);
        QTRY_COMPARE(f.program().state.launcherGeometry, QRect(40, 30, 800, 600));
    }

    void panelStaysCentred()
    {
        LauncherFixture f;
        f.window->start();
        const QWidget *panel = f.child<QWidget>(QStringLiteral("Panel3D7"));
        const QSize outer = f.program().state.launcherSize;
        QCOMPARE(panel->pos(), QPoint(outer.width() / 2 - panel->width() / 2,
                                      outer.height() / 2 - panel->height() / 2 - 24));
    }

    void smallScreenWarnsTwiceAndGoesFullScreen()
    {
        LauncherFixture f;
        RecordFile(f.path("GColor3.Fil"), 20).writeString(35, QStringLiteral("Yes"));
        f.window->setScreenGeometry(QRect(0, 0, 640, 480));
        f.window->start();
        const QString text = QStringLiteral("Monitor Resolution Settings (Screen Area) and Program Size "
                                            "requirements are at least 800 by 600 or "
                                            "Higher.\rIf you do not set your screen resolution to this "
                                            "setting or higher this program will not "
                                            "function properly!");
        QCOMPARE(f.t.prompter.prompts.size(), 2);
        for (const Prompt &p : f.t.prompter.prompts) {
            QCOMPARE(p.title, QStringLiteral("Program Display Option"));
            QCOMPARE(p.text, text);
            QCOMPARE(p.icon, Icon::Information);
        }
        QCOMPARE(f.program().state.displayMode, DisplayMode::FullScreen);
        QCOMPARE(f.displayRecord(), QStringLiteral("No"));
    }

    void captionWithFamilyName()
    {
        LauncherFixture f;
        f.program().settings.setFamilyName(QStringLiteral("Smith"));
        f.window->start();
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Smith Tallyquill 2007"));
    }

    void familyName_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("deleteAnswer"); // 0: not asked
        QTest::addColumn<QString>("stored");
        QTest::newRow("24 characters keep 15") << ""
                                               << "ABCDEFGHIJKLMNOPQRSTUVWX" << 0 << "ABCDEFGHIJKLMNO";
        QTest::newRow("15 characters whole") << ""
                                             << "ABCDEFGHIJKLMNO" << 0 << "ABCDEFGHIJKLMNO";
        QTest::newRow("replace") << "Smith"
                                 << "Jones" << 0 << "Jones";
        QTest::newRow("cancel then No keeps") << "Smith"
                                              << "" << int(Button::No) << "Smith";
        QTest::newRow("cancel then Yes deletes") << "Smith"
                                                 << "" << int(Button::Yes) << "";
        QTest::newRow("no name, cancel") << ""
                                         << "" << 0 << "";
    }
    void familyName()
    {
        QFETCH(QString, existing);
        QFETCH(QString, typed);
        QFETCH(int, deleteAnswer);
        QFETCH(QString, stored);
        LauncherFixture f;
        f.program().settings.setFamilyName(existing);
        f.window->start();
        f.t.prompter.answerInput(typed);
        if (deleteAnswer)
            f.t.prompter.answer(Button(deleteAnswer));
        f.action("mON")->trigger();

        const Prompt &input = f.t.prompter.prompts.at(0);
        QCOMPARE(input.kind, Prompt::Kind::Input);
        QCOMPARE(input.title, QStringLiteral("Family Name"));
        QCOMPARE(input.text, familyPrompt);
        QCOMPARE(input.initialText, existing);
        if (deleteAnswer) {
            const Prompt &question = f.t.prompter.last();
            QCOMPARE(question.title, QStringLiteral("Family Name"));
            QCOMPARE(question.text, QStringLiteral("Delete Family Name - Smith?"));
            QCOMPARE(question.icon, Icon::Question);
            QCOMPARE(question.buttons, int(Button::Yes) | int(Button::No));
            QCOMPARE(question.defaultButton, Button::No);
        }
        QCOMPARE(f.t.prompter.prompts.size(), deleteAnswer ? 2 : 1);
        f.t.prompter.verifyAllUsed();
        QCOMPARE(f.program().settings.familyName(), stored);
        QCOMPARE(f.program().state.familyName, stored);
        QCOMPARE(f.window->windowTitle(), stored.isEmpty() ? QStringLiteral("Tallyquill 2007")
                                                           : stored + QStringLiteral(" Tallyquill 2007"));
        QVERIFY(QFileInfo(f.path("PREFNAME.FIL")).size() >= 2); // written even when empty
    }

    void backgroundChoice_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("pickColour"); // with Yes: a colour or a cancelled dialog
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("Yes and a colour") << int(Button::Yes) << true << QByteArray::fromHex("030010203000");
        QTest::newRow("Yes, dialog cancelled") << int(Button::Yes) << false << QByteArray();
        QTest::newRow("No is Def") << int(Button::No) << false << QByteArray::fromHex("08000300446566");
        QTest::newRow("Cancel") << int(Button::Cancel) << false << QByteArray();
    }
    void backgroundChoice()
    {
        QFETCH(int, answer);
        QFETCH(bool, pickColour);
        QFETCH(QByteArray, record);
        LauncherFixture f;
        f.window->start();
        f.t.prompter.answer(Button(answer));
        if (answer == int(Button::Yes))
            f.t.prompter.answerColour(pickColour ? std::optional<QColor>(QColor(0x10, 0x20, 0x30))
                                                 : std::nullopt);
        f.action("mOBC")->trigger();
        f.t.prompter.verifyAllUsed();

        const Prompt &question = f.t.prompter.prompts.at(0);
        QCOMPARE(question.title, QStringLiteral("Background Color"));
        QCOMPARE(question.text,
                 QStringLiteral("Select New Color or Use System Default Color?\r\rYes = Color Selection "
                                "Panel will appear.\rNo = Current System Default Color will be selected."));
        QCOMPARE(question.icon, Icon::Information);
        QCOMPARE(question.buttons, int(Button::Yes) | int(Button::No) | int(Button::Cancel));
        if (answer == int(Button::Yes))
            QCOMPARE(f.t.prompter.last().initialColour, QColor(Qt::blue)); // preset to the current colour

        QFile file(f.path("PREF3.Fil"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().mid(20, record.size() ? record.size() : 100), record);
        const QColor expected = record.isEmpty()            ? QColor(Qt::blue)
                                : answer == int(Button::No) ? systemDefaultColor()
                                                            : QColor(0x10, 0x20, 0x30);
        QCOMPARE(backgroundOf(f), expected);
    }

    void displaySwitches()
    {
        LauncherFixture f;
        f.window->start();
        QMenu *options = f.child<QMenu>(QStringLiteral("mO"));
        Q_EMIT options->aboutToShow();
        QVERIFY(f.action("mOPF")->isChecked());
        QVERIFY(!f.action("mOPS")->isChecked());

        f.action("mOPS")->trigger();
        QCOMPARE(f.displayRecord(), QStringLiteral("Yes"));
        QCOMPARE(f.program().state.displayMode, DisplayMode::Smaller);
        QCOMPARE(f.window->frameGeometry(), QRect(112, 84, 800, 600));
        QCOMPARE(f.program().state.launcherSize, QSize(800, 600));
        QVERIFY(f.action("mOPS")->isChecked());
        QVERIFY(!f.action("mOPF")->isChecked());

        f.action("mOPS")->trigger(); // already marked: nothing happens, the mark stays
        QVERIFY(f.action("mOPS")->isChecked());
        QCOMPARE(f.program().state.displayMode, DisplayMode::Smaller);

        f.action("mOPF")->trigger();
        QCOMPARE(f.displayRecord(), QStringLiteral("No"));
        QCOMPARE(f.program().state.displayMode, DisplayMode::FullScreen);
        QVERIFY(f.window->isMaximized());
    }

    void startUpRerunReadsSettingsAgain()
    {
        LauncherFixture f;
        f.window->start();
        f.program().settings.setFamilyName(QStringLiteral("Brown"));
        f.action("mOPS")->trigger();
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Brown Tallyquill 2007"));
    }

    void windowStateChangesSwitchDisplay()
    {
        LauncherFixture f;
        f.window->start();
        f.window->showNormal();
        QCOMPARE(f.program().state.displayMode, DisplayMode::Smaller);
        QCOMPARE(f.displayRecord(), QStringLiteral("Yes"));

        f.window->showMinimized();
        QCOMPARE(f.program().state.displayMode, DisplayMode::Smaller);
        QCOMPARE(f.displayRecord(), QStringLiteral("Yes"));

        f.window->showMaximized();
        QCOMPARE(f.program().state.displayMode, DisplayMode::FullScreen);
        QCOMPARE(f.displayRecord(), QStringLiteral("No"));
    }

    void rightClickOpensOptionsMenu_data()
    {
        QTest::addColumn<QString>("target");
        for (int i = 0; i < 8; ++i)
            QTest::newRow(qPrintable(QStringLiteral("SSCommand1(%1)").arg(i)))
                << QStringLiteral("SSCommand1(%1)").arg(i);
        for (const char *name : {"Image1", "Label2", "Panel3D7", "StartfrmBackground"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void rightClickOpensOptionsMenu()
    {
        QFETCH(QString, target);
        LauncherFixture f;
        int opened = 0;
        f.tools.registerTool(ToolId::Actuarial, [&](Program &, QWidget *) {
            ++opened;
            return new QWidget;
        });
        f.window->start();
        QSignalSpy exits(f.window.get(), &Startfrm::exitRequested);
        QWidget *widget = f.child<QWidget>(target);
        QVERIFY(widget);
        QTest::mouseClick(widget, Qt::RightButton, {}, QPoint(5, 5));
        QMenu *options = f.child<QMenu>(QStringLiteral("mO"));
        QTRY_VERIFY(options->isVisible());
        options->close();
        QCOMPARE(opened, 0);
        QCOMPARE(exits.count(), 0);
        QVERIFY(f.t.platform.helpTopics.isEmpty());
        QVERIFY(f.t.platform.webPages.isEmpty());
        delete f.tools.window(ToolId::Actuarial);
    }

    void toolOpensOnce()
    {
        LauncherFixture f;
        int made = 0;
        int busyWhileMaking = 0;
        f.tools.registerTool(ToolId::HomeCalc, [&](Program &p, QWidget *launcher) {
            ++made;
            busyWhileMaking = static_cast<FakePlatform &>(p.platform).busyDepth;
            auto *w = new QWidget(launcher, Qt::Window);
            w->setAttribute(Qt::WA_DeleteOnClose);
            return w;
        });
        f.window->start();
        QTest::mouseClick(f.child<QPushButton>(QStringLiteral("SSCommand1(2)")), Qt::LeftButton);
        QWidget *first = f.tools.window(ToolId::HomeCalc);
        QVERIFY(first && first->isVisible());
        f.action("mFHCalc")->trigger();
        QCOMPARE(made, 1);
        QCOMPARE(f.tools.window(ToolId::HomeCalc), first);
        QCOMPARE(busyWhileMaking, 1);
        QCOMPARE(f.t.platform.busyDepth, 0);

        first->close(); // destroyed on closing: the next request builds a new one
        QTRY_VERIFY(!f.tools.window(ToolId::HomeCalc));
        f.action("mFHCalc")->trigger();
        QCOMPARE(made, 2);

        // Tools without a registered window open nothing.
        QTest::mouseClick(f.child<QPushButton>(QStringLiteral("SSCommand1(4)")), Qt::LeftButton);
        QVERIFY(!f.tools.window(ToolId::Budget));
    }

    void buttonsMatchMenuItems_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("tool");
        QTest::newRow("actuarial") << 0 << "mFAct" << int(ToolId::Actuarial);
        QTest::newRow("calculator") << 1 << "mFCal" << int(ToolId::SciCalc);
        QTest::newRow("home calculator") << 2 << "mFHCalc" << int(ToolId::HomeCalc);
        QTest::newRow("loan") << 3 << "mFLCalc" << int(ToolId::Loan);
        QTest::newRow("budget") << 4 << "mFHBud" << int(ToolId::Budget);
    }
    void buttonsMatchMenuItems()
    {
        QFETCH(int, button);
        QFETCH(QString, item);
        QFETCH(int, tool);
        LauncherFixture f;
        QList<int> opened;
        for (ToolId id : {ToolId::HomeCalc, ToolId::Loan, ToolId::Actuarial, ToolId::Budget, ToolId::SciCalc})
            f.tools.registerTool(id, [&opened, id](Program &, QWidget *) {
                opened << int(id);
                return new QWidget;
            });
        f.window->start();
        QTest::mouseClick(f.child<QPushButton>(QStringLiteral("SSCommand1(%1)").arg(button)), Qt::LeftButton);
        delete f.tools.window(ToolId(tool));
        f.window->findChild<QAction *>(item)->trigger();
        QCOMPARE(opened, (QList<int>{tool, tool}));
        delete f.tools.window(ToolId(tool));
    }

    void exitWaitsForToolsThatRefuseToClose()
    {
        struct Refusing : QWidget {
            bool refuse = true;
            void closeEvent(QCloseEvent *event) override { event->setAccepted(!refuse); }
        };
        LauncherFixture f;
        QPointer<Refusing> tool;
        f.tools.registerTool(ToolId::Budget, [&](Program &, QWidget *) { return tool = new Refusing; });
        f.window->start();
        QSignalSpy exits(f.window.get(), &Startfrm::exitRequested);
        f.action("mFHBud")->trigger();
        f.action("mOE")->trigger();
        QCOMPARE(exits.count(), 0);
        QVERIFY(tool->isVisible());
        tool->refuse = false;
        f.action("mOE")->trigger();
        QCOMPARE(exits.count(), 1);
        QVERIFY(!tool->isVisible());
        delete tool;
    }

    // The code under a dialog goes on with its window afterwards: the exit must wait.
    void exitWaitsForADialogOverATool()
    {
        LauncherFixture f;
        registerTools(f.tools);
        f.window->start();
        QSignalSpy exits(f.window.get(), &Startfrm::exitRequested);
        f.action("mFHBud")->trigger();
        const QPointer<QWidget> budget = f.tools.window(ToolId::Budget);
        f.t.prompter.whileNextPromptShows([&] { f.action("mOE")->trigger(); });
        f.t.prompter.answer(Button::No);
        budget->findChild<QAction *>(QStringLiteral("mECY"))->trigger();
        QCOMPARE(exits.count(), 0);
        QVERIFY(budget && budget->isVisible());
        f.action("mOE")->trigger();
        QCOMPARE(exits.count(), 1);
    }

    void helpWebAndExit()
    {
        LauncherFixture f;
        f.window->start();
        QSignalSpy exits(f.window.get(), &Startfrm::exitRequested);
        QTest::mouseClick(f.child<QPushButton>(QStringLiteral("SSCommand1(6)")), Qt::LeftButton);
        f.action("mHI")->trigger();
        QCOMPARE(f.t.platform.helpTopics, (QList<int>{1000, 1000}));
        QTest::mouseClick(f.child<QPushButton>(QStringLiteral("SSCommand1(5)")), Qt::LeftButton);
        f.action("mHWeb")->trigger();
        f.action("mHVISTA")->trigger();
        QCOMPARE(f.t.platform.webPages,
                 (QStringList{QString(), QString(), QStringLiteral("vista_install_issues.htm")}));
        QTest::mouseClick(f.child<QPushButton>(QStringLiteral("SSCommand1(7)")), Qt::LeftButton);
        f.action("mOE")->trigger();
        QCOMPARE(exits.count(), 2);
    }

    void menusAndButtons()
    {
        LauncherFixture f;
        QCOMPARE(menuLayout(f.child<QMenu>(QStringLiteral("mO"))),
                 (QStringList{"mOBC", "mOP", "-", "mON", "-", "mOE"}));
        QCOMPARE(menuLayout(f.child<QMenu>(QStringLiteral("mOP"))), (QStringList{"mOPF", "mOPS"}));
        QCOMPARE(menuLayout(f.child<QMenu>(QStringLiteral("mF"))),
                 (QStringList{"mFAct", "mFCal", "mFHCalc", "mFLCalc", "-", "mFHBud"}));
        QCOMPARE(menuLayout(f.child<QMenu>(QStringLiteral("mH"))),
                 (QStringList{"mHI", "-", "mHA", "-", "mHWeb", "-", "mHVISTA"}));
        QVERIFY(f.action("mHWeb")->text().startsWith(QStringLiteral("&View ")));

        const QStringList captions{"&Actuarial Calculator",
                                   "&Calculator",
                                   "&Home Calculator",
                                   "&Loan Calculator",
                                   "Home &Budget",
                                   "&Web Site",
                                   "&Help",
                                   "E&xit"};
        const QList<QPoint> twips{{600, 4700}, {2530, 4700}, {4455, 4700}, {6390, 4700},
                                  {600, 6000}, {2530, 6000}, {4455, 6000}, {6390, 6000}};
        for (int i = 0; i < 8; ++i) {
            const auto *b = f.child<QPushButton>(QStringLiteral("SSCommand1(%1)").arg(i));
            QCOMPARE(b->text(), captions[i]);
            QCOMPARE(b->geometry(), QRect(twips[i] / 15, QSize(107, 60)));
        }
        // Tab order: Web Site, the five tools, Help, Exit.
        QStringList order;
        QWidget *w = f.child<QPushButton>(QStringLiteral("SSCommand1(5)"));
        for (int i = 0; i < 8; ++i, w = w->nextInFocusChain()) {
            while (!qobject_cast<QPushButton *>(w) || w->objectName() == u"Command1")
                w = w->nextInFocusChain();
            order << w->objectName().mid(11, 1);
        }
        QCOMPARE(order.join(QString()), QStringLiteral("50123467"));
    }

    void activationRestoresColourAndFocus()
    {
        LauncherFixture f;
        f.window->start();
        QWidget other;
        other.show();
        const auto activate = [](QWidget *w) {
            w->activateWindow();
            return QTest::qWaitForWindowActive(w);
        };
        QVERIFY(activate(&other));
        f.program().state.background = {BackgroundValue::Kind::Colour, 0x000000FF, {}};
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QCOMPARE(backgroundOf(f), QColor(Qt::red));
        QCOMPARE(QApplication::focusWidget(), f.child<QWidget>(QStringLiteral("Command1")));

        f.program().state.background = {BackgroundValue::Kind::Picture, colourBlue, QStringLiteral("WP3")};
        QVERIFY(activate(&other));
        QVERIFY(activate(f.window.get()));
        QCOMPARE(backgroundOf(f), QColor(Qt::red)); // a picture name leaves the colour
    }

    void unreadableSettingsReportedOnce()
    {
        LauncherFixture f;
        QVERIFY(QDir(f.t.dir.path()).mkdir(QStringLiteral("PREF3.Fil")));
        f.window->start();
        QCOMPARE(f.t.prompter.prompts.size(), 1);
        const Prompt &p = f.t.prompter.last();
        QCOMPARE(p.title, QStringLiteral("Loading Error"));
        QCOMPARE(p.text, QStringLiteral(
                             "The files used by this activity cannot be loaded.  Either files are missing or "
                             "corrupted.  Please re-install the program."));
        QCOMPARE(p.icon, Icon::Critical);
        QCOMPARE(p.buttons, int(Button::Ok));
        // The launcher carries on with the defaults.
        QCOMPARE(backgroundOf(f), QColor(Qt::blue));
        f.action("mOPS")->trigger(); // re-runs start-up: no second report
        f.window->start();
        QCOMPARE(f.t.prompter.prompts.size(), 1);
    }
};

TQ_TEST_MAIN(TestStartfrm)
#include "tst_startfrm.moc"
