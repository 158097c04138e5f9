#include "app/startfrm.h"

#include "app/about1.h"
#include "app/backgroundchoice.h"
#include "app/banknote.h"
#include "app/captionpanel.h"
#include "app/familynameprompt.h"
#include "app/toolopener.h"
#include "app/wrapbutton.h"
#include "common/twips.h"
#include "components/colours.h"
#include "components/eventyield.h"
#include "components/fontfamily.h"
#include "components/program.h"
#include "frame/launchergeometry.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>

namespace tq {

namespace {

// Panel size and the launcher's sizes, in twips.
constexpr int panelWidth = 8640;
constexpr int panelHeight = 7305;
constexpr int smallerWidth = 12000;
constexpr int smallerHeight = 9000;
constexpr int minimumScreenWidth = 9945;
constexpr int minimumScreenHeight = 7590;

struct ButtonSpec {
    const char *caption;
    int left;
    int top;
};

// In index order; the tab order is set separately.
constexpr ButtonSpec buttonSpecs[8] = {
    {"&Actuarial Calculator", 600, 4700},
    {"&Calculator", 2530, 4700},
    {"&Home Calculator", 4455, 4700},
    {"&Loan Calculator", 6390, 4700},
    {"Home &Budget", 600, 6000},
    {"&Web Site", 2530, 6000},
    {"&Help", 4455, 6000},
    {"E&xit", 6390, 6000},
};

// Counts nested start-up runs: a display switch re-runs start-up from inside it.
// Counts only while its window lives: a yield may delete the window under it.
struct DepthGuard {
    QPointer<QObject> owner;
    int &depth;
    DepthGuard(QObject *o, int &d) : owner(o), depth(d) { ++depth; }
    ~DepthGuard()
    {
        if (owner)
            --depth;
    }
};

} // namespace

Startfrm::Startfrm(Program &program, ToolOpener &tools, QWidget *parent)
    : QMainWindow(parent), m_program(program), m_tools(tools)
{
    setObjectName(QStringLiteral("Startfrm"));
    setWindowTitle(captionWithFamilyName({}));
    buildPanel();
    buildMenus();
    resize(px(9375), px(8595));
}

Startfrm::~Startfrm() = default;

int Startfrm::px(double twips) const
{
    return twipsToPixels(twips, logicalDpiX());
}

void Startfrm::buildPanel()
{
    m_background = new QWidget(this);
    m_background->setObjectName(QStringLiteral("StartfrmBackground"));
    m_background->setAutoFillBackground(true);
    setCentralWidget(m_background);

    // Shows the system face colour; sits under the panel where nobody sees it.
    m_faceLabel = new QLabel(m_background);
    m_faceLabel->setObjectName(QStringLiteral("Label1"));
    m_faceLabel->setAutoFillBackground(true);
    m_faceLabel->resize(px(135), px(135));

    m_panel = new CaptionPanel(m_background);
    m_panel->setObjectName(QStringLiteral("Panel3D7"));
    m_panel->resize(px(panelWidth), px(panelHeight));
    // "Times New Roman" by its metric twin where the desktop lacks it, as the
    // reports print it: asking for a missing family costs a fallback search.
    const QString serif = resolvedFamily(QStringLiteral("Times New Roman"));
    QFont captionFont(serif, 36, QFont::Bold, true);
    m_panel->setCaptionFont(captionFont);
    m_panel->setCaptionHeight(px(1150));
    m_panel->setCaption(QStringLiteral("Tallyquill 2007"));

    m_picture = new QLabel(m_panel);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setPixmap(banknotePicture());
    m_picture->setGeometry((px(panelWidth) - 382) / 2, px(1180), 382, 155);
    m_picture->setAccessibleName(tr("Tallyquill banknote picture"));

    m_version = new QLabel(QStringLiteral("Version 4.0"), m_panel);
    m_version->setObjectName(QStringLiteral("Label2"));
    m_version->setFont(QFont(serif, 18, QFont::Bold));
    m_version->setAlignment(Qt::AlignCenter);
    m_version->setGeometry(px(165), px(3800), px(8400), px(675));

    // The desktop's own sans serif at the classic 8.25 points: asking for a
    // family the system lacks costs a slow fallback search at start-up.
    QFont buttonFont = font();
    buttonFont.setPointSizeF(8.25);
    void (Startfrm::*actions[8])() = {
        &Startfrm::openActuarial, &Startfrm::openCalculator, &Startfrm::openHomeCalc, &Startfrm::openLoan,
        &Startfrm::openBudget,    &Startfrm::openWebSite,    &Startfrm::showOverview, &Startfrm::exitProgram};
    for (int i = 0; i < 8; ++i) {
        auto *button = new WrapButton(QString::fromLatin1(buttonSpecs[i].caption), m_panel);
        button->setObjectName(QStringLiteral("SSCommand1(%1)").arg(i));
        button->setFont(buttonFont);
        button->setGeometry(px(buttonSpecs[i].left), px(buttonSpecs[i].top), px(1605), px(900));
        connect(button, &QPushButton::clicked, this, actions[i]);
        m_buttons.append(button);
    }

    // Takes the focus on activation so that no launcher button shows a focus frame.
    m_focusButton = new QPushButton(m_background);
    m_focusButton->setObjectName(QStringLiteral("Command1"));
    m_focusButton->setGeometry(px(-100), px(-213), px(90), px(195)); // wholly outside the client area
    m_focusButton->setAccessibleName(tr("Launcher"));

    setTabOrder(m_focusButton, m_buttons[5]);
    QWidget *previous = m_buttons[5];
    for (int i : {0, 1, 2, 3, 4, 6, 7}) {
        setTabOrder(previous, m_buttons[i]);
        previous = m_buttons[i];
    }

    for (QWidget *w : {static_cast<QWidget *>(m_background), static_cast<QWidget *>(m_panel),
                       static_cast<QWidget *>(m_picture), static_cast<QWidget *>(m_version)})
        w->installEventFilter(this);
    for (QPushButton *b : std::as_const(m_buttons))
        b->installEventFilter(this);
}

QAction *Startfrm::addItem(QMenu *menu, const char *name, const QString &caption, void (Startfrm::*slot)())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void Startfrm::buildMenus()
{
    m_optionsMenu = menuBar()->addMenu(tr("&Options"));
    m_optionsMenu->setObjectName(QStringLiteral("mO"));
    addItem(m_optionsMenu, "mOBC", tr("&Background Color"), &Startfrm::chooseBackgroundColour);
    m_displayMenu = m_optionsMenu->addMenu(tr("&Program Display"));
    m_displayMenu->setObjectName(QStringLiteral("mOP"));
    m_displayMenu->menuAction()->setObjectName(QStringLiteral("mOP"));
    m_fullScreen = addItem(m_displayMenu, "mOPF", tr("&Full Screen Display"), &Startfrm::switchToFullScreen);
    m_smallerScreen =
        addItem(m_displayMenu, "mOPS", tr("&Smaller Screen Display"), &Startfrm::switchToSmallerScreen);
    for (QAction *a : {m_fullScreen, m_smallerScreen})
        a->setCheckable(true);
    m_optionsMenu->addSeparator();
    addItem(m_optionsMenu, "mON", tr("&Family Name"), &Startfrm::askFamilyName);
    m_optionsMenu->addSeparator();
    addItem(m_optionsMenu, "mOE", tr("E&xit"), &Startfrm::exitProgram);
    for (QMenu *m : {m_optionsMenu, m_displayMenu})
        connect(m, &QMenu::aboutToShow, this, &Startfrm::markDisplayMode);

    QMenu *finance = menuBar()->addMenu(tr("&Finance"));
    finance->setObjectName(QStringLiteral("mF"));
    addItem(finance, "mFAct", tr("&Actuarial Calculator"), &Startfrm::openActuarial);
    addItem(finance, "mFCal", tr("&Calculator"), &Startfrm::openCalculator);
    addItem(finance, "mFHCalc", tr("&Home Calculator"), &Startfrm::openHomeCalc);
    addItem(finance, "mFLCalc", tr("&Loan Calculator"), &Startfrm::openLoan);
    finance->addSeparator();
    addItem(finance, "mFHBud", tr("Home &Budget"), &Startfrm::openBudget);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mH"));
    addItem(help, "mHI", tr("&Program Overview"), &Startfrm::showOverview);
    help->addSeparator();
    addItem(help, "mHA", tr("&About Tallyquill 2007"), &Startfrm::openAbout);
    help->addSeparator();
    addItem(help, "mHWeb", tr("&View Tallyquill Web Site"), &Startfrm::openWebSite);
    help->addSeparator();
    addItem(help, "mHVISTA", tr("&VISTA Compatibility Issues"), &Startfrm::openVistaPage);
}

void Startfrm::setScreenGeometry(const QRect &screen)
{
    m_screen = screen;
}

QRect Startfrm::screenRect() const
{
    if (m_screen.isValid())
        return m_screen;
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
}

void Startfrm::start()
{
    if (!m_loadingChecked) {
        m_loadingChecked = true;
        // Shown once; the program then carries on with default settings.
        if (m_program.settings.anyUnreadable())
            m_program.prompter.message(
                this,
                {QStringLiteral("Loading Error"),
                 QStringLiteral("The files used by this activity cannot be loaded.  Either files are missing "
                                "or corrupted.  Please re-install the program."),
                 Icon::Critical, int(Button::Ok), Button::Ok});
    }
    startUp();
}

void Startfrm::startUp()
{
    DepthGuard depth(this, m_startUpDepth);
    QDir::setCurrent(m_program.folder.path());
    BusyPointer busy(m_program.platform);

    // Caption and colour are in place before the window shows, so its first
    // paint is already the right one and start-up paints the window only once.
    m_program.state.familyName = m_program.settings.familyName();
    showCaption();
    m_program.state.background = m_program.settings.background();
    applyBackgroundColour();

    if (m_program.settings.smallerScreenDisplay()) {
        m_program.state.displayMode = DisplayMode::Smaller;
        showNormal();
    } else {
        m_program.state.displayMode = DisplayMode::FullScreen;
        showMaximized();
    }
    if (!yieldEvents(this))
        return;
    displayCheck();
    recordGeometry();
    centrePanel();
    m_program.state.topToolbarHidden = m_program.settings.topToolbarOff();
}

void Startfrm::displayCheck()
{
    const QRect screen = screenRect();
    const double dpi = logicalDpiX();
    if (pixelsToTwips(screen.width(), dpi) < minimumScreenWidth ||
        pixelsToTwips(screen.height(), dpi) < minimumScreenHeight) {
        m_program.prompter.inform(
            this, QStringLiteral("Program Display Option"),
            QStringLiteral(
                "Monitor Resolution Settings (Screen Area) and Program Size requirements are at least "
                "800 by 600 or Higher.") +
                u'\r' +
                QStringLiteral(
                    "If you do not set your screen resolution to this setting or higher this program "
                    "will not function properly!"));
        switchToFullScreen();
    } else if (m_program.state.displayMode == DisplayMode::Smaller) {
        // The size is the outer size; the frame's share comes off the client area.
        const QSize outer(px(smallerWidth), px(smallerHeight));
        const QPoint topLeft(screen.x() + screen.width() / 2 - outer.width() / 2,
                             screen.y() + screen.height() / 2 - outer.height() / 2);
        setOuterGeometry(*this, QRect(topLeft, outer), frameExtent(*this));
    }
}

void Startfrm::recordGeometry()
{
    recordLauncherGeometry(m_program.state, *this);
}

void Startfrm::centrePanel()
{
    const QSize outer = m_program.state.launcherSize;
    m_panel->move(outer.width() / 2 - m_panel->width() / 2,
                  outer.height() / 2 - m_panel->height() / 2 - px(360));
    m_faceLabel->move(m_panel->pos() + QPoint(px(150), px(150)));
}

void Startfrm::applyBackgroundColour()
{
    const BackgroundValue &bg = m_program.state.background;
    QColor colour;
    if (bg.kind == BackgroundValue::Kind::Colour)
        colour = colorFromNumber(bg.colour, palette());
    else if (bg.kind == BackgroundValue::Kind::SystemDefault)
        colour = systemDefaultColor();
    else
        return; // a picture name is for the tool windows; the colour stays
    QPalette pal = m_background->palette();
    pal.setColor(QPalette::Window, colour);
    m_background->setPalette(pal);
    // The panel and the face label keep the system face colour.
    QPalette face = m_panel->palette();
    face.setColor(QPalette::Window, systemDefaultColor());
    m_panel->setPalette(face);
    m_faceLabel->setPalette(face);
}

void Startfrm::showCaption()
{
    setWindowTitle(captionWithFamilyName(m_program.state.familyName));
}

void Startfrm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        becameActive();
    else if (event->type() == QEvent::WindowStateChange)
        applyResizeRules();
}

void Startfrm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyResizeRules();
}

// A window manager places and moves the launcher after the calls that asked
// for it have returned; the tools open over where it really is.
void Startfrm::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (isVisible() && m_startUpDepth == 0 && !isMinimized())
        recordGeometry();
}

void Startfrm::applyResizeRules()
{
    if (!isVisible() || m_startUpDepth > 0 || isMinimized())
        return;
    const bool maximised = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    if (!maximised && m_program.state.displayMode == DisplayMode::FullScreen)
        switchToSmallerScreen();
    else if (maximised && m_program.state.displayMode == DisplayMode::Smaller)
        switchToFullScreen();
    recordGeometry();
    centrePanel();
}

void Startfrm::becameActive()
{
    BusyPointer busy(m_program.platform);
    recordGeometry();
    centrePanel();
    applyBackgroundColour();
    QDir::setCurrent(m_program.folder.path());
    m_focusButton->setFocus();
}

void Startfrm::setMarks(bool full, bool smaller)
{
    m_fullMarked = full;
    m_smallerMarked = smaller;
    m_fullScreen->setChecked(full);
    m_smallerScreen->setChecked(smaller);
}

void Startfrm::markDisplayMode()
{
    if (!yieldEvents(this, QEventLoop::ExcludeUserInputEvents))
        return;
    if (m_program.state.displayMode == DisplayMode::Smaller)
        setMarks(m_fullMarked, true);
    else
        setMarks(true, m_smallerMarked);
}

void Startfrm::switchToFullScreen()
{
    if (m_fullMarked) {
        setMarks(m_fullMarked, m_smallerMarked);
        return;
    }
    setMarks(true, false);
    m_program.settings.setSmallerScreenDisplay(false);
    startUp();
}

void Startfrm::switchToSmallerScreen()
{
    if (m_smallerMarked) {
        setMarks(m_fullMarked, m_smallerMarked);
        return;
    }
    setMarks(false, true);
    m_program.settings.setSmallerScreenDisplay(true);
    startUp();
}

bool Startfrm::eventFilter(QObject *watched, QEvent *event)
{
    // A right-button click anywhere on the launcher's face opens the Options
    // menu; it never reaches a button, so no tool opens by accident.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick ||
        event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            if (event->type() == QEvent::MouseButtonRelease)
                m_optionsMenu->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    if (event->type() == QEvent::ContextMenu)
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void Startfrm::chooseBackgroundColour()
{
    if (chooseBackground(m_program, this, m_background->palette().color(QPalette::Window)))
        applyBackgroundColour();
}

void Startfrm::askFamilyName()
{
    promptFamilyName(m_program, this);
    showCaption();
}

void Startfrm::openTool(ToolId tool)
{
    m_tools.open(tool, this);
}
void Startfrm::openActuarial()
{
    openTool(ToolId::Actuarial);
}
void Startfrm::openCalculator()
{
    openTool(ToolId::SciCalc);
}
void Startfrm::openHomeCalc()
{
    openTool(ToolId::HomeCalc);
}
void Startfrm::openLoan()
{
    openTool(ToolId::Loan);
}
void Startfrm::openBudget()
{
    openTool(ToolId::Budget);
}

void Startfrm::showOverview()
{
    m_program.platform.showHelp(1000);
}
void Startfrm::openWebSite()
{
    m_program.platform.openWebPage(QString());
}
void Startfrm::openVistaPage()
{
    m_program.platform.openWebPage(QStringLiteral("vista_install_issues.htm"));
}

void Startfrm::openAbout()
{
    if (m_about) {
        m_about->raise();
        return;
    }
    BusyPointer busy(m_program.platform);
    m_about = new About1(m_program, this);
    m_about->setAttribute(Qt::WA_DeleteOnClose);
    m_about->setWindowModality(Qt::ApplicationModal);
    m_about->show();
}

About1 *Startfrm::aboutWindow() const
{
    return m_about.data();
}

// An open tool may still hold unsaved work: it asks first and may keep the program open.
void Startfrm::exitProgram()
{
    if (m_tools.closeAll())
        Q_EMIT exitRequested();
}

} // namespace tq
