#include "common/recordfile.h"
#include "components/colours.h"
#include "fakes.h"
#include "frame/activitytoolbar.h"
#include "frame/framestatusbar.h"
#include "frame/reportpreview.h"
#include "frame/toolwindow.h"
#include "windowdriver.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

Q_DECLARE_METATYPE(tq::ToolWindowConfig)

using namespace tq;
using namespace tq::test;

namespace {

// The smallest tool: one button in the panel and a report preview.
class DemoWindow : public ToolWindow
{
public:
    DemoWindow(Program &program, QWidget *launcher, ToolWindowConfig config)
        : ToolWindow(program, launcher, config)
    {
        button = new QPushButton(QStringLiteral("&Calculate"));
        button->setObjectName(QStringLiteral("cmdCalcPmts"));
        placeInPanel(button, {1445, 6400, 2100, 428});
        // A panel of the tool's own that comes before the preview for Esc.
        ownPanel = new QLabel(QStringLiteral("Totals"), mainPanel());
        ownPanel->hide();
        addOverlay({ownPanel, 5000, false, {}});
        if (config.hasReport) {
            attachReportPreview([this, &program, tool = config.tool] {
                auto *preview = new ReportPreview(program, {tool}, this);
                preview->builder = [](PrintDocument &) {};
                return preview;
            });
        }
    }
    using ToolWindow::placeInPanel;
    QPushButton *button = nullptr;
    QLabel *ownPanel = nullptr;
    int leaves = 0;
    int copies = 0;

protected:
    void storeLeaveValues() override { ++leaves; }
    void copyResults() override { ++copies; }
};

ToolWindowConfig homeConfig()
{
    ToolWindowConfig c;
    c.tool = ToolId::HomeCalc;
    c.objectName = QStringLiteral("HomeCalc");
    c.caption = QStringLiteral("Home Calculator");
    c.ownTopButton = 13;
    c.helpId = 3011;
    c.colourQuestion = QStringLiteral("Save changes made to Panel Color?");
    return c;
}

ToolWindowConfig loanConfig()
{
    ToolWindowConfig c = homeConfig();
    c.tool = ToolId::Loan;
    c.objectName = QStringLiteral("LoanSheet");
    c.caption = QStringLiteral("Loan Calculator");
    c.ownTopButton = 14;
    c.helpId = 3012;
    c.colourQuestion = QStringLiteral("Save changes made to Panel and or Text Color?");
    return c;
}

ToolWindowConfig calculatorConfig()
{
    ToolWindowConfig c = loanConfig();
    c.tool = ToolId::SciCalc;
    c.caption = QStringLiteral("Calculator");
    c.ownTopButton = 12;
    c.sideButtons = ToolWindowConfig::standardSideButtons(false);
    c.hasCopy = false;
    c.hasReport = false;
    c.popup = PopupMenu::Options;
    return c;
}

ToolWindowConfig budgetConfig()
{
    ToolWindowConfig c = loanConfig();
    c.tool = ToolId::Budget;
    c.topButtonCount = 49;
    c.ownTopButton = 0;
    c.disableUnusedTopButtons = false;
    return c;
}

const QColor chosen(10, 20, 30);
const QColor previous(200, 100, 50);

QToolButton *sideButton(ToolWindow *w, int number)
{
    return qobject_cast<QToolButton *>(w->sideToolbar()->widgetForAction(w->sideButton(number)));
}

QAction *action(QWidget *w, const QString &name)
{
    return findAction(w, name);
}

} // namespace

class TestToolWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> t;
    std::unique_ptr<QWidget> launcher;

    DemoWindow *open(const ToolWindowConfig &config = homeConfig())
    {
        return openToolWindow<DemoWindow>(t->program, launcher.get(), config);
    }
    void showPreview(DemoWindow *w)
    {
        w->reportPreview()->open();
        if (!w->reportPreview()->isShown()) // open() may build before it shows
            w->reportPreview()->show();
        QVERIFY(w->isPreviewShown());
    }

private Q_SLOTS:
    void init()
    {
        t = std::make_unique<TestProgram>();
        useSmallerDisplay(t->program);
        launcher = showLauncherStandIn(QStringLiteral("Startfrm"));
    }
    void cleanup()
    {
        t->prompter.verifyAllUsed();
        deleteOpenWindows<ToolWindow>(); // their popup menus go with them
        launcher.reset();
        t.reset();
        QApplication::setPalette(QPalette());
    }

    void exitStepStoresColourOnlyOnYes_data()
    {
        QTest::addColumn<ToolWindowConfig>("config");
        QTest::addColumn<Button>("answer");
        QTest::addColumn<bool>("escape"); // Esc closes through the exit step too
        QTest::newRow("home calculator, Yes") << homeConfig() << Button::Yes << false;
        QTest::newRow("home calculator, No, Esc") << homeConfig() << Button::No << true;
        QTest::newRow("loan calculator, Yes, Esc") << loanConfig() << Button::Yes << true;
        QTest::newRow("loan calculator, No") << loanConfig() << Button::No << false;
    }
    void exitStepStoresColourOnlyOnYes()
    {
        QFETCH(ToolWindowConfig, config);
        QFETCH(Button, answer);
        QFETCH(bool, escape);
        t->program.settings.setPanelColour(config.tool, {false, numberFromColor(previous)});
        DemoWindow *w = open(config);
        QCOMPARE(w->panelColour(), previous);

        t->prompter.answer(Button::Yes);
        t->prompter.answerColour(chosen);
        QTest::mouseClick(sideButton(w, 1), Qt::LeftButton);
        QCOMPARE(w->panelColour(), chosen);
        QCOMPARE(t->prompter.prompts.first().title, QStringLiteral("Panel Color"));
        QCOMPARE(t->prompter.prompts.first().text,
                 QStringLiteral("Select New Color or Use System Default Color?\r\r"
                                "Yes = Color Selection Panel will appear.\r"
                                "No = Current System Default Color will be selected."));
        QCOMPARE(t->prompter.prompts.first().buttons,
                 int(Button::Yes) | int(Button::No) | int(Button::Cancel));
        QCOMPARE(w->statusText(), config.caption);

        t->prompter.answer(answer);
        if (escape)
            QTest::keyClick(w, Qt::Key_Escape);
        else
            action(w, QStringLiteral("mOE"))->trigger();
        QCOMPARE(t->prompter.last().title, QStringLiteral("Color Changes"));
        QCOMPARE(t->prompter.last().text, config.colourQuestion);
        QCOMPARE(t->prompter.last().icon, Icon::Question);
        QCOMPARE(w->leaves, 1);
        QVERIFY(!w->isVisible());

        const QColor expected = answer == Button::Yes ? chosen : previous;
        QCOMPARE(t->program.settings.panelColour(config.tool),
                 std::optional<PanelColour>({false, numberFromColor(expected)}));
        QCOMPARE(open(config)->panelColour(), expected);
    }

    // The title bar's close button is the one way out without the question.
    void closingWithoutExitStepAsksAndStoresNothing()
    {
        DemoWindow *w = open();
        w->move(120, 90);
        t->prompter.answer(Button::Yes);
        t->prompter.answerColour(chosen);
        action(w, QStringLiteral("mOC"))->trigger();
        QVERIFY(w->isPanelColourChanged());
        const int asked = int(t->prompter.prompts.size());

        w->close();
        QVERIFY(!w->isVisible());
        QCOMPARE(t->prompter.prompts.size(), asked);
        QCOMPARE(w->leaves, 0);
        QCOMPARE(t->program.settings.panelColour(ToolId::HomeCalc), std::nullopt);
        QVERIFY(launcher->isVisible());
        QCOMPARE(launcher->pos(), w->pos());
    }

    // Moving a maximised launcher would give it back its normal size under a
    // window manager, and the next tool would open at that size.
    void maximisedLauncherKeepsItsPlace()
    {
        launcher->showMaximized();
        const QRect maximised = launcher->screen()->availableGeometry();
        QTRY_COMPARE(launcher->frameGeometry(), maximised);
        DemoWindow *w = open();
        w->move(120, 90);
        w->close();
        QVERIFY(launcher->isVisible());
        QVERIFY(launcher->isMaximized());
        QCOMPARE(launcher->frameGeometry(), maximised);
    }

    // The code that asked goes on with the window afterwards: it must still be there.
    void noClosePathReachesTheWindowWhileAPromptIsUp_data() { addCloseRows(); }
    void noClosePathReachesTheWindowWhileAPromptIsUp()
    {
        QFETCH(QString, closePath);
        QPointer<DemoWindow> w = open();
        t->prompter.whileNextPromptShows([&] { tryClosing(w, closePath); });
        t->prompter.answer(Button::Cancel);
        action(w, QStringLiteral("mOC"))->trigger();
        QVERIFY(w && w->isVisible());

        tryClosing(w, closePath);
        QVERIFY(!w || !w->isVisible());
    }

    void defaultColourChoice_data()
    {
        QTest::addColumn<QColor>("systemFace");
        QTest::addColumn<bool>("conflict");
        QTest::newRow("grey face") << QColor(212, 208, 200) << false;
        QTest::newRow("black face conflicts with the text") << QColor(Qt::black) << true;
    }
    void defaultColourChoice()
    {
        QFETCH(QColor, systemFace);
        QFETCH(bool, conflict);
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Button, systemFace);
        QApplication::setPalette(palette);
        DemoWindow *w = open(loanConfig());
        const QColor before = w->panelColour();

        t->prompter.answer(Button::No);
        action(w, QStringLiteral("mVPC"))->trigger();
        if (conflict) {
            QCOMPARE(t->prompter.last().title, QStringLiteral("Color Conflict"));
            QCOMPARE(
                t->prompter.last().text,
                QStringLiteral("Selected Color would cause a conflict with Text and Background Colors!"));
            QCOMPARE(t->prompter.last().icon, Icon::Critical);
            QCOMPARE(w->panelColour(), before);
            QVERIFY(!w->isPanelColourChanged());
            return;
        }
        QCOMPARE(w->panelColour(), systemFace);
        t->prompter.answer(Button::Yes);
        w->exitStep();
        const std::optional<PanelColour> stored = t->program.settings.panelColour(ToolId::Loan);
        QVERIFY(stored && stored->isDefault);
    }

    void cancelledChoiceChangesNothing_data()
    {
        QTest::addColumn<bool>("cancelQuestion");
        QTest::newRow("question cancelled") << true;
        QTest::newRow("colour dialog cancelled") << false;
    }
    void cancelledChoiceChangesNothing()
    {
        QFETCH(bool, cancelQuestion);
        DemoWindow *w = open();
        QCOMPARE(w->panelColour(), QColor(0, 255, 255)); // the design colour of a fresh folder
        if (cancelQuestion) {
            t->prompter.answer(Button::Cancel);
        } else {
            t->prompter.answer(Button::Yes);
            t->prompter.answerColour(std::nullopt);
        }
        action(w, QStringLiteral("mOC"))->trigger();
        QCOMPARE(w->panelColour(), QColor(0, 255, 255));
        QVERIFY(!w->isPanelColourChanged());
        w->exitStep(); // no colour question follows
        QCOMPARE(t->program.settings.panelColour(ToolId::HomeCalc), std::nullopt);
    }

    void hiddenTopToolbarIsRestoredFromTheStatusBar()
    {
        RecordFile(t->program.folder.filePath(QStringLiteral("GColor1.Fil")), 20)
            .writeString(55, QStringLiteral("OFF"));
        t->program.state.topToolbarHidden = true;
        DemoWindow *w = open();
        QLabel *notice = w->frameStatusBar()->panel(2);
        QVERIFY(!w->topToolbar()->isVisible());
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QStringLiteral("Click to Restore Top Toolbar"));
        QCOMPARE(notice->toolTip(), notice->text());

        QTest::mouseClick(notice, Qt::LeftButton);
        QApplication::processEvents();
        QVERIFY(w->topToolbar()->isVisible());
        QVERIFY(!notice->isVisible());
        QVERIFY(!t->program.state.topToolbarHidden);
        QVERIFY(!t->program.settings.topToolbarOff());
        const int toolbarBottom = w->topToolbar()->mapTo(w, QPoint(0, w->topToolbar()->height())).y();
        QVERIFY(w->mainPanel()->mapTo(w, QPoint(0, 0)).y() >= toolbarBottom);
    }

    void hiddenSideToolbarsAreRestoredFromTheStatusBar()
    {
        t->program.state.sideToolbarsHidden = true;
        DemoWindow *w = open();
        QVERIFY(!w->sideToolbar()->isVisible());
        QTest::mouseClick(w->frameStatusBar()->panel(3), Qt::LeftButton);
        QVERIFY(w->sideToolbar()->isVisible());
        QVERIFY(!w->frameStatusBar()->panel(3)->isVisible());
        QVERIFY(!t->program.state.sideToolbarsHidden);
        QCOMPARE(RecordFile(t->program.folder.filePath(QStringLiteral("PREF3.Fil")), 10).readInt16(10),
                 qint16(0));
    }

    void topToolbarButtons_data()
    {
        QTest::addColumn<ToolWindowConfig>("config");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("closes");
        QTest::newRow("main menu") << homeConfig() << 1 << "Loading" << true;
        QTest::newRow("another tool") << homeConfig() << 14 << "Loading" << true;
        QTest::newRow("last activity") << homeConfig() << 43 << "Loading" << true;
        QTest::newRow("web site") << homeConfig() << 46 << "Home Calculator" << false;
        QTest::newRow("exit") << homeConfig() << 48 << "Home Calculator" << true;
        QTest::newRow("budget activity 44") << budgetConfig() << 44 << "Loading" << true;
        QTest::newRow("budget web site") << budgetConfig() << 47 << "Loan Calculator" << false;
        QTest::newRow("budget exit") << budgetConfig() << 49 << "Loan Calculator" << true;
    }
    void topToolbarButtons()
    {
        QFETCH(ToolWindowConfig, config);
        QFETCH(int, number);
        QFETCH(QString, status);
        QFETCH(bool, closes);
        DemoWindow *w = open(config);
        w->move(70, 50);
        QVERIFY(!launcher->isVisible());
        QTest::mouseClick(w->topToolbar()->button(number), Qt::LeftButton);
        QCOMPARE(w->statusText(), status);
        QCOMPARE(w->isVisible(), !closes);
        QCOMPARE(w->leaves, closes ? 1 : 0);
        QCOMPARE(launcher->isVisible(), closes);
        if (closes)
            QCOMPARE(launcher->pos(), QPoint(70, 50));
        else
            QCOMPARE(t->platform.webPages, QStringList{QString()});
    }

    void disabledTopButtons_data()
    {
        QTest::addColumn<ToolWindowConfig>("config");
        QTest::addColumn<QList<int>>("disabled");
        QTest::newRow("home calculator") << homeConfig() << QList<int>{13, 44, 45};
        QTest::newRow("calculator") << calculatorConfig() << QList<int>{12, 44, 45};
        QTest::newRow("budget disables none") << budgetConfig() << QList<int>{};
    }
    void disabledTopButtons()
    {
        QFETCH(ToolWindowConfig, config);
        QFETCH(QList<int>, disabled);
        DemoWindow *w = open(config);
        QCOMPARE(w->topToolbar()->count(), config.topButtonCount);
        for (int n = 1; n <= config.topButtonCount; ++n)
            QVERIFY2(w->topToolbar()->button(n)->isEnabled() != disabled.contains(n),
                     qPrintable(QString::number(n)));
        QCOMPARE(w->topToolbar()->button(1)->toolTip(), QStringLiteral("Main Menu"));
        QCOMPARE(w->topToolbar()->button(config.topButtonCount)->toolTip(), QStringLiteral("Exit"));
    }

    void sideToolbarOnlyBeepsWhilePreviewIsShown()
    {
        DemoWindow *w = open();
        w->setResultsAvailable(true, true);
        showPreview(w);
        for (int n = 1; n <= 5; ++n)
            QTest::mouseClick(sideButton(w, n), Qt::LeftButton);
        QCOMPARE(t->platform.beeps, 5);
        QVERIFY(t->prompter.prompts.isEmpty());
        QVERIFY(t->platform.helpTopics.isEmpty());
        QCOMPARE(w->copies, 0);
        QVERIFY(w->isVisible());
    }

    void helpUsesPreviewIdWhilePreviewIsShown_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("F1") << "F1";
        QTest::newRow("Help menu") << "mH";
        QTest::newRow("top toolbar") << "top";
    }
    void helpUsesPreviewIdWhilePreviewIsShown()
    {
        QFETCH(QString, route);
        DemoWindow *w = open();
        auto ask = [&] {
            if (route == u"F1")
                QTest::keyClick(w, Qt::Key_F1);
            else if (route == u"mH")
                action(w, QStringLiteral("mH"))->trigger();
            else
                QTest::mouseClick(w->topToolbar()->button(47), Qt::LeftButton);
        };
        ask();
        showPreview(w);
        ask();
        QCOMPARE(t->platform.helpTopics, (QList<int>{3011, 1014}));
    }

    void escapeClosesThePreviewBeforeTheWindow()
    {
        DemoWindow *w = open();
        showPreview(w);
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isPreviewShown());
        QVERIFY(w->isVisible());
        QCOMPARE(w->statusText(), QStringLiteral("Home Calculator"));
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        QVERIFY(launcher->isVisible());
    }

    void overlaysInTheOrderTheToolAddedThem()
    {
        DemoWindow *w = open();
        showPreview(w);
        w->ownPanel->show();
        QTest::keyClick(w, Qt::Key_F1);
        QTest::mouseClick(sideButton(w, 1), Qt::LeftButton); // the preview still asks for beeps
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(w->ownPanel->isHidden());
        QVERIFY(w->isPreviewShown());
        QTest::keyClick(w, Qt::Key_F1);
        QCOMPARE(t->platform.helpTopics, (QList<int>{5000, 1014}));
        QCOMPARE(t->platform.beeps, 1);
    }

    void resultsEnableCopyAndPrintTogether()
    {
        DemoWindow *w = open();
        const QStringList copyItems{QStringLiteral("mECopy"), QStringLiteral("mVC")};
        const QStringList printItems{QStringLiteral("mOPrt"), QStringLiteral("mVP")};
        auto check = [&](bool copy, bool print) {
            for (const QString &name : copyItems)
                QCOMPARE(action(w, name)->isEnabled(), copy);
            for (const QString &name : printItems)
                QCOMPARE(action(w, name)->isEnabled(), print);
            QCOMPARE(w->sideButton(2)->isEnabled(), copy);
            QCOMPARE(w->sideButton(3)->isEnabled(), print);
        };
        check(false, false);
        w->setResultsAvailable(true, false);
        check(true, false);
        w->setResultsAvailable(true, true);
        check(true, true);
        QTest::mouseClick(sideButton(w, 2), Qt::LeftButton);
        QCOMPARE(w->copies, 1);
        w->setResultsAvailable(false, false);
        check(false, false);
    }

    void rightButtonPopsTheMenuWithoutPressingTheButton_data()
    {
        QTest::addColumn<ToolWindowConfig>("config");
        QTest::addColumn<QString>("menu");
        QTest::newRow("context menu") << homeConfig() << "mV";
        QTest::newRow("options menu as popup") << calculatorConfig() << "mO";
    }
    void rightButtonPopsTheMenuWithoutPressingTheButton()
    {
        QFETCH(ToolWindowConfig, config);
        QFETCH(QString, menu);
        DemoWindow *w = open(config);
        QSignalSpy clicked(w->button, &QPushButton::clicked);
        QTest::mouseClick(w->button, Qt::RightButton);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(w->popupMenu()->isVisible());
        QCOMPARE(w->popupMenu()->objectName(), menu);
        w->popupMenu()->hide();
    }

    void calculatorFrameHasNoCopyOrPrint()
    {
        DemoWindow *w = open(calculatorConfig());
        QCOMPARE(w->sideToolbar()->actions().size(), 3);
        QCOMPARE(w->sideButton(2)->toolTip(), QStringLiteral("Help"));
        QVERIFY(!w->editMenu());
        QVERIFY(!action(w, QStringLiteral("mOPrt")));
        QTest::mouseClick(sideButton(w, 2), Qt::LeftButton);
        QCOMPARE(t->platform.helpTopics, QList<int>{3012});
    }

    void displayModeScalesControls_data()
    {
        QTest::addColumn<DisplayMode>("mode");
        QTest::addColumn<QRect>("launcher");
        QTest::addColumn<double>("scale");
        QTest::newRow("smaller screen") << DisplayMode::Smaller << QRect(40, 30, 800, 600) << 1.0;
        QTest::newRow("full screen") << DisplayMode::FullScreen << QRect(0, 0, 1600, 1200) << 2.0;
    }
    void displayModeScalesControls()
    {
        QFETCH(DisplayMode, mode);
        QFETCH(QRect, launcher);
        QFETCH(double, scale);
        t->program.state.displayMode = mode;
        t->program.state.launcherGeometry = launcher;
        DemoWindow *w = open();
        QCOMPARE(w->frameGeometry(), launcher); // the outer rectangle, frame included
        // 2100 x 428 twips are 140 x 29 pixels at design size.
        QCOMPARE(w->button->width(), qRound(140 * scale));
        QCOMPARE(w->mainPanel()->width(), qRound(9830 / 15.0 * scale));
        const QRect panel = w->mainPanel()->geometry();
        QVERIFY(w->centralWidget()->rect().contains(panel.topLeft()));
        // The preview, built only when first asked for, scales as the rest.
        QVERIFY(!w->findChild<ReportPreview *>());
        QCOMPARE(w->reportPreview()->width(), qRound(8985 / 15.0 * scale));
        QCOMPARE(w->reportPreview()->font().pointSizeF(), w->button->font().pointSizeF());
    }

    void openingEndsTheLaunchersBusyPointerAndHidesIt()
    {
        t->platform.setBusy(true); // the launcher, before it creates the window
        DemoWindow *w = open();
        QCOMPARE(t->platform.busyDepth, 0);
        QVERIFY(!launcher->isVisible());
        QCOMPARE(w->statusText(), QStringLiteral("Home Calculator"));
        w->activateWindow(); // a later activation leaves the pointer alone
        QCOMPARE(t->platform.busyDepth, 0);
    }

    void backgroundPicture_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("picture file present") << true;
        QTest::newRow("picture file missing") << false;
    }
    void backgroundPicture()
    {
        QFETCH(bool, fileExists);
        if (fileExists) {
            QImage image(32, 24, QImage::Format_RGB32);
            image.fill(Qt::darkGreen);
            QVERIFY(image.save(t->program.folder.filePath(QStringLiteral("WP99.jpg"))));
        }
        t->program.state.background = {BackgroundValue::Kind::Picture, 0, QStringLiteral("WP99")};
        DemoWindow *w = open();
        auto *image = w->findChild<QLabel *>(QStringLiteral("Image1"));
        QCOMPARE(image->isVisible(), fileExists);
    }
};

TQ_TEST_MAIN(TestToolWindow)
#include "tst_toolwindow.moc"
